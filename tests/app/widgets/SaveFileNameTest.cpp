#include "app/widgets/SaveFileName.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(SaveFileName, TheTypesExtensionIsAddedUnlessTheNameEndsInIt)
{
    const struct {
        const char* typed;
        const char* extension;
        const char* saved;
    } names[] = {
        {"/data/flight", "fcrec", "/data/flight.fcrec"},
        {"/data/flight.fcrec", "fcrec", "/data/flight.fcrec"},
        {"/data/FLIGHT.FCREC", "fcrec", "/data/FLIGHT.FCREC"},
        {"/data/Plots.Png", "png", "/data/Plots.Png"},
        {"/data/notes.txt", "csv", "/data/notes.txt.csv"},
        {"/data/plots.png", "csv", "/data/plots.png.csv"},
        {"/data/run-1.5m", "fcrec", "/data/run-1.5m.fcrec"},
        {"/data/v1.2/flight", "fcrec", "/data/v1.2/flight.fcrec"},
        {"/data/flight.", "fcrec", "/data/flight.fcrec"},
        {"/data/flightfcrec", "fcrec", "/data/flightfcrec.fcrec"},
    };
    for (const auto& name : names)
        EXPECT_EQ(withExtension(name.typed, name.extension), name.saved) << name.typed;
}

TEST(SaveFileName, TheSuggestedNameCarriesTheMinute)
{
    EXPECT_EQ(datedFileName("flight", QDateTime(QDate(2026, 12, 11), QTime(15, 30, 59)), "fcrec"),
        "flight-2026-12-11-1530.fcrec");
    EXPECT_EQ(datedFileName("plots", QDateTime(QDate(2027, 1, 2), QTime(9, 5)), "csv"), "plots-2027-01-02-0905.csv");
}
