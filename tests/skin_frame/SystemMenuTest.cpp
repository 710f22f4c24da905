// The system menu's commands in every window state, with and without the
// application's own menu, and the window's way into the tray and back.

#include "FrameTestSupport.h"

#include "skin/frame/TkvSkinMenu.h"
#include "skin/frame/TkvSkinPopupWindow.h"
#include "skin/frame/TkvTrayIcon.h"

#include <gtest/gtest.h>

#include <memory>

using namespace skin;
using namespace frametest;

namespace {

const QString kMin = QStringLiteral("QRN_MINITEM");
const QString kMax = QStringLiteral("QRN_MAXITEM");
const QString kRestore = QStringLiteral("QRN_RESTORE");
const QString kRollUp = QStringLiteral("QRN_ROLLUP");
const QString kTray = QStringLiteral("QRN_MINTOTRAY");
const QString kClose = QStringLiteral("QRN_CLOSE");
const QString kLine = QStringLiteral("-");

QStringList names(const TkvMenuItem& menu)
{
    QStringList result;
    for (int i = 0; i < menu.Count(); ++i)
        result << (menu.Items(i)->IsLine() ? kLine : menu.Items(i)->Name);
    return result;
}

enum class State { Normal, RolledUp, Maximized, MaximizedRolledUp, Minimized };

void enter(TkvSorvane& frame, State state)
{
    if (state == State::Maximized || state == State::MaximizedRolledUp)
        frame.SetWindowState(TWindowState::wsMaximized);
    if (state == State::Minimized)
        frame.SetWindowState(TWindowState::wsMinimized);
    if (state == State::RolledUp || state == State::MaximizedRolledUp)
        frame.SetRollUpState(true);
}

const TkvBorderIcons kAllIcons{TkvBorderIcon::biSystemMenu, TkvBorderIcon::biMinimize, TkvBorderIcon::biMaximize,
    TkvBorderIcon::biRollUp, TkvBorderIcon::biMinimizeToTray};

// The application's menu; its stale copy of a window command gives way to
// the frame's own.
std::unique_ptr<TkvMenuItem> applicationMenu()
{
    auto menu = std::make_unique<TkvMenuItem>();
    menu->Add("UserOne", "One");
    menu->Add(kMax, "Ma&ximize");
    menu->Add("UserTwo", "Two");
    return menu;
}

struct OrderCase {
    State state;
    QStringList own;
    QStringList aroundApplication;
};

class SystemMenuOrder : public ::testing::TestWithParam<OrderCase> {};

} // namespace

TEST_P(SystemMenuOrder, InEveryStateWithAndWithoutTheApplicationsMenu)
{
    const OrderCase& c = GetParam();
    SkinnedWindow w;
    w.show();
    w.frame()->SetBorderIcons(kAllIcons);
    enter(*w.frame(), c.state);
    EXPECT_EQ(names(*w.frame()->GetSystemMenu()), c.own);

    const std::unique_ptr<TkvMenuItem> application = applicationMenu();
    w.frame()->SystemMenu = application.get();
    EXPECT_EQ(names(*w.frame()->GetSystemMenu()), c.aroundApplication);
    EXPECT_EQ(names(*application), QStringList({"UserOne", kMax, "UserTwo"})) << "the application's menu stays";
    w.frame()->SystemMenu = nullptr;
}

INSTANTIATE_TEST_SUITE_P(States, SystemMenuOrder,
    ::testing::Values(OrderCase{State::Normal, {kMin, kMax, kRollUp, kTray, kLine, kClose},
                          {kMin, kMax, kRollUp, kTray, "UserOne", "UserTwo", kClose}},
        OrderCase{State::RolledUp, {kMin, kMax, kRestore, kTray, kLine, kClose},
            {kMin, kRestore, kMax, kTray, "UserOne", "UserTwo", kClose}},
        OrderCase{State::Maximized, {kMin, kRestore, kRollUp, kTray, kLine, kClose},
            {kMin, kRestore, kRollUp, kTray, "UserOne", "UserTwo", kClose}},
        OrderCase{State::MaximizedRolledUp, {kMin, kRestore, kTray, kLine, kClose},
            {kMin, kRestore, kTray, "UserOne", "UserTwo", kClose}},
        OrderCase{State::Minimized, {kMax, kRestore, kTray, kLine, kClose},
            {kRestore, kMax, kTray, "UserOne", "UserTwo", kClose}}));

