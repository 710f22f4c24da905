#include "skin/controls/TkvSkinCustomComboBox.h"

#include "skin/controls/DefaultLook.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

// Values, face and the opening and closing of the drop-down.
namespace skin {

using platform::TRect;

TkvSkinCustomComboBox::TkvSkinCustomComboBox(QWidget* parent)
    : TkvSkinCustomControl(parent)
    , m_list(new TkvPopupListBox(this))
{
    SetSkinDataName(QStringLiteral("combobox"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSize(120, 20);
    m_list->WindowProcHook = [this](QEvent* event) { return ListBoxWindowProcHook(event); };
    m_autoScrollTimer.setObjectName(QStringLiteral("autoscroll"));
    m_autoScrollTimer.setInterval(25);
    connect(&m_autoScrollTimer, &QTimer::timeout, this, [this] { autoScrollTick(); });
    m_editSearchTimer.setObjectName(QStringLiteral("editsearch"));
    m_editSearchTimer.setInterval(200);
    m_editSearchTimer.setSingleShot(true);
    connect(&m_editSearchTimer, &QTimer::timeout, this, [this] { FindLBItemFromEdit(); });
    m_clock = [] {
        static QElapsedTimer started = [] {
            QElapsedTimer t;
            t.start();
            return t;
        }();
        return started.elapsed();
    };
    CalcRects();
    acceptRecords<TkvDataSkinComboBox>();
}

TkvSkinCustomComboBox::~TkvSkinCustomComboBox()
{
    qApp->removeEventFilter(this);
    // The list outlives this part of the combo for a moment, as its child.
    m_list->WindowProcHook = nullptr;
}

void TkvSkinCustomComboBox::SetItems(const QStringList& items)
{
    QStringList list = items;
    if (m_sorted)
        list.sort(Qt::CaseInsensitive);
    m_list->SetItems(list);
    update();
}

void TkvSkinCustomComboBox::SetSorted(bool value)
{
    if (m_sorted == value)
        return;
    m_sorted = value;
    if (value)
        SetItems(Items());
}

void TkvSkinCustomComboBox::SetText(const QString& value)
{
    if (m_text == value)
        return;
    m_text = value;
    if (m_edit) {
        m_fillingEdit = true;
        m_edit->SetText(value);
        m_fillingEdit = false;
    }
    update();
    raiseEvent(OnChange, this);
}

void TkvSkinCustomComboBox::SetItemIndex(int index)
{
    m_list->SetItemIndex(index);
    const int selected = m_list->ItemIndex();
    QPointer<TkvSkinCustomComboBox> guard(this);
    if (!Items().isEmpty() && selected != -1)
        SetText(Items().at(selected));
    if (!guard)
        return;
    m_savedItemIndex = selected;
    update();
    if (!raiseEvent(OnClick, this))
        return;
    Change();
}

void TkvSkinCustomComboBox::SetDropDownCount(int value)
{
    if (value >= 1)
        m_dropDownCount = value;
}

void TkvSkinCustomComboBox::SetAlphaBlend(bool value)
{
    m_alphaBlend = value;
    m_list->SetTranslucency(m_alphaBlend, m_alphaBlendValue, m_alphaBlendAnimation);
}

void TkvSkinCustomComboBox::SetAlphaBlendValue(int value)
{
    m_alphaBlendValue = std::clamp(value, 0, 255);
    m_list->SetTranslucency(m_alphaBlend, m_alphaBlendValue, m_alphaBlendAnimation);
}

void TkvSkinCustomComboBox::SetAlphaBlendAnimation(bool value)
{
    m_alphaBlendAnimation = value;
    m_list->SetTranslucency(m_alphaBlend, m_alphaBlendValue, m_alphaBlendAnimation);
}

void TkvSkinCustomComboBox::SetFont(const platform::TFont& value)
{
    if (m_font == value)
        return;
    m_font = value;
    applyEditorFont();
    AdjustEditHeight();
    update();
}

void TkvSkinCustomComboBox::SetHideSelection(bool value)
{
    m_hideSelection = value;
    if (m_edit)
        m_edit->SetHideSelection(value);
}

void TkvSkinCustomComboBox::SetImages(platform::TImageList* value)
{
    if (m_images.list == value)
        return;
    m_images.list = value;
    m_list->SetImages(value);
    update();
}

void TkvSkinCustomComboBox::SetImageIndex(int value)
{
    if (m_images.index == value)
        return;
    m_images.index = value;
    m_list->SetImageIndex(value);
    update();
}

bool TkvSkinCustomComboBox::IsPopupVisible() const { return m_list->isVisible(); }

void TkvSkinCustomComboBox::CalcRects()
{
    const int w = width();
    const int h = height();
    const auto* combo = hasRecord() ? record<TkvDataSkinComboBox>() : nullptr;
    if (combo && GetResizeMode() != ResizeMode::None) {
        const int grow = w - combo->skinrect.width();
        m_buttonRect = combo->buttonrect;
        if (m_buttonRect.left >= combo->skinrect.width() - combo->righttoppoint.x) {
            m_buttonRect.left += grow;
            m_buttonRect.right += grow;
        }
        m_itemRect = combo->clientrect;
        m_itemRect.right += grow;
        return;
    }
    m_buttonRect = {w - 19, 2, w - 2, h - 2};
    m_itemRect = {2, 2, m_buttonRect.left - 1, h - 2};
}

void TkvSkinCustomComboBox::ChangeSkinData()
{
    TkvSkinCustomControl::ChangeSkinData();
    CalcRects();
    const auto* combo = hasRecord() ? record<TkvDataSkinComboBox>() : nullptr;
    m_list->SetSkinDataName(combo ? combo->listboxname : QString());
    m_list->SetSkinData(SkinData());
    m_list->UpDateScrollBar();
    applyEditorFont();
    AdjustEditHeight();
    update();
}

void TkvSkinCustomComboBox::DropDown()
{
    if (Items().isEmpty())
        return;
    m_pointerReachedList = false;
    StopTimer();
    if (!raiseEvent(OnDropDown, this))
        return;
    m_list->OnDrawItem = OnListBoxDrawItem;
    const int rows = std::min<int>(int(Items().size()), m_dropDownCount);
    m_list->setSize(m_listBoxWidth > 0 ? m_listBoxWidth : width(), m_list->height());
    m_list->SetRowCount(rows);
    QPoint at = mapToGlobal(QPoint(0, height()));
    const QScreen* screen = this->screen();
    if (screen && at.y() + m_list->height() > screen->availableGeometry().bottom() + 1)
        at.setY(mapToGlobal(QPoint(0, 0)).y() - m_list->height());
    if (m_edit)
        m_edit->setFocus(Qt::OtherFocusReason);
    m_savedItemIndex = ItemIndex();
    m_list->SetTopIndex(std::max(0, ItemIndex()));
    if (m_list->SkinData() != SkinData())
        m_list->SetSkinData(SkinData());
    // Clicks elsewhere and moves of the window close the list.
    qApp->installEventFilter(this);
    m_list->Show(at);
    update();
}

void TkvSkinCustomComboBox::CloseUp(bool Accept)
{
    StopTimer();
    qApp->removeEventFilter(this);
    QPointer<TkvSkinCustomComboBox> guard(this);
    if (m_list->isVisible()) {
        m_list->Hide();
        const int selected = m_list->ItemIndex();
        if (selected == -1) {
            m_list->SetItemIndex(m_savedItemIndex);
        } else if (Accept && selected < Items().size()) {
            m_savedItemIndex = selected;
            SetText(Items().at(selected));
            if (!guard)
                return;
            if (m_edit)
                m_edit->lineEdit()->selectAll();
            if (!raiseEvent(OnClick, this))
                return;
            Change();
        } else {
            m_list->SetItemIndex(m_savedItemIndex);
        }
    }
    if (!guard)
        return;
    m_listTracking = false;
    update();
    if (Accept)
        raiseEvent(OnCloseUp, this);
}

void TkvSkinCustomComboBox::CreateControlDefaultImage(platform::TBitmap& bitmap)
{
    CalcRects();
    platform::TCanvas& canvas = bitmap.Canvas();
    const int w = width();
    const int h = height();
    fillRect(canvas, {0, 0, w, h}, platform::clBtnFace);
    frameRect(canvas, {0, 0, w, h}, platform::clBtnShadow);
    fillRect(canvas, {2, 2, w - 2, h - 2}, platform::clWindow);
    const PartFace button = buttonFace();
    drawPart(canvas, m_buttonRect, button.look);
    drawArrow(canvas, m_buttonRect, ArrowDirection::Down, button.disabled ? platform::clBtnShadow : platform::clBlack);
    // The inner edit shows the text over the window-coloured item area.
    if (!m_edit)
        DrawDefaultItem(canvas, itemFace());
}

int TkvSkinCustomComboBox::shownItem() const { return IsPopupVisible() ? m_savedItemIndex : ItemIndex(); }

PartFace TkvSkinCustomComboBox::itemFace() const
{
    PartFace face;
    face.focused = hasFocus();
    face.disabled = !isEnabled();
    return face;
}

void TkvSkinCustomComboBox::DrawDefaultItem(platform::TCanvas& canvas, const PartFace& item)
{
    const bool focused = item.focused;
    fillRect(canvas, m_itemRect, focused ? platform::clHighlight : platform::clWindow);
    const int shown = shownItem();
    if (shown >= 0 && shown < Items().size()) {
        canvas.Font = m_font;
        if (focused)
            canvas.Font.Color = platform::clHighlightText;
        else if (item.disabled)
            canvas.Font.Color = platform::clGrayText;
        const TRect text{m_itemRect.left + 2, m_itemRect.top, m_itemRect.right - 2, m_itemRect.bottom};
        drawFaceItemContent(canvas, text, item);
    }
    if (focused)
        drawFocusRect(canvas, m_itemRect);
}

void TkvSkinCustomComboBox::drawFaceItemContent(platform::TCanvas& canvas, const TRect& textRect, const PartFace& look)
{
    ItemContent item;
    item.index = shownItem();
    item.text = Items().at(item.index);
    item.textRect = textRect;
    item.state.setFlag(TOwnerDrawStateItem::odSelected, look.focused);
    item.state.setFlag(TOwnerDrawStateItem::odFocused, look.focused);
    item.state.setFlag(TOwnerDrawStateItem::odDisabled, look.disabled);
    drawItemContent(canvas, item, m_images, OnComboBoxDrawItem, this);
}

} // namespace skin
