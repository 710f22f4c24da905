#include "app/widgets/SaveFileName.h"

QString datedFileName(const QString& stem, const QDateTime& when, const QString& extension)
{
    return stem + QLatin1Char('-') + when.toString(QStringLiteral("yyyy-MM-dd-HHmm")) + QLatin1Char('.') + extension;
}

QString withExtension(const QString& typed, const QString& extension)
{
    const QString suffix = QLatin1Char('.') + extension;
    if (typed.endsWith(suffix, Qt::CaseInsensitive))
        return typed;
    // "flight." is a name without an extension, not one with an empty one.
    return (typed.endsWith(QLatin1Char('.')) ? typed.chopped(1) : typed) + suffix;
}
