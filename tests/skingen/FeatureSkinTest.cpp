// The feature skin: committed as drawn, read whole by the engine, one of
// every frame feature in it, and its new places clear of each other.

#include "SkinPalette.h"
#include "SkinWriter.h"
#include "SkinPaths.h"
#include "SkntoolRun.h"

#include "platform/ByteStream.h"
#include "platform/IniFile.h"
#include "skin/data/SkinControlRecords.h"
#include "skin/data/SkinDefinitionCheck.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/TkvSkinData.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace skingen;
using namespace skin;
using skingentest::skntool;
using skingentest::ToolRun;
using skingentest::kFeatureSkin;
using skingentest::kGraphiteSkin;

namespace {

class FeatureSkin : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_data.LoadFromFile(kFeatureSkin + "/skin.ini");
        ASSERT_FALSE(m_data.IsEmpty());
    }

    template<typename Record>
    const Record* object(const QString& name) const
    {
        const int index = m_data.GetIndex(name);
        return index < 0 ? nullptr : dynamic_cast<const Record*>(m_data.SkinObjects[size_t(index)].get());
    }

    QImage picture(qint32 index) const
    {
        const platform::BmpImage* bitmap = m_data.activeBitmap(index);
        return bitmap ? bitmap->toQImage().convertToFormat(QImage::Format_RGB32) : QImage();
    }

    TkvSkinData m_data;
};

bool intersects(const TRect& a, const TRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

QImage part(const QImage& image, const TRect& r) { return image.copy(r.left, r.top, r.width(), r.height()); }

} // namespace

TEST(FeatureSkinFiles, AreWhatTheGeneratorDrawsAndKeepGraphitesUnchangedPictures)
{
    QTemporaryDir dir;
    writeSkinFolder(graphitePalette(), dir.path(), SkinKind::Features);
    const QStringList files = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, QDir(kFeatureSkin).entryList(QDir::Files, QDir::Name));
    for (const QString& file : files)
        EXPECT_EQ(platform::readWholeFile(dir.filePath(file)), platform::readWholeFile(kFeatureSkin + "/" + file))
            << file.toStdString() << " differs: run scripts/skins";
    // What the features leave alone is Graphite's, byte for byte.
    for (const char* file : {"mask.bmp", "menu.bmp", "splitter.bmp", "controls.bmp"})
        EXPECT_EQ(platform::readWholeFile(kFeatureSkin + "/" + file), platform::readWholeFile(kGraphiteSkin + "/" + file))
            << file;
    for (const char* file : {"frame.bmp", "popup.bmp", "hint.bmp"})
        EXPECT_NE(platform::readWholeFile(kFeatureSkin + "/" + file), platform::readWholeFile(kGraphiteSkin + "/" + file))
            << file << " carries the features";
}

TEST_F(FeatureSkin, HoldsNothingTheEngineDoesNotRead)
{
    EXPECT_EQ(notUnderstood(platform::IniFile(kFeatureSkin + "/skin.ini"), m_data), QStringList());
    const ToolRun info = skntool({"info", kFeatureSkin + "/skin.ini"});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    for (const char* line : {"objects: 15", "controls: 59", "active pictures: 8", "rollupbutton (animate)",
             "busyindicator (animate)", "helpbutton (button)", "linklamp (userobject)", "7 hintmask.bmp 73x103, 1 bit",
             "not understood: 0"})
        EXPECT_TRUE(info.out.contains(line)) << line << "\n" << info.out.toStdString();
}

