#pragma once

#include "skin/controls/ItemContent.h"
#include "skin/controls/TkvListBox.h"
#include "skin/controls/TkvSkinCustomControl.h"
#include "skin/controls/TkvSkinScrollBar.h"

namespace skin {

using TListMouseEvent = std::function<void(QObject* Sender, QMouseEvent* Event)>;
using TListKeyEvent = std::function<void(QObject* Sender, QKeyEvent* Event)>;

// Skinned list box: a frame holding the inner list and, only while not
// all items fit, a vertical scroll bar that mirrors the list's scrolling.
// With RowCount above 0 the height follows from that many rows.
class TkvSkinCustomListBox : public TkvSkinCustomControl {
    Q_OBJECT

public:
    explicit TkvSkinCustomListBox(QWidget* parent = nullptr);
    ~TkvSkinCustomListBox() override;

    const QStringList& Items() const { return m_list->Items(); }
    void SetItems(const QStringList& items);
    void Clear();
    int ItemIndex() const { return m_list->ItemIndex(); }
    void SetItemIndex(int index);
    int TopIndex() const { return m_list->TopIndex(); }
    void SetTopIndex(int index);
    int RowCount() const { return m_rowCount; }
    void SetRowCount(int value);
    bool UseSkinItemHeight() const { return m_useSkinItemHeight; }
    void SetUseSkinItemHeight(bool value);
    int DefaultItemHeight() const { return m_defaultItemHeight; }
    void SetDefaultItemHeight(int value);
    const platform::TFont& Font() const { return m_list->font(); }
    void SetFont(const platform::TFont& value) { m_list->setFont(value); }
    // Pictures beside the items: the image of ImageIndex, or each item's
    // own number while ImageIndex is negative.
    platform::TImageList* Images() const { return m_images.list; }
    void SetImages(platform::TImageList* value);
    int ImageIndex() const { return m_images.index; }
    void SetImageIndex(int value);
    const ItemImages& itemImages() const { return m_images; }

    int CalcHeight(int rows) const;
    void CalcRects();
    // Creates, updates or frees the vertical bar to match the list.
    void UpDateScrollBar();
    void ChangeSkinData() override;

    TkvListBox* innerList() const { return m_list; }
    // What the inner list draws its items and background from: the record
    // and its picture (null and empty without a record) and the item font.
    const TkvDataSkinListBox* listRecord() const;
    const platform::TBitmap& listPicture() const { return skinPicture(); }
    platform::TFont itemFont() const { return controlFont(); }
    TkvSkinScrollBar* verticalBar() const { return m_verticalBar; }

    // The inner list hands its events here first; clearing process keeps
    // an event from the list.
    virtual void ListBoxWProc(QEvent* event, bool& process);
    virtual void ListBoxMouseDown(QMouseEvent* event);
    virtual void ListBoxMouseMove(QMouseEvent* event);
    virtual void ListBoxMouseUp(QMouseEvent* event);
    virtual void ListBoxClick();
    virtual void ListBoxDblClick();
    virtual void ListBoxKeyDown(QKeyEvent* event);

    // Replaces the drawing of an item's picture and text.
    TkvDrawSkinItemEvent OnDrawItem;
    TNotifyEvent OnListBoxClick;
    TNotifyEvent OnListBoxDblClick;
    TListMouseEvent OnListBoxMouseDown;
    TListMouseEvent OnListBoxMouseMove;
    TListMouseEvent OnListBoxMouseUp;
    TListKeyEvent OnListBoxKeyDown;

protected:
    void CreateControlDefaultImage(platform::TBitmap& bitmap) override;
    void DefaultFontChange() override;
    void sizeChanged() override;

private:
    void ShowScrollBar();
    void HideScrollBar();
    int itemHeight() const;
    // The item height the record or DefaultItemHeight gives.
    int wantedItemHeight() const;
    void applyItemLook();

    TkvListBox* m_list;
    TkvSkinScrollBar* m_verticalBar = nullptr;
    int m_rowCount = 0;
    bool m_useSkinItemHeight = true;
    int m_defaultItemHeight = 20;
    ItemImages m_images;
};

} // namespace skin