TEST(SystemMenu, CloseAloneWithoutCommandsAndTheApplicationsMenuAsItIsWithoutThem)
{
    SkinnedWindow w;
    w.frame()->SetBorderIcons({TkvBorderIcon::biSystemMenu});
    EXPECT_EQ(names(*w.frame()->GetSystemMenu()), QStringList({kClose}));
    const std::unique_ptr<TkvMenuItem> application = applicationMenu();
    TkvMenuItem tail;
    tail.Add("Extra", "Extra");
    w.frame()->SystemMenu = application.get();
    w.frame()->SystemMenuTail = &tail;
    w.frame()->UseDefaultSysMenu = false;
    EXPECT_EQ(names(*w.frame()->GetSystemMenu()), QStringList({"UserOne", kMax, "UserTwo", kLine, "Extra"}));
    w.frame()->SystemMenu = nullptr;
    w.frame()->SystemMenuTail = nullptr;
}

TEST(Tray, ThereByTheMenusAndBackByTheTrayMenu)
{
    SkinnedWindow w;
    w.show();
    TkvSorvane& frame = *w.frame();
    int toTray = 0;
    int fromTray = 0;
    frame.OnMinimizeToTray = [&](QObject* sender) { toTray += sender == &frame; };
    frame.OnRestoreFromTray = [&](QObject* sender) { fromTray += sender == &frame; };
    frame.SetBorderIcons(kAllIcons);
    // Without an icon nothing goes there.
    frame.GetSystemMenu()->Find(kTray)->Click();
    EXPECT_TRUE(w.form()->isVisible());

    TkvTrayIcon icon;
    frame.SetTrayIcon(&icon);
    EXPECT_FALSE(icon.Visible()) << "only while the window is there";
    frame.GetSystemMenu()->Find(kTray)->Click();
    EXPECT_TRUE(icon.MinimizedToTray());
    EXPECT_TRUE(icon.Visible());
    EXPECT_FALSE(w.form()->isVisible());
    EXPECT_EQ(frame.WindowState(), TWindowState::wsMinimized);
    frame.MinimizeToTray();
    EXPECT_EQ(toTray, 1) << "once there, it stays";

    icon.PopupMenu(QPoint(200, 200));
    TkvSkinMenu& engine = frame.SkinMenu();
    ASSERT_EQ(engine.Levels(), 1);
    TkvSkinPopupWindow& menu = *engine.Level(0);
    ASSERT_EQ(menu.Count(), 3);
    EXPECT_EQ(menu.Item(0).item->Name + menu.Item(0).item->Caption, "TRAY_QRN_RESTORE&Restore");
    EXPECT_TRUE(menu.Item(1).item->IsLine());
    EXPECT_EQ(menu.Item(2).item->Name + menu.Item(2).item->ShortCut, "TRAY_QRN_CLOSEAlt+F4");
    menu.MouseDown(0);
    EXPECT_TRUE(w.form()->isVisible());
    EXPECT_EQ(frame.WindowState(), TWindowState::wsNormal);
    EXPECT_FALSE(icon.MinimizedToTray());
    EXPECT_FALSE(icon.Visible());
    EXPECT_EQ(fromTray, 1);

    icon.PopupMenu(QPoint(200, 200));
    engine.Level(0)->MouseDown(2);
    EXPECT_FALSE(w.form()->isVisible()) << "closed";
}

TEST(Tray, AlwaysMinimizeToTrayTakesTheCaptionButtonAndTheMenuThere)
{
    SkinnedWindow w;
    w.show();
    TkvSorvane& frame = *w.frame();
    frame.AlwaysMinimizeToTray = true;
    auto* minimize = dynamic_cast<TkvSkinStdButtonObject*>(w.object("minimizebutton"));
    ASSERT_NE(minimize, nullptr);
    minimize->DoCommand();
    EXPECT_EQ(frame.WindowState(), TWindowState::wsNormal) << "no icon: the command does nothing";

    TkvTrayIcon icon;
    frame.SetTrayIcon(&icon);
    frame.SetAlwaysShowInTray(true);
    EXPECT_TRUE(icon.Visible());
    minimize->DoCommand();
    EXPECT_TRUE(icon.MinimizedToTray());
    frame.RestoreFromTray();
    EXPECT_TRUE(icon.Visible()) << "always shown";
    frame.GetSystemMenu()->Find(kMin)->Click();
    EXPECT_TRUE(icon.MinimizedToTray());
    EXPECT_FALSE(w.form()->isVisible());
}

TEST(Tray, IconAndFrameMayGoInEitherOrder)
{
    TkvTrayIcon kept;
    {
        SkinnedWindow w;
        w.frame()->SetTrayIcon(&kept);
        ASSERT_TRUE(kept.OnPopupMenu);
    }
    EXPECT_FALSE(kept.OnPopupMenu) << "a click must not reach the frame that is gone";

    SkinnedWindow w;
    w.show();
    auto* gone = new TkvTrayIcon;
    w.frame()->SetTrayIcon(gone);
    delete gone;
    w.frame()->MinimizeToTray();
    EXPECT_TRUE(w.form()->isVisible());
}
