// The skin the window carries: its shape and the frame and control
// geometry that the records alone decide; how it reaches the controls.

#include "tests/app/WindowFixture.h"
#include "skin/frame/TkvSorvane.h"

#include "app/window/MainWindowLayout.h"

#include "skin/controls/TkvSkinControl.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TkvCompressedStoredSkin.h"
#include "skin/data/TkvSkinData.h"
#include "platform/TextCache.h"
#include "tests/support/TestOutput.h"

#include <QFontMetrics>

#include <QHash>
#include <QSet>

#include <gtest/gtest.h>

using namespace skin;

namespace platform {
void PrintTo(const TRect& r, std::ostream* out) { *out << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom; }
void PrintTo(const TPoint& p, std::ostream* out) { *out << p.x << ',' << p.y; }
}

namespace {

using TRect = skin::TRect;
using TPoint = skin::TPoint;

template <typename Record>
Record* control(const TkvSkinData& data, const char* name)
{
    const int index = data.GetControlIndex(QString::fromLatin1(name));
    return index < 0 ? nullptr : dynamic_cast<Record*>(data.SkinControls[size_t(index)].get());
}

template <typename Record>
Record* object(const TkvSkinData& data, const char* name)
{
    const int index = data.GetIndex(QString::fromLatin1(name));
    return index < 0 ? nullptr : dynamic_cast<Record*>(data.SkinObjects[size_t(index)].get());
}

// How a control fits its record's image to its size, from the record's
// points: -1 no image, 1 nine-part, 2 three-part across, 3 three-part down,
// 0 fixed.
int resizeMode(const TkvDataSkinCustomControl& r)
{
    const TRect& s = r.skinrect;
    if (s.left == 0 && s.top == 0 && s.right == 0 && s.bottom == 0)
        return -1;
    if (r.rightbottompoint.x != 0 && r.rightbottompoint.y != 0)
        return 1;
    if (r.righttoppoint.x != 0 || r.righttoppoint.y != 0)
        return 2;
    if (r.leftbottompoint.x != 0 || r.leftbottompoint.y != 0)
        return 3;
    return 0;
}

// Where a frame object's rectangle goes when the window grows: the first
// placement rule whose corner zones hold it (left/top inclusive,
// right/bottom exclusive).
int placementRule(const TkvSkinData& d, const TRect& r)
{
    const int w = d.PictureBitmap.width();
    const int h = d.PictureBitmap.height();
    const TRect zones[] = {{0, 0, d.lefttoppoint.x, d.lefttoppoint.y}, {d.righttoppoint.x, 0, w, d.righttoppoint.y},
        {0, d.leftbottompoint.y, d.leftbottompoint.x, h}, {d.rightbottompoint.x, d.rightbottompoint.y, w, h}};
    const auto in = [&](int zone, int x, int y) {
        const TRect& z = zones[zone];
        return x >= z.left && x < z.right && y >= z.top && y < z.bottom;
    };
    const auto lies = [&](int zone) { return in(zone, r.left, r.top) && in(zone, r.right, r.bottom); };
    for (int zone = 0; zone < 4; ++zone)
        if (lies(zone))
            return zone + 1;
    const std::pair<int, int> spans[] = {{0, 3}, {0, 1}, {2, 3}, {0, 2}, {1, 3}};
    for (int i = 0; i < 5; ++i)
        if (in(spans[i].first, r.left, r.top) && in(spans[i].second, r.right, r.bottom))
            return i + 5;
    return 10;
}

TRect sized(const TRect& r) { return {0, 0, r.width(), r.height()}; }

// A control that can draw from button records, counting the skin messages
// it is given.
class CountingControl : public TkvSkinControl {
public:
    explicit CountingControl(QWidget* parent = nullptr) : TkvSkinControl(parent)
    {
        acceptRecords<TkvDataSkinButtonControl>();
    }
    int before = 0;
    int change = 0;
    int after = 0;
    void BeforeChangeSkinData() override
    {
        ++before;
        TkvSkinControl::BeforeChangeSkinData();
    }
    void ChangeSkinData() override
    {
        ++change;
        TkvSkinControl::ChangeSkinData();
    }
    void AfterChangeSkinData() override { ++after; }
};

class WindowSkin : public WindowFixture {
protected:
    const TkvSkinData& data() const { return *form->skinData(); }
};

} // namespace

