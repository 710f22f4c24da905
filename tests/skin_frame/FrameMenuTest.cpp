// Skinned menus: the system menu the frame builds, rows and border of the
// program's skin, mouse and keyboard tracking, submenus, scrolling and the
// edits' context menu.

#include "FrameTestSupport.h"

#include "skin/controls/TkvSkinEdit.h"
#include "skin/frame/TkvSkinMenu.h"
#include "skin/frame/TkvSkinPopupMenu.h"
#include "skin/frame/TkvSkinPopupWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace skin;
using namespace frametest;

namespace {

QStringList captions(TkvSkinPopupWindow& window)
{
    QStringList result;
    for (int i = 0; i < window.Count(); ++i)
        result << window.Item(i).item->Caption;
    return result;
}

QString active(TkvSkinPopupWindow& window)
{
    return window.ActiveItem() < 0 ? QString() : window.Item(window.ActiveItem()).item->Caption;
}

// Opens the system menu with the system-menu button.
TkvSkinPopupWindow& openSystemMenu(SkinnedWindow& w)
{
    w.frame()->TestActive(10, 10, true);
    w.frame()->MouseDown(Qt::LeftButton, 10, 10);
    EXPECT_EQ(w.frame()->SkinMenu().Levels(), 1);
    return *w.frame()->SkinMenu().Level(0);
}

} // namespace

TEST(SystemMenu, OpensBelowItsButtonWithRowsOfTwentyAndSeparatorsOfFive)
{
    SkinnedWindow w;
    w.show();
    TkvSkinPopupWindow& menu = openSystemMenu(w);
    EXPECT_TRUE(w.frame()->MenuOpen());
    EXPECT_EQ(captions(menu), QStringList({"Mi&nimize", "Ro&llUp", "-", "&Close"}));
    EXPECT_EQ(menu.geometry().topLeft(), w.form()->geometry().topLeft() + QPoint(6, 19));
    EXPECT_EQ(menu.height(), 69);
    EXPECT_EQ(menu.ItemsRect().left, 2);
    EXPECT_EQ(menu.ItemsRect().top, 2);
    EXPECT_EQ(menu.width() - menu.ItemsRect().right, 2);
    EXPECT_EQ(menu.Item(0).ObjectRect.height(), 20);
    EXPECT_EQ(menu.Item(2).ObjectRect.height(), 5);
    EXPECT_EQ(menu.Item(3).ObjectRect.top, 47);
    EXPECT_EQ(menu.Item(3).item->ShortCut, "Alt+F4");
    // The first command is lit at once; the button stays down meanwhile.
    EXPECT_EQ(active(menu), "Mi&nimize");
    auto* button = dynamic_cast<TkvSkinButtonObject*>(w.object("sysmenubutton"));
    EXPECT_TRUE(button->down);
    savePicture(menu.render(), "system-menu");

    QTest::keyClick(&menu, Qt::Key_Escape);
    EXPECT_FALSE(w.frame()->SkinMenu().Visible());
    EXPECT_FALSE(w.frame()->MenuOpen());
    EXPECT_FALSE(button->down);
    // The button lets go of the pointer: the next button works at once.
    EXPECT_EQ(w.frame()->CaptureIndex(), -1);
    w.frame()->TestActive(675, 12, true);
    EXPECT_EQ(w.frame()->HoverIndex(), w.frame()->GetIndex("rollupbutton"));
}

TEST(SystemMenu, FollowsTheStateOfTheWindow)
{
    SkinnedWindow w;
    w.show();
    w.frame()->SetRollUpState(true);
    TkvMenuItem* menu = w.frame()->GetSystemMenu();
    QStringList items;
    for (int i = 0; i < menu->Count(); ++i)
        items << menu->Items(i)->Caption;
    EXPECT_EQ(items, QStringList({"Mi&nimize", "&Restore", "-", "&Close"}));
    menu->Find("QRN_RESTORE")->Click();
    EXPECT_FALSE(w.frame()->RollUpState());

    TkvMenuItem tail;
    tail.Add("Extra", "Extra");
    w.frame()->SystemMenuTail = &tail;
    menu = w.frame()->GetSystemMenu();
    ASSERT_EQ(menu->Count(), 6);
    EXPECT_TRUE(menu->Items(4)->IsLine());
    EXPECT_EQ(menu->Items(5)->Caption, "Extra");
}

