#include "app/ScaleLimits.h"

#include <cmath>

std::optional<QString> refusedLimits(double minimum, double maximum)
{
    if (std::isnan(minimum) || std::isnan(maximum))
        return QStringLiteral("Limits must be numbers");
    if (!(std::abs(minimum) <= kLargestLimit && std::abs(maximum) <= kLargestLimit))
        return QStringLiteral("Limits must lie within ±%1").arg(kLargestLimit, 0, 'f', 0);
    if (minimum >= maximum)
        return QStringLiteral("Minimum must be below maximum");
    if (maximum - minimum < kSmallestSpan)
        return QStringLiteral("Limits must be at least %1 apart").arg(kSmallestSpan, 0, 'f', 5);
    return std::nullopt;
}
