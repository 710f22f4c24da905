#include "ControlTestSupport.h"

#include "skin/controls/TkvSkinEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace skin;
using namespace testsupport;

namespace {

class EditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        edit = new TkvSkinEdit(host.widget());
        edit->SetBounds(10, 10, 100, 20);
        edit->OnChange = [this](QObject* sender) {
            EXPECT_EQ(sender, edit);
            changes << edit->Text();
        };
        host.show();
        edit->setFocus();
    }

    HostWindow host;
    TkvSkinEdit* edit = nullptr;
    QStringList changes;
};

TEST_F(EditTest, FramePaintedAroundTheTextArea)
{
    EXPECT_EQ(edit->SkinDataName(), QStringLiteral("edit"));
    const QImage frame = edit->renderFrame();
    EXPECT_EQ(pixel(frame, 0, 0), rgbOf(platform::clBtnShadow));
    EXPECT_EQ(pixel(frame, 99, 19), rgbOf(platform::clBtnShadow));
    EXPECT_EQ(pixel(frame, 1, 1), rgbOf(platform::clBtnFace));
    EXPECT_EQ(pixel(frame, 98, 18), rgbOf(platform::clBtnFace));
    EXPECT_EQ(pixel(frame, 2, 2), platform::clWhite);
    // The line edit reaches one pixel into the inner frame line on each side.
    EXPECT_EQ(edit->lineEdit()->geometry(), QRect(1, 2, 98, 16));

    edit->SetText(QStringLiteral("1500"));
    const QImage shown = edit->grab().toImage();
    EXPECT_EQ(pixel(shown, 0, 0), rgbOf(platform::clBtnShadow)) << "the line edit leaves the frame alone";
    EXPECT_EQ(pixel(shown, 97, 10), platform::clWhite) << "and draws no background of its own";
}

TEST_F(EditTest, OnChangeOnlyForRealChanges)
{
    QTest::keyClicks(edit->lineEdit(), QStringLiteral("12"));
    edit->SetText(QStringLiteral("12"));
    edit->SetText(QStringLiteral("7"));
    EXPECT_EQ(changes, QStringList({"1", "12", "7"}));
}

TEST_F(EditTest, ReadOnlyRefusesEditingButCopies)
{
    edit->SetReadOnly(true);
    edit->SetText(QStringLiteral("1500"));
    EXPECT_EQ(changes, QStringList({"1500"})) << "the program may still set the text";
    int keyPresses = 0;
    edit->OnKeyPress = [&](QObject*, QChar&) { ++keyPresses; };
    QApplication::clipboard()->setText(QStringLiteral("99"));
    QLineEdit* line = edit->lineEdit();
    QTest::keyClicks(line, QStringLiteral("42"));
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClick(line, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), QStringLiteral("1500"));
    EXPECT_EQ(keyPresses, 0) << "a read-only edit raises no key presses for characters";
    QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1500"));
}

