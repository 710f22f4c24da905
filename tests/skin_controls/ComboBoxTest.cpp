#include "ControlTestSupport.h"

#include "skin/controls/TkvSkinComboBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace skin;
using namespace testsupport;

namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        combo = new TkvSkinComboBox(host.widget());
        combo->SetBounds(20, 20, 120, 20);
        combo->SetItems({"PWM", "SBUS"});
        logComboEvents(*combo, events);
        other = new QLineEdit(host.widget());
        other->move(250, 250);
        host.show();
        combo->setFocus();
    }

    TkvListBox* inner() const { return combo->popupList()->innerList(); }
    QPoint rowCentre(int row) const
    {
        const QRect r = inner()->ItemRect(row);
        return r.center();
    }

    HostWindow host;
    TkvSkinComboBox* combo = nullptr;
    QLineEdit* other = nullptr;
    QStringList events;
};

TEST_F(ComboBoxTest, FaceWithoutRecord)
{
    EXPECT_EQ(combo->SkinDataName(), QStringLiteral("combobox"));
    EXPECT_EQ(combo->buttonRect(), (platform::TRect{101, 2, 118, 18}));
    EXPECT_EQ(combo->itemRect(), (platform::TRect{2, 2, 100, 18}));
    other->setFocus();
    QImage face = combo->renderFace();
    EXPECT_EQ(pixel(face, 0, 0), rgbOf(platform::clBtnShadow));
    EXPECT_EQ(pixel(face, 101, 2), rgbOf(platform::clBtnShadow));
    EXPECT_EQ(pixel(face, 50, 10), rgbOf(platform::clWindow)) << "ItemIndex -1 shows an empty item";
    hover(combo, QPoint(110, 10));
    EXPECT_TRUE(combo->ButtonHot());
    EXPECT_EQ(pixel(combo->renderFace(), 103, 4), kHotFill);
    combo->setFocus();
    EXPECT_EQ(pixel(combo->renderFace(), 50, 10), rgbOf(platform::clHighlight));
}

TEST_F(ComboBoxTest, DownCommitsTheFirstItem)
{
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->Text(), QStringLiteral("PWM"));
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(events, QStringList({"change PWM", "click"}));
    events.clear();
    combo->SetItemIndex(0);
    EXPECT_EQ(events, QStringList({"click"})) << "the same item raises only OnClick";
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 1) << "stops at the last item";
    QTest::keyClick(combo, Qt::Key_Up);
    EXPECT_EQ(combo->Text(), QStringLiteral("PWM"));
}

TEST_F(ComboBoxTest, ClickOpensBelowAndAClickOnAnItemCommits)
{
    QTest::mousePress(combo, Qt::LeftButton, {}, QPoint(50, 10));
    QTest::mouseRelease(combo, Qt::LeftButton, {}, QPoint(50, 10));
    ASSERT_TRUE(combo->IsPopupVisible()) << "a click that opens leaves the list open";
    TkvPopupListBox* list = combo->popupList();
    EXPECT_EQ(list->geometry().topLeft(), combo->mapToGlobal(QPoint(0, 20)));
    EXPECT_EQ(list->size(), QSize(120, 44));
    EXPECT_EQ(list->verticalBar(), nullptr);
    EXPECT_TRUE(list->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(list->windowFlags() & Qt::WindowDoesNotAcceptFocus);

    sendMouse(inner(), QEvent::MouseButtonPress, rowCentre(1));
    sendMouse(inner(), QEvent::MouseButtonRelease, rowCentre(1));
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->Text(), QStringLiteral("SBUS"));
    EXPECT_EQ(events, QStringList({"dropdown", "change SBUS", "click", "closeup"}));
    EXPECT_TRUE(combo->hasFocus()) << "the list never took the focus";
}

TEST_F(ComboBoxTest, HoverHighlightsAndEscapeRestores)
{
    combo->SetItemIndex(0);
    events.clear();
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->IsPopupVisible());
    sendMouse(inner(), QEvent::MouseMove, rowCentre(1), Qt::NoButton);
    EXPECT_EQ(combo->popupList()->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), QStringLiteral("PWM"));
    QTest::keyClick(combo, Qt::Key_Escape);
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(events, QStringList({"dropdown"}));
}

TEST_F(ComboBoxTest, EnterAcceptsTheHighlightedItem)
{
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    sendMouse(inner(), QEvent::MouseMove, rowCentre(1), Qt::NoButton);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(combo->Text(), QStringLiteral("SBUS"));
    EXPECT_EQ(events.last(), QStringLiteral("closeup"));
}

