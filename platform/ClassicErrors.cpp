#include "platform/ClassicErrors.h"

#include <QLocale>

#include <charconv>
#include <climits>
#include <string>

namespace platform {

Exception::Exception(const QString& message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

namespace {

[[noreturn]] void invalidInteger(const QString& text)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

[[noreturn]] void invalidFloat(const QString& text)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

} // namespace

char DecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}

int StrToInt(const QString& text)
{
    // Leading blanks, a sign, then decimal digits or "$"/"0x" hexadecimal;
    // nothing may follow.
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        invalidInteger(text);
    long long value = 0;
    for (; i < text.size(); ++i) {
        const int digit = QChar(text[i]).isDigit() && text[i].unicode() < 128 ? text[i].unicode() - u'0'
            : base == 16 && text[i].toLower() >= u'a' && text[i].toLower() <= u'f' ? text[i].toLower().unicode() - u'a' + 10
                                                                                    : -1;
        if (digit < 0)
            invalidInteger(text);
        value = value * base + digit;
        if (value > static_cast<long long>(INT_MAX) + 1)
            invalidInteger(text);
    }
    if (negative)
        value = -value;
    if (base == 16 && value > INT_MAX && value <= UINT_MAX)
        return static_cast<int>(static_cast<unsigned>(value));
    if (value > INT_MAX || value < INT_MIN)
        invalidInteger(text);
    return static_cast<int>(value);
}

long double StrToFloat(const QString& text)
{
    const QChar separator = QLatin1Char(DecimalSeparator());
    const QString trimmed = text.trimmed();
    // Accept: sign, digits, separator, digits, exponent; at least one digit.
    std::string ascii;
    qsizetype i = 0;
    const auto at = [&](qsizetype k) { return k < trimmed.size() ? trimmed[k] : QChar(); };
    if (at(i) == u'+' || at(i) == u'-')
        ascii += static_cast<char>(trimmed[i++].unicode());
    int digits = 0;
    while (at(i).isDigit() && at(i).unicode() < 128) {
        ascii += static_cast<char>(trimmed[i++].unicode());
        ++digits;
    }
    if (at(i) == separator) {
        ascii += '.';
        ++i;
        while (at(i).isDigit() && at(i).unicode() < 128) {
            ascii += static_cast<char>(trimmed[i++].unicode());
            ++digits;
        }
    }
    if (digits == 0)
        invalidFloat(text);
    if (at(i) == u'e' || at(i) == u'E') {
        ascii += 'e';
        ++i;
        if (at(i) == u'+' || at(i) == u'-')
            ascii += static_cast<char>(trimmed[i++].unicode());
        int exponentDigits = 0;
        while (at(i).isDigit() && at(i).unicode() < 128) {
            ascii += static_cast<char>(trimmed[i++].unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            invalidFloat(text);
    }
    if (i != trimmed.size())
        invalidFloat(text);
    // from_chars ignores the C locale, which QCoreApplication sets from the
    // environment.
    if (ascii.front() == '+')
        ascii.erase(0, 1);
    long double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        invalidFloat(text);
    return value;
}

} // namespace platform
