#include "platform/MessageBox.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(MessageSink, ScopedSinkCapturesAndRestores)
{
    QStringList outer;
    platform::ScopedMessageSink outerSink([&](const QString& text) { outer << text; });
    {
        QStringList inner;
        platform::ScopedMessageSink innerSink([&](const QString& text) { inner << text; });
        platform::ShowMessage("first");
        EXPECT_EQ(inner, QStringList{"first"});
    }
    platform::ShowMessage("second");
    EXPECT_EQ(outer, QStringList{"second"});
}

TEST(MessageSink, ErrorsGoToTheirOwnSink)
{
    QStringList messages;
    QStringList errors;
    platform::ScopedMessageSink messageSink([&](const QString& text) { messages << text; });
    platform::ScopedErrorSink errorSink([&](const QString& text) { errors << text; });
    platform::ShowError("'x' is not a valid integer value");
    platform::ShowMessage("COM Port is not opened yet!");
    EXPECT_EQ(errors, QStringList{"'x' is not a valid integer value"});
    EXPECT_EQ(messages, QStringList{"COM Port is not opened yet!"});
}
