#include "HostileNumbers.h"

#include "platform/Bitmap.h"
#include "platform/ByteStream.h"
#include "platform/ClassicErrors.h"
#include "skin/controls/TkvSkinButton.h"
#include "skin/controls/TkvSkinComboBox.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinGauge.h"
#include "skin/controls/TkvSkinListBox.h"
#include "skin/controls/TkvSkinPanel.h"
#include "skin/controls/TkvSkinScrollBar.h"
#include "skin/controls/TkvSkinSlider.h"
#include "skin/controls/TkvSkinStdLabel.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/FrameObjects.h"
#include "skin/frame/TkvSkinHint.h"
#include "skin/frame/TkvSkinMenu.h"
#include "skin/frame/TkvSkinPopupWindow.h"
#include "skin/frame/TkvSorvane.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>

// Every number of one record of each kind in the feature skin set in turn
// to the hostile numbers; each time the skin is loaded, laid out at three
// sizes and painted on a frame (with its hint and menu windows, and a
// control of the record's kind in its client area). A skin file comes from
// strangers: each run must end in a drawn window or in a refusal that names
// the section and the key, and never in undefined behaviour, which the
// sanitizer build turns into a failure.
using namespace skin;
using frametest::KeyChange;

namespace {

const QString kFeatureSkin = QStringLiteral(FCT_FEATURE_SKIN_DIR);
const QSize kClientSizes[] = {{1, 1}, {170, 60}, {400, 300}};

// The feature skin as the engine writes it, so that every key of every
// record is there, including those the hand-written file leaves out.
platform::MemIniFile writtenFeatureSkin()
{
    TkvSkinData data;
    data.LoadFromFile(kFeatureSkin + QStringLiteral("/skin.ini"));
    platform::MemIniFile written;
    data.SaveToCustomIniFile(written);
    return written;
}

template<typename Control>
SkinnedWidget* make(QWidget* parent)
{
    return new Control(parent);
}

// The control that draws each kind of control record; kinds without one are
// only read and put the frame to the test.
const std::map<QString, std::function<SkinnedWidget*(QWidget*)>> controlOfKind = {
    {QStringLiteral("button"), make<TkvSkinButton>},
    {QStringLiteral("menubutton"), make<TkvSkinButton>},
    {QStringLiteral("panel"), make<TkvSkinPanel>},
    {QStringLiteral("gauge"), make<TkvSkinGauge>},
    {QStringLiteral("slider"), make<TkvSkinSlider>},
    {QStringLiteral("stdlabel"), make<TkvSkinStdLabel>},
    {QStringLiteral("scrollbar"), make<TkvSkinScrollBar>},
    {QStringLiteral("edit"), make<TkvSkinEdit>},
    {QStringLiteral("memo"), make<TkvSkinEdit>},
    {QStringLiteral("listbox"), make<TkvSkinListBox>},
    {QStringLiteral("checklistbox"), make<TkvSkinListBox>},
    {QStringLiteral("combobox"), make<TkvSkinComboBox>},
};

// Content that makes each control draw all its parts.
void fill(SkinnedWidget& control)
{
    const QStringList items{QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3")};
    if (auto* list = dynamic_cast<TkvSkinCustomListBox*>(&control))
        list->SetItems(items);
    if (auto* combo = dynamic_cast<TkvSkinCustomComboBox*>(&control))
        combo->SetItems(items);
    if (auto* gauge = dynamic_cast<TkvSkinGauge*>(&control))
        gauge->SetValue(50);
    if (auto* bar = dynamic_cast<TkvSkinScrollBar*>(&control))
        bar->SetRange(0, 100, 10, 50);
    if (auto* button = dynamic_cast<TkvSkinButton*>(&control))
        button->SetCaption(QStringLiteral("Save"));
    if (auto* panel = dynamic_cast<TkvSkinPanel*>(&control))
        panel->SetCaption(QStringLiteral("Gyro"));
}

// The objects lit under the pointer and the animations played a few
// frames, so that later frames and blends are drawn too.
void playObjects(TkvSorvane& frame)
{
    for (const auto& object : frame.Objects()) {
        const TRect r = object->ObjectRect;
        frame.TestActive(r.left + r.width() / 2, r.top + r.height() / 2, true);
        if (auto* animation = dynamic_cast<TkvSkinAnimateObject*>(object.get()))
            animation->Start();
    }
    for (int tick = 0; tick < 3; ++tick) {
        frame.TestAnimate();
        frame.TestMorph();
    }
    frame.TestActive(-1, -1, true);
}

// What a section's numbers shape, and so what a run draws.
enum class Drawn { Frame, HintWindow, PopupWindow, Control };

// The skin text a sweep starts from: only the records the drawing reads
// are listed, so that each run loads quickly.
platform::MemIniFile skinFor(Drawn drawn)
{
    platform::MemIniFile text = writtenFeatureSkin();
    if (drawn == Drawn::Control)
        text.writeString(QStringLiteral("SKINOBJECTS"), QStringLiteral("count"), QStringLiteral("0"));
    else
        text.writeString(QStringLiteral("SKINCONTROLS"), QStringLiteral("count"), QStringLiteral("0"));
    return text;
}

// A folder with the feature skin's pictures and a definition rewritten for
// each run.
class SweepFolder {
public:
    SweepFolder()
    {
        const QDir skin(kFeatureSkin);
        for (const QString& file : skin.entryList({QStringLiteral("*.bmp")}, QDir::Files))
            QFile::copy(skin.filePath(file), m_folder.filePath(file));
    }

    // Loads the skin with change applied and draws what the section shapes
    // at three sizes. A refusal must name the section and the key.
    void run(const platform::MemIniFile& skinText, const KeyChange& change, Drawn drawn)
    {
        platform::MemIniFile changed(skinText.getStrings());
        changed.writeString(change.section, change.key, change.value);
        const QString definition = m_folder.filePath(QStringLiteral("skin.ini"));
        platform::writeWholeFile(definition, changed.toText());
        const std::string what
            = QStringLiteral("[%1] %2=%3").arg(change.section, change.key, change.value).toStdString();

        QWidget form;
        auto* data = new TkvSkinData(&form);
        try {
            data->LoadFromFile(definition);
        } catch (const platform::Exception& error) {
            EXPECT_TRUE(error.message().contains(QStringLiteral("[%1]").arg(change.section))
                && error.message().contains(QStringLiteral("\"%1\"").arg(change.key)))
                << what << " refused without naming its section and key: " << error.message().toStdString();
            return;
        }
        ASSERT_FALSE(data->IsEmpty()) << what;
        switch (drawn) {
        case Drawn::Frame:
            drawFrame(form, *data, what);
            break;
        case Drawn::HintWindow:
            drawHints(*data, what);
            break;
        case Drawn::PopupWindow:
            drawMenu(form, *data, what);
            break;
        case Drawn::Control:
            drawControl(form, *data, frametest::kindOf(skinText, QStringLiteral("SKINCONTROLS"), change.section),
                change.section, what);
            break;
        }
    }

private:
    static void drawFrame(QWidget& form, TkvSkinData& data, const std::string& what)
    {
        auto* frame = new TkvSorvane(&form);
        frame->SetShowIcon(true);
        frame->SetSkinData(&data);
        form.show();
        for (const QSize size : kClientSizes) {
            frame->SetClientWidth(size.width());
            frame->SetClientHeight(size.height());
            if (size == kClientSizes[2])
                playObjects(*frame);
            const QImage window = form.grab().toImage();
            EXPECT_TRUE(frame->SkinInUse() && !window.isNull() && window.size() == form.size())
                << what << " not drawn at a client of " << size.width() << "x" << size.height();
        }
        // The menu items and the main menu bar's records are objects.
        drawMenu(form, data, what);
    }

    static void drawHints(const TkvSkinData& data, const std::string& what)
    {
        const QString texts[] = {QString(), QStringLiteral("Roll"), QStringLiteral("Minimize to Tray, then restore")};
        for (const QString& text : texts) {
            const HintFace hint(&data, text);
            platform::TBitmap face;
            hint.draw(face);
            EXPECT_TRUE(!face.Empty() && QSize(face.Width(), face.Height()) == hint.size())
                << what << " hint \"" << text.toStdString() << "\" not drawn";
            hint.region();
        }
    }

    static void drawMenu(QWidget& form, TkvSkinData& data, const std::string& what)
    {
        auto* frame = form.findChild<TkvSorvane*>();
        if (!frame) {
            frame = new TkvSorvane(&form);
            frame->SetSkinData(&data);
        }
        frame->TrackSystemMenu(10, 10);
        ASSERT_GT(frame->SkinMenu().Levels(), 0) << what;
        EXPECT_FALSE(frame->SkinMenu().Level(0)->grab().isNull()) << what << " menu not drawn";
        frame->SkinMenu().Hide();
        // The menu's windows go at the next turn of the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void drawControl(
        QWidget& form, TkvSkinData& data, const QString& kind, const QString& record, const std::string& what)
    {
        const auto maker = controlOfKind.find(kind);
        // Kinds no control draws are only read.
        if (maker == controlOfKind.end())
            return;
        SkinnedWidget* control = maker->second(&form);
        control->SetSkinDataName(record);
        control->SetSkinData(&data);
        fill(*control);
        form.show();
        for (const QSize size : kClientSizes) {
            control->resize(size);
            // A skin may leave a control no area at all; one with an area is drawn whole.
            const QPixmap face = control->grab();
            EXPECT_TRUE(control->size().isEmpty() ? face.isNull() : face.size() == control->size())
                << what << " not drawn at " << size.width() << "x" << size.height();
        }
    }

    QTemporaryDir m_temporary;
    QDir m_folder{m_temporary.path()};
};

void sweep(const QStringList& sections, Drawn drawn)
{
    const platform::MemIniFile skinText = skinFor(drawn);
    SweepFolder folder;
    for (const QString& section : sections) {
        const QList<KeyChange> changes = frametest::hostileChanges(skinText, section);
        ASSERT_FALSE(changes.isEmpty()) << section.toStdString();
        for (const KeyChange& change : changes)
            folder.run(skinText, change, drawn);
    }
}

} // namespace

TEST(HostileSkinNumbers, FrameGeometryAndObjects)
{
    const platform::MemIniFile skinText = writtenFeatureSkin();
    QStringList sections{QStringLiteral("FORMINFO")};
    sections += frametest::firstOfEachKind(skinText, QStringLiteral("SKINOBJECTS"));
    EXPECT_EQ(sections.size(), 9);
    sweep(sections, Drawn::Frame);
}

TEST(HostileSkinNumbers, HintWindow) { sweep({QStringLiteral("HINTWINDOW")}, Drawn::HintWindow); }

TEST(HostileSkinNumbers, PopupWindow) { sweep({QStringLiteral("POPUPWINDOW")}, Drawn::PopupWindow); }

// One test per kind of control record, so that each stays short under the
// sanitizers.
class HostileControlNumbers : public testing::TestWithParam<QString> {};

TEST(HostileSkinNumbers, OneControlRecordOfEachKind)
{
    EXPECT_EQ(frametest::firstOfEachKind(writtenFeatureSkin(), QStringLiteral("SKINCONTROLS")).size(), 28);
}

TEST_P(HostileControlNumbers, ControlDrawnOrRefused) { sweep({GetParam()}, Drawn::Control); }

INSTANTIATE_TEST_SUITE_P(Kinds, HostileControlNumbers,
    testing::ValuesIn(frametest::firstOfEachKind(writtenFeatureSkin(), QStringLiteral("SKINCONTROLS"))),
    [](const testing::TestParamInfo<QString>& info) { return info.param.toStdString(); });
