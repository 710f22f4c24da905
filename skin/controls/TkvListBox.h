#pragma once

#include "platform/Bitmap.h"

#include <QStringList>
#include <QWidget>

namespace skin {

class TkvSkinCustomListBox;

// The inner list of a skinned list box: the items, the selected item and
// the first visible row, drawn row by row by us. Its frame sees every
// event first (ListBoxWProc) and may keep it from the list.
class TkvListBox : public QWidget {
    Q_OBJECT

public:
    TkvListBox(TkvSkinCustomListBox* frame, QWidget* parent);

    const QStringList& Items() const { return m_items; }
    void setItems(const QStringList& items);
    int ItemIndex() const { return m_itemIndex; }
    void setItemIndex(int index);
    int TopIndex() const { return m_topIndex; }
    void setTopIndex(int index);
    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);
    const platform::TFont& font() const { return m_font; }
    void setFont(const platform::TFont& font);
    int HorizontalOffset() const { return m_horizontalOffset; }

    // Rows that fit completely.
    int visibleRows() const;
    // The item under a point of the list, or -1.
    int ItemAtPos(const QPoint& p) const;
    QRect ItemRect(int index) const;
    // Scrolls so that index is visible.
    void ensureVisible(int index);
    QImage PaintList();

protected:
    void DrawDefaultItem(platform::TCanvas& canvas, int index, const platform::TRect& rect, bool selected,
        bool focused);
    // An item drawn from the record at the record's item height.
    void DrawSkinItem(platform::TCanvas& canvas, int index, const platform::TRect& rect, bool selected,
        bool focused);
    // An item built at the record's item height and stretched to rect.
    void DrawStretchSkinItem(platform::TCanvas& canvas, int index, const platform::TRect& rect, bool selected,
        bool focused);
    // The record's client area tiled over area, from the list's top-left.
    void PaintBG(platform::TCanvas& canvas, const platform::TRect& area);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int maxTopIndex() const;
    // The item's picture and text inside textRect of an item bitmap, or the
    // frame's owner drawing.
    void drawItemText(platform::TCanvas& canvas, int index, const platform::TRect& textRect, bool selected,
        bool focused);
    void drawItem(platform::TCanvas& canvas, int index, const platform::TRect& rect, bool selected, bool focused);

    TkvSkinCustomListBox* m_frame;
    QStringList m_items;
    int m_itemIndex = -1;
    int m_topIndex = 0;
    int m_itemHeight = 20;
    int m_horizontalOffset = 0;
    platform::TFont m_font{QStringLiteral("Arial"), 14, {}, platform::clWindowText};
};

} // namespace skin
