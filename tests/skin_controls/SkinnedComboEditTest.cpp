#include "ControlTestSupport.h"
#include "ProgramSkin.h"

#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinEdit.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

// The combo box and the edit drawn and driven from the program's skin.
using namespace skin;
using namespace testsupport;
using platform::TRect;

namespace {

platform::TColor controlsPixel(const TkvSkinData& data, int x, int y)
{
    const platform::TBitmap* picture = data.decodedActivePicture(4);
    return picture ? rgbOf(picture->Canvas().Pixels(x, y)) : platform::TColor(-1);
}

class SkinnedComboTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        data = loadProgramSkin();
        combo = new TkvSkinComboBox(host.widget());
        combo->SetBounds(20, 20, 89, 25);
        combo->SetItems({"PWM", "SBUS"});
        combo->SetSkinData(data.get());
        combo->OnChange = [this](QObject*) { events << "change " + combo->Text(); };
        combo->OnClick = [this](QObject*) { events << QStringLiteral("click"); };
        other = new QLineEdit(host.widget());
        other->move(250, 250);
        host.show();
        other->setFocus();
    }

    std::unique_ptr<TkvSkinData> data;
    HostWindow host;
    TkvSkinComboBox* combo = nullptr;
    QLineEdit* other = nullptr;
    QStringList events;
};

TEST_F(SkinnedComboTest, FaceFromTheRecord)
{
    EXPECT_EQ(combo->size(), QSize(89, 21)) << "the record's height";
    EXPECT_EQ(combo->buttonRect(), (TRect{70, 2, 87, 19})) << "moved with the right edge";
    EXPECT_EQ(combo->itemRect(), (TRect{3, 3, 69, 18}));
    QImage face = combo->renderFace();
    savePicture(face, QStringLiteral("skinned-combo-empty"));
    EXPECT_EQ(pixel(face, 3, 3), controlsPixel(*data, 310, 82)) << "item background from itemrect";
    EXPECT_EQ(pixel(face, 75, 5), controlsPixel(*data, 365 + 51, 40 + 5)) << "button at rest from the base";

    hover(combo, QPoint(78, 10));
    EXPECT_EQ(pixel(combo->renderFace(), 75, 5), controlsPixel(*data, 432 + 5, 40 + 3)) << "activebuttonrect";
    QTest::mousePress(combo, Qt::LeftButton, {}, QPoint(78, 10));
    EXPECT_EQ(pixel(combo->renderFace(), 75, 5), controlsPixel(*data, 451 + 5, 40 + 3)) << "downbuttonrect";
    QTest::mouseRelease(combo, Qt::LeftButton, {}, QPoint(78, 10));
    combo->CloseUp(false);
    combo->setEnabled(false);
    EXPECT_EQ(pixel(combo->renderFace(), 75, 5), controlsPixel(*data, 470 + 5, 40 + 3)) << "unenabledbuttonrect";
    combo->setEnabled(true);

    combo->setFocus();
    combo->SetItemIndex(1);
    face = combo->renderFace();
    savePicture(face, QStringLiteral("skinned-combo-focused"));
    EXPECT_EQ(pixel(face, 3, 3), controlsPixel(*data, 310, 99)) << "focusitemrect while focused";
    bool ink = false;
    for (int x = 5; x < 40 && !ink; ++x)
        for (int y = 4; y < 17 && !ink; ++y)
            ink = pixel(face, x, y) == platform::clBlack;
    EXPECT_TRUE(ink) << "the item text in the record's black";
}

