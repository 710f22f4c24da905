#pragma once

#include "platform/IniFile.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace frametest {

// One value of a skin definition replaced.
struct KeyChange {
    QString section;
    QString key;
    QString value;
};

// The numbers a stranger's skin may hold where the engine expects small
// ones: the ends of the 32-bit range, one below zero and zero.
inline constexpr int kHostileNumbers[] = {2147483647, -2147483647 - 1, -1, 0};

// Every change a sweep of section makes: each whole number of each key
// whose value is a comma-separated list of them (a count, an offset, a
// colour, a point, a rectangle) set to each hostile number in turn, the
// others kept.
QList<KeyChange> hostileChanges(const platform::MemIniFile& ini, const QString& section);

// The first record of each kind in a listing section of "name:kind"
// entries.
QStringList firstOfEachKind(const platform::MemIniFile& ini, const QString& listing);

// The kind word of the record called name in a listing section; empty when
// it is not listed.
QString kindOf(const platform::MemIniFile& ini, const QString& listing, const QString& name);

} // namespace frametest
