#include "platform/IniFile.h"

#include "platform/ByteStream.h"
#include "platform/ClassicErrors.h"

#include <QFileInfo>

namespace platform {

int CustomIniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    const QString text = readString(section, key, QString()).trimmed();
    if (text.isEmpty())
        return defaultValue;
    try {
        return StrToInt(text);
    } catch (const EConvertError&) {
        return defaultValue;
    }
}

void CustomIniFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

const MemIniFile::Section* MemIniFile::findSection(const QString& name) const
{
    const auto it = m_index.constFind(name.trimmed().toLower());
    return it == m_index.constEnd() ? nullptr : &m_sections[*it];
}

MemIniFile::Section& MemIniFile::sectionForWriting(const QString& name)
{
    const QString trimmed = name.trimmed();
    const QString lower = trimmed.toLower();
    const auto it = m_index.constFind(lower);
    if (it != m_index.constEnd())
        return m_sections[*it];
    m_sections.push_back({trimmed, {}});
    m_index.insert(lower, int(m_sections.size()) - 1);
    return m_sections.back();
}

void MemIniFile::rebuildIndex()
{
    m_index.clear();
    for (int i = 0; i < int(m_sections.size()); ++i)
        m_index.insert(m_sections[i].name.toLower(), i);
}

QString MemIniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const Section* s = findSection(section);
    if (!s)
        return defaultValue;
    const QString name = key.trimmed();
    for (const Entry& e : s->entries) {
        if (e.hasKey && e.key.compare(name, Qt::CaseInsensitive) == 0)
            return e.value;
    }
    return defaultValue;
}

void MemIniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    Section& s = sectionForWriting(section);
    m_modified = true;
    const QString name = key.trimmed();
    for (Entry& e : s.entries) {
        if (e.hasKey && e.key.compare(name, Qt::CaseInsensitive) == 0) {
            e.value = value;
            return;
        }
    }
    s.entries.push_back({name, value, true});
}

bool MemIniFile::sectionExists(const QString& section) const { return findSection(section) != nullptr; }

void MemIniFile::eraseSection(const QString& section)
{
    const auto it = m_index.constFind(section.trimmed().toLower());
    if (it == m_index.constEnd())
        return;
    m_sections.erase(m_sections.begin() + *it);
    rebuildIndex();
    m_modified = true;
}

QStringList MemIniFile::sectionKeys(const QString& section) const
{
    QStringList keys;
    if (const Section* s = findSection(section)) {
        for (const Entry& e : s->entries) {
            if (e.hasKey)
                keys.append(e.key);
        }
    }
    return keys;
}

void MemIniFile::setStrings(const QStringList& lines)
{
    clear();
    Section* current = nullptr;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']') && line.size() >= 2) {
            current = &sectionForWriting(line.mid(1, line.size() - 2).trimmed());
            continue;
        }
        if (!current)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            current->entries.push_back({QString(), line, false});
        else
            current->entries.push_back({line.left(eq).trimmed(), line.mid(eq + 1).trimmed(), true});
    }
    m_modified = false;
}

QStringList MemIniFile::getStrings() const
{
    QStringList lines;
    for (const Section& s : m_sections) {
        lines.append(u'[' + s.name + u']');
        for (const Entry& e : s.entries)
            lines.append(e.hasKey ? e.key + u'=' + e.value : e.value);
        lines.append(QString());
    }
    return lines;
}

QByteArray MemIniFile::toText() const { return joinLines(getStrings()); }

void MemIniFile::clear()
{
    m_sections.clear();
    m_index.clear();
    m_modified = true;
}

QStringList MemIniFile::sectionNames() const
{
    QStringList names;
    for (const Section& s : m_sections)
        names.append(s.name);
    return names;
}

QStringList MemIniFile::splitLines(const QByteArray& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.append(QString::fromLatin1(text.constData() + start, i - start));
        if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(QString::fromLatin1(text.constData() + start, n - start));
    return lines;
}

QByteArray MemIniFile::joinLines(const QStringList& lines)
{
    QByteArray text;
    for (const QString& line : lines) {
        text += line.toLatin1();
        text += "\r\n";
    }
    return text;
}

IniFile::IniFile(const QString& fileName)
    : m_fileName(fileName)
{
    if (QFileInfo::exists(fileName))
        setStrings(splitLines(readWholeFile(fileName)));
    setModified(false);
}

IniFile::~IniFile()
{
    if (!isModified())
        return;
    try {
        updateFile();
    } catch (const Exception&) {
        // A destructor must not throw; callers that care call updateFile.
    }
}

void IniFile::updateFile()
{
    writeWholeFile(m_fileName, toText());
    setModified(false);
}

} // namespace platform
