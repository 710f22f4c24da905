#include "app/window/CommandArguments.h"

#include "platform/ClassicErrors.h"
#include "protocol/FlightModes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace commands {

uint16_t scaledArgument(const QString& text, int scale)
{
    const long double value = std::trunc(platform::StrToFloat(text) * scale);
    // Truncation goes through a 64-bit integer; beyond it the classic
    // arithmetic fails with an invalid operation instead of sending garbage.
    constexpr auto limit = static_cast<long double>(std::numeric_limits<int64_t>::max());
    if (!(std::fabs(value) < limit))
        throw platform::Exception(QStringLiteral("Invalid floating point operation"));
    return static_cast<uint16_t>(static_cast<int64_t>(value));
}

uint16_t limitArgument(const QString& text, uint16_t limit, const QString& what)
{
    const int value = platform::StrToInt(text);
    if (value < 0 || value > std::numeric_limits<uint16_t>::max())
        throw platform::EConvertError(QStringLiteral("'%1' is not a valid %2: enter a whole number from 0 to %3 "
                                                 "(larger numbers up to 65535 are sent as %3)")
                                      .arg(text, what)
                                      .arg(limit));
    return static_cast<uint16_t>(std::min<int>(value, limit));
}

std::optional<uint8_t> listIndex(const QString& text, bool airframe)
{
    if (airframe) {
        for (size_t i = 0; i < protocol::kAirframeNames.size(); ++i)
            if (text == QLatin1String(protocol::kAirframeNames[i].data(), protocol::kAirframeNames[i].size()))
                return static_cast<uint8_t>(i);
        return std::nullopt;
    }
    // The receiver list offers only the first two receiver types.
    if (text == QLatin1String("PWM"))
        return 0;
    if (text == QLatin1String("SBUS"))
        return 1;
    return std::nullopt;
}

} // namespace commands