TEST_F(FeatureSkin, HoldsOneOfEveryFrameFeature)
{
    // The roll-up button is an animated button in the button row, and no
    // plain roll-up button is left to compete for the row's place.
    const auto* rollUp = object<TkvDataSkinAnimate>("rollupbutton");
    ASSERT_NE(rollUp, nullptr);
    EXPECT_TRUE(rollUp->buttonstyle && rollUp->skinrectinapicture && !rollUp->cycle);
    EXPECT_EQ(rollUp->command, TkvStdCommand::cmRollUp);
    EXPECT_GE(rollUp->countframes, 4);
    EXPECT_LE(rollUp->countframes, 6);
    EXPECT_EQ(rollUp->timerinterval, 50);
    for (const auto& record : m_data.SkinObjects) {
        if (const auto* button = dynamic_cast<const TkvDataSkinStdButton*>(record.get())) {
            EXPECT_NE(button->command, TkvStdCommand::cmRollUp) << button->IDName.toStdString();
        }
    }
    const auto* busy = object<TkvDataSkinAnimate>("busyindicator");
    ASSERT_NE(busy, nullptr);
    EXPECT_TRUE(busy->cycle && !busy->buttonstyle);
    EXPECT_GE(busy->countframes, 6);
    EXPECT_LE(busy->countframes, 8);
    // Frames lie side by side: the strip is exactly countframes wide.
    for (const TkvDataSkinAnimate* a : {rollUp, busy}) {
        EXPECT_EQ(a->activeskinrect.width(), a->countframes * a->skinrect.width()) << a->IDName.toStdString();
        EXPECT_EQ(a->activeskinrect.height(), a->skinrect.height()) << a->IDName.toStdString();
    }

    const auto* caption = object<TkvDataSkinCaption>("caption");
    ASSERT_NE(caption, nullptr);
    EXPECT_FALSE(platform::isNullRect(caption->framerect));
    EXPECT_EQ(caption->activeframerect.width(), caption->framerect.width());
    EXPECT_GT(caption->frameleftoffset, 0);
    EXPECT_GT(caption->framerightoffset, 0);
    // The text sits between the plate's fixed ends.
    EXPECT_GE(caption->frametextrect.left, caption->frameleftoffset);
    EXPECT_LE(caption->frametextrect.right, caption->framerect.width() - caption->framerightoffset);

    const auto* help = object<TkvDataSkinButton>("helpbutton");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(dynamic_cast<const TkvDataSkinStdButton*>(help), nullptr) << "a plain button";
    EXPECT_NE(object<TkvDataUserObject>("linklamp"), nullptr);
    for (const char* name : {"closebutton", "minimizebutton", "maximizebutton"}) {
        const auto* b = object<TkvDataSkinStdButton>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_FALSE(platform::isNullRect(b->inactiveskinrect)) << name;
        EXPECT_FALSE(platform::isNullRect(b->disableskinrsect)) << name;
    }
    const auto* maximize = object<TkvDataSkinStdButton>("maximizebutton");
    for (const TRect& r : {maximize->restorerect, maximize->restoreactiverect, maximize->restoredownrect,
             maximize->restoreinactiverect})
        EXPECT_FALSE(platform::isNullRect(r));
    // A user object's record keeps only its place; every other object
    // says what it does.
    for (const auto& record : m_data.SkinObjects) {
        if (!dynamic_cast<const TkvDataUserObject*>(record.get())) {
            EXPECT_FALSE(record->hint.isEmpty()) << record->IDName.toStdString();
        }
    }
    EXPECT_TRUE(object<TkvDataSkinMenuItem>("menuitem")->morphing);

    const int buttonEdit = m_data.GetControlIndex("buttonedit");
    ASSERT_GE(buttonEdit, 0);
    const auto* edit = dynamic_cast<const TkvDataSkinEditControl*>(m_data.SkinControls[size_t(buttonEdit)].get());
    ASSERT_NE(edit, nullptr);
    for (const TRect& r : {edit->buttonrect, edit->activebuttonrect, edit->downbuttonrect, edit->unenabledbuttonrect})
        EXPECT_FALSE(platform::isNullRect(r));
    EXPECT_GE(m_data.GetControlIndex("combobox"), 0);
    EXPECT_GE(m_data.GetControlIndex("listbox"), 0);
}

TEST_F(FeatureSkin, HintAndPopupWindowsAreCutByMasksOfTheirSize)
{
    const struct {
        const char* name;
        qint32 window;
        qint32 mask;
        int cut; // pixels cut from each corner's edge rows
    } windows[] = {{"hint", m_data.HintWindowRecord.windowpictureindex, m_data.HintWindowRecord.maskpictureindex, 3},
        {"popup", m_data.PopupWindowRecord.windowpictureindex, m_data.PopupWindowRecord.maskpictureindex, 2}};
    for (const auto& w : windows) {
        SCOPED_TRACE(w.name);
        const QImage window = picture(w.window);
        const QImage mask = picture(w.mask);
        ASSERT_FALSE(window.isNull());
        ASSERT_FALSE(mask.isNull());
        EXPECT_EQ(mask.size(), window.size());
        const int right = mask.width() - 1;
        const int bottom = mask.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
            const int dx = corner.x() == 0 ? 1 : -1;
            const int dy = corner.y() == 0 ? 1 : -1;
            // Out: the corner and the cut along both edges; in: the next
            // pixel along each edge and the pixel diagonally inside.
            for (int i = 0; i < w.cut; ++i) {
                EXPECT_EQ(mask.pixel(corner.x() + i * dx, corner.y()) & 0xffffff, 0xffffffu);
                EXPECT_EQ(mask.pixel(corner.x(), corner.y() + i * dy) & 0xffffff, 0xffffffu);
            }
            EXPECT_EQ(mask.pixel(corner.x() + w.cut * dx, corner.y()) & 0xffffff, 0u);
            EXPECT_EQ(mask.pixel(corner.x(), corner.y() + w.cut * dy) & 0xffffff, 0u);
            EXPECT_EQ(mask.pixel(corner.x() + dx, corner.y() + dy) & 0xffffff, 0u);
        }
        EXPECT_EQ(mask.pixel(mask.width() / 2, mask.height() / 2) & 0xffffff, 0u);
    }
}

