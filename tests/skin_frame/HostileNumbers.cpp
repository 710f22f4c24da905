#include "HostileNumbers.h"

#include <QRegularExpression>

namespace frametest {

namespace {

bool holdsNumbers(const QString& value)
{
    static const QRegularExpression numbers(QStringLiteral("^-?\\d+(,-?\\d+)*$"));
    return numbers.match(value).hasMatch();
}

QList<std::pair<QString, QString>> listing(const platform::MemIniFile& ini, const QString& section)
{
    QList<std::pair<QString, QString>> entries;
    const int count = ini.readInteger(section, QStringLiteral("count"), 0);
    for (int i = 0; i < count; ++i) {
        const QString entry = ini.readString(section, QString::number(i), QString());
        const qsizetype colon = entry.indexOf(u':');
        if (colon > 0)
            entries.append({entry.left(colon), entry.mid(colon + 1)});
    }
    return entries;
}

} // namespace

QList<KeyChange> hostileChanges(const platform::MemIniFile& ini, const QString& section)
{
    QList<KeyChange> changes;
    for (const QString& key : ini.sectionKeys(section)) {
        const QString value = ini.readString(section, key, QString());
        if (!holdsNumbers(value))
            continue;
        const QStringList fields = value.split(u',');
        for (qsizetype i = 0; i < fields.size(); ++i) {
            for (const int number : kHostileNumbers) {
                QStringList changed = fields;
                changed[i] = QString::number(number);
                changes.append({section, key, changed.join(u',')});
            }
        }
    }
    return changes;
}

QStringList firstOfEachKind(const platform::MemIniFile& ini, const QString& listingSection)
{
    QStringList kinds;
    QStringList names;
    for (const auto& [name, kind] : listing(ini, listingSection)) {
        if (!kinds.contains(kind)) {
            kinds.append(kind);
            names.append(name);
        }
    }
    return names;
}

QString kindOf(const platform::MemIniFile& ini, const QString& listingSection, const QString& name)
{
    for (const auto& [entryName, kind] : listing(ini, listingSection)) {
        if (entryName == name)
            return kind;
    }
    return {};
}

} // namespace frametest
