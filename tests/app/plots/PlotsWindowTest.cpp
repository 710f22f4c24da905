#include "WindowFixture.h"

#include "app/plots/PlotsWindow.h"
#include "app/plots/ScaleLimits.h"
#include "app/plots/TraceThinning.h"
#include "protocol/TelemetryFrame.h"
#include "tests/support/TestOutput.h"
#include "skin/controls/TkvSkinStdLabel.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSorvane.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

namespace {

using protocol::FrameType;
using protocol::TelemetryField;

// The window with a clock the test moves.
class Plots : public WindowFixture {
protected:
    Plots()
    {
        MainWindowOptions options;
        options.link.driver = std::make_unique<serial::MemorySerialDriver>(device);
        options.link.ports = [] { return QList<serial::PortEntry>{serial::portEntryForDevice("/dev/ttyUSB0")}; };
        options.link.clock = [this] { return nowMs; };
        options.settings = &settings;
        form = std::make_unique<MainWindow>(std::move(options));
        connect();
    }

    // A tenth of a second of attitude frames with this roll, at the clock.
    void tick(double roll)
    {
        nowMs += 100;
        const auto frame = protocol::makeFrame(FrameType::Attitude, uint16_t((roll + 180) * 100), 18000, 18000);
        receive({frame.begin(), frame.end()});
    }

    QTemporaryDir dir;
    QSettings settings{dir.filePath("fctool.ini"), QSettings::IniFormat};
    int64_t nowMs = 50'000;
};

} // namespace

TEST_F(Plots, PauseStopsThePictureWhileTheHistoryGoesOn)
{
    PlotsWindow* plots = form->showPlots();
    ASSERT_NE(plots, nullptr);
    for (int i = 0; i < 20; ++i)
        tick(i);
    plots->setPaused(true);
    const auto frozen = plots->visibleSpan();
    const size_t before = form->history().size();
    for (int i = 0; i < 20; ++i)
        tick(-i);
    EXPECT_EQ(form->history().size(), before + 20) << "recording goes on";
    EXPECT_EQ(plots->visibleSpan(), frozen) << "the picture stands";

    // The cursor reads the value at its time.
    const auto last = sampleAt(form->history(), TelemetryField::Roll, frozen.second - 1);
    ASSERT_TRUE(last);
    EXPECT_DOUBLE_EQ(last->value, 19) << "the newest frame is in the picture";

    plots->setPaused(false);
    const int64_t now = form->history().lastTimeUs();
    EXPECT_GT(plots->visibleSpan().second, now) << "live again, at the clock";
    const auto [from, to] = plots->visibleSpan();
    EXPECT_NEAR(double(to - from), double(PlotsWindow::kSpansUs[size_t(plots->span())]), 0.01 * double(to - from));
}

TEST_F(Plots, AReconnectLeavesAGapAndTheTimeAxisGoesOn)
{
    for (int i = 0; i < 5; ++i)
        tick(10);
    click(form->button("connectButton"));
    nowMs += 3000;
    click(form->button("connectButton"));
    ASSERT_TRUE(form->connected());
    for (int i = 0; i < 5; ++i)
        tick(-10);
    const FrameHistory& history = form->history();
    ASSERT_EQ(history.size(), 10u);
    EXPECT_TRUE(history.breakBetween(history.at(4).timeUs, history.at(5).timeUs));
    EXPECT_EQ(history.at(5).timeUs - history.at(4).timeUs, 3'100'000) << "the axis counts the time unplugged";
    const auto trace = thinTrace(history, TelemetryField::Roll, history.at(0).timeUs, history.at(9).timeUs + 1, 40);
    size_t breaks = 0;
    for (const TraceColumn& column : trace)
        breaks += column.breakBefore ? 1 : 0;
    EXPECT_EQ(breaks, 1u);
}

TEST_F(Plots, CsvOfTheVisibleSpanHasTheMonitorsColumnsAndCarriesEarlierValues)
{
    PlotsWindow* plots = form->showPlots();
    plots->setSpan(0);
    // Limits once, long before the span; then attitude.
    const auto limits = protocol::makeFrame(FrameType::Limits, 500, 120, 0);
    receive({limits.begin(), limits.end()});
    nowMs += 20'000;
    for (int i = 0; i < 3; ++i)
        tick(i);
    plots->setPaused(true);
    const QStringList rows = QString::fromStdString(plots->csvOfVisibleSpan()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 4) << rows.join('\n').toStdString();
    EXPECT_TRUE(rows[0].startsWith("Time,Roll,Pitch,Yaw,GyroX"));
    EXPECT_TRUE(rows[0].endsWith("Range Limit,Heigh Limit"));
    EXPECT_TRUE(rows[3].startsWith("20.300000,2.00,0.00,0.00,")) << rows[3].toStdString();
    EXPECT_TRUE(rows[1].endsWith(",500,120")) << "values from before the span carry on";
}