TEST(SystemMenu, KeyboardWrapsAroundAndEnterRunsAfterTheMenuClosed)
{
    SkinnedWindow w;
    w.show();
    TkvSkinPopupWindow& menu = openSystemMenu(w);
    QTest::keyClick(&menu, Qt::Key_Down);
    EXPECT_EQ(active(menu), "Ro&llUp");
    QTest::keyClick(&menu, Qt::Key_Down);
    EXPECT_EQ(active(menu), "&Close");  // the separator is skipped
    QTest::keyClick(&menu, Qt::Key_Down);
    EXPECT_EQ(active(menu), "Mi&nimize");
    QTest::keyClick(&menu, Qt::Key_Up);
    EXPECT_EQ(active(menu), "&Close");
    QTest::keyClick(&menu, Qt::Key_Up);
    EXPECT_EQ(active(menu), "Ro&llUp");
    QTest::keyClick(&menu, Qt::Key_Return);
    EXPECT_FALSE(w.frame()->SkinMenu().Visible());
    EXPECT_EQ(w.form()->height(), 29);
    // An accelerator runs its item at once.
    TkvSkinPopupWindow& again = openSystemMenu(w);
    QTest::keyClick(&again, Qt::Key_C);
    EXPECT_FALSE(w.form()->isVisible());
}

TEST(PopupMenu, PointerLightsRowsAndTheReleaseChoosesAfterEveryWindowClosed)
{
    SkinnedWindow w;
    w.show();
    TkvMenuItem menu;
    int levelsWhenRun = -1;
    menu.Add("one", "One");
    menu.Add("two", "Two", [&] { levelsWhenRun = w.frame()->SkinMenu().Levels(); });
    w.frame()->PopupSkinMenu(&menu, w.form()->mapToGlobal(QPoint(100, 100)));
    TkvSkinPopupWindow& popup = *w.frame()->SkinMenu().Level(0);
    EXPECT_EQ(active(popup), "One");
    popup.TestActive(30, 30);
    EXPECT_EQ(active(popup), "Two");
    // Off every row: the last lit row stays lit.
    popup.TestActive(-5, -5);
    EXPECT_EQ(active(popup), "Two");
    // A press does nothing; the release over the row chooses it.
    const QPoint row = popup.mapToGlobal(QPoint(30, 30));
    w.frame()->SkinMenu().pointerPressed(row);
    EXPECT_TRUE(w.frame()->SkinMenu().Visible());
    w.frame()->SkinMenu().pointerReleased(row, Qt::LeftButton);
    EXPECT_EQ(levelsWhenRun, 0);
    EXPECT_FALSE(w.frame()->MenuOpen());
}

TEST(PopupMenu, SubmenuOpensAfterTheWaitOrAtOnceFromTheKeyboard)
{
    SkinnedWindow w;
    w.show();
    TkvMenuItem menu;
    menu.Add("first", "First");
    TkvMenuItem* skins = menu.Add("skins", "Skin");
    skins->Add("a", "Graphite");
    skins->Add("b", "Daylight");
    w.frame()->PopupSkinMenu(&menu, w.form()->mapToGlobal(QPoint(100, 100)));
    TkvSkinMenu& engine = w.frame()->SkinMenu();
    TkvSkinPopupWindow& popup = *engine.Level(0);
    popup.TestActive(30, 30);
    EXPECT_EQ(engine.waitTimer()->interval(), 500);
    EXPECT_TRUE(engine.waitTimer()->isActive());
    EXPECT_EQ(engine.Levels(), 1);
    fireTimer(&engine, "waitTimer");
    ASSERT_EQ(engine.Levels(), 2);
    // Beside the row, one pixel right of it.
    EXPECT_EQ(engine.Level(1)->x(), popup.x() + popup.ItemsRect().right + 1);
    EXPECT_EQ(captions(*engine.Level(1)), QStringList({"Graphite", "Daylight"}));
    QTest::keyClick(&popup, Qt::Key_Left);
    EXPECT_EQ(engine.Levels(), 1);
    QTest::keyClick(&popup, Qt::Key_Right);
    EXPECT_EQ(engine.Levels(), 2);
    QTest::keyClick(&popup, Qt::Key_Escape);
    EXPECT_EQ(engine.Levels(), 1);
    QTest::keyClick(&popup, Qt::Key_Escape);
    EXPECT_FALSE(engine.Visible());
}

