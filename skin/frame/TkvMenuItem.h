#pragma once

#include <QString>

#include <algorithm>

#include <functional>
#include <memory>
#include <vector>

namespace skin {

// One entry of a menu tree: a command, a separator (caption "-") or a
// submenu (an item with children). The root item of a menu only holds the
// children.
class TkvMenuItem {
public:
    TkvMenuItem() = default;
    TkvMenuItem(QString name, QString caption, std::function<void()> onClick = {});
    TkvMenuItem(const TkvMenuItem&) = delete;
    TkvMenuItem& operator=(const TkvMenuItem&) = delete;

    int Count() const { return int(m_items.size()); }
    TkvMenuItem* Items(int index) const { return m_items[size_t(index)].get(); }
    TkvMenuItem* Parent() const { return m_parent; }
    // Appends item and returns it.
    TkvMenuItem* Add(std::unique_ptr<TkvMenuItem> item);
    TkvMenuItem* Add(QString name, QString caption, std::function<void()> onClick = {});
    TkvMenuItem* AddSeparator();
    void Insert(int index, std::unique_ptr<TkvMenuItem> item);
    void Delete(int index);
    void Clear() { m_items.clear(); }
    // The first child named name, or nullptr.
    TkvMenuItem* Find(const QString& name) const;

    bool IsLine() const { return Caption == QStringLiteral("-"); }
    // Runs the item's command.
    void Click() const;
    // The character after the first single "&" of the caption, lower case;
    // a null character when there is none.
    QChar Accelerator() const;

    QString Name;
    QString Caption;
    QString ShortCut;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    bool RadioItem = false;
    std::function<void()> OnClick;

private:
    TkvMenuItem* m_parent = nullptr;
    std::vector<std::unique_ptr<TkvMenuItem>> m_items;
};

// The caption without its "&" marks ("&&" stays one "&"), and the position
// of the accelerator character in it (-1 when none).
QString stripAccelerator(const QString& caption, int* acceleratorAt = nullptr);

} // namespace skin
