#include "ControlTestSupport.h"
#include "ProgramSkin.h"

#include "skin/controls/TkvSkinComboBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

// The combo box's edit style: the inner edit, its keys, lookup and completion.
using namespace skin;
using namespace testsupport;
using platform::TRect;

namespace {

int textHeight(const platform::TFont& font)
{
    platform::TBitmap scratch(1, 1);
    scratch.Canvas().Font = font;
    return scratch.Canvas().TextHeight(QStringLiteral("0"));
}

void turnWheel(QWidget* widget, int notches)
{
    const QPointF pos(5, 5);
    QWheelEvent event(pos, widget->mapToGlobal(pos), QPoint(), QPoint(0, notches * 120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

class ComboEditStyleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        combo = new TkvSkinComboBox(host.widget());
        combo->SetBounds(20, 20, 120, 20);
        combo->SetItems({"PWM", "SBUS", "Spektrum"});
        combo->SetStyle(TkvSkinCustomComboBoxStyle::kvcbEditStyle);
        logComboEvents(*combo, events);
        other = new QLineEdit(host.widget());
        other->move(250, 250);
        host.show();
        other->setFocus();
    }

    QLineEdit* line() const { return combo->editor()->lineEdit(); }
    TkvListBox* inner() const { return combo->popupList()->innerList(); }
    void hoverRow(int row) const
    {
        sendMouse(inner(), QEvent::MouseMove, inner()->ItemRect(row).center(), Qt::NoButton);
    }

    HostWindow host;
    TkvSkinComboBox* combo = nullptr;
    QLineEdit* other = nullptr;
    QStringList events;
};

TEST_F(ComboEditStyleTest, AFramelessEditOverTheItemAreaTakesTheKeyboard)
{
    ASSERT_NE(combo->editor(), nullptr);
    EXPECT_EQ(combo->Style(), TkvSkinCustomComboBoxStyle::kvcbEditStyle);
    // Item area 2,2,100,18 without a record; the edit as high as its text.
    const int h = textHeight(combo->Font());
    EXPECT_EQ(combo->editor()->geometry(), QRect(2, 2 + (16 - h) / 2, 98, h));
    combo->SetBounds(20, 20, 150, 30);
    EXPECT_EQ(combo->editor()->geometry(), QRect(2, 2 + (26 - h) / 2, 128, h)) << "follows the size";
    combo->SetBounds(20, 20, 120, 20);
    EXPECT_TRUE(combo->editor()->Frameless());
    EXPECT_FALSE(line()->hasFrame());
    EXPECT_EQ(combo->focusPolicy(), Qt::NoFocus) << "not a tab stop of its own";
    combo->setFocus();
    EXPECT_TRUE(line()->hasFocus()) << "focusing the combo focuses its edit";
    EXPECT_TRUE(combo->hasFocus());

    combo->SetItemIndex(1);
    EXPECT_EQ(line()->text(), QStringLiteral("SBUS"));
    const QImage face = combo->renderFace();
    for (int x = 2; x < 100; ++x)
        for (int y = 2; y < 18; ++y)
            ASSERT_EQ(pixel(face, x, y), rgbOf(platform::clWindow)) << "the face draws no item under the edit " << x;
}

TEST_F(ComboEditStyleTest, TypingBecomesTextIsLookedUpAndCompletedAfterAPause)
{
    combo->setFocus();
    QTest::keyClicks(line(), QStringLiteral("s"));
    EXPECT_EQ(events, QStringList({"change s"}));
    EXPECT_EQ(combo->ItemIndex(), 1) << "the first item it starts is selected in the list";
    EXPECT_EQ(timerInterval(combo, "editsearch"), 200);
    ASSERT_TRUE(timerActive(combo, "editsearch"));
    EXPECT_EQ(line()->text(), QStringLiteral("s")) << "nothing completed while typing";

    fireTimer(combo, "editsearch");
    EXPECT_EQ(line()->text(), QStringLiteral("SBUS"));
    EXPECT_EQ(line()->selectedText(), QStringLiteral("BUS")) << "the completed part, typed over next";
    EXPECT_EQ(combo->Text(), QStringLiteral("SBUS"));

    QTest::keyClick(line(), Qt::Key_P);
    EXPECT_EQ(combo->Text(), QStringLiteral("Sp"));
    EXPECT_EQ(combo->ItemIndex(), 2);
    fireTimer(combo, "editsearch");
    EXPECT_EQ(line()->text(), QStringLiteral("Spektrum"));
    EXPECT_EQ(line()->selectedText(), QStringLiteral("ektrum"));

    QTest::keyClick(line(), Qt::Key_Backspace);
    EXPECT_EQ(combo->Text(), QStringLiteral("Sp"));
    EXPECT_FALSE(timerActive(combo, "editsearch")) << "deleting is not completed again";
    EXPECT_EQ(events, QStringList({"change s", "change SBUS", "change Sp", "change Spektrum", "change Sp"}))
        << "no OnClick while typing";

    QTest::keyClicks(line(), QStringLiteral("q"));
    fireTimer(combo, "editsearch");
    EXPECT_EQ(combo->Text(), QStringLiteral("Spq")) << "no item starts so";
    EXPECT_EQ(combo->ItemIndex(), 2) << "the last item found stays selected";
}

TEST_F(ComboEditStyleTest, WithoutAutoCompleteTheFoundItemIsOnlyScrolledToTheTop)
{
    combo->SetItems({"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "India", "Juliett",
        "Kilo", "Lima"});
    combo->SetAutoComplete(false);
    combo->DropDown();
    ASSERT_TRUE(line()->hasFocus()) << "opening focuses the edit";
    QTest::keyClicks(line(), QStringLiteral("ch"));
    EXPECT_EQ(combo->popupList()->TopIndex(), 2);
    EXPECT_EQ(combo->ItemIndex(), -1);
    fireTimer(combo, "editsearch");
    EXPECT_EQ(line()->text(), QStringLiteral("ch")) << "nor completed";
}

TEST_F(ComboEditStyleTest, UpAndDownCommitIntoTheEditWithAllOfItSelected)
{
    combo->setFocus();
    QTest::keyClick(line(), Qt::Key_Down);
    EXPECT_EQ(line()->text(), QStringLiteral("PWM"));
    EXPECT_EQ(line()->selectedText(), QStringLiteral("PWM"));
    EXPECT_EQ(events, QStringList({"change PWM", "click"}));
    QTest::keyClick(line(), Qt::Key_Down);
    EXPECT_EQ(combo->Text(), QStringLiteral("SBUS"));
    QTest::keyClick(line(), Qt::Key_Up);
    EXPECT_EQ(combo->ItemIndex(), 0);
    events.clear();
    QTest::keyClick(line(), Qt::Key_Up);
    EXPECT_TRUE(events.isEmpty()) << "the first item is not committed again";

    QTest::keyClicks(line(), QStringLiteral("x"));
    EXPECT_EQ(combo->Text(), QStringLiteral("x")) << "typed over the selection";
    QTest::keyClick(line(), Qt::Key_Up);
    EXPECT_EQ(line()->text(), QStringLiteral("PWM")) << "the item again, over the typed text";
    EXPECT_EQ(line()->selectedText(), QStringLiteral("PWM"));
    EXPECT_EQ(events, QStringList({"change x", "change PWM", "click"}));
}

TEST_F(ComboEditStyleTest, ItemsFromCodeAreNotLookedUpAgain)
{
    combo->SetItems({"ab", "a"});
    combo->SetItemIndex(1);
    EXPECT_EQ(line()->text(), QStringLiteral("a"));
    EXPECT_EQ(combo->ItemIndex(), 1) << "\"ab\" also starts with \"a\"";
    combo->SetText(QStringLiteral("free"));
    EXPECT_EQ(line()->text(), QStringLiteral("free"));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(events, QStringList({"change a", "click", "change free"}));
}

TEST_F(ComboEditStyleTest, EnterAcceptsAndEscCancelsTheOpenList)
{
    combo->SetItemIndex(0);
    events.clear();
    combo->setFocus();
    QTest::keyClick(line(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->IsPopupVisible());
    hoverRow(2);
    QTest::keyClick(line(), Qt::Key_Return);
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(line()->text(), QStringLiteral("Spektrum"));
    EXPECT_EQ(line()->selectedText(), QStringLiteral("Spektrum"));
    EXPECT_EQ(events, QStringList({"dropdown", "change Spektrum", "click", "closeup"}));

    events.clear();
    QTest::keyClick(line(), Qt::Key_Down, Qt::AltModifier);
    hoverRow(0);
    QTest::keyClick(line(), Qt::Key_Escape);
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 2) << "the saved item again";
    EXPECT_EQ(combo->Text(), QStringLiteral("Spektrum"));
    QTest::keyClick(line(), Qt::Key_Return);
    EXPECT_EQ(events, QStringList({"dropdown"})) << "Enter on a closed list changes nothing";
}

TEST_F(ComboEditStyleTest, PageKeysMoveTheHighlightOfTheOpenListAndCommitWhenClosed)
{
    QStringList items;
    for (int i = 0; i < 20; ++i)
        items << QString::number(i);
    combo->SetItems(items);
    combo->SetItemIndex(10);
    combo->DropDown();
    events.clear();
    QTest::keyClick(line(), Qt::Key_PageUp);
    EXPECT_EQ(combo->popupList()->ItemIndex(), 1) << "up by DropDownCount + 1";
    QTest::keyClick(line(), Qt::Key_PageDown);
    EXPECT_EQ(combo->popupList()->ItemIndex(), 8) << "down by DropDownCount - 1";
    EXPECT_EQ(combo->Text(), QStringLiteral("10"));
    EXPECT_TRUE(events.isEmpty()) << "only the highlight moved";
    QTest::keyClick(line(), Qt::Key_Escape);
    EXPECT_EQ(combo->ItemIndex(), 10);

    QTest::keyClick(line(), Qt::Key_PageDown);
    EXPECT_EQ(line()->text(), QStringLiteral("17"));
    EXPECT_EQ(line()->selectedText(), QStringLiteral("17"));
    EXPECT_EQ(events, QStringList({"change 17", "click"}));
}

TEST_F(ComboEditStyleTest, FocusLossOrAClickOnTheEditCloseTheList)
{
    combo->DropDown();
    ASSERT_TRUE(combo->IsPopupVisible());
    other->setFocus();
    EXPECT_FALSE(combo->IsPopupVisible());

    combo->DropDown();
    ASSERT_TRUE(line()->hasFocus());
    QTest::mouseClick(line(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_TRUE(line()->hasFocus());

    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_FALSE(combo->IsPopupVisible()) << "the item area does not open the list in the edit style";
    const QPoint onButton(combo->buttonRect().left + 5, 5);
    QTest::mousePress(combo, Qt::LeftButton, {}, onButton);
    QTest::mouseRelease(combo, Qt::LeftButton, {}, onButton);
    EXPECT_TRUE(combo->IsPopupVisible()) << "the button does";
    EXPECT_EQ(events, QStringList({"dropdown", "dropdown", "dropdown"}));
}

TEST_F(ComboEditStyleTest, TheWheelOverTheEditMovesTheSelection)
{
    turnWheel(line(), -1);
    EXPECT_EQ(line()->text(), QStringLiteral("PWM"));
    turnWheel(line(), -1);
    EXPECT_EQ(line()->text(), QStringLiteral("SBUS"));
    EXPECT_EQ(line()->selectedText(), QStringLiteral("SBUS"));
    EXPECT_EQ(events, QStringList({"change PWM", "click", "change SBUS", "click"}));
    combo->DropDown();
    turnWheel(line(), -1);
    EXPECT_EQ(combo->popupList()->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), QStringLiteral("SBUS")) << "open: only the highlight";
}

TEST_F(ComboEditStyleTest, BackToTheFixedStyleTheFaceShowsTheItemAgain)
{
    combo->SetItemIndex(1);
    combo->SetStyle(TkvSkinCustomComboBoxStyle::kvcbFixedStyle);
    EXPECT_EQ(combo->editor(), nullptr);
    EXPECT_EQ(combo->focusPolicy(), Qt::StrongFocus);
    bool ink = false;
    const QImage face = combo->renderFace();
    for (int x = 4; x < 60 && !ink; ++x)
        for (int y = 3; y < 17 && !ink; ++y)
            ink = pixel(face, x, y) == rgbOf(platform::clWindowText);
    EXPECT_TRUE(ink) << "the face draws the item";
    combo->SetStyle(TkvSkinCustomComboBoxStyle::kvcbEditStyle);
    EXPECT_EQ(line()->text(), QStringLiteral("SBUS")) << "a new edit starts with Text";
}

TEST_F(ComboEditStyleTest, HideSelectionIsPassedToTheEdit)
{
    combo->SetItemIndex(1);
    for (const bool hide : {true, false}) {
        combo->SetHideSelection(hide);
        EXPECT_EQ(combo->editor()->HideSelection(), hide);
        combo->setFocus();
        line()->setSelection(1, 2);
        other->setFocus();
        EXPECT_EQ(line()->selectedText(), hide ? QString() : QStringLiteral("BU")) << "hide " << hide;
    }
}

// The program's skin: the edit is transparent over the record's face and
// takes the record's font; the picture shows the open list with images.
TEST(SkinnedComboEditStyleTest, TheEditShowsTheSkinnedFaceThroughAndTheListItsPictures)
{
    auto data = loadProgramSkin();
    auto images = colourImages();
    HostWindow host;
    auto* combo = new TkvSkinComboBox(host.widget());
    combo->SetBounds(20, 20, 89, 21);
    combo->SetItems({"PWM", "SBUS", "Spektrum"});
    combo->SetImages(images.get());
    combo->SetStyle(TkvSkinCustomComboBoxStyle::kvcbEditStyle);
    combo->SetSkinData(data.get());
    auto* other = new QLineEdit(host.widget());
    other->move(250, 250);
    host.show();
    other->setFocus();
    combo->SetItemIndex(1);

    const platform::TFont font = combo->editor()->Font();
    EXPECT_EQ(font.Name, QStringLiteral("Arial"));
    EXPECT_EQ(font.Height, 14);
    EXPECT_EQ(font.Color, platform::clBlack);
    const int h = textHeight(font);
    EXPECT_EQ(combo->editor()->geometry(), QRect(3, 3 + (15 - h) / 2, 66, h)) << "item area 3,3,69,18";

    const QImage face = combo->renderFace();
    const QImage shown = combo->grab().toImage();
    EXPECT_EQ(pixel(shown, 66, 10), pixel(face, 66, 10)) << "no background of the edit's own";
    EXPECT_EQ(pixel(shown, 4, 16), pixel(face, 4, 16));

    combo->DropDown();
    ASSERT_TRUE(combo->IsPopupVisible());
    TkvPopupListBox* list = combo->popupList();
    QImage picture(200, 130, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.drawImage(QPoint(10, 10), combo->grab().toImage());
        painter.drawImage(QPoint(10, 10) + list->pos() - combo->mapToGlobal(QPoint(0, 0)), list->grab().toImage());
    }
    savePicture(picture, QStringLiteral("combo-edit-style-open"));
    const QImage rows = list->innerList()->PaintList();
    EXPECT_EQ(pixel(rows, 8, 21 + 10), platform::clLime) << "item 1's picture in the list";
    EXPECT_EQ(pixel(rows, 8, 42 + 10), platform::clBlue);
}

} // namespace
