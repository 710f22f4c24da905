#include "skin/controls/TkvSkinCustomComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

// The edit style: the inner edit over the item area, its keys, and the
// lookup and completion of what is typed.
namespace skin {

void TkvSkinCustomComboBox::SetStyle(TkvSkinCustomComboBoxStyle value)
{
    if (m_style == value)
        return;
    m_style = value;
    if (IsPopupVisible())
        CloseUp(false);
    if (value == TkvSkinCustomComboBoxStyle::kvcbEditStyle)
        ShowEditor();
    else
        HideEditor();
    update();
}

void TkvSkinCustomComboBox::ShowEditor()
{
    if (m_edit)
        return;
    m_edit = new TkvSkinCustomEdit(this);
    m_edit->setObjectName(QStringLiteral("comboEdit"));
    m_edit->SetFrameless(true);
    // As high as its font's text, whatever the skin's edit record says.
    m_edit->SetUseSkinFont(false);
    m_edit->SetHideSelection(m_hideSelection);
    m_edit->SetText(m_text);
    applyEditorFont();
    // The edit makes its text field on first use; the combo types into it
    // from the start.
    m_edit->lineEdit();
    m_edit->WindowProcHook = [this](QEvent* event) { return EditWindowProcHook(event); };
    m_edit->OnChange = [this](QObject*) { editTextChanged(); };
    // The edit is where the keyboard goes: Tab reaches it instead of the
    // combo, and focusing the combo focuses it.
    setFocusPolicy(Qt::NoFocus);
    setFocusProxy(m_edit);
    AdjustEditHeight();
    m_edit->show();
}

void TkvSkinCustomComboBox::HideEditor()
{
    if (!m_edit)
        return;
    m_editSearchTimer.stop();
    setFocusProxy(nullptr);
    setFocusPolicy(Qt::StrongFocus);
    // The style may change from one of the edit's own handlers.
    m_edit->WindowProcHook = nullptr;
    m_edit->OnChange = nullptr;
    m_edit->hide();
    m_edit->deleteLater();
    m_edit = nullptr;
}

void TkvSkinCustomComboBox::applyEditorFont()
{
    if (m_edit)
        m_edit->SetDefaultFont(skinFont(m_font, UseSkinFont()));
}

void TkvSkinCustomComboBox::AdjustEditHeight()
{
    if (!m_edit)
        return;
    CalcRects();
    const int height = m_edit->height();
    m_edit->SetBounds(m_itemRect.left, m_itemRect.top + (m_itemRect.height() - height) / 2, m_itemRect.width(), height);
}

bool TkvSkinCustomComboBox::EditWindowProcHook(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return !editKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        m_button.setFocused(true);
        update();
        return true;
    case QEvent::FocusOut:
        m_button.setFocused(false);
        if (IsPopupVisible())
            CloseUp(false);
        update();
        return true;
    case QEvent::MouseButtonPress:
        if (IsPopupVisible())
            CloseUp(false);
        return true;
    case QEvent::Wheel:
        event->accept();
        wheelSteps(static_cast<QWheelEvent*>(event)->angleDelta().y() / 120);
        return false;
    default:
        return true;
    }
}

bool TkvSkinCustomComboBox::editKeyPress(QKeyEvent* event)
{
    const bool open = IsPopupVisible();
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // A closed list leaves them to the edit's key-press handler.
        if (!open)
            return false;
        CloseUp(event->key() != Qt::Key_Escape);
        return true;
    case Qt::Key_Up:
        if (!alt)
            EditUp1(EditMove::Commit);
        else if (open)
            CloseUp(false);
        return true;
    case Qt::Key_Down:
        if (!alt)
            EditDown1(EditMove::Commit);
        else if (!open)
            DropDown();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Without Alt they move the caret.
        if (!alt)
            return false;
        if (event->key() == Qt::Key_Right && !open)
            DropDown();
        else if (event->key() == Qt::Key_Left && open)
            CloseUp(false);
        return true;
    case Qt::Key_PageUp:
        EditPageUp1(open ? EditMove::Highlight : EditMove::Commit);
        return true;
    case Qt::Key_PageDown:
        EditPageDown1(open ? EditMove::Highlight : EditMove::Commit);
        return true;
    default:
        if (!event->text().isEmpty() && event->text()[0].isPrint() && !alt
            && !(event->modifiers() & Qt::ControlModifier))
            m_editSearchTimer.start();
        return false;
    }
}

void TkvSkinCustomComboBox::EditUp1(EditMove move) { editMoveTo(m_list->ItemIndex() - 1, move); }

void TkvSkinCustomComboBox::EditDown1(EditMove move) { editMoveTo(m_list->ItemIndex() + 1, move); }

void TkvSkinCustomComboBox::EditPageUp1(EditMove move)
{
    editMoveTo(std::max(m_list->ItemIndex() - m_dropDownCount - 1, 0), move);
}

void TkvSkinCustomComboBox::EditPageDown1(EditMove move)
{
    editMoveTo(m_list->ItemIndex() + m_dropDownCount - 1, move);
}

void TkvSkinCustomComboBox::editMoveTo(int index, EditMove move)
{
    if (Items().isEmpty())
        return;
    index = std::clamp(index, 0, int(Items().size()) - 1);
    if (move == EditMove::Highlight) {
        moveHighlight(index);
        return;
    }
    // At the first or last item nothing is committed again, unless the
    // edit shows something else than that item.
    if (index == ItemIndex() && m_text == Items().at(index))
        return;
    commitStep(index);
}

void TkvSkinCustomComboBox::editTextChanged()
{
    if (m_fillingEdit)
        return;
    QPointer<TkvSkinCustomComboBox> guard(this);
    SetText(m_edit->Text());
    if (!guard || !m_edit || m_text.isEmpty())
        return;
    const int hit = findPrefix(m_text);
    if (hit < 0)
        return;
    if (m_autoComplete)
        moveHighlight(hit);
    else
        m_list->SetTopIndex(hit);
}

void TkvSkinCustomComboBox::FindLBItemFromEdit()
{
    m_editSearchTimer.stop();
    if (!m_edit || !m_autoComplete)
        return;
    QLineEdit* line = m_edit->lineEdit();
    const QString typed = line->text();
    // Only typing at the end is completed; a change inside the text stays
    // as the user made it.
    if (typed.isEmpty() || line->hasSelectedText() || line->cursorPosition() != typed.size())
        return;
    const int hit = findPrefix(typed);
    if (hit < 0)
        return;
    moveHighlight(hit);
    const QString item = Items().at(hit);
    if (item.size() == typed.size())
        return;
    QPointer<TkvSkinCustomComboBox> guard(this);
    SetText(item);
    if (guard && m_edit)
        line->setSelection(int(typed.size()), int(item.size() - typed.size()));
}

} // namespace skin
