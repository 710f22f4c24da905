#pragma once

#include "app/window/MainWindow.h"
#include "platform/MessageBox.h"
#include "platform/TImage.h"
#include "serial/MemorySerialDriver.h"
#include "serial/PortNames.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinSlider.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestTimers.h"

#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// What the window shows by its next picture: the telemetry the link holds
// for it, then the field texts waiting for their frame.
inline void showNextPicture(MainWindow& form)
{
    if (testsupport::timerActive(&form.link(), "viewFrame"))
        testsupport::fireTimer(&form.link(), "viewFrame");
    if (testsupport::timerActive(&form, "textFrame"))
        testsupport::fireTimer(&form, "textFrame");
}

// The main window on an in-memory serial device, with its messages and
// error boxes captured.
class WindowFixture : public ::testing::Test {
protected:
    WindowFixture()
        : device(std::make_shared<serial::MemorySerialDevice>())
        , messageSink([this](const QString& text) { messages << text; })
        , errorSink([this](const QString& text) { errors << text; })
    {
        MainWindowOptions options;
        options.link.driver = std::make_unique<serial::MemorySerialDriver>(device);
        options.link.ports = [this] {
            QList<serial::PortEntry> entries;
            for (const QString& location : ports)
                entries << serial::portEntryForDevice(location);
            return entries;
        };
        form = std::make_unique<MainWindow>(std::move(options));
    }

    // Delivers the bytes to the next tick; the window shows them by the
    // next picture, which comes at once here.
    void receive(const std::vector<uint8_t>& bytes)
    {
        device->queue(bytes);
        form->comm()->ProcTimer();
        nextPicture();
    }
    void nextPicture() { showNextPicture(*form); }

    void connect()
    {
        form->refreshClicked();
        form->connectClicked();
        device->written.clear();
    }

    // A left click in the middle of a control, as a user makes it.
    static void click(QWidget* widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    QString text(const char* edit) const { return form->edit(edit)->Text(); }

    // Another window on the same device, with no ports, remembering the
    // system menu's choices in settings: a start of the tool.
    std::unique_ptr<MainWindow> windowRemembering(QSettings& settings) const
    {
        MainWindowOptions options;
        options.link.driver = std::make_unique<serial::MemorySerialDriver>(device);
        options.link.ports = [] { return QList<serial::PortEntry>(); };
        options.settings = &settings;
        return std::make_unique<MainWindow>(std::move(options));
    }

    std::shared_ptr<serial::MemorySerialDevice> device;
    // The devices the system lists, by their locations.
    QStringList ports{"COM3", "/dev/ttyUSB0"};
    QStringList messages;
    QStringList errors;
    platform::ScopedMessageSink messageSink;
    platform::ScopedErrorSink errorSink;
    std::unique_ptr<MainWindow> form;
};
