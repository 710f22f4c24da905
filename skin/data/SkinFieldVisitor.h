#pragma once

#include "skin/data/SkinTypes.h"

#include <QString>

namespace platform {
class CustomIniFile;
}

namespace skin {

using platform::CustomIniFile;

// The four font keys most records carry. A record derives from this, so
// its fields keep the key names (record.fontname) and the controls' font
// rule reads any record's font through one type.
struct SkinFontFields {
    QString fontname = QStringLiteral("Arial");
    qint32 fontheight = 14;
    TFontStyles fontstyle;
    TColor fontcolor = 0;
};

// Each record lists its own fields once, in the order they are written,
// through this visitor; one visitor reads them from a section and another
// writes them, so keys, types and defaults cannot drift apart.
class SkinFieldVisitor {
public:
    virtual ~SkinFieldVisitor() = default;

    virtual void integer(const char* key, qint32& value, qint32 defaultValue) = 0;
    virtual void string(const char* key, QString& value, const QString& defaultValue) = 0;
    virtual void boolean(const char* key, bool& value) = 0;
    virtual void rect(const char* key, TRect& value) = 0;
    virtual void point(const char* key, TPoint& value) = 0;
    virtual void fontStyles(const char* key, TFontStyles& value) = 0;
    virtual void alignment(const char* key, TAlignment& value) = 0;
    virtual void morphKind(const char* key, TkvMorphKind& value) = 0;
    virtual void command(const char* key, TkvStdCommand& value) = 0;
    virtual void inactiveEffect(const char* key, TkvInActiveEffect& value) = 0;

    void color(const char* key, TColor& value, TColor defaultValue = 0) { integer(key, value, defaultValue); }
    void pictureIndex(const char* key, qint32& value) { integer(key, value, -1); }
    // The four font keys in the order they are written.
    void font(SkinFontFields& value)
    {
        string("fontname", value.fontname, QStringLiteral("Arial"));
        integer("fontheight", value.fontheight, 14);
        fontStyles("fontstyle", value.fontstyle);
        color("fontcolor", value.fontcolor);
    }
};

class IniFieldReader final : public SkinFieldVisitor {
public:
    IniFieldReader(const CustomIniFile& ini, const QString& section) : m_ini(ini), m_section(section) {}

    void integer(const char* key, qint32& value, qint32 defaultValue) override;
    void string(const char* key, QString& value, const QString& defaultValue) override;
    void boolean(const char* key, bool& value) override;
    void rect(const char* key, TRect& value) override;
    void point(const char* key, TPoint& value) override;
    void fontStyles(const char* key, TFontStyles& value) override;
    void alignment(const char* key, TAlignment& value) override;
    void morphKind(const char* key, TkvMorphKind& value) override;
    void command(const char* key, TkvStdCommand& value) override;
    void inactiveEffect(const char* key, TkvInActiveEffect& value) override;

private:
    const CustomIniFile& m_ini;
    const QString& m_section;
};

class IniFieldWriter final : public SkinFieldVisitor {
public:
    IniFieldWriter(CustomIniFile& ini, const QString& section) : m_ini(ini), m_section(section) {}

    void integer(const char* key, qint32& value, qint32 defaultValue) override;
    void string(const char* key, QString& value, const QString& defaultValue) override;
    void boolean(const char* key, bool& value) override;
    void rect(const char* key, TRect& value) override;
    void point(const char* key, TPoint& value) override;
    void fontStyles(const char* key, TFontStyles& value) override;
    void alignment(const char* key, TAlignment& value) override;
    void morphKind(const char* key, TkvMorphKind& value) override;
    void command(const char* key, TkvStdCommand& value) override;
    void inactiveEffect(const char* key, TkvInActiveEffect& value) override;

private:
    CustomIniFile& m_ini;
    const QString& m_section;
};

// Reads or writes the fields a record class adds to its base.
template<typename Record>
void readOwnFields(Record& record, const CustomIniFile& ini, const QString& section)
{
    IniFieldReader reader(ini, section);
    record.Record::visitOwnFields(reader);
}

template<typename Record>
void writeOwnFields(Record& record, CustomIniFile& ini, const QString& section)
{
    IniFieldWriter writer(ini, section);
    record.Record::visitOwnFields(writer);
}

// A record class that only adds fields to its base: loading and saving run
// the base's steps, then read or write the class's own keys in the same
// section.
template<typename Self, typename Base>
class WithOwnFields : public Base {
public:
    using Base::Base;

    void LoadFromFile(const CustomIniFile& ini) override
    {
        Base::LoadFromFile(ini);
        readOwnFields(static_cast<Self&>(*this), ini, this->IDName);
    }
    void SaveToFile(CustomIniFile& ini) override
    {
        Base::SaveToFile(ini);
        writeOwnFields(static_cast<Self&>(*this), ini, this->IDName);
    }
};

} // namespace skin