TEST_F(WindowSkin, CarriedSkinLoadsAtStartWithItsShape)
{
    const TkvSkinData& d = data();
    ASSERT_FALSE(d.IsEmpty());
    EXPECT_EQ(d.parent(), form.get());
    EXPECT_EQ(d.CompressedStoredSkin(), form->storedSkin());
    const QByteArray& compressed = form->storedSkin()->CompressedData();
    ASSERT_GT(compressed.size(), 2);
    EXPECT_EQ(compressed.left(2), QByteArray("\x78\xDA")) << "zlib at level 9";

    EXPECT_EQ(d.PictureBitmap.width(), 162);
    EXPECT_EQ(d.PictureBitmap.height(), 140);
    EXPECT_EQ(d.PictureBitmap.bitCount(), 8);
    EXPECT_LE(d.PictureBitmap.palette().size(), 255);
    EXPECT_TRUE(d.InactivePictureBitmap.isEmpty());
    EXPECT_EQ(d.MaskBitmap.width(), 162);
    EXPECT_EQ(d.MaskBitmap.height(), 140);
    EXPECT_EQ(d.MaskBitmap.bitCount(), 1);
    EXPECT_EQ(d.ActiveBitmaps.size(), 5);
    EXPECT_EQ(d.SkinObjects.size(), 12u);
    EXPECT_EQ(d.SkinControls.size(), 59u);
    EXPECT_EQ(d.skinname, "Graphite");
    for (const auto& record : d.SkinControls)
        EXPECT_EQ(record->maskpictureindex, -1) << record->IDName.toStdString();
}

TEST_F(WindowSkin, FrameGeometryIsTheStatedOne)
{
    const TkvSkinData& d = data();
    EXPECT_EQ(d.clientrect, (TRect{5, 24, 157, 135}));
    EXPECT_EQ(d.buttonsrect, (TRect{92, 5, 154, 21}));
    EXPECT_EQ(d.buttonsoffset, 1);
    EXPECT_FALSE(d.buttonsinleft);
    // The frame adds 10 to the client width and 29 to its height.
    EXPECT_EQ(d.PictureBitmap.width() - d.clientrect.width(), 10);
    EXPECT_EQ(d.PictureBitmap.height() - d.clientrect.height(), 29);

    const auto* caption = object<TkvDataSkinCaption>(d, "caption");
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->skinrect, (TRect{24, 3, 89, 21}));
    EXPECT_EQ(placementRule(d, caption->skinrect), 6) << "stretches along the top";
    EXPECT_EQ(caption->textrect, (TRect{5, 3, 61, 15}));
    EXPECT_EQ(caption->fontname, "Arial");
    EXPECT_EQ(caption->fontheight, 14);
    EXPECT_TRUE(caption->fontstyle.has(TFontStyle::fsBold));
    EXPECT_EQ(caption->fontcolor, 12632256);
    EXPECT_EQ(caption->activefontcolor, 16777215);
    EXPECT_TRUE(caption->shadow);
    EXPECT_EQ(caption->shadowcolor, 0);
    EXPECT_EQ(caption->activeshadowcolor, 0);
    EXPECT_TRUE(caption->morphing);
    ASSERT_TRUE(d.activeBitmap(caption->activepictureindex));
    EXPECT_EQ(sized(caption->activeskinrect), sized(caption->skinrect));

    const auto* sysMenu = object<TkvDataSkinStdButton>(d, "sysmenubutton");
    ASSERT_TRUE(sysMenu);
    EXPECT_EQ(sysMenu->skinrect, (TRect{6, 5, 20, 19}));
    EXPECT_FALSE(sysMenu->skinrectinapicture);
    EXPECT_EQ(placementRule(d, sysMenu->skinrect), 1) << "stays where it is";
    EXPECT_EQ(sysMenu->command, TkvStdCommand::cmSysMenu);
    EXPECT_EQ(sysMenu->disableskinrsect, (TRect{52, 123, 65, 135}));
    const platform::BmpImage* picture = d.activeBitmap(sysMenu->activepictureindex);
    ASSERT_TRUE(picture);
    EXPECT_GE(picture->width(), 65);
    EXPECT_GE(picture->height(), 135);

    // The caption buttons lie in the active picture, 14 x 14, and go right
    // to left in the row: close, (maximize,) minimize, roll-up.
    const std::pair<const char*, TkvStdCommand> buttons[] = {{"closebutton", TkvStdCommand::cmClose},
        {"minimizebutton", TkvStdCommand::cmMinimize}, {"maximizebutton", TkvStdCommand::cmMaximize},
        {"rollupbutton", TkvStdCommand::cmRollUp}};
    for (const auto& [name, command] : buttons) {
        const auto* b = object<TkvDataSkinStdButton>(d, name);
        ASSERT_TRUE(b) << name;
        EXPECT_TRUE(b->skinrectinapicture) << name;
        EXPECT_EQ(b->command, command) << name;
        EXPECT_EQ(sized(b->skinrect), (TRect{0, 0, 14, 14})) << name;
        EXPECT_TRUE(d.activeBitmap(b->activepictureindex)) << name;
    }
    // At 720 wide the row 650..712 holds close at 698, minimize at 683 and
    // roll-up at 668 with one pixel between them.
    const int dx = 720 - d.PictureBitmap.width();
    int x = d.buttonsrect.right + dx;
    for (const int expected : {698, 683, 668}) {
        EXPECT_EQ(x - 14, expected);
        x -= 14 + d.buttonsoffset;
    }
}