TEST_F(SkinnedComboTest, DropDownIsTheSkinnedListUnderTheCombo)
{
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->IsPopupVisible());
    TkvPopupListBox* list = combo->popupList();
    EXPECT_EQ(list->SkinDataName(), QStringLiteral("listbox"));
    EXPECT_EQ(list->geometry(), QRect(combo->mapToGlobal(QPoint(0, 21)), QSize(89, 46)));
    EXPECT_EQ(list->innerList()->geometry(), QRect(2, 2, 85, 42));
    EXPECT_TRUE(combo->hasFocus()) << "opening never takes the focus from the combo";

    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->Text(), QStringLiteral("PWM"));
    QTest::keyClick(combo, Qt::Key_S);
    EXPECT_EQ(combo->Text(), QStringLiteral("SBUS")) << "type-ahead";
    EXPECT_EQ(events, QStringList({"change PWM", "click", "click", "change SBUS", "click"}))
        << "Down commits at once, Enter closes accepting the same item";

    QStringList ports;
    for (int i = 1; i <= 12; ++i)
        ports << QStringLiteral("COM%1").arg(i);
    combo->SetItems(ports);
    combo->DropDown();
    EXPECT_EQ(list->height(), 172);
    ASSERT_NE(list->verticalBar(), nullptr);
    EXPECT_EQ(list->verticalBar()->geometry(), QRect(89 - 2 - 17, 2, 17, 168));
    combo->CloseUp(false);
}

// The flight-mode lamps of the window: bound to "edit", centred, lit by
// telemetry.
TEST(SkinnedEditTest, FrameInsetsHeightAndColours)
{
    auto data = loadProgramSkin();
    HostWindow host;
    auto* keyboard = new QLineEdit(host.widget());
    keyboard->move(200, 200);
    auto* lamp = new TkvSkinEdit(host.widget());
    lamp->SetAlignment(TAlignment::taCenter);
    lamp->SetText(QStringLiteral("GPS Hold"));
    lamp->SetBounds(10, 10, 65, 18);
    lamp->SetSkinData(data.get());
    host.show();
    keyboard->setFocus();
    EXPECT_EQ(lamp->height(), 21) << "a skinned edit designed 18 high";
    EXPECT_EQ(lamp->textRect(), QRect(QPoint(2, 3), QPoint(62, 17))) << "3-pixel inset, the line edit's margin one into it";
    // Our skin's lamp face: narrow and bold, so every mode name fits.
    EXPECT_EQ(lamp->Font().Name, QStringLiteral("Arial Narrow"));
    EXPECT_EQ(lamp->Font().Height, 12);
    EXPECT_TRUE(lamp->Font().Style.testFlag(platform::FontStyle::Bold));
    EXPECT_EQ(lamp->Font().Color, platform::clBlack);
    QImage frame = lamp->renderFrame();
    savePicture(frame, QStringLiteral("skinned-edit"));
    EXPECT_EQ(pixel(frame, 0, 0), controlsPixel(*data, 70, 40));
    EXPECT_EQ(pixel(frame, 64, 20), controlsPixel(*data, 126, 60)) << "right part fixed";
    hover(lamp, QPoint(30, 10));
    EXPECT_EQ(pixel(lamp->renderFrame(), 0, 0), controlsPixel(*data, 130, 40)) << "activeskinrect under the pointer";

    // Telemetry lights the lamp; neither the pointer nor the focus puts it out.
    platform::TFont lit = lamp->Font();
    lit.Color = platform::clRed;
    lamp->SetFont(lit);
    QTest::mouseMove(host.widget(), QPoint(300, 250));
    hover(lamp, QPoint(30, 10));
    QTest::mouseMove(host.widget(), QPoint(300, 250));
    EXPECT_EQ(lamp->Font().Color, platform::clRed);
    lamp->setFocus();
    keyboard->setFocus();
    EXPECT_EQ(lamp->Font().Color, platform::clRed);
    EXPECT_EQ(lamp->lineEdit()->palette().color(QPalette::Text), QColor(Qt::red));
    lamp->ChangeSkinData();
    EXPECT_EQ(lamp->Font().Color, platform::clRed) << "nor a skin change";

    lamp->setEnabled(false);
    EXPECT_EQ(lamp->lineEdit()->palette().color(QPalette::Disabled, QPalette::Text).rgb() & 0xFFFFFF, 0x5F6368u)
        << "disabledfontcolor";
    lamp->setEnabled(true);

    data->ClearSkin();
    lamp->ChangeSkinData();
    EXPECT_EQ(lamp->RecordIndex(), -1);
    EXPECT_EQ(lamp->Font().Color, platform::clRed) << "nor losing the skin";
    EXPECT_EQ(lamp->height(), 21) << "without a record the size stays as it is";
}

