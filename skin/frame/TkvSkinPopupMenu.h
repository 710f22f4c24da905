#pragma once

#include "skin/data/SkinTypes.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvMenuItem.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace skin {

class TkvSkinData;
class TkvSorvane;

// A menu component that shows itself through the skinned menus of the
// frame of its window.
class TkvSkinPopupMenu : public QObject {
    Q_OBJECT

public:
    explicit TkvSkinPopupMenu(QObject* owner = nullptr);

    TkvMenuItem& Items() { return m_items; }
    TkvSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TkvSkinData* value) { m_skinData = value; }
    // The window whose frame shows the menu; else the owner's window.
    QWidget* Form() const { return m_form; }
    void SetForm(QWidget* value) { m_form = value; }

    // Screen coordinates. Nothing is shown without a frame to show it.
    void Popup(int X, int Y);
    void Popup2(QObject* control, int X, int Y);
    void PopupFromRect(const TRect& R, bool popupUp);
    void PopupFromRect2(QObject* control, const TRect& R, bool popupUp);

    std::function<void(QObject* Sender)> OnPopup;

private:
    TkvSorvane* sorvane() const;
    void show(QObject* control, const TRect& R, bool popupUp, bool needSkin);

    TkvMenuItem m_items;
    QPointer<TkvSkinData> m_skinData;
    QPointer<QWidget> m_form;
};

} // namespace skin