TEST_F(EditTest, EnterAndEscapeGoToOnKeyPressOnly)
{
    QList<int> keys;
    edit->OnKeyPress = [&](QObject*, QChar& key) { keys << key.unicode(); };
    edit->SetText(QStringLiteral("500"));
    changes.clear();
    QTest::keyClick(edit->lineEdit(), Qt::Key_Return);
    QTest::keyClick(edit->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(keys, QList<int>({13, 27}));
    EXPECT_EQ(edit->Text(), QStringLiteral("500"));
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(EditTest, KeyPressHandlerCanSwallowOrReplaceCharacters)
{
    edit->OnKeyPress = [](QObject*, QChar& key) {
        if (!key.isDigit())
            key = QChar();
        else if (key == u'0')
            key = u'o';
    };
    QTest::keyClicks(edit->lineEdit(), QStringLiteral("1a0"));
    EXPECT_EQ(edit->Text(), QStringLiteral("1o"));
}

TEST_F(EditTest, HeightFollowsTheFontWhenNotUsingSkinFont)
{
    platform::TBitmap scratch(1, 1);
    platform::TFont font{QStringLiteral("Arial"), 20, {}, platform::clMaroon};
    scratch.Canvas().Font = font;
    edit->SetFont(font);
    EXPECT_EQ(edit->height(), 20) << "with UseSkinFont the size stays as requested";
    edit->SetUseSkinFont(false);
    EXPECT_EQ(edit->height(), scratch.Canvas().TextHeight(QStringLiteral("0")) + 4);
    EXPECT_EQ(edit->lineEdit()->palette().color(QPalette::Text), QColor(128, 0, 0));
}

TEST_F(EditTest, CentredTextStaysInTheMiddle)
{
    edit->SetAlignment(TAlignment::taCenter);
    edit->SetText(QStringLiteral("OFF"));
    edit->lineEdit()->deselect();
    edit->lineEdit()->clearFocus();
    const QImage shown = edit->grab().toImage();
    int first = 100, last = -1;
    for (int y = 3; y < 17; ++y)
        for (int x = 3; x < 97; ++x)
            if (qGray(shown.pixel(x, y)) < 100) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    ASSERT_GE(last, 0);
    EXPECT_NEAR((first + last) / 2, 50, 3);
}

TEST_F(EditTest, ButtonModeRaisesOnButtonClick)
{
    int clicks = 0;
    edit->OnButtonClick = [&](QObject*) { ++clicks; };
    edit->SetButtonMode(true);
    EXPECT_EQ(edit->lineEdit()->geometry().right(), 100 - 20 - 1);
    QTest::mousePress(edit, Qt::LeftButton, {}, QPoint(90, 10));
    EXPECT_EQ(pixel(edit->renderFrame(), 82, 2), kPressedFill);
    QTest::mouseRelease(edit, Qt::LeftButton, {}, QPoint(90, 10));
    EXPECT_EQ(clicks, 1);
    QTest::mousePress(edit, Qt::LeftButton, {}, QPoint(90, 10));
    QTest::mouseMove(edit, QPoint(30, 10));
    QTest::mouseRelease(edit, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(clicks, 1) << "released outside the button";
}

} // namespace

namespace {

// Columns that hold ink of the given colour.
std::pair<int, int> inkColumns(const QImage& image, QRgb ink)
{
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (ink & 0xFFFFFF)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

} // namespace

// A read-only field draws its own text while nobody works in it: the values
// of the window must show whole, placed as their alignment says.
TEST(EditOwnText, ShowsValuesWholeWhereTheAlignmentPutsThem)
{
    HostWindow host;
    // The window's first focus goes here, not to the fields under test.
    auto* keyboard = new TkvSkinEdit(host.widget());
    keyboard->SetBounds(0, 100, 60, 20);
    const platform::TFont font{QStringLiteral("Arial"), 12, {}, platform::clMaroon};
    const QRgb maroon = qRgb(128, 0, 0);
    struct Case {
        QString text;
        int width;
        TAlignment alignment;
    } cases[] = {
        {"24.00", 33, TAlignment::taLeftJustify},
        {"-26.50", 41, TAlignment::taLeftJustify},
        {"1500", 33, TAlignment::taLeftJustify},
        {"Manual", 57, TAlignment::taCenter},
        {"SBUS", 41, TAlignment::taRightJustify},
    };
    for (const Case& c : cases) {
        auto* field = new TkvSkinEdit(host.widget());
        field->SetFont(font);
        field->SetAlignment(c.alignment);
        field->SetBounds(0, 0, c.width, 18);
        field->SetReadOnly(true);
        field->SetText(c.text);
        host.show();
        EXPECT_TRUE(field->lineEdit()->isHidden()) << "no line edit while nobody works in the field";
        const QRect area = field->textRect();
        const auto [first, last] = inkColumns(field->grab().toImage(), maroon);
        const int ink = QFontMetrics(field->lineEdit()->font()).horizontalAdvance(c.text);
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_GE(first, area.left());
        EXPECT_LE(last, area.right());
        EXPECT_GE(last - first + 2, ink - 2) << "the whole text shows";
        if (c.alignment == TAlignment::taCenter) {
            EXPECT_NEAR((first + last) / 2.0, area.center().x(), 1.5);
        } else if (c.alignment == TAlignment::taRightJustify) {
            EXPECT_GE(last, area.right() - 4);
        } else {
            EXPECT_LE(first, area.left() + 4);
        }
        delete field;
    }
}

TEST(EditOwnText, ATooLongTextShowsItsEnd)
{
    HostWindow host;
    auto* keyboard = new TkvSkinEdit(host.widget());
    keyboard->SetBounds(0, 100, 60, 20);
    auto* field = new TkvSkinEdit(host.widget());
    field->SetFont({QStringLiteral("Arial"), 12, {}, platform::clMaroon});
    field->SetBounds(0, 0, 33, 18);
    field->SetReadOnly(true);
    host.show();
    field->SetText(QStringLiteral("-1234567.8"));
    const QImage withEnd = field->grab().toImage();
    field->SetText(QStringLiteral("-1234567.9"));
    EXPECT_NE(field->grab().toImage(), withEnd) << "the last digit is what shows";
}

TEST(EditOwnText, FocusBringsTheLineEditBackAndLeavingDropsIt)
{
    HostWindow host;
    auto* field = new TkvSkinEdit(host.widget());
    auto* other = new TkvSkinEdit(host.widget());
    field->SetBounds(0, 0, 60, 20);
    other->SetBounds(0, 30, 60, 20);
    field->SetReadOnly(true);
    host.show();
    field->SetText(QStringLiteral("10.5"));
    field->SetText(QStringLiteral("10.8"));
    EXPECT_EQ(field->Text(), QStringLiteral("10.8"));

    field->setFocus(Qt::TabFocusReason);
    QLineEdit* line = field->findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr);
    EXPECT_FALSE(line->isHidden());
    EXPECT_TRUE(line->hasFocus());
    EXPECT_EQ(line->text(), QStringLiteral("10.8")) << "the latest text, ready to select and copy";

    other->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(line->isHidden());
    field->SetText(QStringLiteral("11.0"));
    EXPECT_EQ(field->Text(), QStringLiteral("11.0"));
    EXPECT_EQ(line->text(), QStringLiteral("10.8")) << "the hidden line edit is not touched";
}

namespace {

void pressTab()
{
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QApplication::sendEvent(QApplication::focusWidget(), &tab);
}

} // namespace

// No field has a line edit when the window is first shown: one that takes
// typing makes it when the pointer comes over it, any field when it takes
// the focus. Tab still goes through the fields in the order they were made.
TEST(EditOwnText, LineEditsAreMadeWhenNeededAndKeepTheTabOrder)
{
    HostWindow host;
    auto* first = new TkvSkinEdit(host.widget());
    auto* readOnly = new TkvSkinEdit(host.widget());
    auto* last = new TkvSkinEdit(host.widget());
    auto* hovered = new TkvSkinEdit(host.widget());
    readOnly->SetReadOnly(true);
    first->SetBounds(0, 0, 60, 20);
    readOnly->SetBounds(0, 30, 60, 20);
    last->SetBounds(0, 60, 60, 20);
    hovered->SetBounds(0, 90, 60, 20);
    readOnly->SetText(QStringLiteral("12.5"));
    hovered->SetText(QStringLiteral("7"));
    host.show();
    // The window's first focus goes to the first field; the others wait.
    for (TkvSkinEdit* field : {readOnly, last, hovered})
        EXPECT_EQ(field->findChild<QLineEdit*>(), nullptr);

    hover(hovered, QPoint(5, 5));
    QLineEdit* underPointer = hovered->findChild<QLineEdit*>();
    ASSERT_NE(underPointer, nullptr) << "ready before the pointer presses";
    EXPECT_TRUE(underPointer->isVisible());
    EXPECT_EQ(underPointer->text(), QStringLiteral("7"));
    hover(readOnly, QPoint(5, 5));
    EXPECT_EQ(readOnly->findChild<QLineEdit*>(), nullptr) << "a read-only field waits for the focus";

    first->setFocus(Qt::TabFocusReason);
    ASSERT_NE(first->findChild<QLineEdit*>(), nullptr);
    ASSERT_TRUE(first->findChild<QLineEdit*>()->hasFocus());
    pressTab();
    QLineEdit* made = readOnly->findChild<QLineEdit*>();
    ASSERT_NE(made, nullptr) << "focus reached the read-only field next";
    EXPECT_TRUE(made->hasFocus());
    EXPECT_EQ(made->text(), QStringLiteral("12.5"));
    pressTab();
    ASSERT_NE(last->findChild<QLineEdit*>(), nullptr);
    EXPECT_TRUE(last->findChild<QLineEdit*>()->hasFocus());
}
