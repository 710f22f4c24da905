#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace protocol {

// Number texts of the window's fields, with a caller-given decimal separator
// (the window passes the system's).
//
// formatFixed: the "0.00" / "0.0" patterns: rounded half away from zero to
// `decimals` places, at least one integer digit, no "-" on a zero result.
std::string formatFixed(long double value, int decimals, char separator);

// formatGeneral: shortest general form with up to 15 significant digits,
// no trailing zeros ("12.3", "11", "-12", "0.001"); exponent form ("1E-5",
// "1E20") only outside the range that fixed notation covers.
std::string formatGeneral(long double value, char separator);

// Reads back a text written by the two functions above (or typed by a
// user): optional sign, digits, separator, digits, optional exponent.
std::optional<long double> parseNumber(std::string_view text, char separator);

} // namespace protocol
