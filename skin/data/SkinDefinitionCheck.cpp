#include "skin/data/SkinDefinitionCheck.h"

#include "platform/IniFile.h"
#include "skin/data/SkinKinds.h"
#include "skin/data/TkvSkinData.h"

#include <QSet>

namespace skin {

namespace {

QSet<QString> lowerCase(const QStringList& names)
{
    QSet<QString> set;
    for (const QString& name : names)
        set.insert(name.toLower());
    return set;
}

// A listing holds its count and one "name:kind" entry per number below it.
// Entries of unknown kinds are named; their sections are then not reported
// again as unused.
void checkListing(const platform::MemIniFile& definition, const QString& section, bool objects, QStringList& lines,
    QSet<QString>& explained)
{
    const int count = definition.readInteger(section, QStringLiteral("count"), 0);
    for (const QString& key : definition.sectionKeys(section)) {
        bool numbered = false;
        const int i = key.toInt(&numbered);
        if (key.compare(QStringLiteral("count"), Qt::CaseInsensitive) == 0)
            continue;
        if (!numbered || i < 0 || i >= count) {
            lines << QStringLiteral("[%1] %2: not an entry below the count of %3").arg(section, key).arg(count);
            continue;
        }
        QString name;
        QString kind;
        TkvSkinData::GetObjectTypeName(definition.readString(section, key, QString()), name, kind);
        const bool known = objects ? createSkinObject(kind, name) != nullptr : createSkinControl(kind, name) != nullptr;
        if (known)
            continue;
        lines << QStringLiteral("[%1] %2=%3:%4: no %5 of the kind \"%4\"; it is left out")
                     .arg(section, key, name, kind, objects ? QStringLiteral("object") : QStringLiteral("control"));
        explained.insert(name.toLower());
    }
}

} // namespace

QStringList notUnderstood(const platform::MemIniFile& definition, TkvSkinData& data)
{
    platform::MemIniFile understood;
    data.SaveToCustomIniFile(understood);
    const QString objects = QStringLiteral("SKINOBJECTS");
    const QString controls = QStringLiteral("SKINCONTROLS");

    QStringList lines;
    QSet<QString> explained;
    checkListing(definition, objects, true, lines, explained);
    checkListing(definition, controls, false, lines, explained);
    const QSet<QString> sections = lowerCase(understood.sectionNames());
    for (const QString& section : definition.sectionNames()) {
        const QString lower = section.toLower();
        if (lower == objects.toLower() || lower == controls.toLower() || explained.contains(lower))
            continue;
        if (!sections.contains(lower)) {
            lines << QStringLiteral("[%1]: no record or listing of this name").arg(section);
            continue;
        }
        const QSet<QString> keys = lowerCase(understood.sectionKeys(section));
        for (const QString& key : definition.sectionKeys(section)) {
            if (!keys.contains(key.toLower()))
                lines << QStringLiteral("[%1] %2: no such key in this section").arg(section, key);
        }
    }
    return lines;
}

} // namespace skin