TEST_F(ComboBoxTest, OutsideClickAndFocusLossCancel)
{
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    sendMouse(inner(), QEvent::MouseMove, rowCentre(1), Qt::NoButton);
    sendMouse(other, QEvent::MouseButtonPress, QPoint(5, 5));
    sendMouse(other, QEvent::MouseButtonRelease, QPoint(5, 5));
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), QString());

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->IsPopupVisible());
    other->setFocus();
    EXPECT_FALSE(combo->IsPopupVisible());

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    host.widget()->move(host.widget()->pos() + QPoint(5, 5));
    EXPECT_FALSE(combo->IsPopupVisible()) << "a window move closes the list";
    EXPECT_FALSE(events.contains(QStringLiteral("closeup")));
}

TEST_F(ComboBoxTest, RowsFollowDropDownCount)
{
    combo->SetItems({"+4", "X4", "+6", "X6", "Y6", "Fh8", "X8"});
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(combo->popupList()->height(), 7 * 20 + 4);
    EXPECT_EQ(combo->popupList()->verticalBar(), nullptr);
    QTest::keyClick(combo, Qt::Key_Escape);

    QStringList ports;
    for (int i = 1; i <= 12; ++i)
        ports << QStringLiteral("COM%1").arg(i);
    combo->SetItems(ports);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(combo->popupList()->height(), 8 * 20 + 4);
    ASSERT_NE(combo->popupList()->verticalBar(), nullptr);
    EXPECT_EQ(combo->popupList()->verticalBar()->PageSize(), 8);
}

TEST_F(ComboBoxTest, OpensAboveNearTheBottomOfTheScreen)
{
    const QRect screen = combo->screen()->availableGeometry();
    host.widget()->move(screen.left() + 10, screen.bottom() - 60);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(combo, Qt::Key_Escape);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->IsPopupVisible());
    const QRect list = combo->popupList()->geometry();
    EXPECT_EQ(list.bottom() + 1, combo->mapToGlobal(QPoint(0, 0)).y());
    EXPECT_EQ(list.left(), combo->mapToGlobal(QPoint(0, 0)).x());
}

TEST_F(ComboBoxTest, DraggingBelowTheListAutoScrollsEvery25ms)
{
    QStringList ports;
    for (int i = 1; i <= 12; ++i)
        ports << QStringLiteral("COM%1").arg(i);
    combo->SetItems(ports);
    QTest::mousePress(combo, Qt::LeftButton, {}, QPoint(50, 10));
    ASSERT_TRUE(combo->IsPopupVisible());
    const QPoint listTop = combo->mapFromGlobal(inner()->mapToGlobal(QPoint(10, 0)));
    QTest::mouseMove(combo, listTop + QPoint(0, 150));
    EXPECT_EQ(combo->popupList()->ItemIndex(), 7);
    QTest::mouseMove(combo, listTop + QPoint(0, 200));
    EXPECT_EQ(timerInterval(combo, "autoscroll"), 25);
    for (int i = 0; i < 6; ++i)
        fireTimer(combo, "autoscroll");
    EXPECT_EQ(combo->popupList()->ItemIndex(), 11) << "stops at the last item";
    EXPECT_EQ(combo->popupList()->TopIndex(), 4);
    QTest::mouseMove(combo, listTop + QPoint(0, 100));
    EXPECT_FALSE(timerActive(combo, "autoscroll"));
    QTest::mouseRelease(combo, Qt::LeftButton, {}, listTop + QPoint(0, 100));
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->Text(), QStringLiteral("COM10")) << "released over row 5 of items 4..11";
}

TEST_F(ComboBoxTest, PageKeysMoveByDifferentDistances)
{
    QStringList items;
    for (int i = 0; i < 20; ++i)
        items << QString::number(i);
    combo->SetItems(items);
    combo->SetItemIndex(10);
    QTest::keyClick(combo, Qt::Key_PageUp);
    EXPECT_EQ(combo->ItemIndex(), 1);
    QTest::keyClick(combo, Qt::Key_PageUp);
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->SetItemIndex(10);
    QTest::keyClick(combo, Qt::Key_PageDown);
    EXPECT_EQ(combo->ItemIndex(), 17);
    QTest::keyClick(combo, Qt::Key_PageDown);
    EXPECT_EQ(combo->ItemIndex(), 19);
}