TEST_F(Plots, TheWindowRemembersItsValuesSpanAndScale)
{
    PlotsWindow* plots = form->showPlots();
    EXPECT_TRUE(plots->isWindow());
    EXPECT_EQ(plots->findChild<skin::TkvSorvane*>()->SkinData(), form->skinData()) << "it wears the skin";
    plots->setTraces(1, {TelemetryField::Mx, TelemetryField::My});
    plots->setScale(2, GraphView::Scale::Fixed, -5, 5);
    plots->setSpan(3);
    EXPECT_TRUE(testsupport::timerActive(plots, "plotsFrame"));
    EXPECT_EQ(testsupport::timerInterval(plots, "plotsFrame"), 50) << "twenty pictures a second";
    plots->close();
    EXPECT_FALSE(testsupport::timerActive(plots, "plotsFrame")) << "closed, it draws nothing";
    EXPECT_EQ(form->history().capacity(), FrameHistory::kFiveMinutes) << "closing loses nothing";

    auto again = std::make_unique<PlotsWindow>(form->skinData(), form->history(), [] { return int64_t(0); },
        &settings);
    EXPECT_EQ(again->span(), 3);
    ASSERT_EQ(again->graph(1)->traces().size(), 2u);
    EXPECT_EQ(again->graph(1)->traces()[1].field, TelemetryField::My);
    EXPECT_EQ(again->graph(2)->scale(), GraphView::Scale::Fixed);
    EXPECT_EQ(again->graph(2)->valueRange(), std::make_pair(-5.0, 5.0));
    EXPECT_EQ(again->graph(0)->traces().size(), 3u) << "untouched graphs keep theirs";
}