TEST_F(FeatureSkin, NewPlacesStayInTheFixedPartsAndClearOfEachOther)
{
    const QImage main = m_data.PictureBitmap.toQImage().convertToFormat(QImage::Format_RGB32);
    const auto* help = object<TkvDataSkinButton>("helpbutton");
    const auto* lamp = object<TkvDataUserObject>("linklamp");
    const auto* caption = object<TkvDataSkinCaption>("caption");
    const auto* sysMenu = object<TkvDataSkinStdButton>("sysmenubutton");
    ASSERT_TRUE(help && lamp && caption && sysMenu);
    // Both lie in the top band's fixed left part, so the frame keeps them
    // where the picture has them at any width.
    for (const TRect& r : {help->skinrect, lamp->skinrect}) {
        EXPECT_LE(r.right, m_data.lefttoppoint.x);
        EXPECT_LE(r.bottom, m_data.clientrect.top);
        EXPECT_FALSE(intersects(r, sysMenu->skinrect));
        EXPECT_FALSE(intersects(r, caption->skinrect));
    }
    EXPECT_FALSE(intersects(help->skinrect, lamp->skinrect));
    // The top band's repeated middle stays one column repeated: nothing of
    // the new art reaches into it.
    for (int y = 0; y < m_data.clientrect.top; ++y)
        for (int x = m_data.lefttoppoint.x; x < m_data.righttoppoint.x; ++x)
            ASSERT_EQ(main.pixel(x, y), main.pixel(m_data.lefttoppoint.x, y)) << x << "," << y;
    // The plain button's face at rest is part of the frame picture and
    // differs from the title bar it sits on.
    EXPECT_NE(part(main, help->skinrect), part(main, {60, help->skinrect.top, 74, help->skinrect.bottom}));
}

TEST_F(FeatureSkin, AnimationFramesAndTheTextFrameSitSeamlesslyOnTheTitleBar)
{
    const QImage main = m_data.PictureBitmap.toQImage().convertToFormat(QImage::Format_RGB32);
    const auto* rollUp = object<TkvDataSkinAnimate>("rollupbutton");
    const auto* busy = object<TkvDataSkinAnimate>("busyindicator");
    const auto* caption = object<TkvDataSkinCaption>("caption");
    ASSERT_TRUE(rollUp && busy && caption);
    const QImage features = picture(rollUp->activepictureindex);
    for (const TkvDataSkinAnimate* a : {rollUp, busy}) {
        SCOPED_TRACE(a->IDName.toStdString());
        const int w = a->skinrect.width();
        QList<QImage> frames;
        for (int n = 0; n < a->countframes; ++n)
            frames << part(features, platform::Bounds(a->activeskinrect.left + n * w, a->activeskinrect.top, w, a->skinrect.height()));
        EXPECT_EQ(frames.first(), part(features, a->skinrect)) << "the first frame is the face at rest";
        for (int n = 1; n < frames.size(); ++n)
            EXPECT_NE(frames[n], frames[n - 1]) << "frame " << n + 1 << " moves on";
        // At rest the button row's top-left pixel is the title bar's at the
        // row's height.
        EXPECT_EQ(frames.first().pixel(0, 0), main.pixel(m_data.lefttoppoint.x, m_data.buttonsrect.top));
    }
    // The plate's middle is repeated to fit the text: one column repeated.
    for (const TRect& plate : {caption->framerect, caption->activeframerect}) {
        for (int y = plate.top; y < plate.bottom; ++y)
            for (int x = plate.left + caption->frameleftoffset; x < plate.right - caption->framerightoffset; ++x)
                ASSERT_EQ(features.pixel(x, y), features.pixel(plate.left + caption->frameleftoffset, y)) << x << "," << y;
    }
    EXPECT_NE(part(features, caption->framerect), part(features, caption->activeframerect));
}
