#include "output/Kezdobetu.h"

#include <QStringView>

namespace {

// The letters of more than one character, the longest first so that "dzs"
// wins over "dz".
const char16_t *const TobbBetus[] = {u"dzs", u"cs", u"dz", u"gy", u"ly", u"ny", u"sz", u"ty", u"zs"};

// The lower-case letter of the alphabet that a lower-case character counts as.
QChar alapBetu(QChar c)
{
    switch (c.unicode()) {
    case u'á':
        return u'a';
    case u'é':
        return u'e';
    case u'í':
        return u'i';
    case u'ó':
        return u'o';
    case u'ö':
    case u'ő':
        return u'ö';
    case u'ú':
        return u'u';
    case u'ü':
    case u'ű':
        return u'ü';
    default:
        break;
    }
    // A foreign accented letter (ä, č, ñ ...) counts as its base letter.
    const QString d = QString(c).normalized(QString::NormalizationForm_D);
    return !d.isEmpty() && d.at(0).isLetter() ? d.at(0) : c;
}

} // namespace

QString MagyarKezdobetu(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    if (i >= text.size())
        return {};
    if (!text.at(i).isLetter())
        return QString(text.at(i));

    // Up to three characters, lower-cased and reduced to their letters.
    QString eleje;
    for (qsizetype j = i; j < text.size() && eleje.size() < 3; ++j)
        eleje += alapBetu(text.at(j).toLower());
    QString betu = eleje.left(1);
    for (const char16_t *t : TobbBetus) {
        const QStringView tobb(t);
        if (QStringView(eleje).startsWith(tobb)) {
            betu = tobb.toString();
            break;
        }
    }
    return betu.left(1).toUpper() + betu.mid(1);
}