TEST_F(ComboBoxTest, TypeAheadCollectsKeysWithin500ms)
{
    qint64 now = 10000;
    combo->setClock([&now] { return now; });
    combo->SetItems({"+4", "X4", "+6", "X6", "Y6", "Fh8", "X8"});
    QTest::keyClick(combo, Qt::Key_X);
    EXPECT_EQ(combo->Text(), QStringLiteral("X4"));
    now += 499;
    QTest::keyClick(combo, Qt::Key_8);
    EXPECT_EQ(combo->Text(), QStringLiteral("X8"));

    combo->SetItemIndex(0);
    now += 1000;
    QTest::keyClick(combo, Qt::Key_X);
    EXPECT_EQ(combo->Text(), QStringLiteral("X4"));
    QTest::keyClick(combo, Qt::Key_X);
    EXPECT_EQ(combo->Text(), QStringLiteral("X4")) << "within 500 ms: prefix \"xx\" finds nothing";
    now += 500;
    QTest::keyClick(combo, Qt::Key_8);
    EXPECT_EQ(combo->Text(), QStringLiteral("X4")) << "\"8\" alone matches no item";
    for (const char* expected : {"X6", "X8", "X4"}) {
        now += 600;
        QTest::keyClick(combo, Qt::Key_X);
        EXPECT_EQ(combo->Text(), QLatin1String(expected)) << "one letter steps on from the current item, wrapping";
    }
}

TEST_F(ComboBoxTest, WheelCommitsWhenClosedAndOnlyHighlightsWhenOpen)
{
    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(10, 10), combo->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, delta), Qt::NoButton,
            {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &event);
    };
    wheel(-120);
    EXPECT_EQ(combo->Text(), QStringLiteral("PWM"));
    wheel(-120);
    EXPECT_EQ(combo->Text(), QStringLiteral("SBUS"));
    wheel(120);
    EXPECT_EQ(combo->Text(), QStringLiteral("PWM"));
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    wheel(-120);
    EXPECT_EQ(combo->popupList()->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), QStringLiteral("PWM"));
}

TEST_F(ComboBoxTest, EmptyComboNeverOpens)
{
    combo->SetItems({});
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_TRUE(events.isEmpty());
}

} // namespace

namespace {

// One notch of a real wheel: 120 eighths of a degree, negative towards the user.
void turnWheel(QWidget* widget, int notches)
{
    const QPointF pos(10, 10);
    QWheelEvent event(pos, widget->mapToGlobal(pos), QPoint(), QPoint(0, notches * 120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

TEST_F(ComboBoxTest, ArrowKeysAndWheelDoNothingAtTheEnds)
{
    combo->SetItemIndex(0);
    events.clear();
    QTest::keyClick(combo, Qt::Key_Up);
    QTest::keyClick(combo, Qt::Key_Left);
    turnWheel(combo, 1);
    EXPECT_EQ(events, QStringList()) << "the first item is not committed again";

    turnWheel(combo, -1);
    EXPECT_EQ(events, QStringList({"change SBUS", "click"}));
    events.clear();
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Right);
    turnWheel(combo, -1);
    turnWheel(combo, -3);
    EXPECT_EQ(events, QStringList()) << "the last item is not committed again";
    EXPECT_EQ(combo->ItemIndex(), 1);

    turnWheel(combo, 3);
    EXPECT_EQ(combo->ItemIndex(), 0) << "several notches stop at the first item";
    EXPECT_EQ(events, QStringList({"change PWM", "click"}));
}

} // namespace

TEST_F(ComboBoxTest, TheOpenListIsTranslucentAndFadesInWhenAsked)
{
    TkvPopupListBox* list = combo->popupList();
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(list->opacity(), 255) << "opaque by default";
    QTest::keyClick(combo, Qt::Key_Escape);

    combo->SetAlphaBlendValue(180);
    combo->SetAlphaBlend(true);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(list->opacity(), 180);
    QTest::keyClick(combo, Qt::Key_Escape);

    // With the animation the list shows transparent and rises in steps of 2.
    combo->SetAlphaBlendAnimation(true);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(list->opacity(), 0);
    fireTimer(list, "fadeTimer");
    EXPECT_EQ(list->opacity(), 2);
    int steps = 1;
    while (timerActive(list, "fadeTimer") && steps < 1000) {
        fireTimer(list, "fadeTimer");
        ++steps;
    }
    EXPECT_EQ(steps, 90);
    EXPECT_EQ(list->opacity(), 180) << "and stops at the value";
    QTest::keyClick(combo, Qt::Key_Escape);

    combo->SetAlphaBlend(false);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(list->opacity(), 255) << "opaque again, without a fade";
    EXPECT_FALSE(timerActive(list, "fadeTimer"));
}