TEST_F(WindowSkin, ControlRecordsHaveTheStatedGeometry)
{
    const TkvSkinData& d = data();
    const std::pair<const char*, int> modes[] = {{"button", 2}, {"resizebutton", 1}, {"edit", 2}, {"combobox", 2},
        {"gauge", 2}, {"groupbox", 1}, {"listbox", 1}, {"hscrollbar", 2}, {"vscrollbar", 3}};
    for (const auto& [name, mode] : modes) {
        const auto* r = control<TkvDataSkinCustomControl>(d, name);
        ASSERT_TRUE(r) << name;
        EXPECT_EQ(resizeMode(*r), mode) << name;
        EXPECT_TRUE(d.activeBitmap(r->pictureindex)) << name;
    }
    EXPECT_TRUE((control<TkvDataSkinButtonControl>(d, "button")));
    EXPECT_TRUE((control<TkvDataSkinButtonControl>(d, "resizebutton")));
    EXPECT_TRUE((control<TkvDataSkinPanelControl>(d, "groupbox")));
    EXPECT_TRUE((control<TkvDataSkinEditControl>(d, "edit")));
    EXPECT_TRUE((control<TkvDataSkinStdLabelControl>(d, "stdlabel")));
    EXPECT_TRUE((control<TkvDataSkinScrollBarControl>(d, "bothhscrollbar")));
    EXPECT_TRUE((control<TkvDataSkinUpDownControl>(d, "vupdown")));

    const auto* button = control<TkvDataSkinButtonControl>(d, "button");
    EXPECT_EQ(sized(button->skinrect), (TRect{0, 0, 35, 25}));
    EXPECT_EQ(button->lefttoppoint.x, 10);
    EXPECT_EQ(button->righttoppoint.x, 24);
    EXPECT_EQ(button->rightbottompoint, (TPoint{0, 0}));
    EXPECT_TRUE(button->morphing);
    EXPECT_EQ(button->morphkind, TkvMorphKind::mkRightGradient);
    EXPECT_EQ(button->disabledfontcolor, platform::RGB(58, 63, 71));
    EXPECT_FALSE(control<TkvDataSkinButtonControl>(d, "resizebutton")->morphing);

    const auto* group = control<TkvDataSkinPanelControl>(d, "groupbox");
    EXPECT_EQ(sized(group->skinrect), (TRect{0, 0, 59, 52}));
    EXPECT_EQ(group->lefttoppoint, (TPoint{8, 20}));
    EXPECT_EQ(group->righttoppoint, (TPoint{50, 21}));
    EXPECT_EQ(group->leftbottompoint, (TPoint{5, 45}));
    EXPECT_EQ(group->rightbottompoint, (TPoint{52, 46}));
    EXPECT_EQ(group->clientrect, (TRect{1, 20, 58, 51}));
    EXPECT_EQ(group->captionrect, (TRect{3, 2, 56, 18}));
    EXPECT_EQ(group->fontcolor, 0);
    EXPECT_EQ(group->bgpictureindex, -1);

    const auto* edit = control<TkvDataSkinEditControl>(d, "edit");
    EXPECT_EQ(sized(edit->skinrect), (TRect{0, 0, 57, 21}));
    EXPECT_EQ(edit->clientrect, (TRect{3, 3, 54, 18}));
    EXPECT_EQ(edit->fontname, "Arial Narrow");
    EXPECT_EQ(edit->fontheight, 12);
    EXPECT_EQ(edit->fontcolor, 0);

    const auto* combo = control<TkvDataSkinComboBox>(d, "combobox");
    EXPECT_EQ(combo->listboxname, "listbox");
    EXPECT_EQ(combo->skinrect.height(), 21);
    EXPECT_LE(combo->skinrect.width(), 65);
    EXPECT_FALSE(isNullRect(combo->itemrect));
    EXPECT_GE(combo->buttonrect.left, combo->righttoppoint.x);
    EXPECT_GE(combo->buttonrect.left, combo->skinrect.width() - combo->righttoppoint.x);

    const auto* list = control<TkvDataSkinListBox>(d, "listbox");
    EXPECT_EQ(sized(list->skinrect), (TRect{0, 0, 59, 52}));
    EXPECT_EQ(list->clientrect, (TRect{2, 2, 57, 50}));
    EXPECT_EQ(sized(list->itemrect), (TRect{0, 0, 54, 21}));
    EXPECT_EQ(list->itemtextrect, (TRect{2, 2, 52, 19}));
    EXPECT_EQ(list->vscrollbarname, "vscrollbar");
    for (const auto& [rows, height] : {std::pair{2, 46}, {7, 151}, {8, 172}})
        EXPECT_EQ(list->skinrect.height() + rows * list->itemrect.height() + list->clientrect.top - list->clientrect.bottom,
            height);
    EXPECT_GE(list->leftbottompoint.y - list->lefttoppoint.y, 6);
    EXPECT_GE(list->rightbottompoint.y - list->righttoppoint.y, 6);

    const auto* bar = control<TkvDataSkinScrollBarControl>(d, "vscrollbar");
    EXPECT_EQ(sized(bar->skinrect), (TRect{0, 0, 17, 68}));
    EXPECT_EQ(bar->lefttoppoint.y, 18);
    EXPECT_EQ(bar->leftbottompoint.y, 48);
    EXPECT_EQ(bar->trackarea, (TRect{0, 17, 16, 51}));
    EXPECT_EQ(bar->upbuttonrect, (TRect{0, 51, 17, 68}));
    EXPECT_EQ(bar->downbuttonrect, (TRect{0, 0, 17, 17}));
    EXPECT_EQ(sized(bar->thumbrect), (TRect{0, 0, 17, 18}));
    EXPECT_EQ(bar->thumboffset1, 5);
    EXPECT_EQ(bar->thumboffset2, 5);
    EXPECT_EQ(sized(bar->glyphrect), (TRect{0, 0, 7, 8}));
    EXPECT_TRUE(isNullRect(bar->activeupbuttonrect) && isNullRect(bar->activedownbuttonrect)
        && isNullRect(bar->activethumbrect) && isNullRect(bar->activeglyphrect));

    const auto* gauge = control<TkvDataSkinGaugeControl>(d, "gauge");
    EXPECT_EQ(sized(gauge->skinrect), (TRect{0, 0, 22, 14}));
    EXPECT_EQ(gauge->progressarea, (TRect{2, 2, 21, 13}));
    EXPECT_EQ(sized(gauge->progressrect), (TRect{0, 0, 10, 11}));
    EXPECT_EQ(gauge->beginoffset, 0);
    EXPECT_EQ(gauge->endoffset, 0);
    EXPECT_FALSE(gauge->vertical);

    const auto* slider = control<TkvDataSkinSlider>(d, "slider");
    ASSERT_TRUE(slider);
    EXPECT_EQ(sized(slider->hthumbrect), (TRect{0, 0, 22, 21}));
    EXPECT_EQ(sized(slider->hrulerrect), (TRect{0, 0, 10, 11}));
    EXPECT_LT(slider->edgesize, 5);
    EXPECT_TRUE(d.activeBitmap(slider->pictureindex));
}

