#pragma once

#include <QObject>
#include <QStringList>

namespace skin {

// User-interface strings of the skinned frame, menus, edits and dialogs as
// "NAME=text" lines.
class TkvResourceStrData : public QObject {
    Q_OBJECT

public:
    explicit TkvResourceStrData(QObject* owner = nullptr);

    const QStringList& ResStrings() const { return m_resStrings; }
    // Replaces the lines with a copy of strings.
    void SetResStrs(const QStringList& strings) { m_resStrings = strings; }
    int CharSet() const { return m_charSet; }
    void SetCharSet(int charSet) { m_charSet = charSet; }

    // Text after the first "=" of the first line whose name matches
    // without regard to case; empty when there is none.
    QString GetResStr(const QString& name) const;

    // The 115 default lines.
    static QStringList defaultResStrings();

private:
    void Init() { m_resStrings = defaultResStrings(); }

    QStringList m_resStrings;
    int m_charSet = 1;
};

} // namespace skin
