#include "skin/controls/TkvSkinCustomListBox.h"

#include "skin/controls/DefaultLook.h"

namespace skin {

using platform::TRect;

TkvSkinCustomListBox::TkvSkinCustomListBox(QWidget* parent)
    : TkvSkinCustomControl(parent)
    , m_list(new TkvListBox(this, this))
{
    SetSkinDataName(QStringLiteral("listbox"));
    m_list->setItemHeight(m_defaultItemHeight);
    setSize(120, 120);
    CalcRects();
    acceptRecords<TkvDataSkinListBox>();
}

TkvSkinCustomListBox::~TkvSkinCustomListBox()
{
    // The inner list hands its events to this frame; closing a visible
    // window hides the list, and that must not reach a frame half gone.
    delete m_list;
}

const TkvDataSkinListBox* TkvSkinCustomListBox::listRecord() const
{
    return hasRecord() ? record<TkvDataSkinListBox>() : nullptr;
}

int TkvSkinCustomListBox::wantedItemHeight() const
{
    const TkvDataSkinListBox* list = listRecord();
    if (list && m_useSkinItemHeight && list->itemrect.height() > 0)
        return list->itemrect.height();
    return m_defaultItemHeight;
}

void TkvSkinCustomListBox::applyItemLook()
{
    m_list->setItemHeight(wantedItemHeight());
    m_list->setFont(listRecord() ? itemFont() : DefaultFont());
}

int TkvSkinCustomListBox::itemHeight() const { return m_list->itemHeight(); }

void TkvSkinCustomListBox::SetItems(const QStringList& items)
{
    m_list->setItems(items);
    UpDateScrollBar();
}

void TkvSkinCustomListBox::SetImages(platform::TImageList* value)
{
    if (m_images.list == value)
        return;
    m_images.list = value;
    m_list->update();
}

void TkvSkinCustomListBox::SetImageIndex(int value)
{
    if (m_images.index == value)
        return;
    m_images.index = value;
    m_list->update();
}

void TkvSkinCustomListBox::Clear() { SetItems({}); }

void TkvSkinCustomListBox::SetItemIndex(int index) { m_list->setItemIndex(index); }

void TkvSkinCustomListBox::SetTopIndex(int index)
{
    m_list->setTopIndex(index);
    UpDateScrollBar();
}

void TkvSkinCustomListBox::SetRowCount(int value)
{
    m_rowCount = value;
    if (value == 0)
        return;
    // Hidden widgets get their resize event only when shown; the layout is
    // needed now.
    setSize(width(), CalcHeight(value));
    CalcRects();
    UpDateScrollBar();
}

void TkvSkinCustomListBox::SetUseSkinItemHeight(bool value)
{
    if (m_useSkinItemHeight == value)
        return;
    m_useSkinItemHeight = value;
    m_list->setItemHeight(wantedItemHeight());
    if (m_rowCount != 0)
        setSize(width(), CalcHeight(m_rowCount));
    UpDateScrollBar();
}

void TkvSkinCustomListBox::SetDefaultItemHeight(int value)
{
    m_defaultItemHeight = value;
    if (wantedItemHeight() == value) {
        m_list->setItemHeight(value);
        if (m_rowCount != 0)
            setSize(width(), CalcHeight(m_rowCount));
        UpDateScrollBar();
    }
}

int TkvSkinCustomListBox::CalcHeight(int rows) const
{
    if (const TkvDataSkinListBox* list = listRecord())
        return list->skinrect.height() + rows * itemHeight() + list->clientrect.top - list->clientrect.bottom;
    return rows * itemHeight() + 4;
}

void TkvSkinCustomListBox::CalcRects()
{
    const bool bar = m_verticalBar && m_verticalBar->isVisibleTo(this);
    if (listRecord()) {
        TRect client = RealClientRect();
        if (bar) {
            const int barWidth = m_verticalBar->width();
            m_verticalBar->SetBounds(client.right - barWidth, client.top, barWidth, client.height());
            client.right -= barWidth;
        }
        m_list->setGeometry(client.left, client.top, std::max(0, client.width()), std::max(0, client.height()));
        return;
    }
    const int captionHeight = 1;
    if (bar) {
        m_verticalBar->SetBounds(width() - 20, captionHeight, 19, height() - captionHeight - 1);
        m_list->setGeometry(QRect(QPoint(2, captionHeight + 1), QPoint(width() - 20 - 1, height() - 2 - 1)));
    } else {
        m_list->setGeometry(QRect(QPoint(2, captionHeight + 1), QPoint(width() - 2 - 1, height() - 2 - 1)));
    }
}

void TkvSkinCustomListBox::UpDateScrollBar()
{
    const int count = int(Items().size());
    if (m_rowCount < 1 || m_rowCount != count) {
        // The list's own scroll state: range 0..count-1, position = top row.
        const int min = 0;
        const int max = count - 1;
        const int position = m_list->TopIndex();
        const int rows = m_list->visibleRows();
        if (min < max && max >= position && rows < count) {
            if (!m_verticalBar)
                ShowScrollBar();
            m_verticalBar->SetRange(min, max, rows, position);
            m_verticalBar->SetLargeChange(rows);
            return;
        }
    }
    if (m_verticalBar)
        HideScrollBar();
}

void TkvSkinCustomListBox::ShowScrollBar()
{
    m_verticalBar = new TkvSkinScrollBar(this);
    m_verticalBar->setObjectName(QStringLiteral("verticalBar"));
    m_verticalBar->SetKind(TScrollBarKind::sbVertical);
    m_verticalBar->setSize(20, 100);
    const TkvDataSkinListBox* list = listRecord();
    m_verticalBar->SetSkinDataName(list ? list->vscrollbarname : QString());
    m_verticalBar->SetSkinData(SkinData());
    m_verticalBar->OnChange = [this](QObject*) {
        m_list->setTopIndex(m_verticalBar->Position());
    };
    m_verticalBar->show();
    CalcRects();
    update();
}

void TkvSkinCustomListBox::HideScrollBar()
{
    delete m_verticalBar;
    m_verticalBar = nullptr;
    CalcRects();
}

void TkvSkinCustomListBox::ChangeSkinData()
{
    TkvSkinCustomControl::ChangeSkinData();
    applyItemLook();
    if (m_verticalBar) {
        const TkvDataSkinListBox* list = listRecord();
        m_verticalBar->SetSkinDataName(list ? list->vscrollbarname : QString());
        m_verticalBar->SetSkinData(SkinData());
    }
    if (m_rowCount != 0)
        setSize(width(), CalcHeight(m_rowCount));
    CalcRects();
    UpDateScrollBar();
    m_list->update();
}

void TkvSkinCustomListBox::DefaultFontChange()
{
    if (!hasRecord())
        m_list->setFont(DefaultFont());
}

void TkvSkinCustomListBox::sizeChanged()
{
    TkvSkinCustomControl::sizeChanged();
    CalcRects();
    UpDateScrollBar();
}

void TkvSkinCustomListBox::CreateControlDefaultImage(platform::TBitmap& bitmap)
{
    platform::TCanvas& canvas = bitmap.Canvas();
    fillRect(canvas, {0, 0, width(), height()}, platform::clBtnFace);
    frameRect(canvas, {1, 1, width() - 1, height() - 1}, platform::clBtnShadow);
}

void TkvSkinCustomListBox::ListBoxWProc(QEvent*, bool&) {}

void TkvSkinCustomListBox::ListBoxMouseDown(QMouseEvent* event)
{
    if (OnListBoxMouseDown)
        OnListBoxMouseDown(this, event);
}

void TkvSkinCustomListBox::ListBoxMouseMove(QMouseEvent* event)
{
    if (OnListBoxMouseMove)
        OnListBoxMouseMove(this, event);
}

void TkvSkinCustomListBox::ListBoxMouseUp(QMouseEvent* event)
{
    if (OnListBoxMouseUp)
        OnListBoxMouseUp(this, event);
}

void TkvSkinCustomListBox::ListBoxClick() { raiseEvent(OnListBoxClick, this); }

void TkvSkinCustomListBox::ListBoxDblClick() { raiseEvent(OnListBoxDblClick, this); }

void TkvSkinCustomListBox::ListBoxKeyDown(QKeyEvent* event)
{
    if (OnListBoxKeyDown)
        OnListBoxKeyDown(this, event);
}

} // namespace skin