TEST_F(WindowSkin, MenuRowsAreTwentyHighWithFivePixelSeparators)
{
    const TkvSkinData& d = data();
    const auto* item = object<TkvDataSkinMenuItem>(d, "menuitem");
    ASSERT_TRUE(item);
    ASSERT_TRUE(d.activeBitmap(item->activepictureindex));
    EXPECT_EQ(item->skinrect.height(), 20);
    EXPECT_EQ(item->activeskinrect.height(), 20);
    EXPECT_EQ(item->dividerrect.height(), 5);
    const TkvDataSkinPopupWindow& popup = d.PopupWindowRecord;
    const platform::BmpImage* window = d.activeBitmap(popup.windowpictureindex);
    ASSERT_TRUE(window);
    EXPECT_EQ(popup.itemsrect, (TRect{2, 2, window->width() - 2, window->height() - 2}));
    EXPECT_EQ(popup.scrollmarkercolor, 8404992);
    EXPECT_EQ(popup.scrollmarkeractivecolor, 12615680);
    // The system menu: two items, a separator and "Close".
    const int margin = window->height() - popup.itemsrect.height();
    EXPECT_EQ(3 * item->skinrect.height() + item->dividerrect.height() + margin, 69);
}

TEST_F(WindowSkin, SkinChangesReachEveryBoundControl)
{
    // Bound as the layout says: panels, buttons, lists, gauges, sliders and
    // the lamps; labels and value fields are not.
    int bound = 0;
    for (const layout::Control& c : layout::controls()) {
        auto* skinned = qobject_cast<TkvSkinControl*>(form->control(QString::fromLatin1(c.name.data(), c.name.size())));
        if (skinned && skinned->SkinData() == form->skinData())
            ++bound;
    }
    EXPECT_EQ(bound, 8 + 13 + 3 + 4 + 6);
    EXPECT_EQ(form->edit("gpsHoldLamp")->SkinData(), form->skinData());
    EXPECT_EQ(form->edit("rollValue")->SkinData(), nullptr);
    EXPECT_EQ(form->button("gyroGainSave")->SkinDataName(), "resizebutton");
    EXPECT_EQ(form->button("refreshButton")->SkinDataName(), "button");

    auto* deep = new CountingControl(form->control("receiverPanel"));
    deep->SetSkinDataName(QStringLiteral("button"));
    deep->SetSkinData(form->skinData());
    TkvSkinData other;
    auto* stranger = new CountingControl(form->control("receiverPanel"));
    stranger->SetSkinData(&other);
    const int changesBefore = deep->change;

    form->skinData()->LoadCompressedStoredSkin(form->storedSkin());
    EXPECT_EQ(deep->before, 1);
    EXPECT_EQ(deep->change, changesBefore + 1);
    EXPECT_EQ(deep->after, 1);
    EXPECT_EQ(deep->RecordIndex(), form->skinData()->GetControlIndex("button"));
    EXPECT_EQ(stranger->before + stranger->change + stranger->after, 0) << "messages of another skin data";

    // A record of another class is refused.
    deep->SetSkinDataName(QStringLiteral("groupbox"));
    form->skinData()->LoadCompressedStoredSkin(form->storedSkin());
    EXPECT_EQ(deep->RecordIndex(), -1);
}

