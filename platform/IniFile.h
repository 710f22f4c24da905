#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace platform {

// An INI object: sections of key/value lines. Section and key names match
// without regard to letter case or surrounding blanks (the text cannot
// hold those blanks); values come back exactly as written.
class CustomIniFile {
public:
    virtual ~CustomIniFile() = default;

    virtual QString readString(const QString& section, const QString& key, const QString& defaultValue) const = 0;
    virtual void writeString(const QString& section, const QString& key, const QString& value) = 0;
    virtual bool sectionExists(const QString& section) const = 0;
    virtual void eraseSection(const QString& section) = 0;
    // Key names of a section in text order (empty when it does not exist).
    virtual QStringList sectionKeys(const QString& section) const = 0;

    // Optional sign and decimal digits, or hexadecimal after "0x"/"0X"/"$";
    // anything else (also an absent key) gives defaultValue.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    void writeInteger(const QString& section, const QString& key, int value);
};

// INI text held in memory. Reading: CR, LF or CR LF end a line; lines are
// trimmed; empty lines and ";" comments are dropped; lines before the first
// section are ignored; a line without "=" stays in its section but matches
// no key. When a key appears twice in a section the first one counts.
// Writing: "[section]", "key=value" lines, an empty line after each
// section; a new key goes to the end of its section, a new section to the
// end of the text.
class MemIniFile : public CustomIniFile {
public:
    MemIniFile() = default;
    explicit MemIniFile(const QStringList& lines) { setStrings(lines); }

    QString readString(const QString& section, const QString& key, const QString& defaultValue) const override;
    void writeString(const QString& section, const QString& key, const QString& value) override;
    bool sectionExists(const QString& section) const override;
    void eraseSection(const QString& section) override;
    QStringList sectionKeys(const QString& section) const override;

    void setStrings(const QStringList& lines);
    QStringList getStrings() const;
    // getStrings joined with CR LF after every line, one byte per character.
    QByteArray toText() const;
    void clear();

    QStringList sectionNames() const;

    // Splits text (one byte per character) at CR, LF or CR LF. A final line
    // end does not start another line.
    static QStringList splitLines(const QByteArray& text);
    // Each line followed by CR LF, one byte per character.
    static QByteArray joinLines(const QStringList& lines);

protected:
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

private:
    struct Entry {
        QString key; // empty for a line without "="
        QString value; // the whole line when key is empty
        bool hasKey = false;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };

    const Section* findSection(const QString& name) const;
    Section& sectionForWriting(const QString& name);
    void rebuildIndex();

    std::vector<Section> m_sections;
    QHash<QString, int> m_index; // lower-case name -> position in m_sections
    bool m_modified = false;
};

// INI object backed by a file: the file is read when the object is made
// (a missing file reads as empty text) and written back by updateFile, or
// by the destructor when something changed and updateFile was not called.
class IniFile : public MemIniFile {
public:
    explicit IniFile(const QString& fileName);
    ~IniFile() override;
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const QString& fileName() const { return m_fileName; }
    // Throws EFOpenError when the file cannot be written.
    void updateFile();

private:
    QString m_fileName;
};

} // namespace platform