TEST_F(Plots, TheGraphsTakeTheirColoursFromTheSkinAndFollowAChange)
{
    // Our skin with text fields that wear the button's grey face and red
    // text.
    const QString folder = dir.filePath("greyfields");
    QDir().mkpath(folder);
    const QString assets = QStringLiteral(FCT_ASSETS_DIR) + "/skin";
    for (const QString& name : QDir(assets).entryList(QDir::Files))
        QFile::copy(assets + "/" + name, folder + "/" + name);
    QFile ini(folder + "/skin.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    QString text = QString::fromLatin1(ini.readAll()).replace("\r\n", "\n");
    ini.close();
    const QString editRecord = "[edit]\npictureindex=4\nmaskpictureindex=-1\nskinrect=70,40,127,61";
    ASSERT_TRUE(text.contains(editRecord));
    text.replace(editRecord, "[edit]\npictureindex=4\nmaskpictureindex=-1\nskinrect=70,0,127,21");
    text.replace(QRegularExpression("(\\[edit\\][^\\[]*?\n)fontcolor=0\n"), "\\1fontcolor=255\n");
    QFile::remove(folder + "/skin.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(text.toLatin1());
    ini.close();

    PlotsWindow* plots = form->showPlots();
    // A pixel of the legend row right of the legend: the graph's face.
    const auto face = [&] {
        GraphView* graph = plots->graph(0);
        return graph->grab().toImage().pixelColor(graph->width() - 10, 3);
    };
    EXPECT_EQ(face(), QColor(Qt::white)) << "the built-in skin's fields are white";
    ASSERT_TRUE(form->chooseSkin(folder + "/skin.ini"));
    const PlotColours grey = plotColours(form->skinData());
    EXPECT_NE(grey.background, QColor(Qt::white));
    EXPECT_EQ(grey.text, QColor(Qt::red));
    EXPECT_EQ(face(), grey.background) << "the graphs follow the skin";
}

TEST_F(Plots, TheGraphMenuChoosesValuesByFrameTypeUpToEight)
{
    PlotsWindow* plots = form->showPlots();
    auto menu = plots->graphMenu(0);
    ASSERT_EQ(menu->Count(), 12 + 3) << "twelve frame types, a line, two scales";
    skin::TkvMenuItem* attitude = menu->Items(0);
    EXPECT_EQ(attitude->Caption, "Attitude");
    ASSERT_EQ(attitude->Count(), 3);
    EXPECT_TRUE(attitude->Items(1)->Checked) << "Pitch is shown";
    EXPECT_TRUE(menu->Find("AutoScale")->Checked);
    EXPECT_EQ(menu->Items(7)->Caption, "Position");
    menu->Items(7)->Find("Lat.")->Click();
    ASSERT_EQ(plots->graph(0)->traces().size(), 4u);
    EXPECT_EQ(plots->graph(0)->traces()[3].field, TelemetryField::Lat);

    // Eight at most: the others cannot be chosen, the shown ones can go.
    plots->setTraces(0, {TelemetryField::Roll, TelemetryField::Pitch, TelemetryField::Yaw, TelemetryField::GyroX,
        TelemetryField::GyroY, TelemetryField::GyroZ, TelemetryField::Ax, TelemetryField::Ay, TelemetryField::Az});
    EXPECT_EQ(plots->graph(0)->traces().size(), PlotsWindow::kMaxTraces);
    menu = plots->graphMenu(0);
    EXPECT_FALSE(menu->Items(7)->Find("Lat.")->Enabled);
    EXPECT_TRUE(menu->Items(0)->Find("Roll")->Enabled);
    menu->Items(0)->Find("Roll")->Click();
    EXPECT_EQ(plots->graph(0)->traces().size(), 7u);
    menu->Find("FixedScale")->Click();
    EXPECT_EQ(plots->graph(0)->scale(), GraphView::Scale::Fixed);
}

// A place the user left the window in wins while it is on a screen; one
// off every screen (a screen since unplugged) gives way to a place beside
// the main window that leaves its instruments in view.
TEST_F(Plots, ThePlaceTheUserChoseWinsWhileItIsOnAScreen)
{
    const QRect room = form->screen()->availableGeometry();
    const QRect chosen(room.left() + 10, room.top() + 20, 500, 400);
    settings.setValue("plots/place", chosen);
    PlotsWindow* plots = form->showPlots();
    EXPECT_TRUE(plots->hasRememberedPlace());
    EXPECT_EQ(plots->frameGeometry(), chosen);
    plots->move(chosen.topLeft() + QPoint(30, 40));
    plots->close();
    EXPECT_EQ(settings.value("plots/place").toRect(), chosen.translated(30, 40)) << "remembered where it was left";
}

TEST_F(Plots, APlaceOffEveryScreenGivesWayToOneBesideTheMainWindow)
{
    const QRect room = form->screen()->availableGeometry();
    settings.setValue("plots/place", QRect(room.right() + 400, room.top(), 500, 400));
    PlotsWindow* plots = form->showPlots();
    EXPECT_FALSE(plots->hasRememberedPlace());
    EXPECT_TRUE(room.intersects(plots->frameGeometry()));
    for (const QWidget* instrument : form->instruments()) {
        const QRect onScreen(instrument->mapToGlobal(QPoint(0, 0)), instrument->size());
        EXPECT_FALSE(plots->frameGeometry().intersects(onScreen)) << "an instrument is covered";
    }
}

namespace {

// The graph's typed limits, as the window shows them.
struct LimitFields {
    skin::TkvSkinEdit* minimum;
    skin::TkvSkinEdit* maximum;
    skin::TkvSkinStdLabel* problem;
};

LimitFields limitFields(PlotsWindow& plots, int graph)
{
    const QString name = QStringLiteral("graph%1").arg(graph + 1);
    return {plots.findChild<skin::TkvSkinEdit*>(name + "Minimum"), plots.findChild<skin::TkvSkinEdit*>(name + "Maximum"),
        plots.findChild<skin::TkvSkinStdLabel*>(name + "LimitsProblem")};
}

} // namespace

// Limits no grid can step through or no label can show are refused with
// the reason beside the fields; the graph keeps its scale and is drawn.
TEST_F(Plots, TypedLimitsTheGraphCannotDrawAreRefusedWithTheReason)
{
    PlotsWindow* plots = form->showPlots();
    plots->setScale(0, GraphView::Scale::Fixed, -5, 5);
    const LimitFields fields = limitFields(*plots, 0);
    ASSERT_TRUE(fields.minimum && fields.maximum && fields.problem);
    EXPECT_FALSE(fields.problem->isVisible());
    const struct {
        const char* minimum;
        const char* maximum;
        const char* problem;
    } refused[] = {
        {"1e17", "100000000000000016", "Limits must lie within ±1000000"},
        {"-1.7976931348623157e308", "1.7976931348623157e308", "Limits must lie within ±1000000"},
        {"-inf", "inf", "Limits must lie within ±1000000"},
        {"nan", "1", "'nan' is not a number"},
        {"abc", "1", "'abc' is not a number"},
        {"", "1", "Type a minimum"},
        {"3", "1", "Minimum must be below maximum"},
        {"2", "2", "Minimum must be below maximum"},
        {"1", "1.000000000000001", "Limits must be at least 0.00001 apart"},
    };
    for (const auto& pair : refused) {
        SCOPED_TRACE(::testing::Message() << pair.minimum << " to " << pair.maximum);
        fields.minimum->SetText(pair.minimum);
        // The scale of the pair before, half typed or not.
        const auto before = plots->graph(0)->valueRange();
        fields.maximum->SetText(pair.maximum);
        EXPECT_TRUE(fields.problem->isVisible());
        EXPECT_EQ(fields.problem->Caption(), pair.problem);
        EXPECT_EQ(plots->graph(0)->valueRange(), before);
        EXPECT_FALSE(plots->graph(0)->grab().isNull());
    }
    plots->grab().save(testsupport::testOutputDir() + "/plots-limits-refused.png");
    fields.minimum->SetText("-100");
    fields.maximum->SetText("100");
    EXPECT_FALSE(fields.problem->isVisible()) << "a pair it can draw clears the reason";
    EXPECT_EQ(plots->graph(0)->valueRange(), std::make_pair(-100.0, 100.0));
    EXPECT_LT(fields.problem->geometry().right(), fields.minimum->geometry().left()) << "beside the fields";
}

// A remembered scale is held to the same rule.
TEST_F(Plots, ARememberedScaleTheGraphCannotDrawIsNotTaken)
{
    settings.setValue("plots/graph1/scale", "fixed");
    settings.setValue("plots/graph1/minimum", 1e17);
    settings.setValue("plots/graph1/maximum", 1e17 + 16);
    PlotsWindow* plots = form->showPlots();
    EXPECT_EQ(plots->graph(0)->scale(), GraphView::Scale::Fixed);
    const auto [low, high] = plots->graph(0)->valueRange();
    EXPECT_LT(high - low, 1e6);
    EXPECT_FALSE(refusedLimits(low, high).has_value());
    EXPECT_FALSE(plots->graph(0)->grab().isNull());
}

// The fields say what they hold, in the window's own labels, and only
// while the scale is fixed.
TEST_F(Plots, TheLimitFieldsAreLabelled)
{
    PlotsWindow* plots = form->showPlots();
    auto* minimumLabel = plots->findChild<skin::TkvSkinStdLabel*>("graph2MinimumLabel");
    auto* maximumLabel = plots->findChild<skin::TkvSkinStdLabel*>("graph2MaximumLabel");
    ASSERT_TRUE(minimumLabel && maximumLabel);
    EXPECT_EQ(minimumLabel->Caption(), "Minimum");
    EXPECT_EQ(maximumLabel->Caption(), "Maximum");
    EXPECT_FALSE(minimumLabel->isVisible()) << "auto scale: no fields";
    plots->setScale(1, GraphView::Scale::Fixed, -5, 5);
    const LimitFields fields = limitFields(*plots, 1);
    ASSERT_TRUE(minimumLabel->isVisible() && maximumLabel->isVisible());
    // Left to right: reason, Minimum, its field, Maximum, its field.
    EXPECT_LT(minimumLabel->geometry().right(), fields.minimum->x());
    EXPECT_LT(fields.minimum->geometry().right(), maximumLabel->x());
    EXPECT_LT(maximumLabel->geometry().right(), fields.maximum->x());
    EXPECT_EQ(fields.maximum->geometry().right(), plots->graph(1)->geometry().right()) << "at the legend row's end";
    EXPECT_EQ(fields.maximum->y(), plots->graph(1)->y());
    fields.maximum->SetText("abc");
    EXPECT_EQ(fields.problem->Caption(), "'abc' is not a number");
    EXPECT_LT(fields.problem->geometry().right(), minimumLabel->x());
    plots->grab().save(testsupport::testOutputDir() + "/plots-limits-labelled.png");
    plots->setScale(1, GraphView::Scale::Auto);
    EXPECT_FALSE(maximumLabel->isVisible());
    EXPECT_FALSE(fields.problem->isVisible());
}
