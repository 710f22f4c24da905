#include "ControlTestSupport.h"

#include "skin/controls/TkvSkinCustomComboBox.h"

#include "tests/support/TestOutput.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace testsupport {

void logComboEvents(skin::TkvSkinCustomComboBox& combo, QStringList& events)
{
    combo.OnChange = [&combo, &events](QObject*) { events << "change " + combo.Text(); };
    combo.OnClick = [&events](QObject*) { events << QStringLiteral("click"); };
    combo.OnDropDown = [&events](QObject*) { events << QStringLiteral("dropdown"); };
    combo.OnCloseUp = [&events](QObject*) { events << QStringLiteral("closeup"); };
}

HostWindow::HostWindow(int width, int height) : m_window(std::make_unique<QWidget>())
{
    m_window->resize(width, height);
}

HostWindow::~HostWindow() = default;

void HostWindow::show()
{
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
}

void hover(QWidget* widget, QPoint pos)
{
    QWidget* window = widget->window();
    QTest::mouseMove(window, QPoint(window->width() - 1, window->height() - 1));
    QTest::mouseMove(widget, pos);
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button)
{
    const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
        : type == QEvent::MouseMove                                 ? Qt::MouseButtons(button)
                                                                    : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), widget->mapToGlobal(QPointF(pos)), changed, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

std::unique_ptr<platform::TImageList> colourImages()
{
    platform::TBitmap strip(36, 12);
    const platform::TColor colours[] = {platform::clRed, platform::clLime, platform::clBlue};
    for (int n = 0; n < 3; ++n) {
        strip.Canvas().Brush.Color = colours[n];
        strip.Canvas().FillRect(platform::Bounds(n * 12, 0, 12, 12));
        strip.Canvas().SetPixels(n * 12, 0, platform::clFuchsia);
    }
    auto images = std::make_unique<platform::TImageList>(12, 12);
    images->AddMasked(strip, platform::clFuchsia);
    return images;
}

void savePicture(const QImage& image, const QString& name)
{
    const QString dir = testOutputDir() + QStringLiteral("/controls");
    QDir().mkpath(dir);
    EXPECT_TRUE(image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

} // namespace testsupport
