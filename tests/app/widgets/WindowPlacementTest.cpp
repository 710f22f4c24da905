#include "app/widgets/WindowPlacement.h"

#include <QCoreApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

TEST(WindowPlacement, ActionRunsOnceAfterTheWindowsFirstPaint)
{
    QWidget window;
    window.resize(100, 80);
    int runs = 0;
    afterFirstPaint(window, [&runs] { ++runs; });
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0) << "not before the window is shown";
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
    window.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1) << "once only";
}

// Right of the main window where the screen has room, else left of it, and
// never below the screen's bottom.
TEST(WindowPlacement, BesideTheMainWindowWhereTheScreenHasRoom)
{
    QWidget main;
    QWidget other;
    other.resize(200, 150);
    const QRect room = main.screen()->availableGeometry();

    main.setGeometry(room.left() + 10, room.top() + 20, 300, 200);
    placeBeside(other, main);
    EXPECT_EQ(other.pos(), QPoint(main.frameGeometry().right() + 1 + 8, main.frameGeometry().top()));

    main.setGeometry(room.right() - 300, room.bottom() - 100, 300, 100);
    placeBeside(other, main);
    EXPECT_EQ(other.pos().x(), main.frameGeometry().left() - 8 - 200) << "left, where there is room";
    EXPECT_EQ(other.frameGeometry().bottom(), room.bottom()) << "lifted into the screen";
}
