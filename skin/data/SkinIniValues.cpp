#include "skin/data/SkinIniValues.h"

#include "platform/ClassicErrors.h"
#include "platform/IniFile.h"
#include "skin/data/SkinCut.h"

#include <array>

namespace skin {

using platform::EConvertError;
using platform::StrToInt;

namespace {

// Collects the digits of each comma-separated field; fields past the
// last one wanted are ignored. Each number is held to the range the image
// builders accept, so no sum of a few skin numbers can overflow.
template<size_t N>
std::array<int, N> parseFields(const QString& text)
{
    std::array<QString, N> fields;
    size_t field = 0;
    for (const QChar c : text) {
        if (c == u',')
            ++field;
        else if (c >= u'0' && c <= u'9' && field < N)
            fields[field].append(c);
    }
    std::array<int, N> values {};
    for (size_t i = 0; i < N; ++i)
        values[i] = clampCoordinate(StrToInt(fields[i]));
    return values;
}

template<typename Parse>
auto parseValue(const QString& section, const QString& key, const QString& text, Parse&& parse)
{
    try {
        return parse(text);
    } catch (const EConvertError& error) {
        throw EConvertError(QStringLiteral("%1 (section [%2], key \"%3\", value \"%4\")")
                                .arg(error.message(), section, key, text));
    }
}

// Exact lower-case word lookup with a fallback for unknown text.
template<typename Enum, size_t N>
Enum readWord(const CustomIniFile& ini, const QString& section, const QString& key,
    const std::array<const char*, N>& words, Enum absent, Enum unknown)
{
    const QString text = ini.readString(section, key, QString::fromLatin1(words[size_t(absent)]));
    for (size_t i = 0; i < N; ++i) {
        if (text == QLatin1String(words[i]))
            return Enum(i);
    }
    return unknown;
}

constexpr std::array<const char*, 7> morphWords {
    "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush"};
constexpr std::array<const char*, 6> effectWords {
    "iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"};
constexpr std::array<const char*, 7> commandWords {
    "cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup", "cmminimizetotray"};
constexpr std::array<const char*, 3> alignmentWords {"taleftjustify", "tarightjustify", "tacenter"};
constexpr std::array<std::pair<const char*, TFontStyle>, 4> styleWords {{
    {"fsbold", TFontStyle::fsBold},
    {"fsitalic", TFontStyle::fsItalic},
    {"fsunderline", TFontStyle::fsUnderline},
    {"fsstrikeout", TFontStyle::fsStrikeOut},
}};

// Lists longer than this are damaged text, not skins.
constexpr int maxListCount = 65536;

} // namespace

TRect GetRect(const QString& text)
{
    const auto v = parseFields<4>(text);
    return {v[0], v[1], v[2], v[3]};
}

TPoint GetPoint(const QString& text)
{
    const auto v = parseFields<2>(text);
    return {v[0], v[1]};
}

QString SetRect(const TRect& rect)
{
    return QStringLiteral("%1,%2,%3,%4").arg(rect.left).arg(rect.top).arg(rect.right).arg(rect.bottom);
}

QString SetPoint(const TPoint& point) { return QStringLiteral("%1,%2").arg(point.x).arg(point.y); }

TRect ReadRect(const CustomIniFile& ini, const QString& section, const QString& key)
{
    return parseValue(section, key, ini.readString(section, key, QStringLiteral("0,0,0,0")), GetRect);
}

void WriteRect(CustomIniFile& ini, const QString& section, const QString& key, const TRect& rect)
{
    ini.writeString(section, key, SetRect(rect));
}

TPoint ReadPoint(const CustomIniFile& ini, const QString& section, const QString& key)
{
    return parseValue(section, key, ini.readString(section, key, QStringLiteral("0,0")), GetPoint);
}

void WritePoint(CustomIniFile& ini, const QString& section, const QString& key, const TPoint& point)
{
    ini.writeString(section, key, SetPoint(point));
}

bool ReadBoolean(const CustomIniFile& ini, const QString& section, const QString& key)
{
    return ini.readInteger(section, key, 0) == 1;
}

void WriteBoolean(CustomIniFile& ini, const QString& section, const QString& key, bool value)
{
    ini.writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

TFontStyles fontStylesFromText(const QString& text)
{
    TFontStyles styles;
    for (const auto& [word, style] : styleWords) {
        if (text.contains(QLatin1String(word)))
            styles |= style;
    }
    return styles;
}

QString fontStylesToText(TFontStyles styles)
{
    QStringList words;
    for (const auto& [word, style] : styleWords) {
        if (styles.has(style))
            words.append(QLatin1String(word));
    }
    return words.join(u',');
}

TFontStyles ReadFontStyles(const CustomIniFile& ini, const QString& section, const QString& key)
{
    return fontStylesFromText(ini.readString(section, key, QString()));
}

void WriteFontStyles(CustomIniFile& ini, const QString& section, const QString& key, TFontStyles styles)
{
    ini.writeString(section, key, fontStylesToText(styles));
}

TAlignment ReadAlignment(const CustomIniFile& ini, const QString& section, const QString& key)
{
    return readWord(ini, section, key, alignmentWords, TAlignment::taCenter, TAlignment::taRightJustify);
}

void WriteAlignment(CustomIniFile& ini, const QString& section, const QString& key, TAlignment alignment)
{
    ini.writeString(section, key, QLatin1String(alignmentWords[size_t(alignment)]));
}

TkvMorphKind ReadMorphKind(const CustomIniFile& ini, const QString& section, const QString& key)
{
    return readWord(ini, section, key, morphWords, TkvMorphKind::mkDefault, TkvMorphKind::mkDefault);
}

void WriteMorphKind(CustomIniFile& ini, const QString& section, const QString& key, TkvMorphKind kind)
{
    ini.writeString(section, key, QLatin1String(morphWords[size_t(kind)]));
}

TkvInActiveEffect ReadInActiveEffect(const CustomIniFile& ini, const QString& section, const QString& key)
{
    return readWord(ini, section, key, effectWords, TkvInActiveEffect::ieBrightness, TkvInActiveEffect::ieGrayScale);
}

void WriteInActiveEffect(CustomIniFile& ini, const QString& section, const QString& key, TkvInActiveEffect effect)
{
    ini.writeString(section, key, QLatin1String(effectWords[size_t(effect)]));
}

TkvStdCommand readStdCommand(const CustomIniFile& ini, const QString& section, const QString& key)
{
    return readWord(ini, section, key, commandWords, TkvStdCommand::cmDefault, TkvStdCommand::cmMinimizeToTray);
}

void writeStdCommand(CustomIniFile& ini, const QString& section, const QString& key, TkvStdCommand command)
{
    ini.writeString(section, key, QLatin1String(commandWords[size_t(command)]));
}

void ReadStrings1(const CustomIniFile& ini, const QString& section, const QString& name, QStringList& strings)
{
    const QString countKey = name + QStringLiteral("count");
    const int count = ini.readInteger(section, countKey, 0);
    if (count > maxListCount) {
        throw EConvertError(QStringLiteral("List count %1 too large (section [%2], key \"%3\")")
                                .arg(count)
                                .arg(section, countKey));
    }
    for (int i = 0; i < count; ++i)
        strings.append(ini.readString(section, QString::number(i), QString()));
}

void WriteStrings1(CustomIniFile& ini, const QString& section, const QString& name, const QStringList& strings)
{
    ini.writeInteger(section, name + QStringLiteral("count"), int(strings.size()));
    for (int i = 0; i < strings.size(); ++i)
        ini.writeString(section, QString::number(i), strings[i]);
}

bool CheckSkinSections(const CustomIniFile& ini)
{
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
        if (!ini.sectionExists(QLatin1String(section)))
            return false;
    }
    return true;
}

} // namespace skin
