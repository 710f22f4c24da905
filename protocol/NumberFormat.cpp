#include "protocol/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace protocol {
namespace {

// Decimal digits of |value| with the position of the decimal point:
// value = 0.d1 d2 ... dn × 10^pointPosition. Kept in a fixed buffer: the
// decoder formats up to three numbers per frame, a thousand frames a second.
struct DecimalDigits {
    std::array<char, 24> digits{};
    int count = 0;
    int pointPosition = 0;
    bool negative = false;

    void setZero()
    {
        digits[0] = '0';
        count = 1;
        pointPosition = 1;
    }
    bool isZero() const
    {
        for (int i = 0; i < count; ++i)
            if (digits[static_cast<size_t>(i)] != '0')
                return false;
        return true;
    }
    char at(int index) const { return index >= 0 && index < count ? digits[static_cast<size_t>(index)] : '0'; }
};

// Powers of ten up to 10^27 are exact in the 64-bit mantissa of the 80-bit
// format; beyond that powl is close enough for numbers we never show.
long double powerOfTen(int exponent)
{
    static const auto table = [] {
        std::array<long double, 28> powers{};
        powers[0] = 1;
        for (size_t i = 1; i < powers.size(); ++i)
            powers[i] = powers[i - 1] * 10;
        return powers;
    }();
    if (exponent >= 0 && exponent < static_cast<int>(table.size()))
        return table[static_cast<size_t>(exponent)];
    return std::pow(10.0L, static_cast<long double>(exponent));
}

// The first `significantDigits` (at most 18) digits of |value|: the value is
// scaled by a power of ten into an integer of that many digits and rounded
// to nearest on the 80-bit value, so the digits do not depend on the
// platform's printf.
DecimalDigits toDecimal(long double value, int significantDigits)
{
    DecimalDigits result;
    result.negative = std::signbit(value);
    const long double magnitude = std::fabs(value);
    if (magnitude == 0 || !std::isfinite(magnitude)) {
        result.setZero();
        return result;
    }
    const auto low = static_cast<uint64_t>(powerOfTen(significantDigits - 1));
    const auto high = static_cast<uint64_t>(powerOfTen(significantDigits));
    int exponent = static_cast<int>(std::floor(std::log10(static_cast<double>(magnitude))));
    uint64_t mantissa = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int shift = significantDigits - 1 - exponent;
        const long double scaled = shift >= 0 ? magnitude * powerOfTen(shift) : magnitude / powerOfTen(-shift);
        mantissa = static_cast<uint64_t>(std::rint(scaled));
        if (mantissa >= high)
            ++exponent;
        else if (mantissa < low)
            --exponent;
        else
            break;
    }
    const auto [end, error] = std::to_chars(result.digits.data(), result.digits.data() + result.digits.size(), mantissa);
    result.count = error == std::errc() ? static_cast<int>(end - result.digits.data()) : 0;
    result.pointPosition = exponent + 1;
    if (result.count == 0)
        result.setZero();
    return result;
}

// Rounds half away from zero so that `keep` digits remain; may add a digit
// in front ("999" → "1000") and then moves the point.
void roundDigits(DecimalDigits& number, int keep)
{
    if (keep >= number.count)
        return;
    if (keep < 0) {
        number.setZero();
        return;
    }
    const bool up = number.digits[static_cast<size_t>(keep)] >= '5';
    number.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && number.digits[static_cast<size_t>(i)] == '9')
            number.digits[static_cast<size_t>(i--)] = '0';
        if (i >= 0) {
            ++number.digits[static_cast<size_t>(i)];
        } else {
            std::copy_backward(number.digits.begin(), number.digits.begin() + number.count,
                number.digits.begin() + number.count + 1);
            number.digits[0] = '1';
            ++number.count;
            ++number.pointPosition;
        }
    }
    if (number.count == 0 || number.isZero())
        number.setZero();
}

} // namespace

std::string formatFixed(long double value, int decimals, char separator)
{
    // Eighteen significant digits of the 80-bit value first, then the
    // pattern's rounding on those digits, so a value whose binary expansion
    // runs on in nines past the eighteenth digit rounds as its digits read.
    DecimalDigits number = toDecimal(value, 18);
    roundDigits(number, number.pointPosition + decimals);

    std::string text;
    if (number.negative && !number.isZero())
        text += '-';
    bool leading = true;
    for (int i = 0; i < number.pointPosition; ++i) {
        const char digit = number.at(i);
        if (leading && digit == '0')
            continue;
        leading = false;
        text += digit;
    }
    if (leading)
        text += '0';
    if (decimals > 0) {
        text += separator;
        for (int i = 0; i < decimals; ++i)
            text += number.at(number.pointPosition + i);
    }
    return text;
}

std::string formatGeneral(long double value, char separator)
{
    DecimalDigits number = toDecimal(value, 15);
    while (number.count > 1 && number.digits[static_cast<size_t>(number.count - 1)] == '0')
        --number.count;
    if (number.isZero())
        return "0";

    std::string text = number.negative ? "-" : "";
    const std::string_view digits(number.digits.data(), static_cast<size_t>(number.count));
    if (number.pointPosition > 15 || number.pointPosition < -3) {
        text += digits[0];
        if (digits.size() > 1) {
            text += separator;
            text += digits.substr(1);
        }
        text += 'E';
        text += std::to_string(number.pointPosition - 1);
        return text;
    }
    if (number.pointPosition <= 0) {
        text += '0';
        text += separator;
        text.append(static_cast<size_t>(-number.pointPosition), '0');
        text += digits;
        return text;
    }
    for (int i = 0; i < number.pointPosition; ++i)
        text += number.at(i);
    if (number.count > number.pointPosition) {
        text += separator;
        text += digits.substr(static_cast<size_t>(number.pointPosition));
    }
    return text;
}

std::optional<long double> parseNumber(std::string_view text, char separator)
{
    std::string ascii;
    size_t i = 0;
    const auto isDigit = [&](size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            ascii += '-';
        ++i;
    }
    int digits = 0;
    while (isDigit(i)) {
        ascii += text[i++];
        ++digits;
    }
    if (i < text.size() && text[i] == separator) {
        ascii += '.';
        ++i;
        while (isDigit(i)) {
            ascii += text[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ascii += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ascii += text[i++];
        if (!isDigit(i))
            return std::nullopt;
        while (isDigit(i))
            ascii += text[i++];
    }
    if (i != text.size())
        return std::nullopt;
    long double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

} // namespace protocol
