// The caption's and the menu items' text in every style a skin's
// "fontstyle" names, underline and strike-out included.

#include "FrameTestSupport.h"

#include "skin/data/SkinFont.h"
#include "skin/frame/TkvSkinMenu.h"
#include "skin/frame/TkvSkinPopupWindow.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <functional>

using namespace skin;
using namespace frametest;

namespace {

template<typename Record>
Record& objectRecord(TkvSkinData& skin, const QString& name)
{
    const int index = skin.GetIndex(name);
    EXPECT_GE(index, 0) << name.toStdString();
    auto* record = dynamic_cast<Record*>(skin.SkinObjects[size_t(index)].get());
    EXPECT_NE(record, nullptr) << name.toStdString();
    return *record;
}

TFontStyles styles(std::initializer_list<TFontStyle> list)
{
    TFontStyles result;
    for (const TFontStyle style : list)
        result |= style;
    return result;
}

// The caption object's part of the frame with its record in style.
QImage captionIn(TFontStyles style)
{
    SkinnedWindow w;
    objectRecord<TkvDataSkinCaption>(*w.skin(), QStringLiteral("caption")).fontstyle = style;
    w.frame()->ChangeSkinData();
    const TRect r = w.object(QStringLiteral("caption"))->ObjectRect;
    return w.frame()->renderFrame().copy(r.left, r.top, r.width(), r.height());
}

// The first level of the system menu with the item record in style.
QImage systemMenuIn(TFontStyles style)
{
    SkinnedWindow w;
    objectRecord<TkvDataSkinMenuItem>(*w.skin(), QStringLiteral("menuitem")).fontstyle = style;
    w.frame()->TrackSystemMenu(10, 10);
    EXPECT_GT(w.frame()->SkinMenu().Levels(), 0);
    const QImage menu = w.frame()->SkinMenu().Level(0)->grab().toImage();
    w.frame()->SkinMenu().Hide();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return menu;
}

// Each style draws its own picture of the same text.
void expectEachStyleDrawn(const std::function<QImage(TFontStyles)>& draw, const QString& name)
{
    const QImage plain = draw({});
    const QImage underlined = draw(styles({TFontStyle::fsUnderline}));
    const QImage struckOut = draw(styles({TFontStyle::fsStrikeOut}));
    const QImage both = draw(styles({TFontStyle::fsBold, TFontStyle::fsUnderline, TFontStyle::fsStrikeOut}));
    savePicture(underlined, name + QStringLiteral("-underline"));
    savePicture(struckOut, name + QStringLiteral("-strikeout"));
    ASSERT_FALSE(plain.isNull());
    EXPECT_NE(underlined, plain);
    EXPECT_NE(struckOut, plain);
    EXPECT_NE(struckOut, underlined);
    EXPECT_NE(both, draw(styles({TFontStyle::fsBold})));
}

} // namespace

TEST(RecordFont, EveryStyleOfTheRecordAndAHeightHeldToTheLimit)
{
    SkinFontFields fields;
    fields.fontname = QStringLiteral("Arial Narrow");
    fields.fontheight = -2147483647 - 1;
    fields.fontstyle = styles({TFontStyle::fsItalic, TFontStyle::fsUnderline, TFontStyle::fsStrikeOut});
    fields.fontcolor = 0x123456;
    const platform::TFont font = recordFont(fields);
    EXPECT_EQ(font.Name, QStringLiteral("Arial Narrow"));
    EXPECT_EQ(font.Height, -kMaxFontHeight);
    EXPECT_EQ(font.Style, platform::FontStyle::Italic | platform::FontStyle::Underline | platform::FontStyle::StrikeOut);
    EXPECT_EQ(font.Color, 0x123456);
    fields.fontheight = 2147483647;
    EXPECT_EQ(recordFont(fields).Height, kMaxFontHeight);
    fields.fontheight = 14;
    EXPECT_EQ(recordFont(fields).Height, 14);
}

TEST(FrameFonts, CaptionKeepsUnderlineAndStrikeOut) { expectEachStyleDrawn(captionIn, QStringLiteral("caption")); }

TEST(FrameFonts, MenuItemsKeepUnderlineAndStrikeOut) { expectEachStyleDrawn(systemMenuIn, QStringLiteral("menu")); }
