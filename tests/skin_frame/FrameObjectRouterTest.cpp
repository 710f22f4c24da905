// Pointer routing to frame objects without a shown window: a row of
// objects, points, and a pointer and window state the test sets.

#include "tests/support/TestTimers.h"

#include "skin/frame/FrameObjectRouter.h"
#include "skin/frame/FrameObjects.h"
#include "skin/frame/TkvSorvane.h"

#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

using namespace skin;
using testsupport::fireTimer;
using testsupport::timerActive;
using testsupport::timerInterval;

namespace {

// An object that writes down what it hears. A release counts as a click
// only with the pointer inside, as the caption buttons decide.
class LoggingObject : public TkvActiveSkinObject {
public:
    LoggingObject(TkvSorvane& owner, QStringList& log, QString name, TRect rect)
        : TkvActiveSkinObject(owner, nullptr)
        , m_log(log)
    {
        IDName = std::move(name);
        ObjectRect = rect;
    }
    void MouseEnter() override
    {
        TkvActiveSkinObject::MouseEnter();
        m_log << "enter " + IDName;
    }
    void MouseLeave() override
    {
        TkvActiveSkinObject::MouseLeave();
        m_log << "leave " + IDName;
    }
    void MouseDown(int X, int Y, Qt::MouseButton) override
    {
        m_log << QStringLiteral("down %1 %2,%3").arg(IDName).arg(X).arg(Y);
    }
    void MouseUp(int, int, Qt::MouseButton) override { m_log << (mouseInside ? "click " : "up outside ") + IDName; }
    void MouseMove(int X, int Y) override { m_log << QStringLiteral("move %1 %2,%3").arg(IDName).arg(X).arg(Y); }
    void DblClick() override { m_log << "double " + IDName; }

private:
    QStringList& m_log;
};

// Three buttons in a caption row, a disabled one and a hidden one, over a
// client area below y = 20.
class RouterTest : public ::testing::Test {
protected:
    RouterTest()
    {
        add("a", {0, 0, 10, 10});
        add("b", {20, 0, 30, 10});
        add("c", {40, 0, 50, 10});
        add("off", {60, 0, 70, 10})->enabled = false;
        add("hidden", {80, 0, 90, 10})->visible = false;
    }
    LoggingObject* add(const char* name, TRect rect)
    {
        m_objects.push_back(std::make_unique<LoggingObject>(m_frame, log, QString::fromLatin1(name), rect));
        return static_cast<LoggingObject*>(m_objects.back().get());
    }
    // The log since the last look.
    QStringList take() { return std::exchange(log, {}); }

    QWidget m_form;
    TkvSorvane m_frame{&m_form};
    QObject m_timers;
    FrameObjectRouter::Objects m_objects;
    QStringList log;
    bool active = true;
    bool dragging = false;
    QPoint pointer;
    FrameObjectRouter router{m_objects,
        {[this] { return active; }, [this] { return dragging; }, [this] { return pointer; },
            [] { return TRect{0, 20, 100, 100}; }, [this](const QString& hint) { log << "show " + hint; },
            [this] { log << "hide hint"; }},
        &m_timers};
};

} // namespace

TEST_F(RouterTest, HoverMovesBetweenObjectsAndSkipsDisabledAndHiddenOnes)
{
    router.testActive({5, 5}, FrameTracking::On);
    EXPECT_EQ(router.hoverIndex(), 0);
    router.testActive({6, 6}, FrameTracking::On);
    EXPECT_EQ(take(), QStringList({"enter a"})) << "staying on an object says nothing more";
    router.testActive({25, 5}, FrameTracking::On);
    EXPECT_EQ(take(), QStringList({"leave a", "enter b"}));
    router.testActive({15, 5}, FrameTracking::On);
    EXPECT_EQ(take(), QStringList({"leave b"}));
    EXPECT_EQ(router.hoverIndex(), -1);
    router.testActive({65, 5}, FrameTracking::On);
    router.testActive({85, 5}, FrameTracking::On);
    EXPECT_TRUE(take().isEmpty());
    EXPECT_EQ(router.hoverIndex(), -1);
    // Edges: left and top inside, right and bottom outside.
    router.testActive({10, 5}, FrameTracking::On);
    EXPECT_EQ(router.hoverIndex(), -1);
    router.testActive({40, 0}, FrameTracking::On);
    EXPECT_EQ(router.hoverIndex(), 2);
    // Without tracking the pointer lights nothing.
    router.testActive({45, 5}, FrameTracking::Off);
    EXPECT_EQ(take(), QStringList({"enter c", "leave c"}));
}

TEST_F(RouterTest, HintsFollowTheLitObjectOnlyWhenItHasOne)
{
    m_objects[0]->hint = QStringLiteral("about a");
    m_objects[3]->hint = QStringLiteral("about off");
    router.testActive({5, 5}, FrameTracking::On);
    EXPECT_EQ(take(), QStringList({"enter a", "show about a"}));
    router.testActive({25, 5}, FrameTracking::On);
    EXPECT_EQ(take(), QStringList({"leave a", "hide hint", "enter b"})) << "b has no hint to show";
    router.testActive({65, 5}, FrameTracking::On);
    EXPECT_EQ(take(), QStringList({"leave b"})) << "a disabled object shows no hint";
}

