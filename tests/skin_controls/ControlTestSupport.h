#pragma once

#include "tests/support/TestTimers.h"

#include "platform/Color.h"
#include "platform/TImageList.h"

#include <QEvent>
#include <QImage>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace skin {
class TkvSkinCustomComboBox;
}

namespace testsupport {

// Writes a combo box's events into events as they are raised: "change
// TEXT", "click", "dropdown" and "closeup".
void logComboEvents(skin::TkvSkinCustomComboBox& combo, QStringList& events);

// A shown, active top-level window for the controls under test, so that
// focus, enter/leave and mouse grabs behave as on a desktop.
class HostWindow {
public:
    HostWindow(int width = 400, int height = 300);
    ~HostWindow();
    QWidget* widget() const { return m_window.get(); }
    void show();

private:
    std::unique_ptr<QWidget> m_window;
};

// Moves the pointer onto pos of widget from outside its window, so that
// the widget sees it enter even when the pointer was there before.
void hover(QWidget* widget, QPoint pos);

// Delivers a mouse event straight to widget (through the application's
// event filters). The offscreen platform does not route pointer input to a
// second top-level window such as a drop-down, so those tests use this.
void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton);

// The two fills of the default look, written out here so that the tests
// check the values rather than the code's own constants.
inline constexpr platform::TColor kPressedFill = platform::RGB(133, 147, 181);
inline constexpr platform::TColor kHotFill = platform::RGB(182, 189, 210);

inline platform::TColor pixel(const QImage& image, int x, int y) { return platform::fromQRgb(image.pixel(x, y)); }
inline platform::TColor rgbOf(platform::TColor color) { return platform::ColorToRGB(color); }

// Port-like list items "COM1" … "COMn".
inline QStringList numbered(int count)
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QStringLiteral("COM%1").arg(i + 1);
    return items;
}

// Three 12 x 12 pictures, solid red, green and blue, each with its
// top-left pixel in the transparent fuchsia.
std::unique_ptr<platform::TImageList> colourImages();

// Saves image under build/test-output/controls/NAME.png.
void savePicture(const QImage& image, const QString& name);

} // namespace testsupport
