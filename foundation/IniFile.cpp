#include "foundation/IniFile.h"

#include "foundation/Kodlap.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(const QString &path) : m_path(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())  // written by an older installation in code page 1250
        text = Kodlap::fromCp1250(bytes);
    setText(text);
}

void IniFile::setText(const QString &text)
{
    m_lines.clear();
    m_crlf = text.contains(u"\r\n");
    QStringList rows = text.split(u'\n');
    if (rows.last().isEmpty())  // the text ended with a line break, or was empty
        rows.removeLast();
    QString section;
    for (QString &raw : rows) {
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        Line line{raw, section, {}, {}};
        const QString t = raw.trimmed();
        const int close = t.indexOf(u']');
        const int eq = t.indexOf(u'=');
        if (t.startsWith(u'[') && close > 0) {
            section = t.mid(1, close - 1).trimmed();
            line.section = section;
        } else if (eq > 0 && !t.startsWith(u';') && !t.startsWith(u'#')) {
            line.key = t.left(eq).trimmed();
            line.value = t.mid(eq + 1).trimmed();
        }
        m_lines.push_back(line);
    }
}

int IniFile::find(const QString &section, const QString &key) const
{
    for (int i = 0; i < int(m_lines.size()); ++i) {
        const Line &l = m_lines[i];
        if (!l.key.isEmpty() && same(l.key, key) && same(l.section, section))
            return i;
    }
    return -1;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    return find(section, key) >= 0;
}

QString IniFile::value(const QString &section, const QString &key, const QString &def) const
{
    const int i = find(section, key);
    return i < 0 ? def : m_lines[i].value;
}

int IniFile::intValue(const QString &section, const QString &key, int def) const
{
    bool ok = false;
    const int v = value(section, key).toInt(&ok);
    return ok ? v : def;
}

bool IniFile::boolValue(const QString &section, const QString &key, bool def) const
{
    return intValue(section, key, def ? 1 : 0) != 0;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    // A line break would end the line and turn the rest into a line of its own.
    const QString v = QString(value).replace(u'\r', u' ').replace(u'\n', u' ');
    const int i = find(section, key);
    if (i >= 0) {
        Line &l = m_lines[i];
        l.value = v;
        l.raw = l.key + u'=' + v;
        return;
    }
    // The header of the section, then each of its keys, moves the insertion point.
    int at = -1;
    for (int j = 0; j < int(m_lines.size()); ++j)
        if (same(m_lines[j].section, section) && (at < 0 || !m_lines[j].key.isEmpty()))
            at = j;
    if (at < 0) {
        if (!m_lines.empty() && !m_lines.back().raw.trimmed().isEmpty())
            m_lines.push_back({QString(), m_lines.back().section, {}, {}});
        m_lines.push_back({u'[' + section + u']', section, {}, {}});
        at = int(m_lines.size()) - 1;
    }
    m_lines.insert(m_lines.begin() + at + 1, Line{key + u'=' + v, m_lines[at].section, key, v});
}

void IniFile::setInt(const QString &section, const QString &key, int value)
{
    setValue(section, key, QString::number(value));
}

void IniFile::setBool(const QString &section, const QString &key, bool value)
{
    setValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString IniFile::text() const
{
    const QString eol = m_crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString out;
    for (const Line &l : m_lines)
        out += l.raw + eol;
    return out;
}

bool IniFile::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text().toUtf8());
    return file.commit();
}
