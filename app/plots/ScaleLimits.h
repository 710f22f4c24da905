#pragma once

#include <QString>

#include <optional>

// The limits a graph's fixed scale may have. The value labels' strip holds
// seven characters and the labels carry at most six decimals, so limits
// beyond a million, or closer than the grid's finest step, would give
// labels that cannot be read, and steps that doubles cannot add.
inline constexpr double kLargestLimit = 1e6;
inline constexpr double kSmallestSpan = 1e-5;

// Why the pair cannot be a fixed scale, in the words shown beside the
// limit fields; nothing when it can.
std::optional<QString> refusedLimits(double minimum, double maximum);

// The pair typed into a graph's limit fields, or why it is refused, in the
// same words.
struct TypedLimits {
    double minimum = 0;
    double maximum = 0;
    // Empty when the pair can be the scale.
    QString problem;
};
TypedLimits readTypedLimits(const QString& minimum, const QString& maximum);
