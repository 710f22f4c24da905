#pragma once

#include <QString>
#include <QTextStream>

// The commands of skntool. Each returns the exit code; run-time failures
// are thrown as platform::Exception with a message naming the file.
namespace skin {
class TkvSkinData;
}

namespace skntool {

QTextStream& out();

// Loads a ".skn" file, a skin folder or its definition into data; fails
// with a message naming the file when there is no skin to read.
void loadSkin(skin::TkvSkinData& data, const QString& path);

int pack(const QString& definition, const QString& target);
int unpack(const QString& source, const QString& folder);
int info(const QString& file);

// The skin states a record can be drawn in; inactive is the look of the
// frame and its objects while the window is not the active one.
enum class State { Normal, Hot, Pressed, Disabled, Focused, Inactive };

struct RenderRequest {
    QString skin;
    QString name;
    int width = 0;
    int height = 0;
    State state = State::Normal;
    int scale = 1;
    QString out;
    // The frame of an animation object, counted from 1; 0 when not asked.
    int frame = 0;
    // A caption button's second face (the maximize button of a maximized
    // window) instead of its first.
    bool restoreFace = false;
    // The plate behind the caption text instead of the caption.
    bool textFrame = false;
};
int render(const RenderRequest& request);

} // namespace skntool
