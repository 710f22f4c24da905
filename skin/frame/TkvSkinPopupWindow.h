#pragma once

#include "platform/Bitmap.h"
#include "skin/data/SkinCut.h"
#include "skin/data/SkinObjectRecords.h"
#include "skin/data/SkinWindowRecords.h"
#include "skin/frame/FrameFade.h"

#include <QRegion>
#include <QWidget>

#include <optional>
#include <vector>

class QTimer;

namespace skin {

class TkvMenuItem;
class TkvSkinMenu;

// One row of a popup window.
struct TkvSkinMenuItem {
    TkvMenuItem* item = nullptr;
    TRect ObjectRect;
    bool highlighted = false;
    // Its submenu is open.
    bool down = false;
    bool visible = true;
    // Highlighted because the menu just opened, not by the user.
    bool waitCommand = false;
    double morphKf = 0;
};

// One open level of a skinned menu: a borderless window that never takes
// the focus. Level 0 holds the pointer and keyboard grab for all levels.
class TkvSkinPopupWindow : public QWidget {
    Q_OBJECT

public:
    TkvSkinPopupWindow(TkvSkinMenu& engine, bool grabsInput);
    ~TkvSkinPopupWindow() override;

    // Builds the level from item's children and shows it next to R.
    void Show(const TRect& R, TkvMenuItem* item, int startIndex, bool submenu, bool popupUp);
    void PopupKeyDown(int key);
    void CalcItemRects();
    // Item under (X, Y) of this window becomes the active item.
    void TestActive(int X, int Y);
    void TestMouse();
    // A mouse button came up at (X, Y).
    void releasedAt(int X, int Y, Qt::MouseButton button);
    void ScrollUp(bool wrap);
    void ScrollDown(bool wrap);
    void StartScroll();
    void StopScroll();
    void ScrollTick();
    // Levels after this one close; its open item is released.
    void UpDatePW();
    void TestMorph();

    void MouseEnter(int index, bool keyboard);
    void MouseLeave(int index);
    void MouseDown(int index);

    // The whole window image as painted.
    QImage render();

    int Count() const { return int(m_items.size()); }
    TkvSkinMenuItem& Item(int index) { return m_items[size_t(index)]; }
    int ActiveItem() const { return m_activeItem; }
    void setActiveItem(int index) { m_activeItem = index; }
    bool ScrollMode() const { return m_scrollMode; }
    int FirstVisibleIndex() const { return m_firstVisible; }
    int VisibleCount() const { return m_visibleCount; }
    const TRect& ItemsRect() const { return m_itemsRect; }
    bool skinned() const { return m_record != nullptr; }
    int itemHeight(const TkvSkinMenuItem& item) const;
    QTimer* mouseTimer() const { return m_mouseTimer; }
    QTimer* morphTimer() const { return m_morphTimer; }
    QTimer* scrollTimer() const { return m_scrollTimer; }
    int scrollDirection() const { return m_scrollDirection; }
    // The outline cut from the skin's mask for the current size; none
    // without a mask picture.
    const std::optional<QRegion>& windowRegion() const { return m_region; }
    // The opacity last given to the window, 0 .. 255.
    int opacity() const { return m_fade.opacity(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateMenu(TkvMenuItem* item, int startIndex);
    // The window picture's cut around the items rectangle.
    SkinCut windowCut() const;
    void updateRegion();
    // Translucency and fade-in as the engine asks, before the window shows.
    void startFade();
    void applyFont(platform::TCanvas& canvas) const;
    int textWidth(platform::TCanvas& canvas, const TkvMenuItem& item) const;
    int GetEndStartVisibleIndex() const;
    bool CanScroll(int direction) const;
    void drawItem(platform::TCanvas& canvas, TkvSkinMenuItem& item);
    void drawSkinnedItem(platform::TCanvas& canvas, TkvSkinMenuItem& item);
    void drawDefaultItem(platform::TCanvas& canvas, TkvSkinMenuItem& item);
    void drawItemContent(platform::TCanvas& canvas, const TkvSkinMenuItem& item, const TRect& textRect,
        platform::TColor color, int glyphWidth, int limit);
    void drawMarkers(platform::TCanvas& canvas);
    TRect upMarker() const;
    TRect downMarker() const;
    // The first enabled item that is not a separator, from index on in
    // direction step (wrapping), or -1.
    int nextSelectable(int from, int step) const;

    TkvSkinMenu& m_engine;
    const TkvDataSkinPopupWindow* m_record = nullptr;
    const TkvDataSkinMenuItem* m_itemRecord = nullptr;
    const platform::TBitmap* m_windowPicture = nullptr;
    const platform::TBitmap* m_itemPicture = nullptr;
    const platform::TBitmap* m_maskPicture = nullptr;
    std::optional<QRegion> m_region;
    // The size m_region was cut for; invalid when it must be cut again.
    QSize m_regionSize;
    std::vector<TkvSkinMenuItem> m_items;
    TRect m_itemsRect;
    int m_firstVisible = 0;
    int m_visibleCount = 0;
    bool m_scrollMode = false;
    bool m_limitScroll = false;
    int m_scrollDirection = 0;
    int m_activeItem = -1;
    QPoint m_lastCursor{-1, -1};
    QTimer* m_mouseTimer;
    QTimer* m_morphTimer;
    QTimer* m_scrollTimer;
    bool m_fadeIn = false;
    FrameFade m_fade{this, this, m_fadeIn, 3};
};

} // namespace skin
