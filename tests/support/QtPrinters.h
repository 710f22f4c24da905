#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <ostream>

// Readable failure messages for Qt strings in GoogleTest.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{';
    for (const QString& text : list) {
        PrintTo(text, out);
        *out << ", ";
    }
    *out << '}';
}

inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << '(' << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height() << ')';
}
