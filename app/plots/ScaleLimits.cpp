#include "app/plots/ScaleLimits.h"

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

namespace {

// The number a field holds (as the fields show them: a point before the
// decimals), or what is wrong with it.
std::optional<QString> readLimit(const QString& text, const QString& which, double& value)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return QStringLiteral("Type a %1").arg(which);
    bool ok = false;
    value = typed.toDouble(&ok);
    if (!ok || std::isnan(value))
        return QStringLiteral("'%1' is not a number").arg(typed);
    return std::nullopt;
}

} // namespace

TypedLimits readTypedLimits(const QString& minimum, const QString& maximum)
{
    TypedLimits limits;
    if (const auto problem = readLimit(minimum, QStringLiteral("minimum"), limits.minimum))
        limits.problem = *problem;
    else if (const auto problem = readLimit(maximum, QStringLiteral("maximum"), limits.maximum))
        limits.problem = *problem;
    else
        limits.problem = refusedLimits(limits.minimum, limits.maximum).value_or(QString());
    return limits;
}
