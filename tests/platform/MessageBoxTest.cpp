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
