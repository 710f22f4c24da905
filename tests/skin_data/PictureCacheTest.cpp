#include "tests/skin_data/TestSkin.h"

#include "skin/data/SkinMessages.h"
#include "skin/data/TkvSkinData.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace skin;

namespace {

struct PictureCache : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        definition = skintest::writeFolderSkin(QDir(dir.path()));
        data.LoadFromFile(definition);
        ASSERT_FALSE(data.IsEmpty());
    }
    QTemporaryDir dir;
    QString definition;
    TkvSkinData data;
};

// Reads a decoded picture while "before change" is being handled.
class ReadingWindow : public QWidget {
public:
    explicit ReadingWindow(TkvSkinData* data) : m_data(data) {}
    QRgb seen = 0;
    int messages = 0;

protected:
    bool event(QEvent* event) override
    {
        if (isSkinDataMessage(event)
            && static_cast<TkvSkinMessageEvent*>(event)->message() == SKINMSG_BEFORECHANGE) {
            ++messages;
            if (const platform::TBitmap* picture = m_data->decodedActivePicture(2))
                seen = picture->ScanLine(3)[5];
            return true;
        }
        return QWidget::event(event);
    }

private:
    TkvSkinData* m_data;
};

} // namespace

TEST_F(PictureCache, EachPictureIsDecodedOnceAndMatchesItsBytes)
{
    const platform::TBitmap* first = data.decodedActivePicture(2);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(data.decodedActivePicture(2), first);
    EXPECT_EQ(first->image(), data.ActiveBitmaps[2].toQImage());
    EXPECT_EQ(first->Width(), 48);
    ASSERT_NE(data.decodedPicture(), nullptr);
    EXPECT_EQ(data.decodedPicture()->image(), data.PictureBitmap.toQImage());
    EXPECT_EQ(data.decodedMask()->image(), data.MaskBitmap.toQImage());
    EXPECT_EQ(data.decodedInactivePicture(), nullptr);
    EXPECT_EQ(data.decodedActivePicture(3), nullptr);
    EXPECT_EQ(data.decodedActivePicture(-1), nullptr);
}

TEST_F(PictureCache, PicturesAreDroppedWithTheSkinAndFollowItsLists)
{
    ASSERT_NE(data.decodedActivePicture(1), nullptr);
    const QImage second = data.ActiveBitmaps[2].toQImage();
    data.DeleteBitMap(0);
    ASSERT_NE(data.decodedActivePicture(1), nullptr);
    EXPECT_EQ(data.decodedActivePicture(1)->image(), second) << "indexes moved with the list";

    data.ClearSkin();
    EXPECT_EQ(data.decodedActivePicture(0), nullptr);
    EXPECT_EQ(data.decodedPicture(), nullptr);
}

TEST_F(PictureCache, StillReadableWhileBeforeChangeIsHandled)
{
    const QRgb expected = data.decodedActivePicture(2)->ScanLine(3)[5];
    ReadingWindow window(&data);
    data.LoadFromFile(definition);
    EXPECT_GE(window.messages, 1);
    EXPECT_EQ(window.seen, expected);
    ASSERT_NE(data.decodedActivePicture(2), nullptr);
    EXPECT_EQ(data.decodedActivePicture(2)->ScanLine(3)[5], expected);
}
