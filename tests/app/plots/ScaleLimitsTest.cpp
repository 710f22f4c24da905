#include "app/plots/ScaleLimits.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct Typed {
    const char* minimum;
    const char* maximum;
    // Empty: taken as the scale.
    const char* problem;
};

void PrintTo(const Typed& typed, std::ostream* out) { *out << '"' << typed.minimum << "\", \"" << typed.maximum << '"'; }

class TypedLimitsRead : public ::testing::TestWithParam<Typed> {};

} // namespace

// What the fields say for each kind of pair: the first thing wrong, the
// minimum before the maximum.
INSTANTIATE_TEST_SUITE_P(ScaleLimits, TypedLimitsRead, ::testing::Values(
    Typed{"-5", "5", ""},
    Typed{" 0.5 ", "1e3", ""},
    Typed{"-1000000", "1000000", ""},
    Typed{"1", "1.00001", ""},
    Typed{"abc", "5", "'abc' is not a number"},
    Typed{"0", "5x", "'5x' is not a number"},
    Typed{"1,5", "2", "'1,5' is not a number"},
    Typed{"nan", "1", "'nan' is not a number"},
    Typed{"", "5", "Type a minimum"},
    Typed{"0", "  ", "Type a maximum"},
    Typed{"abc", "", "'abc' is not a number"},
    Typed{"5", "1", "Minimum must be below maximum"},
    Typed{"2", "2", "Minimum must be below maximum"},
    Typed{"1e17", "100000000000000016", "Limits must lie within ±1000000"},
    Typed{"-inf", "inf", "Limits must lie within ±1000000"},
    Typed{"-1.7976931348623157e308", "1.7976931348623157e308", "Limits must lie within ±1000000"},
    Typed{"1", "1.000000000000001", "Limits must be at least 0.00001 apart"}));

TEST_P(TypedLimitsRead, SaysWhyAPairIsRefused)
{
    const Typed& typed = GetParam();
    const TypedLimits read = readTypedLimits(QString::fromUtf8(typed.minimum), QString::fromUtf8(typed.maximum));
    EXPECT_EQ(read.problem, QString::fromUtf8(typed.problem));
    if (read.problem.isEmpty()) {
        EXPECT_EQ(read.minimum, QString::fromUtf8(typed.minimum).trimmed().toDouble());
        EXPECT_EQ(read.maximum, QString::fromUtf8(typed.maximum).trimmed().toDouble());
    }
}