TEST_F(WindowSkin, BoundControlsDrawFromTheSkinAndTheRestKeepTheirLook)
{
    const char* const bound[] = {"portPanel", "connectButton", "gyroGainSave", "ch1Gauge", "auxGainSlider"};
    const char* const unbound[] = {"rollValue", "ch1Value"};
    const auto faceOf = [this](const char* name) { return form->control(name)->grab().toImage(); };
    QHash<QString, QImage> skinned;
    for (const char* name : bound)
        skinned[name] = faceOf(name);
    for (const char* name : unbound)
        skinned[name] = faceOf(name);
    form->grab().save(testsupport::testOutputDir() + "/window-with-skin.png");
    form->skinData()->ClearSkin();
    ASSERT_TRUE(form->skinData()->IsEmpty());
    const auto colours = [](const QImage& image) {
        QSet<QRgb> seen;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                seen.insert(image.pixel(x, y));
        return seen.size();
    };
    for (const char* name : bound) {
        EXPECT_NE(skinned[name], faceOf(name)) << name << " draws from its record";
        EXPECT_GT(colours(skinned[name]), 2) << name << " must not paint a blank face";
    }
    for (const char* name : unbound)
        EXPECT_EQ(skinned[name], faceOf(name)) << name << " has no record and keeps its look";
}

