#pragma once

#include "skin/controls/ItemContent.h"
#include "skin/controls/PressablePart.h"
#include "skin/controls/TkvPopupListBox.h"
#include "skin/controls/TkvSkinCustomControl.h"
#include "skin/controls/TkvSkinCustomEdit.h"

#include <QTimer>

namespace skin {

// Combo box: a face with the selected item and a drop-down button, and a
// pop-up list that opens under it (above it near the bottom of the
// screen). The list closes accepting on Enter or a release over it,
// cancelling on Esc, a click elsewhere, focus loss or a move of the
// window. Arrow, page and typed keys commit at once.
//
// In the edit style a frameless edit over the item area takes free text:
// what is typed becomes Text and is looked up in the list, and a short
// pause in typing completes it with the item found.
//
// A commit raises OnChange (only when Text really changes), then OnClick;
// closing by accept adds OnCloseUp.
class TkvSkinCustomComboBox : public TkvSkinCustomControl {
    Q_OBJECT

public:
    using Clock = std::function<qint64()>;

    explicit TkvSkinCustomComboBox(QWidget* parent = nullptr);
    ~TkvSkinCustomComboBox() override;

    const QStringList& Items() const { return m_list->Items(); }
    void SetItems(const QStringList& items);
    int ItemIndex() const { return m_list->ItemIndex(); }
    void SetItemIndex(int index);
    const QString& Text() const { return m_text; }
    void SetText(const QString& value);
    TkvSkinCustomComboBoxStyle Style() const { return m_style; }
    void SetStyle(TkvSkinCustomComboBoxStyle value);
    int DropDownCount() const { return m_dropDownCount; }
    void SetDropDownCount(int value);
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool value);
    bool AutoComplete() const { return m_autoComplete; }
    void SetAutoComplete(bool value) { m_autoComplete = value; }
    // Passed to the inner edit of the edit style.
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool value);
    // Pictures of the items, on the face and in the list: the image of
    // ImageIndex, or each item's own number while ImageIndex is negative.
    platform::TImageList* Images() const { return m_images.list; }
    void SetImages(platform::TImageList* value);
    int ImageIndex() const { return m_images.index; }
    void SetImageIndex(int value);
    int ListBoxWidth() const { return m_listBoxWidth; }
    void SetListBoxWidth(int value) { m_listBoxWidth = value; }
    int ListBoxDefaultItemHeight() const { return m_list->DefaultItemHeight(); }
    void SetListBoxDefaultItemHeight(int value) { m_list->SetDefaultItemHeight(value); }
    const platform::TFont& Font() const { return m_font; }
    void SetFont(const platform::TFont& value);
    // Translucency of the open list: at AlphaBlendValue (0 .. 255) while
    // AlphaBlend, faded in from transparent with AlphaBlendAnimation.
    bool AlphaBlend() const { return m_alphaBlend; }
    void SetAlphaBlend(bool value);
    int AlphaBlendValue() const { return m_alphaBlendValue; }
    void SetAlphaBlendValue(int value);
    bool AlphaBlendAnimation() const { return m_alphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value);

    virtual void DropDown();
    void CloseUp(bool Accept);
    bool IsPopupVisible() const;
    TkvPopupListBox* popupList() const { return m_list; }
    // The inner edit of the edit style; null in the fixed style.
    TkvSkinCustomEdit* editor() const { return m_edit; }

    // Face geometry in control coordinates.
    void CalcRects();
    platform::TRect buttonRect() const { return m_buttonRect; }
    platform::TRect itemRect() const { return m_itemRect; }
    bool ButtonHot() const { return m_button.hot(); }
    bool ButtonPressed() const { return m_button.down(); }
    // The drop-down button's look: pressed while held under the pointer.
    PartFace buttonFace() const { return m_button.face(); }
    // The shown item's look: focused and enabled as the control is.
    PartFace itemFace() const;

    // Milliseconds of a steady clock, for the type-ahead reset.
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // In the edit style looks the edit's text up as a prefix and completes
    // the text with the item found, the added part selected.
    void FindLBItemFromEdit();

    void ChangeSkinData() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    // Draws the face's item (picture and text) instead of the control.
    TkvDrawSkinItemEvent OnComboBoxDrawItem;
    // Given to the list when it opens, for the items there.
    TkvDrawSkinItemEvent OnListBoxDrawItem;

