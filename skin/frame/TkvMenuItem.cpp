#include "skin/frame/TkvMenuItem.h"

namespace skin {

TkvMenuItem::TkvMenuItem(QString name, QString caption, std::function<void()> onClick)
    : Name(std::move(name))
    , Caption(std::move(caption))
    , OnClick(std::move(onClick))
{
}

TkvMenuItem* TkvMenuItem::Add(std::unique_ptr<TkvMenuItem> item)
{
    item->m_parent = this;
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

TkvMenuItem* TkvMenuItem::Add(QString name, QString caption, std::function<void()> onClick)
{
    return Add(std::make_unique<TkvMenuItem>(std::move(name), std::move(caption), std::move(onClick)));
}

TkvMenuItem* TkvMenuItem::AddSeparator() { return Add(QString(), QStringLiteral("-")); }

void TkvMenuItem::Insert(int index, std::unique_ptr<TkvMenuItem> item)
{
    item->m_parent = this;
    m_items.insert(m_items.begin() + std::clamp(index, 0, Count()), std::move(item));
}

void TkvMenuItem::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_items.erase(m_items.begin() + index);
}

TkvMenuItem* TkvMenuItem::Find(const QString& name) const
{
    for (const auto& item : m_items) {
        if (item->Name == name)
            return item.get();
    }
    return nullptr;
}

void TkvMenuItem::Click() const
{
    // The handler may rebuild the menu this item belongs to.
    if (const std::function<void()> handler = OnClick)
        handler();
}

QChar TkvMenuItem::Accelerator() const
{
    int at = -1;
    const QString text = stripAccelerator(Caption, &at);
    return at >= 0 ? text.at(at).toLower() : QChar();
}

QString stripAccelerator(const QString& caption, int* acceleratorAt)
{
    QString text;
    int at = -1;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size()) {
            ++i;
            if (caption.at(i) != u'&' && at < 0)
                at = int(text.size());
        }
        text += caption.at(i);
    }
    if (acceleratorAt)
        *acceleratorAt = at;
    return text;
}

} // namespace skin
