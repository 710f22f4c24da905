#pragma once

#include <QDateTime>
#include <QString>

// How the save dialogs name files, one rule for recordings, pictures and
// CSV.

// The name a dialog suggests: the stem and the minute it is asked at, as
// in "flight-2026-12-11-1530.fcrec"; extension without its dot.
QString datedFileName(const QString& stem, const QDateTime& when, const QString& extension);

// The file saved for a typed name: as typed when it ends in the chosen
// type's extension (in any case); otherwise with the extension added, so a
// name without one, or with another ("notes.txt"), still gets the file
// its type ("notes.txt.csv").
QString withExtension(const QString& typed, const QString& extension);