TEST(SkinnedEditTest, ReadOnlyValuesShowWholeInsideTheRecordsInsets)
{
    auto data = loadProgramSkin();
    HostWindow host;
    auto* keyboard = new QLineEdit(host.widget());
    keyboard->move(200, 200);
    const platform::TFont font{QStringLiteral("Arial"), 12, {}, platform::clMaroon};
    const QRgb maroon = qRgb(128, 0, 0);
    const std::pair<QString, int> cases[] = {{"24.00", 33}, {"1500", 33}, {"-26.50", 41}};
    for (const auto& [text, width] : cases) {
        auto* field = new TkvSkinEdit(host.widget());
        field->SetUseSkinFont(false);
        field->SetDefaultFont(font);
        field->SetReadOnly(true);
        field->SetBounds(0, 0, width, 18);
        field->SetSkinData(data.get());
        // The window's maroon, given over the record's black.
        field->SetFont(font);
        field->SetText(text);
        host.show();
        keyboard->setFocus();
        SCOPED_TRACE(text.toStdString());
        ASSERT_NE(field->RecordIndex(), -1);
        EXPECT_TRUE(field->lineEdit()->isHidden());
        const QImage shown = field->grab().toImage();
        int first = shown.width(), last = -1;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if ((shown.pixel(x, y) & 0xFFFFFF) == (maroon & 0xFFFFFF)) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        const int ink = QFontMetrics(field->lineEdit()->font()).horizontalAdvance(text);
        EXPECT_GE(first, field->textRect().left());
        EXPECT_LE(last, field->textRect().right());
        EXPECT_GE(last - first + 2, ink - 2) << "the whole value shows";
        delete field;
    }
}

} // namespace

// The record's button sits in its image, moved with the right edge; its
// hot, pressed and disabled faces come from the record's pictures.
TEST(SkinnedEditTest, TheButtonOfAButtonEditIsTheRecordsPictureInEachState)
{
    auto data = loadProgramSkin();
    HostWindow host;
    auto* keyboard = new QLineEdit(host.widget());
    keyboard->move(200, 200);
    auto* edit = new TkvSkinEdit(host.widget());
    edit->SetSkinDataName(QStringLiteral("buttonedit"));
    edit->SetButtonMode(true);
    edit->SetBounds(10, 10, 97, 21);
    edit->SetSkinData(data.get());
    host.show();
    keyboard->setFocus();
    // The record: skinrect 57 wide, buttonrect 38,3,54,18; the edit is 40 wider.
    ASSERT_EQ(edit->width(), 97);
    EXPECT_EQ(edit->buttonRect(), QRect(78, 3, 16, 15));
    EXPECT_LE(edit->textRect().right(), 77) << "the text stops before the button";

    QImage frame = edit->renderFrame();
    savePicture(frame, QStringLiteral("button-edit-at-rest"));
    EXPECT_EQ(pixel(frame, 80, 5), controlsPixel(*data, 190 + 40, 40 + 5)) << "at rest: the frame image's own button";

    QTest::mousePress(edit, Qt::LeftButton, {}, QPoint(85, 10));
    frame = edit->renderFrame();
    savePicture(frame, QStringLiteral("button-edit-pressed"));
    EXPECT_EQ(pixel(frame, 80, 5), controlsPixel(*data, 328 + 2, 40 + 2)) << "downbuttonrect";
    QTest::mouseRelease(edit, Qt::LeftButton, {}, QPoint(85, 10));

    edit->setEnabled(false);
    EXPECT_EQ(pixel(edit->renderFrame(), 80, 5), controlsPixel(*data, 346 + 2, 40 + 2)) << "unenabledbuttonrect";
}