TEST(PopupMenu, TallerThanTheWorkAreaItScrollsWithMarkers)
{
    SkinnedWindow w;
    w.show();
    TkvMenuItem menu;
    for (int i = 0; i < 80; ++i)
        menu.Add(QString::number(i), QStringLiteral("Item %1").arg(i));
    w.frame()->PopupSkinMenu(&menu, w.form()->mapToGlobal(QPoint(100, 100)));
    TkvSkinMenu& engine = w.frame()->SkinMenu();
    TkvSkinPopupWindow& popup = *engine.Level(0);
    EXPECT_TRUE(popup.ScrollMode());
    EXPECT_EQ(popup.height(), engine.workArea().height());
    EXPECT_EQ(popup.y(), engine.workArea().top);
    savePicture(popup.render(), "scrolling-menu");
    popup.TestActive(20, popup.height() - 5);
    EXPECT_EQ(popup.scrollDirection(), 2);
    EXPECT_EQ(timerInterval(&popup, "scrollTimer"), 100);
    fireTimer(&popup, "scrollTimer");
    fireTimer(&popup, "scrollTimer");
    EXPECT_EQ(popup.FirstVisibleIndex(), 2);
    // Off the markers the scrolling stops; the upper marker scrolls back.
    popup.TestActive(20, 100);
    EXPECT_EQ(popup.scrollDirection(), 0);
    EXPECT_FALSE(timerActive(&popup, "scrollTimer"));
    popup.TestActive(20, 5);
    EXPECT_EQ(popup.scrollDirection(), 1);
    fireTimer(&popup, "scrollTimer");
    EXPECT_EQ(popup.FirstVisibleIndex(), 1);
    QTest::keyClick(&popup, Qt::Key_Escape);
}

// A menu keeps pointers into the skin it draws from, which need not be the
// frame's: the menus' skin data or one of the menu's own.
TEST(PopupMenu, ClosesWhenTheSkinItDrawsFromChangesOrIsFreed)
{
    SkinnedWindow w;
    w.show();
    const QString program = kAssets + QStringLiteral("/skin/skin.ini");
    TkvSkinMenu& engine = w.frame()->SkinMenu();
    const QPoint at = w.form()->mapToGlobal(QPoint(100, 100));
    TkvMenuItem menu;
    menu.Add("one", "One");
    menu.Add("two", "Two");

    auto* menus = new TkvSkinData(w.form());
    menus->LoadFromFile(program);
    w.frame()->SetMenusSkinData(menus);
    w.frame()->PopupSkinMenu(&menu, at);
    ASSERT_TRUE(engine.Visible());
    ASSERT_TRUE(engine.Level(0)->skinned());
    menus->ClearSkin();
    EXPECT_FALSE(engine.Visible());
    EXPECT_EQ(engine.Levels(), 0);
    EXPECT_TRUE(w.frame()->SkinInUse()) << "the frame's own skin stays";

    menus->LoadFromFile(program);
    w.frame()->PopupSkinMenu(&menu, at);
    ASSERT_TRUE(engine.Visible());
    delete menus;
    EXPECT_FALSE(engine.Visible());
    EXPECT_EQ(engine.Levels(), 0);

    auto* own = new TkvSkinData(w.form());
    own->LoadFromFile(program);
    auto* popup = new TkvSkinPopupMenu(w.form());
    popup->SetSkinData(own);
    popup->Items().Add("one", "One");
    popup->Popup(at.x(), at.y());
    ASSERT_TRUE(engine.Visible());
    ASSERT_TRUE(engine.Level(0)->skinned());
    own->LoadFromFile(program);
    EXPECT_FALSE(engine.Visible());
    popup->Popup(at.x(), at.y());
    ASSERT_TRUE(engine.Visible());
    delete own;
    EXPECT_FALSE(engine.Visible());
    EXPECT_FALSE(w.frame()->MenuOpen());
}

// Rows taller than the window's item area never show whole; the keys still
// move through them, wrap, and scroll the chosen row to the top.
TEST(PopupMenu, KeysMoveThroughRowsTallerThanTheWindow)
{
    SkinnedWindow w(false);
    w.show();
    TkvMenuItem menu;
    for (int i = 0; i < 4; ++i)
        menu.Add(QString::number(i), QStringLiteral("Item %1").arg(i));
    TkvSkinMenu& engine = w.frame()->SkinMenu();
    w.frame()->PopupSkinMenu(&menu, QPoint(100, 100));
    engine.Hide();
    engine.DefItemHeight = engine.workArea().height();
    w.frame()->PopupSkinMenu(&menu, QPoint(100, 100));
    TkvSkinPopupWindow& popup = *engine.Level(0);
    ASSERT_TRUE(popup.ScrollMode());
    ASSERT_EQ(popup.VisibleCount(), 0);
    EXPECT_EQ(active(popup), "Item 0");
    QTest::keyClick(&popup, Qt::Key_Down);
    EXPECT_EQ(active(popup), "Item 1");
    EXPECT_EQ(popup.FirstVisibleIndex(), 1);
    QTest::keyClick(&popup, Qt::Key_Up);
    EXPECT_EQ(active(popup), "Item 0");
    EXPECT_EQ(popup.FirstVisibleIndex(), 0);
    QTest::keyClick(&popup, Qt::Key_Up);
    EXPECT_EQ(active(popup), "Item 3");
    EXPECT_EQ(popup.FirstVisibleIndex(), 3);
    QTest::keyClick(&popup, Qt::Key_Down);
    EXPECT_EQ(active(popup), "Item 0");
    EXPECT_EQ(popup.FirstVisibleIndex(), 0);
    QTest::keyClick(&popup, Qt::Key_Escape);
    EXPECT_FALSE(engine.Visible());
}

