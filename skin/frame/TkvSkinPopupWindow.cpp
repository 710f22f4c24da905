// One level of a skinned menu: building, placing and the item states.
// Painting is in TkvSkinPopupWindowPaint, input in TkvSkinPopupWindowInput.

#include "skin/frame/TkvSkinPopupWindow.h"

#include "skin/data/SkinFont.h"
#include "skin/data/SkinRegions.h"
#include "skin/data/TkvSkinData.h"
#include "skin/frame/TkvMenuItem.h"
#include "skin/frame/TkvSkinMenu.h"

#include <QResizeEvent>
#include <QTimer>

#include <algorithm>

namespace skin {

namespace {

QTimer* makeTimer(QObject* owner, const char* name, int interval)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    return timer;
}

// Glyph column without images.
constexpr int kGlyphColumn = 19;
// Room for each scroll marker.
constexpr int kMarker = 10;

} // namespace

TkvSkinPopupWindow::TkvSkinPopupWindow(TkvSkinMenu& engine, bool grabsInput)
    : QWidget(nullptr, (grabsInput ? Qt::Popup : Qt::ToolTip) | Qt::FramelessWindowHint)
    , m_engine(engine)
    , m_mouseTimer(makeTimer(this, "mouseTimer", 50))
    , m_morphTimer(makeTimer(this, "morphTimer", 20))
    , m_scrollTimer(makeTimer(this, "scrollTimer", 100))
{
    setObjectName(QStringLiteral("kvSkinPopupWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    connect(m_mouseTimer, &QTimer::timeout, this, &TkvSkinPopupWindow::TestMouse);
    connect(m_morphTimer, &QTimer::timeout, this, &TkvSkinPopupWindow::TestMorph);
    connect(m_scrollTimer, &QTimer::timeout, this, &TkvSkinPopupWindow::ScrollTick);
}

TkvSkinPopupWindow::~TkvSkinPopupWindow() = default;

int TkvSkinPopupWindow::itemHeight(const TkvSkinMenuItem& row) const
{
    if (m_itemRecord)
        return row.item->IsLine() ? m_itemRecord->dividerrect.height() : m_itemRecord->skinrect.height();
    return row.item->IsLine() ? 4 : m_engine.DefItemHeight;
}

void TkvSkinPopupWindow::applyFont(platform::TCanvas& canvas) const
{
    if (m_itemRecord && m_engine.UseSkinFont) {
        canvas.Font = recordFont(*m_itemRecord);
    } else {
        canvas.Font = m_engine.DefItemFont;
    }
}

int TkvSkinPopupWindow::textWidth(platform::TCanvas& canvas, const TkvMenuItem& item) const
{
    QString text = stripAccelerator(item.Caption);
    if (!item.ShortCut.isEmpty())
        text += QStringLiteral("  ") + item.ShortCut;
    return canvas.TextWidth(text) + 2;
}

void TkvSkinPopupWindow::CreateMenu(TkvMenuItem* item, int startIndex)
{
    const TkvSkinData* skin = m_engine.skinData();
    m_record = nullptr;
    m_itemRecord = nullptr;
    m_windowPicture = m_itemPicture = m_maskPicture = nullptr;
    m_regionSize = QSize();
    if (skin && !skin->IsEmpty() && skin->PopupWindowRecord.windowpictureindex != -1) {
        m_windowPicture = skin->decodedActivePicture(skin->PopupWindowRecord.windowpictureindex);
        if (m_windowPicture) {
            m_record = &skin->PopupWindowRecord;
            m_maskPicture = skin->decodedActivePicture(m_record->maskpictureindex);
        }
        for (const auto& object : skin->SkinObjects) {
            if (const auto* record = dynamic_cast<const TkvDataSkinMenuItem*>(object.get())) {
                m_itemPicture = skin->decodedActivePicture(record->activepictureindex);
                // Rows without their picture are drawn plain.
                if (m_itemPicture && m_record)
                    m_itemRecord = record;
                break;
            }
        }
    }
    m_items.clear();
    for (int i = startIndex; i < item->Count(); ++i) {
        if (item->Items(i)->Visible)
        {
            TkvSkinMenuItem row;
            row.item = item->Items(i);
            m_items.push_back(row);
        }
    }
    platform::TBitmap scratch(1, 1);
    applyFont(scratch.Canvas());
    int widest = 0;
    int height = 0;
    for (const TkvSkinMenuItem& row : m_items) {
        widest = std::max(widest, textWidth(scratch.Canvas(), *row.item));
        height += itemHeight(row);
    }
    int width = kGlyphColumn + widest + 19;
    int margin = 4;
    if (m_record && m_itemRecord) {
        const TRect items = windowCut().client;
        width += m_windowPicture->Width() - items.width();
        width += m_itemRecord->skinrect.width() - m_itemRecord->textrect.width();
        margin = m_windowPicture->Height() - items.height();
    } else {
        width += 10;
    }
    height += margin;
    m_firstVisible = 0;
    m_scrollMode = m_limitScroll = false;
    m_scrollDirection = 0;
    const int limit = m_engine.MaxItemsInWindow;
    if (limit > 0 && Count() > limit) {
        const int rowHeight = m_itemRecord ? m_itemRecord->skinrect.height() : m_engine.DefItemHeight;
        height = limit * rowHeight + margin + 2 * kMarker;
        m_scrollMode = m_limitScroll = true;
    }
    const TRect& area = m_engine.workArea();
    // Item records whose text area is far narrower than the item would make
    // the window wider than any screen.
    if (area.width() > 0)
        width = std::min(width, area.width());
    if (area.height() > 0 && height > area.height()) {
        height = area.height();
        m_scrollMode = true;
    }
    // An item record whose text is wider than the item leaves the window
    // at least a pixel.
    width = std::max(width, 1);
    height = std::max(height, 1);
    resize(width, height);
    if (m_record) {
        const TRect r = windowCut().client;
        m_itemsRect = {r.left, r.top, r.right + width - m_windowPicture->Width(),
            r.bottom + height - m_windowPicture->Height()};
    } else {
        m_itemsRect = {2, 2, width - 2, height - 2};
    }
    CalcItemRects();
    // A hidden window hears of its new size only when it shows.
    updateRegion();
}

SkinCut TkvSkinPopupWindow::windowCut() const
{
    return m_record->cut(QSize(m_windowPicture->Width(), m_windowPicture->Height()));
}

void TkvSkinPopupWindow::updateRegion()
{
    if (m_regionSize == size())
        return;
    m_regionSize = size();
    m_region.reset();
    if (m_maskPicture) {
        const SkinCut cut = windowCut();
        m_region = CreateSkinRegion(cut, stretchedTarget(cut, width(), height()), *m_maskPicture);
    }
    if (m_region)
        setMask(*m_region);
    else
        clearMask();
}

void TkvSkinPopupWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateRegion();
}

void TkvSkinPopupWindow::startFade()
{
    // Only the first level of a fresh menu fades in; deeper levels and
    // menus that merely stay translucent take the blend value at once.
    m_fadeIn = m_engine.AlphaBlend && m_engine.AlphaBlendAnimation && m_engine.firstPopup();
    m_fade.setAlphaBlendValue(m_engine.AlphaBlendValue);
    m_fade.setAlphaBlend(m_engine.AlphaBlend);
    m_fade.start();
}

void TkvSkinPopupWindow::CalcItemRects()
{
    const int bottom = m_itemsRect.bottom - (m_scrollMode ? kMarker : 0);
    int y = m_itemsRect.top + (m_scrollMode ? kMarker : 0);
    m_visibleCount = 0;
    for (int i = 0; i < Count(); ++i) {
        TkvSkinMenuItem& row = m_items[size_t(i)];
        if (i < m_firstVisible) {
            row.visible = !m_scrollMode;
            continue;
        }
        const int h = itemHeight(row);
        row.ObjectRect = {m_itemsRect.left, y, m_itemsRect.right, y + h};
        row.visible = y + h <= bottom || !m_scrollMode;
        if (y + h > bottom && m_scrollMode) {
            for (int j = i; j < Count(); ++j)
                m_items[size_t(j)].visible = false;
            break;
        }
        ++m_visibleCount;
        y += h;
    }
}

int TkvSkinPopupWindow::GetEndStartVisibleIndex() const
{
    int remaining = m_itemsRect.bottom - kMarker - (m_itemsRect.top + kMarker);
    int shown = 0;
    for (int i = Count() - 1; i >= 0; --i) {
        remaining -= itemHeight(m_items[size_t(i)]);
        if (remaining < 0)
            break;
        ++shown;
    }
    return Count() - shown;
}

void TkvSkinPopupWindow::Show(const TRect& R, TkvMenuItem* item, int startIndex, bool submenu, bool popupUp)
{
    CreateMenu(item, startIndex);
    const TRect& wa = m_engine.workArea();
    const int w = width();
    const int h = height();
    const int itemsTop = m_itemsRect.top;
    const bool upperHalf = R.top < wa.top + wa.height() / 2;
    bool movedAside = false;
    int y = 0;
    if (m_scrollMode && !m_limitScroll) {
        y = wa.top;
    } else if (submenu) {
        if (R.top + h - itemsTop - wa.bottom < 1)
            y = R.top - itemsTop;
        else if (upperHalf)
            y = wa.bottom - h;
        else
            y = std::max(R.bottom - h + itemsTop, wa.top);
    } else if (!popupUp) {
        const int overflow = R.bottom + h - wa.bottom;
        if (overflow < 1) {
            y = R.bottom;
        } else if (upperHalf) {
            y = R.bottom - overflow;
            movedAside = true;
        } else if (R.top - h < wa.top) {
            y = wa.top;
            movedAside = true;
        } else {
            y = R.top - h;
        }
    } else {
        if (R.top - h >= wa.top) {
            y = R.top - h;
        } else if (upperHalf) {
            y = R.bottom;
            if (y + h > wa.bottom) {
                y = wa.bottom - h;
                movedAside = true;
            }
        } else {
            y = wa.top;
            movedAside = true;
        }
    }
    int x = 0;
    if (!submenu && !(m_scrollMode && !m_limitScroll) && !movedAside)
        x = R.left + w > wa.right ? wa.right - w : std::max(R.left, wa.left);
    else
        x = R.right + w + 1 > wa.right ? R.left - w - 1 : R.right + 1;
    move(x, y);
    // Before showing, so that a fading window never flashes opaque.
    startFade();
    show();
    m_mouseTimer->start();
    m_activeItem = -1;
    if (const int first = nextSelectable(0, 1); first >= 0) {
        m_activeItem = first;
        m_items[size_t(first)].waitCommand = true;
        MouseEnter(first, true);
    }
}

int TkvSkinPopupWindow::nextSelectable(int from, int step) const
{
    const int n = Count();
    for (int k = 0; k < n; ++k) {
        const int i = ((from + step * k) % n + n) % n;
        const TkvMenuItem& item = *m_items[size_t(i)].item;
        if (item.Enabled && !item.IsLine())
            return i;
    }
    return -1;
}

void TkvSkinPopupWindow::MouseEnter(int index, bool keyboard)
{
    TkvSkinMenuItem& row = m_items[size_t(index)];
    row.highlighted = true;
    for (int i = 0; i < Count(); ++i) {
        if (i != index && m_items[size_t(i)].down) {
            m_items[size_t(i)].down = false;
            update();
        }
    }
    const int level = m_engine.GetPWIndex(this);
    if (row.waitCommand && !keyboard) {
        update();
    } else if (row.down && level + 1 < m_engine.Levels()) {
        m_engine.Level(level + 1)->UpDatePW();
    } else {
        update();
        if (m_itemRecord && m_itemRecord->morphing)
            m_morphTimer->start();
        m_engine.CheckItem(this, index, false, keyboard);
    }
}

void TkvSkinPopupWindow::MouseLeave(int index)
{
    TkvSkinMenuItem& row = m_items[size_t(index)];
    row.highlighted = false;
    row.waitCommand = false;
    if (!row.down) {
        update();
        if (m_itemRecord && m_itemRecord->morphing)
            m_morphTimer->start();
    }
}

void TkvSkinPopupWindow::MouseDown(int index)
{
    TkvSkinMenuItem& row = m_items[size_t(index)];
    row.waitCommand = false;
    if (!row.down && row.item->Enabled)
        m_engine.CheckItem(this, index, true, false);
}

void TkvSkinPopupWindow::UpDatePW()
{
    const int level = m_engine.GetPWIndex(this);
    m_engine.CloseMenu(level + 1);
    for (TkvSkinMenuItem& row : m_items)
        row.down = false;
    update();
}

} // namespace skin
