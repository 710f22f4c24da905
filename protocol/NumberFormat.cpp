#include "protocol/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace protocol {
namespace {

// Decimal digits of |value| with the position of the decimal point:
// value = 0.d1 d2 ... dn × 10^pointPosition.
struct DecimalDigits {
    std::string digits;
    int pointPosition = 0;
    bool negative = false;
};

DecimalDigits toDecimal(long double value, int significantDigits)
{
    DecimalDigits result;
    result.negative = std::signbit(value);
    if (value == 0) {
        result.digits = "0";
        result.pointPosition = 1;
        return result;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", significantDigits - 1, std::fabs(value));
    // buffer: d.ddddde±XX
    std::string_view text(buffer);
    const auto e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.')
            result.digits += c;
    result.pointPosition = std::atoi(buffer + e + 1) + 1;
    return result;
}

// Rounds half away from zero so that `keep` digits remain; may add a digit
// in front ("999" → "1000") and then moves the point.
void roundDigits(DecimalDigits& number, int keep)
{
    if (keep >= static_cast<int>(number.digits.size()))
        return;
    if (keep < 0) {
        number.digits = "0";
        number.pointPosition = 1;
        return;
    }
    const bool up = number.digits[keep] >= '5';
    number.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && number.digits[i] == '9')
            number.digits[i--] = '0';
        if (i >= 0) {
            ++number.digits[i];
        } else {
            number.digits.insert(number.digits.begin(), '1');
            ++number.pointPosition;
        }
    }
    if (number.digits.empty() || number.digits.find_first_not_of('0') == std::string::npos) {
        number.digits = "0";
        number.pointPosition = 1;
    }
}

bool isZero(const DecimalDigits& number) { return number.digits.find_first_not_of('0') == std::string::npos; }

} // namespace

std::string formatFixed(long double value, int decimals, char separator)
{
    // Eighteen significant digits first, as the classic formatter works on
    // the 80-bit value's decimal expansion, then the pattern's rounding.
    DecimalDigits number = toDecimal(value, 18);
    roundDigits(number, number.pointPosition + decimals);

    std::string integerPart;
    std::string fraction;
    const int size = static_cast<int>(number.digits.size());
    for (int i = 0; i < number.pointPosition; ++i)
        integerPart += i < size ? number.digits[i] : '0';
    for (int i = 0; i < decimals; ++i) {
        const int index = number.pointPosition + i;
        fraction += index >= 0 && index < size ? number.digits[index] : '0';
    }
    const auto firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);

    std::string text;
    if (number.negative && !isZero(number))
        text += '-';
    text += integerPart;
    if (decimals > 0) {
        text += separator;
        text += fraction;
    }
    return text;
}

std::string formatGeneral(long double value, char separator)
{
    DecimalDigits number = toDecimal(value, 15);
    while (number.digits.size() > 1 && number.digits.back() == '0')
        number.digits.pop_back();
    if (isZero(number))
        return "0";

    std::string text = number.negative ? "-" : "";
    const int size = static_cast<int>(number.digits.size());
    if (number.pointPosition > 15 || number.pointPosition < -3) {
        text += number.digits[0];
        if (size > 1) {
            text += separator;
            text += number.digits.substr(1);
        }
        text += 'E';
        text += std::to_string(number.pointPosition - 1);
        return text;
    }
    if (number.pointPosition <= 0) {
        text += '0';
        text += separator;
        text.append(static_cast<size_t>(-number.pointPosition), '0');
        text += number.digits;
        return text;
    }
    for (int i = 0; i < number.pointPosition; ++i)
        text += i < size ? number.digits[i] : '0';
    if (size > number.pointPosition) {
        text += separator;
        text += number.digits.substr(static_cast<size_t>(number.pointPosition));
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