TEST(PopupMenu, NearTheBottomInTheLowerHalfItOpensAbove)
{
    SkinnedWindow w;
    w.show();
    TkvMenuItem menu;
    menu.Add("one", "One");
    menu.Add("two", "Two");
    TkvSkinMenu& engine = w.frame()->SkinMenu();
    w.frame()->PopupSkinMenu(&menu, QPoint(100, 100));
    const TRect area = engine.workArea();
    engine.Hide();
    w.frame()->PopupSkinMenu(&menu, QPoint(100, area.bottom - 10));
    TkvSkinPopupWindow& popup = *engine.Level(0);
    EXPECT_EQ(popup.geometry().bottom() + 1, area.bottom - 10);
    EXPECT_EQ(popup.x(), 100);
    engine.Hide();
}

// A shown window with one edit holding "hello", whose context menu is asked
// for as a right click asks for it.
class EditContextMenu : public ::testing::Test {
protected:
    EditContextMenu()
    {
        edit = new TkvSkinEdit(w.frame()->ClientArea());
        edit->SetBounds(10, 10, 120, 21);
        edit->SetText("hello");
        w.show();
        line = edit->lineEdit();
    }

    void requestMenu()
    {
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), line->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(line, &request);
    }

    SkinnedWindow w;
    TkvSkinEdit* edit = nullptr;
    QLineEdit* line = nullptr;
};

TEST_F(EditContextMenu, SixCommandsActOnTheEdit)
{
    line->selectAll();
    requestMenu();
    TkvSkinMenu& engine = w.frame()->SkinMenu();
    ASSERT_EQ(engine.Levels(), 1);
    TkvSkinPopupWindow& menu = *engine.Level(0);
    EXPECT_EQ(captions(menu), QStringList({"Undo", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All"}));
    EXPECT_EQ(menu.height(), 134);
    EXPECT_FALSE(menu.Item(7).item->Enabled) << "the whole text is already selected";
    EXPECT_TRUE(menu.Item(5).item->Enabled);
    savePicture(menu.render(), "edit-context-menu");
    menu.MouseDown(5);  // Delete
    EXPECT_FALSE(engine.Visible());
    EXPECT_EQ(line->text(), "");

    // Read-only: Cut, Paste and Delete are offered but cannot be chosen.
    edit->SetText("fixed");
    edit->SetReadOnly(true);
    line->selectAll();
    requestMenu();
    TkvSkinPopupWindow& readOnly = *engine.Level(0);
    EXPECT_FALSE(readOnly.Item(2).item->Enabled);
    EXPECT_TRUE(readOnly.Item(3).item->Enabled);
    EXPECT_FALSE(readOnly.Item(5).item->Enabled);
    readOnly.MouseDown(5);
    EXPECT_TRUE(engine.Visible());
    EXPECT_EQ(line->text(), "fixed");
    QTest::keyClick(&readOnly, Qt::Key_Escape);
}

// The chosen command runs after the menu has closed, when the edit it was
// made for may be gone.
TEST_F(EditContextMenu, ACommandForAnEditThatIsGoneDoesNothing)
{
    line->deselect();
    requestMenu();
    TkvSkinMenu& engine = w.frame()->SkinMenu();
    ASSERT_EQ(engine.Levels(), 1);
    TkvSkinPopupWindow& menu = *engine.Level(0);
    ASSERT_EQ(menu.Item(7).item->Caption, "Select All");
    ASSERT_TRUE(menu.Item(7).item->Enabled);
    // The menu outlives the edit here.
    std::unique_ptr<TkvSkinPopupMenu> kept(edit->findChild<TkvSkinPopupMenu*>());
    ASSERT_TRUE(kept);
    kept->setParent(nullptr);
    delete edit;
    menu.MouseDown(7);
    EXPECT_FALSE(engine.Visible());
}
