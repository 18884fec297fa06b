#pragma once
// Settings file of the INI kind: "[Section]" lines followed by "Key=Value" lines.
// Sections and keys are matched without regard to letter case; everything the
// program does not know (sections, keys, comments) is kept as it was and written
// back in its place. Broken lines are kept but never read as values.
// Read as UTF-8 (a byte-order mark is skipped), or as code page 1250 when the
// file is not valid UTF-8; written as UTF-8 without a mark, through a temporary
// file, so a failed write loses nothing. Lines end in LF, or in CR LF when the
// file read had CR LF.
#include <QString>
#include <QStringList>
#include <vector>

class IniFile {
public:
    IniFile() = default;
    // Reads the file at once; a missing or unreadable file gives an empty one.
    explicit IniFile(const QString &path);

    bool contains(const QString &section, const QString &key) const;
    QString value(const QString &section, const QString &key, const QString &def = {}) const;
    // A value that is not a whole number (or is missing) gives def.
    int intValue(const QString &section, const QString &key, int def) const;
    // Any non-zero integer is true; a value that is no integer gives def.
    bool boolValue(const QString &section, const QString &key, bool def) const;

    // Replaces the value in place, keeping the key's spelling in the file;
    // a new key goes after the last key of its section, a new section at the
    // end of the file. Line breaks in the value become blanks.
    void setValue(const QString &section, const QString &key, const QString &value);
    void setInt(const QString &section, const QString &key, int value);
    void setBool(const QString &section, const QString &key, bool value); // "1" or "0"

    QString text() const;                  // the file as it would be written
    void setText(const QString &text);     // parses text as the file's content
    bool save(const QString &path) const;  // false when the file cannot be written
    bool save() const { return save(m_path); }
    const QString &path() const { return m_path; }

private:
    struct Line {
        QString raw;      // the line as read (or as last written)
        QString section;  // section it belongs to (as written in the file)
        QString key;      // empty for section headers, comments and broken lines
        QString value;
    };
    int find(const QString &section, const QString &key) const;
    QString m_path;
    std::vector<Line> m_lines;
    bool m_crlf = false;
};
