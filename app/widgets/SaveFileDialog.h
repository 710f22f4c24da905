#pragma once

#include <QString>

#include <functional>

class QSettings;
class QWidget;

// A kind of file the tool saves, and how its save dialog reads.
struct SaveFileKind {
    const char* caption;
    const char* filter;
    // The start of a suggested name, and the type's extension (no dot).
    const char* stem;
    const char* extension;
};

inline constexpr SaveFileKind kRecordingFile = {"Record telemetry", "Recordings (*.fcrec)", "flight", "fcrec"};
inline constexpr SaveFileKind kPlotsPictureFile = {"Save the graphs", "PNG pictures (*.png)", "plots", "png"};
inline constexpr SaveFileKind kPlotsValuesFile = {"Save the values", "CSV files (*.csv)", "plots", "csv"};

// Asks where to save a file of the kind. The dialog opens in the folder
// last used for this kind (remembered in settings; the user's documents
// folder at first) with a dated name, and a name typed without the type's
// extension gets it. Empty when the user cancels.
QString askSaveFileName(QWidget* parent, const SaveFileKind& kind, QSettings* settings);

// The dialog itself: the suggested path in, the chosen path out (empty:
// cancelled). It confirms before replacing a file by the name it returns.
using SaveDialog = std::function<QString(QWidget* parent, const SaveFileKind& kind, const QString& suggested)>;

// Installs a dialog (tests answer it themselves) and returns the previous
// one; an empty one restores the system's.
SaveDialog setSaveDialog(SaveDialog dialog);
