// skntool preview on the feature skin: the window with what it opened, as
// one picture, and the usage of the command.

#include "SkinPaths.h"
#include "SkntoolRun.h"

#include "tests/support/TestOutput.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

using skingentest::skntool;
using skingentest::ToolRun;
using skingentest::kFeatureSkin;

namespace {

// The preview's picture with what --open names opened; empty on failure.
QImage previewPicture(const QString& open)
{
    const QDir dir(testsupport::testOutputDir());
    dir.mkpath("skntool/features");
    const QString file = dir.filePath("skntool/features/preview-" + (open.isEmpty() ? "window" : open) + ".png");
    QStringList args{"preview", kFeatureSkin, "--screenshot", file, "--after", "400"};
    if (!open.isEmpty())
        args << "--open" << open;
    const ToolRun run = skntool(args);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QImage(file);
}

TEST(FeaturePreview, PictureHoldsTheWindowAndWhatItOpened)
{
    const QImage window = previewPicture(QString());
    // The client of 440 x 250 in the skin's frame.
    EXPECT_EQ(window.size(), QSize(450, 279));
    EXPECT_EQ(qAlpha(window.pixel(225, 140)), 255);

    const QImage list = previewPicture("list");
    EXPECT_EQ(list.width(), window.width());
    ASSERT_GT(list.height(), window.height() + 40) << "the list drops below the window";
    EXPECT_GT(qAlpha(list.pixel(300, list.height() - 10)), 0) << "the list is in the picture";

    const QImage hint = previewPicture("hint");
    EXPECT_GT(hint.width(), window.width()) << "the close button's hint stands out on the right";

    const QImage menu = previewPicture("menu");
    ASSERT_EQ(menu.size(), window.size()) << "the system menu opens inside the window";
    EXPECT_NE(menu.copy(20, 24, 120, 100), window.copy(20, 24, 120, 100));
}

TEST(FeaturePreview, UsageAndMissingSkins)
{
    EXPECT_EQ(skntool({"preview"}).exitCode, 2);
    const ToolRun open = skntool({"preview", kFeatureSkin, "--open", "everything"});
    EXPECT_EQ(open.exitCode, 2);
    EXPECT_TRUE(open.err.contains("menu, list or hint")) << open.err.toStdString();
    EXPECT_EQ(skntool({"preview", kFeatureSkin, "--after", "5"}).exitCode, 2);
    const ToolRun missing = skntool({"preview", "/nonexistent/skin.skn", "--screenshot", "/tmp/never.png"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("/nonexistent/skin.skn")) << missing.err.toStdString();
}

} // namespace
