// The plots window's CSV against the console monitor's, over a recording
// replayed by fcsim: the same rows, value for value, and times that differ
// only by when the replay began.

#include "SimulatorProcess.h"

#include "app/plots/PlotsWindow.h"
#include "app/window/MainWindow.h"
#include "serial/PortNames.h"
#include "tests/support/TestOutput.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(PlotsOnSimulator, CsvOfTheVisibleSpanEqualsTheMonitorsOverTheSameReplay)
{
    const QString file = testsupport::testOutputDir() + "/plots-replay.fcrec";
    int exitCode = -1;
    runProgram("fcsim", {"--record", file, "--duration", "4", "--seed", "3"}, {}, &exitCode);
    ASSERT_EQ(exitCode, 0);
    const QStringList expected =
        QString::fromUtf8(runProgram("fcmon", {"--input", file, "--csv"}, {}, &exitCode)).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(exitCode, 0);
    ASSERT_GT(expected.size(), 4000);

    SimulatorProcess simulator({"--replay", file});
    ASSERT_TRUE(simulator.started());
    MainWindowOptions options;
    const QString device = simulator.device();
    options.link.ports = [device] { return QList<serial::PortEntry>{serial::portEntryForDevice(device)}; };
    MainWindow form(std::move(options));
    form.refreshClicked();
    form.connectClicked();
    ASSERT_TRUE(form.connected());
    ASSERT_TRUE(waitFor([&] { return form.history().size() >= size_t(expected.size() - 1); }, 15000))
        << form.history().size() << " of " << expected.size() - 1 << " frames";

    PlotsWindow* plots = form.showPlots();
    plots->setSpan(0);
    plots->setPaused(true);
    const QStringList rows = QString::fromStdString(plots->csvOfVisibleSpan()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), expected.size());
    EXPECT_EQ(rows.first(), expected.first()) << "the same columns";
    std::vector<double> offsets;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].section(',', 1), expected[i].section(',', 1)) << "row " << i;
        offsets.push_back(rows[i].section(',', 0, 0).toDouble() - expected[i].section(',', 0, 0).toDouble());
    }
    // Arrival times against recorded ones: a constant, give or take the
    // serial ticks.
    const auto [least, most] = std::minmax_element(offsets.begin(), offsets.end());
    EXPECT_LT(*most - *least, 0.2);
}