TEST_F(RouterTest, AnInactiveWindowLightsNothing)
{
    active = false;
    router.testActive({5, 5}, FrameTracking::On);
    EXPECT_EQ(router.hoverIndex(), -1);
    EXPECT_TRUE(take().isEmpty());
}

TEST_F(RouterTest, CaptureHoldsWhilePressed)
{
    router.testActive({5, 5}, FrameTracking::On);
    router.press(Qt::LeftButton, {5, 5});
    EXPECT_EQ(router.captureIndex(), 0);
    take();
    // Dragged over another object: the held one lets go of its light, the
    // other one does not light, and the moves go to the held one.
    router.testActive({25, 5}, FrameTracking::On);
    router.move({25, 5});
    EXPECT_EQ(take(), QStringList({"leave a", "move a 25,5"}));
    EXPECT_EQ(router.hoverIndex(), -1);
    EXPECT_EQ(router.captureIndex(), 0);
    // Back over it: it lights again and the release clicks.
    router.testActive({5, 5}, FrameTracking::On);
    router.release(Qt::LeftButton, {5, 5});
    EXPECT_EQ(take(), QStringList({"enter a", "click a"}));
    EXPECT_EQ(router.captureIndex(), -1);
}

TEST_F(RouterTest, ReleaseOutsideDoesNotClick)
{
    router.testActive({25, 5}, FrameTracking::On);
    router.press(Qt::LeftButton, {25, 5});
    router.testActive({45, 5}, FrameTracking::On);
    router.release(Qt::LeftButton, {45, 5});
    EXPECT_EQ(take(), QStringList({"enter b", "down b 25,5", "leave b", "up outside b"}))
        << "the object under the release hears nothing";
    EXPECT_EQ(router.captureIndex(), -1);
    // Free again, the pointer lights what is under it.
    router.testActive({45, 6}, FrameTracking::On);
    EXPECT_EQ(take(), QStringList({"enter c"}));
}

TEST_F(RouterTest, LeavingTheWindowDarkensTheLitObjectUnlessItHoldsThePointer)
{
    router.testActive({5, 5}, FrameTracking::On);
    router.leave();
    EXPECT_EQ(take(), QStringList({"enter a", "leave a"}));
    router.testActive({25, 5}, FrameTracking::On);
    router.press(Qt::LeftButton, {25, 5});
    take();
    router.leave();
    EXPECT_TRUE(take().isEmpty());
    EXPECT_EQ(router.hoverIndex(), 1);
    EXPECT_EQ(router.captureIndex(), 1);
}

TEST_F(RouterTest, PressAndDoubleClickGoToTheLitObjectOnly)
{
    router.press(Qt::LeftButton, {5, 5});
    router.doubleClick();
    EXPECT_EQ(router.captureIndex(), -1) << "nothing lit, nothing taken";
    router.move({5, 5});
    EXPECT_TRUE(take().isEmpty());
    router.testActive({45, 5}, FrameTracking::On);
    router.doubleClick();
    router.move({46, 5});
    EXPECT_EQ(take(), QStringList({"enter c", "double c", "move c 46,5"}));
}

TEST_F(RouterTest, TrackingTickFollowsThePointerEveryFiftyMilliseconds)
{
    EXPECT_EQ(timerInterval(&m_timers, "mouseTimer"), 50);
    router.startTracking();
    EXPECT_FALSE(timerActive(&m_timers, "mouseTimer")) << "nothing lit: no tick";
    router.testActive({5, 5}, FrameTracking::On);
    router.startTracking();
    ASSERT_TRUE(timerActive(&m_timers, "mouseTimer"));
    take();
    // The pointer moved to another object without a mouse event.
    pointer = {25, 5};
    fireTimer(&m_timers, "mouseTimer");
    EXPECT_EQ(take(), QStringList({"leave a", "enter b"}));
    EXPECT_TRUE(timerActive(&m_timers, "mouseTimer"));
    // Into the client area: the light goes out and the tick stops.
    pointer = {25, 50};
    fireTimer(&m_timers, "mouseTimer");
    EXPECT_EQ(take(), QStringList({"leave b"}));
    EXPECT_FALSE(timerActive(&m_timers, "mouseTimer"));
}

TEST_F(RouterTest, TrackingTickKeepsRunningWhileAnObjectHoldsThePointer)
{
    router.testActive({5, 5}, FrameTracking::On);
    router.press(Qt::LeftButton, {5, 5});
    router.startTracking();
    pointer = {50, 50};
    fireTimer(&m_timers, "mouseTimer");
    EXPECT_EQ(router.hoverIndex(), -1);
    EXPECT_TRUE(timerActive(&m_timers, "mouseTimer")) << "held, so still polled";
    // An inactive window's tick changes nothing; a drag ends the ticking.
    active = false;
    pointer = {5, 5};
    fireTimer(&m_timers, "mouseTimer");
    EXPECT_EQ(router.hoverIndex(), -1);
    active = true;
    dragging = true;
    fireTimer(&m_timers, "mouseTimer");
    EXPECT_EQ(router.hoverIndex(), -1);
    EXPECT_FALSE(timerActive(&m_timers, "mouseTimer"));
}
