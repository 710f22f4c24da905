#pragma once

#include "skin/data/SkinTypes.h"

#include <QString>
#include <QStringList>

namespace platform {
class CustomIniFile;
}

namespace skin {

using platform::CustomIniFile;

// Rectangles and points: digits are collected per comma-separated field and
// everything else is dropped, so "-5" reads as 5. A field without digits,
// a number beyond the 32-bit range or too few fields throws EConvertError;
// fields after the fourth (second for points) are ignored. Numbers beyond
// kCoordinateLimit read as the limit.
TRect GetRect(const QString& text);
TPoint GetPoint(const QString& text);
QString SetRect(const TRect& rect);
QString SetPoint(const TPoint& point);

// The readers below throw EConvertError naming section and key when a
// rectangle or point is malformed; absent keys give the defaults.
TRect ReadRect(const CustomIniFile& ini, const QString& section, const QString& key);
void WriteRect(CustomIniFile& ini, const QString& section, const QString& key, const TRect& rect);
TPoint ReadPoint(const CustomIniFile& ini, const QString& section, const QString& key);
void WritePoint(CustomIniFile& ini, const QString& section, const QString& key, const TPoint& point);

// True only for the integer 1.
bool ReadBoolean(const CustomIniFile& ini, const QString& section, const QString& key);
void WriteBoolean(CustomIniFile& ini, const QString& section, const QString& key, bool value);

TFontStyles ReadFontStyles(const CustomIniFile& ini, const QString& section, const QString& key);
void WriteFontStyles(CustomIniFile& ini, const QString& section, const QString& key, TFontStyles styles);
TFontStyles fontStylesFromText(const QString& text);
QString fontStylesToText(TFontStyles styles);

TAlignment ReadAlignment(const CustomIniFile& ini, const QString& section, const QString& key);
void WriteAlignment(CustomIniFile& ini, const QString& section, const QString& key, TAlignment alignment);

TkvMorphKind ReadMorphKind(const CustomIniFile& ini, const QString& section, const QString& key);
void WriteMorphKind(CustomIniFile& ini, const QString& section, const QString& key, TkvMorphKind kind);

TkvInActiveEffect ReadInActiveEffect(const CustomIniFile& ini, const QString& section, const QString& key);
void WriteInActiveEffect(CustomIniFile& ini, const QString& section, const QString& key, TkvInActiveEffect effect);

// Caption commands, read by the records that hold one.
TkvStdCommand readStdCommand(const CustomIniFile& ini, const QString& section, const QString& key);
void writeStdCommand(CustomIniFile& ini, const QString& section, const QString& key, TkvStdCommand command);

// A list is "<name>count" plus keys "0" .. count-1. Reading appends to
// strings; a missing item reads as an empty string.
void ReadStrings1(const CustomIniFile& ini, const QString& section, const QString& name, QStringList& strings);
void WriteStrings1(CustomIniFile& ini, const QString& section, const QString& name, const QStringList& strings);

// The five sections every skin definition must have.
bool CheckSkinSections(const CustomIniFile& ini);

} // namespace skin