protected:
    virtual void Change() {}
    void FindLBItem(QChar ch);
    void ProcessListBox(const QPoint& globalPos);
    bool ListBoxWindowProcHook(QEvent* event);

    void CreateControlDefaultImage(platform::TBitmap& bitmap) override;
    void DrawDefaultItem(platform::TCanvas& canvas, const PartFace& item);
    // The record's face: base image, button state image, item.
    void CreateControlSkinImage(platform::TBitmap& bitmap) override;
    void DrawButton(platform::TCanvas& canvas, const TkvDataSkinComboBox& combo);
    void DrawSkinItem(platform::TCanvas& canvas, const TkvDataSkinComboBox& combo, const PartFace& look);
    // The face's item content in textRect of canvas, font and colour set.
    void drawFaceItemContent(platform::TCanvas& canvas, const platform::TRect& textRect, const PartFace& look);

    // Edit style: the inner edit made and removed with the style; its
    // events come here first.
    void ShowEditor();
    void HideEditor();
    // Centres the edit over the item area at its font's text height.
    void AdjustEditHeight();
    bool EditWindowProcHook(QEvent* event);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void sizeChanged() override;
    void changeEvent(QEvent* event) override;

private:
    // How an edit-style key moves through the items.
    enum class EditMove { Highlight, Commit };

    void commitStep(int index);
    // The previous (-1) or next (+1) item, committed; nothing at the ends.
    void stepItem(int delta);
    void StartTimer(int direction);
    void StopTimer();
    void autoScrollTick();
    bool pointerOverInnerList(const QPoint& globalPos) const;
    bool belongsToCombo(QObject* object) const;
    void moveHighlight(int index);
    // The item the face shows: the one it had when the list opened while open.
    int shownItem() const;
    Pointer overButton(const QPoint& p) const;
    // The drop-down button follows the pointer; a repaint when its look changes.
    void moveButtonPointer(Pointer where);
    // A wheel turn of steps notches (towards the user negative).
    void wheelSteps(int steps);

    void EditUp1(EditMove move);
    void EditDown1(EditMove move);
    void EditPageUp1(EditMove move);
    void EditPageDown1(EditMove move);
    void editMoveTo(int index, EditMove move);
    bool editKeyPress(QKeyEvent* event);
    void editTextChanged();
    void applyEditorFont();
    // The first item the text starts (case-insensitively), -1 none.
    int findPrefix(const QString& text) const;

    TkvPopupListBox* m_list;
    QString m_text;
    int m_dropDownCount = 8;
    bool m_alphaBlend = false;
    int m_alphaBlendValue = 0;
    bool m_alphaBlendAnimation = false;
    bool m_sorted = false;
    bool m_autoComplete = true;
    int m_listBoxWidth = 0;
    platform::TFont m_font{QStringLiteral("Arial"), 14, {}, platform::clWindowText};

    platform::TRect m_buttonRect;
    platform::TRect m_itemRect;
    // A press anywhere on the face holds the drop-down button.
    PressablePart m_button;
    int m_savedItemIndex = -1;
    bool m_listTracking = false;
    bool m_pointerReachedList = false;
    // 0 none, 1 up, 2 down.
    int m_autoScrollDirection = 0;
    QString m_searchText;
    qint64 m_lastKeyTime = 0;
    Clock m_clock;
    QTimer m_autoScrollTimer{this};

    TkvSkinCustomComboBoxStyle m_style = TkvSkinCustomComboBoxStyle::kvcbFixedStyle;
    bool m_hideSelection = true;
    ItemImages m_images;
    TkvSkinCustomEdit* m_edit = nullptr;
    // The combo writes the edit's text itself: no lookup of what it wrote.
    bool m_fillingEdit = false;
    // Completion waits for a pause in typing.
    QTimer m_editSearchTimer{this};
};

} // namespace skin
