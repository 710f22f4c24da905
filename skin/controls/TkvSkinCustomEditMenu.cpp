// The edit's context menu, built fresh for each request.

#include "skin/controls/TkvSkinCustomEdit.h"

#include "skin/frame/TkvSkinPopupMenu.h"
#include "skin/frame/TkvSorvane.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPointer>

namespace skin {

namespace {

QString caption(const TkvSorvane* frame, const char* key, const char* builtin)
{
    const TkvSkinData* data = frame ? frame->SkinData() : nullptr;
    if (data && data->ResourceStrData()) {
        const QString text = data->ResourceStrData()->GetResStr(QString::fromLatin1(key));
        if (!text.isEmpty())
            return text;
    }
    return QString::fromLatin1(builtin);
}

} // namespace

void TkvSkinCustomEdit::showContextMenu(const QContextMenuEvent& event)
{
    const TkvSorvane* frame = GetSorvaneComponent(window());
    if (m_contextMenu)
        m_contextMenu->deleteLater();
    // Freed once the request is handled; an item's command may run later.
    auto* menu = new TkvSkinPopupMenu(this);
    menu->SetForm(window());
    // The chosen command runs after the menu has closed; the line edit may
    // be gone by then.
    const QPointer<QLineEdit> edit = lineEdit();
    const bool selection = edit->hasSelectedText();
    const bool writable = !edit->isReadOnly();
    const bool wholeSelected = !edit->text().isEmpty() && edit->selectedText() == edit->text();
    const QClipboard* clipboard = QApplication::clipboard();
    const bool clipboardText = clipboard && !clipboard->text().isEmpty();
    TkvMenuItem& items = menu->Items();
    const auto add = [&](const char* name, const char* key, const char* builtin, bool enabled, auto action) {
        TkvMenuItem* item = items.Add(QString::fromLatin1(name), caption(frame, key, builtin), [edit, action] {
            if (edit)
                action(edit.data());
        });
        item->Enabled = enabled;
    };
    add("EditUndo", "EDIT_UNDO", "Undo", edit->isUndoAvailable() && writable, [](QLineEdit* e) { e->undo(); });
    items.AddSeparator();
    add("EditCut", "EDIT_CUT", "Cut", selection && writable, [](QLineEdit* e) { e->cut(); });
    add("EditCopy", "EDIT_COPY", "Copy", selection, [](QLineEdit* e) { e->copy(); });
    add("EditPaste", "EDIT_PASTE", "Paste", clipboardText && writable, [](QLineEdit* e) { e->paste(); });
    add("EditDelete", "EDIT_DELETE", "Delete", selection && writable, [](QLineEdit* e) { e->del(); });
    items.AddSeparator();
    add("EditSelectAll", "EDIT_SELECTALL", "Select All", !wholeSelected, [](QLineEdit* e) { e->selectAll(); });
    const QPoint at = event.reason() == QContextMenuEvent::Keyboard ? mapToGlobal(rect().center())
                                                                      : event.globalPos();
    menu->Popup2(this, at.x(), at.y());
    m_contextMenu = menu;
}

} // namespace skin
