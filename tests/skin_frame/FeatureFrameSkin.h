#pragma once

#include <QRgb>
#include <QString>
#include <QTemporaryDir>

namespace frametest {

// The program's skin with the frame features it does not use: the roll-up
// button becomes a four-frame animation that plays under the pointer, a
// six-frame cycling light sits in the bottom-left corner, the caption has a
// text plate, the system-menu button is drawn from the active picture (so
// the window icon can take its place), the hint window has a mask with cut
// corners, and the objects carry hints. Every colour of the added picture is
// known to the tests.
class FeatureFrameSkin {
public:
    FeatureFrameSkin();

    QString definition() const;

    // Frame n (1-based) of the roll-up animation and of the light.
    static QRgb rollFrame(int n) { return qRgb(0, 40 * n, 200); }
    static QRgb lightFrame(int n) { return qRgb(200, 30 * n, 0); }
    // The text plate: ends and middle, normal and active.
    static QRgb plateLeft(bool active) { return active ? qRgb(0, 128, 0) : qRgb(0, 255, 0); }
    static QRgb plateMiddle(bool active) { return active ? qRgb(0, 0, 128) : qRgb(0, 0, 255); }
    static QRgb plateRight(bool active) { return active ? qRgb(128, 0, 0) : qRgb(255, 0, 0); }
    static constexpr int kPlateEnd = 4;
    static constexpr int kPlateHeight = 16;

private:
    QTemporaryDir m_folder;
};

} // namespace frametest
