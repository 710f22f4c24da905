// Holds an action to the display's pace, on a clock the test moves.

#include "app/link/DisplayPacer.h"
#include "tests/support/TestTimers.h"

#include <QObject>

#include <gtest/gtest.h>

TEST(DisplayPacer, LetsTheActionRunOncePerFrame)
{
    int64_t now = 5000;
    QObject owner;
    int heldRuns = 0;
    DisplayPacer pacer(&owner, 40, [&] { return now; }, [&] { ++heldRuns; }, "frame");
    EXPECT_TRUE(pacer.admit()) << "the first action runs at once";
    now += 10;
    EXPECT_FALSE(pacer.admit());
    EXPECT_TRUE(pacer.held());
    EXPECT_EQ(testsupport::timerInterval(&owner, "frame"), 30) << "held for the rest of the frame";
    now += 29;
    EXPECT_FALSE(pacer.admit()) << "a held action is already due";
    now += 1;
    testsupport::fireTimer(&owner, "frame");
    EXPECT_EQ(heldRuns, 1);
    EXPECT_FALSE(pacer.held());
    now += 500;
    EXPECT_TRUE(pacer.admit()) << "a long pause lets the next action run";
    EXPECT_FALSE(pacer.admit()) << "an admitted action counts as run";
    EXPECT_EQ(testsupport::timerInterval(&owner, "frame"), 40);
}

