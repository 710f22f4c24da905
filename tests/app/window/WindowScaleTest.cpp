// The window on screens of different pixel ratios: what reaches the screen
// is drawn at the ratio of the screen the window is on, and moving it to
// another screen draws it again at that screen's ratio.

#include "WindowFixture.h"

#include "protocol/TelemetryFrame.h"
#include "skin/controls/TkvSkinStdLabel.h"

#include <QApplication>
#include <QBackingStore>
#include <QScreen>
#include <QWindow>

using protocol::FrameType;

namespace {

QScreen* screenNamed(const QString& name)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

void settle()
{
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
}

struct WindowScale : WindowFixture {
    void SetUp() override
    {
        monitor = screenNamed(QStringLiteral("Monitor"));
        laptop = screenNamed(QStringLiteral("Laptop"));
        ASSERT_TRUE(monitor && laptop) << "the test's two screens are missing";
        form->move(40, 40);
        form->show();
        connect();
        settle();
    }

    void moveTo(QScreen* screen)
    {
        const QSize size = form->size();
        form->windowHandle()->setScreen(screen);
        form->move(screen->geometry().topLeft() + QPoint(40, 40));
        form->activateWindow();
        settle();
        // The window keeps its size in logical units on the new screen.
        EXPECT_EQ(form->size(), size);
    }

    // What the platform shows of the window, in the screen's own pixels:
    // only what was repainted.
    QImage screenImage() const
    {
        // The offscreen platform's backing store is a picture in memory.
        const auto* picture = dynamic_cast<const QImage*>(form->backingStore()->paintDevice());
        return picture ? picture->convertToFormat(QImage::Format_RGB32) : QImage();
    }

    void feedAttitude()
    {
        const auto bytes = protocol::makeFrame(FrameType::Attitude, 18000 + 2500, 18000 + 600, 18000);
        receive({bytes.begin(), bytes.end()});
        settle();
    }

    // The instruments, the lamps and a row of fields on the screen are what
    // a fresh paint of the window draws there. (The caption and the focused
    // button follow the window's activation, which the move may change on
    // its own time.)
    void expectOnScreen(const QImage& screen, qreal ratio);

    QScreen* monitor = nullptr;
    QScreen* laptop = nullptr;
};

// Aligned 2 x 2 blocks of the image that are not of one colour: none when
// a 1x picture was only enlarged.
int mixedBlocks(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb c = image.pixel(x, y);
            count += image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c;
        }
    return count;
}

// The device area of a child widget in its window's picture.
QRect deviceArea(QWidget* child, qreal ratio)
{
    const QRect logical(child->mapTo(child->window(), QPoint(0, 0)), child->size());
    return QRect((QPointF(logical.topLeft()) * ratio).toPoint(), (QSizeF(logical.size()) * ratio).toSize());
}

} // namespace

void WindowScale::expectOnScreen(const QImage& screen, qreal ratio)
{
    const QImage fresh = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(fresh.size(), screen.size());
    std::vector<QWidget*> parts{form->image("attitudeIndicator"), form->image("headingIndicator")};
    for (const char* name : {"gpsHoldLamp", "altitudeHoldLamp", "manualLamp", "rollValue", "pitchValue"})
        parts.push_back(form->edit(name));
    for (QWidget* part : parts) {
        const QRect area = deviceArea(part, ratio);
        EXPECT_EQ(screen.copy(area), fresh.copy(area)) << part->objectName().toStdString();
    }
}

TEST_F(WindowScale, OnEachScreenTheWindowIsDrawnAtThatScreensRatio)
{
    feedAttitude();
    EXPECT_EQ(form->devicePixelRatioF(), 1.0);
    EXPECT_EQ(form->image("attitudeIndicator")->Picture().Ratio(), 1.0);
    const QImage low = screenImage();
    EXPECT_EQ(low.size(), form->size());

    moveTo(laptop);
    ASSERT_EQ(form->screen(), laptop);
    ASSERT_EQ(form->devicePixelRatioF(), 2.0);
    feedAttitude();
    const QImage high = screenImage();
    ASSERT_EQ(high.size(), form->size() * 2);
    // The instrument and the panel captions are drawn at the device pixels.
    platform::TImage* attitude = form->image("attitudeIndicator");
    EXPECT_EQ(attitude->Picture().Ratio(), 2.0);
    EXPECT_GT(mixedBlocks(high, deviceArea(attitude, 2)), 100);
    auto* label = form->findChild<skin::TkvSkinStdLabel*>();
    ASSERT_TRUE(label);
    EXPECT_GT(mixedBlocks(high, deviceArea(label, 2)), 3) << label->objectName().toStdString();
    // What telemetry feeds reached the screen at the new ratio.
    expectOnScreen(high, 2);

    moveTo(monitor);
    feedAttitude();
    const QImage back = screenImage();
    EXPECT_EQ(back.size(), form->size());
    EXPECT_EQ(form->image("attitudeIndicator")->Picture().Ratio(), 1.0);
    expectOnScreen(back, 1);
}