TEST_F(WindowSkin, EveryLampIsWholeInBothSkins)
{
    const char* const lamps[] = {"gpsHoldLamp", "altitudeHoldLamp", "manualLamp", "comeHomeLamp", "careFreeLamp", "ch6OffLamp"};
    for (const char* skinName : {"Graphite", "Daylight"}) {
        SCOPED_TRACE(skinName);
        ASSERT_TRUE(form->chooseSkin(QString::fromLatin1(skinName)));
        const auto* record = control<TkvDataSkinEditControl>(data(), "edit");
        ASSERT_TRUE(record);
        int narrowestText = std::numeric_limits<int>::max();
        int longestName = 0;
        for (const char* name : lamps) {
            auto* lamp = form->edit(name);
            // The skin's font and the record's whole frame: nothing cut at the bottom.
            EXPECT_TRUE(lamp->UseSkinFont()) << name;
            EXPECT_EQ(lamp->Font().Name, record->fontname) << name;
            EXPECT_EQ(lamp->height(), record->skinrect.height()) << name;
            const QImage face = lamp->grab().toImage();
            for (int x = 4; x < lamp->width() - 4; ++x)
                ASSERT_EQ(face.pixel(x, face.height() - 1), face.pixel(x, 0)) << name << ": bottom frame at x " << x;

            const QRect area = lamp->textRect();
            int first = area.right() + 1;
            int last = area.left() - 1;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (qGray(face.pixel(x, y)) < 96) {
                        first = std::min(first, x);
                        last = std::max(last, x);
                    }
            ASSERT_LE(first, last) << name << " shows no text";
            EXPECT_GT(first, area.left()) << name << ": " << lamp->Text().toStdString() << " is cut on the left";
            EXPECT_LT(last, area.right()) << name << ": " << lamp->Text().toStdString() << " is cut on the right";
            const QFontMetrics metrics(platform::TextCache::instance().font(lamp->Font()).font);
            narrowestText = std::min(narrowestText, area.width());
            longestName = std::max(longestName, metrics.horizontalAdvance(lamp->Text()));
        }
        EXPECT_LE(longestName, narrowestText) << "the longest mode name fits even the narrowest lamp";
    }
}
