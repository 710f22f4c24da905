#include "ControlSkin.h"
#include "ControlTestSupport.h"

#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinCustomEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinStdLabel.h"

#include <gtest/gtest.h>

using namespace skin;
using namespace testsupport;

namespace {

// A control with a skin drawing for button records, whose record fixes its
// height at 25, as a three-part record does.
class RecordControl : public TkvSkinCustomControl {
public:
    explicit RecordControl(QWidget* parent = nullptr) : TkvSkinCustomControl(parent)
    {
        SetSkinDataName(QStringLiteral("button"));
        acceptRecords<TkvDataSkinButtonControl>();
    }

    void CalcSize(int& width, int& height) override
    {
        ++fits;
        if (hasRecord())
            height = 25;
        (void)width;
    }

    const TkvDataSkinButtonControl* copy() const { return record<TkvDataSkinButtonControl>(); }
    const platform::TBitmap& picture() const { return skinPicture(); }
    platform::TFont font() const { return controlFont(); }

    int fits = 0;
};

TEST(SkinLinkTest, FindsAndCopiesARecordOfTheControlsClass)
{
    ControlSkin skin;
    RecordControl control;
    control.SetSkinData(&skin.data());
    EXPECT_EQ(control.RecordIndex(), skin.data().GetControlIndex(QStringLiteral("button")));
    ASSERT_NE(control.copy(), nullptr);
    EXPECT_EQ(control.copy()->skinrect, (platform::TRect{0, 0, 35, 25}));
    EXPECT_EQ(control.picture().image().size(), QSize(110, 130));

    // The copy does not point into the skin: clearing the skin leaves it intact.
    skin.data().ClearAll();
    EXPECT_EQ(control.copy()->righttoppoint, (platform::TPoint{24, 0}));
}

TEST(SkinLinkTest, BeforeChangeDropsTheRecordUntilTheNextLookUp)
{
    ControlSkin skin;
    RecordControl control;
    control.SetSkinData(&skin.data());
    ASSERT_NE(control.RecordIndex(), -1);
    control.BeforeChangeSkinData();
    EXPECT_EQ(control.RecordIndex(), -1);
    EXPECT_EQ(control.copy(), nullptr);
    EXPECT_TRUE(control.picture().Empty());
    control.ChangeSkinData();
    EXPECT_NE(control.RecordIndex(), -1);
}

TEST(SkinLinkTest, NameChangeCountsFromTheNextLookUp)
{
    ControlSkin skin;
    RecordControl control;
    control.SetSkinData(&skin.data());
    const int buttonIndex = control.RecordIndex();
    control.SetSkinDataName(QStringLiteral("wrongkind"));
    EXPECT_EQ(control.RecordIndex(), buttonIndex);
    control.renderFace();
    EXPECT_EQ(control.RecordIndex(), skin.data().GetControlIndex(QStringLiteral("wrongkind")));
    control.SetSkinDataName(QStringLiteral("nosuchrecord"));
    control.renderFace();
    EXPECT_EQ(control.RecordIndex(), -1);
    EXPECT_EQ(control.copy(), nullptr);
}

TEST(SkinLinkTest, RecordOfAnotherClassIsNotUsed)
{
    ControlSkin skin;
    RecordControl control;
    control.SetSkinDataName(QStringLiteral("groupbox"));
    control.SetSkinData(&skin.data());
    EXPECT_EQ(control.RecordIndex(), -1);
    EXPECT_EQ(control.copy(), nullptr);
}

TEST(SkinLinkTest, RemovedSkinDataLeavesTheDefaultLook)
{
    auto skin = std::make_unique<ControlSkin>();
    RecordControl control;
    control.SetSkinData(&skin->data());
    ASSERT_NE(control.RecordIndex(), -1);
    skin.reset();
    EXPECT_EQ(control.SkinData(), nullptr);
    control.renderFace();
    EXPECT_EQ(control.RecordIndex(), -1);
}

TEST(SkinLinkTest, EditAndComboBoxTakeTheirRecordsAndItsHeight)
{
    ControlSkin skin;
    HostWindow host;
    TkvSkinCustomEdit edit(host.widget());
    TkvSkinComboBox combo(host.widget());
    ASSERT_NE(skin.data().GetControlIndex(QStringLiteral("edit")), -1);
    ASSERT_NE(skin.data().GetControlIndex(QStringLiteral("combobox")), -1);
    edit.SetSkinData(&skin.data());
    combo.SetSkinData(&skin.data());
    EXPECT_EQ(edit.RecordIndex(), skin.data().GetControlIndex(QStringLiteral("edit")));
    EXPECT_EQ(combo.RecordIndex(), skin.data().GetControlIndex(QStringLiteral("combobox")));
    EXPECT_EQ(combo.size(), QSize(120, 21)) << "refitted to the record's 21 rows";
    EXPECT_EQ(edit.height(), 21);
}

TEST(SkinLinkTest, FontRuleTakesFaceFromTheRecordOnlyWithUseSkinFont)
{
    ControlSkin skin;
    RecordControl control;
    platform::TFont own{QStringLiteral("Courier New"), 12, platform::FontStyle::Italic, platform::clRed};
    control.SetDefaultFont(own);
    EXPECT_EQ(control.font(), own) << "no skin data: DefaultFont";

    control.SetSkinData(&skin.data());
    platform::TFont expected{QStringLiteral("Arial"), 14, platform::FontStyle::Bold, 8388608};
    EXPECT_EQ(control.font(), expected);
    control.SetUseSkinFont(false);
    platform::TFont ownInRecordColour = own;
    ownInRecordColour.Color = 8388608;
    EXPECT_EQ(control.font(), ownInRecordColour) << "the colour still comes from the record";
}

TEST(SkinLinkTest, LabelFollowsTheFontRule)
{
    ControlSkin skin;
    HostWindow host;
    TkvSkinStdLabel label(host.widget());
    label.SetCaption(QStringLiteral("Roll "));
    const QSize plain = label.size();
    label.SetSkinData(&skin.data());
    EXPECT_EQ(label.RecordIndex(), skin.data().GetControlIndex(QStringLiteral("stdlabel")));
    EXPECT_NE(label.size(), plain) << "AutoSize measures in the record's Arial Narrow 15 bold";

    QImage text = label.renderText();
    bool red = false;
    for (int y = 0; y < text.height() && !red; ++y)
        for (int x = 0; x < text.width() && !red; ++x)
            red = qAlpha(text.pixel(x, y)) == 255 && text.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(red) << "drawn in the record's fontcolor 255";

    label.SetSkinDataName(QStringLiteral("wrongkind"));
    label.ChangeSkinData();
    EXPECT_EQ(label.RecordIndex(), -1);
    EXPECT_EQ(label.size(), plain);
}

TEST(SizePathTest, EverySizeChangeIsFittedBySetBounds)
{
    ControlSkin skin;
    HostWindow host;
    RecordControl control(host.widget());
    control.SetBounds(5, 6, 80, 40);
    EXPECT_EQ(control.geometry(), QRect(5, 6, 80, 40)) << "no record: the size is kept";

    control.SetSkinData(&skin.data());
    EXPECT_EQ(control.size(), QSize(80, 25)) << "the skin change refits";
    control.fits = 0;
    control.SetBounds(5, 6, 120, 60);
    EXPECT_EQ(control.geometry(), QRect(5, 6, 120, 25));
    EXPECT_EQ(control.fits, 1);
    control.SetBounds(9, 9, 120, 25);
    EXPECT_EQ(control.fits, 1) << "a move alone fits nothing";
    EXPECT_EQ(control.pos(), QPoint(9, 9));
    control.SetDefaultHeight(50);
    EXPECT_EQ(control.height(), 25) << "a default size applies only without a record";

    control.BeforeChangeSkinData();
    control.SetSkinData(nullptr);
    control.SetDefaultWidth(64);
    control.SetDefaultHeight(30);
    EXPECT_EQ(control.size(), QSize(64, 30));
}

TEST(SizePathTest, QtsOwnGeometryCallsAreFittedToo)
{
    ControlSkin skin;
    HostWindow host;
    auto* button = new TkvSkinButton(host.widget());
    button->SetSkinData(&skin.data());
    auto* edit = new TkvSkinCustomEdit(host.widget());
    edit->SetSkinData(&skin.data());
    auto* label = new TkvSkinStdLabel(host.widget());
    label->SetCaption(QStringLiteral("Roll "));
    const QSize text = label->size();
    host.show();

    // Layouts and tests size widgets with Qt's own calls; the controls
    // keep to their records and text all the same.
    button->resize(120, 60);
    EXPECT_EQ(button->size(), QSize(120, 25)) << "the button's record fixes its height";
    edit->setGeometry(10, 40, 90, 40);
    EXPECT_EQ(edit->geometry(), QRect(10, 40, 90, edit->height()));
    EXPECT_NE(edit->height(), 40) << "the edit's height follows its record";
    label->resize(200, 50);
    EXPECT_EQ(label->size(), text) << "an auto-sized label measures its caption";

    // Hidden, the fitting waits for the resize Qt sends when shown.
    auto* hidden = new TkvSkinButton(host.widget());
    hidden->SetSkinData(&skin.data());
    hidden->hide();
    hidden->resize(90, 70);
    hidden->show();
    EXPECT_EQ(hidden->size(), QSize(90, 25));
}

} // namespace
