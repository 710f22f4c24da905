#include "skin/data/SkinFieldVisitor.h"

#include "platform/IniFile.h"
#include "skin/data/SkinIniValues.h"

namespace skin {

namespace {

QString name(const char* key) { return QString::fromLatin1(key); }

} // namespace

void IniFieldReader::integer(const char* key, qint32& value, qint32 defaultValue)
{
    value = m_ini.readInteger(m_section, name(key), defaultValue);
}

void IniFieldReader::string(const char* key, QString& value, const QString& defaultValue)
{
    value = m_ini.readString(m_section, name(key), defaultValue);
}

void IniFieldReader::boolean(const char* key, bool& value) { value = ReadBoolean(m_ini, m_section, name(key)); }
void IniFieldReader::rect(const char* key, TRect& value) { value = ReadRect(m_ini, m_section, name(key)); }
void IniFieldReader::point(const char* key, TPoint& value) { value = ReadPoint(m_ini, m_section, name(key)); }

void IniFieldReader::fontStyles(const char* key, TFontStyles& value)
{
    value = ReadFontStyles(m_ini, m_section, name(key));
}

void IniFieldReader::alignment(const char* key, TAlignment& value) { value = ReadAlignment(m_ini, m_section, name(key)); }
void IniFieldReader::morphKind(const char* key, TkvMorphKind& value) { value = ReadMorphKind(m_ini, m_section, name(key)); }
void IniFieldReader::command(const char* key, TkvStdCommand& value) { value = readStdCommand(m_ini, m_section, name(key)); }

void IniFieldReader::inactiveEffect(const char* key, TkvInActiveEffect& value)
{
    value = ReadInActiveEffect(m_ini, m_section, name(key));
}

void IniFieldWriter::integer(const char* key, qint32& value, qint32) { m_ini.writeInteger(m_section, name(key), value); }
void IniFieldWriter::string(const char* key, QString& value, const QString&) { m_ini.writeString(m_section, name(key), value); }
void IniFieldWriter::boolean(const char* key, bool& value) { WriteBoolean(m_ini, m_section, name(key), value); }
void IniFieldWriter::rect(const char* key, TRect& value) { WriteRect(m_ini, m_section, name(key), value); }
void IniFieldWriter::point(const char* key, TPoint& value) { WritePoint(m_ini, m_section, name(key), value); }
void IniFieldWriter::fontStyles(const char* key, TFontStyles& value) { WriteFontStyles(m_ini, m_section, name(key), value); }
void IniFieldWriter::alignment(const char* key, TAlignment& value) { WriteAlignment(m_ini, m_section, name(key), value); }
void IniFieldWriter::morphKind(const char* key, TkvMorphKind& value) { WriteMorphKind(m_ini, m_section, name(key), value); }
void IniFieldWriter::command(const char* key, TkvStdCommand& value) { writeStdCommand(m_ini, m_section, name(key), value); }

void IniFieldWriter::inactiveEffect(const char* key, TkvInActiveEffect& value)
{
    WriteInActiveEffect(m_ini, m_section, name(key), value);
}

} // namespace skin
