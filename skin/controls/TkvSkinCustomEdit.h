#pragma once

#include "skin/controls/ControlTypes.h"
#include "skin/controls/PressablePart.h"
#include "skin/controls/SkinnedWidget.h"

#include "platform/Bitmap.h"

#include <QWidget>

class QContextMenuEvent;
class QLineEdit;
class QPainter;

namespace skin {

// Called with each typed character before the edit sees it; setting Key to
// a null character swallows it. Enter (13) and Esc (27) arrive here and
// never reach the text.
using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;

// Single-line edit: the platform's line edit does caret, selection,
// clipboard and undo and draws only the text; this control paints the
// frame and the background under it.
class TkvSkinCustomEdit : public SkinnedWidget {
    Q_OBJECT

public:
    explicit TkvSkinCustomEdit(QWidget* parent = nullptr);

    void ChangeSkinData() override;

    QString Text() const { return m_text; }
    void SetText(const QString& value);
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    const platform::TFont& Font() const { return m_font; }
    void SetFont(const platform::TFont& value);
    const platform::TFont& DefaultFont() const { return m_defaultFont; }
    void SetDefaultFont(const platform::TFont& value);
    bool UseSkinFont() const { return m_useSkinFont; }
    void SetUseSkinFont(bool value);
    int DefaultWidth() const { return m_defaultWidth; }
    void SetDefaultWidth(int value);
    int DefaultHeight() const { return m_defaultHeight; }
    void SetDefaultHeight(int value);
    bool ButtonMode() const { return m_buttonMode; }
    void SetButtonMode(bool value);
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool value) { m_autoSelect = value; }
    int MaxLength() const;
    void SetMaxLength(int value);
    // False: a selection stays shown while the edit has lost the focus.
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool value) { m_hideSelection = value; }
    // No frame of its own: nothing is painted under the text, so the face
    // of the control it lies on shows through, and the text fills the edit.
    bool Frameless() const { return m_frameless; }
    void SetFrameless(bool value);

    // The embedded button's look: pressed while held under the pointer.
    PartFace buttonFace() const { return m_button.face(); }
    // The text area inside the frame, in control coordinates.
    QRect textRect() const;
    // The edit button's place (ButtonMode): the record's button moved with
    // the right edge, else a square of the control's height at its right.
    QRect buttonRect() const;
    // The inner line edit, with any text still waiting for a paint given to it.
    QLineEdit* lineEdit();
    QImage renderFrame();

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnButtonClick;
    TKeyPressEvent OnKeyPress;
    // Sees every event of the line edit before the edit does; returns
    // whether the edit may process it.
    std::function<bool(QEvent* event)> WindowProcHook;

protected:
    int CalcEditHeight() const;
    void AdjustEditHeight();
    void DrawSkinEdit(platform::TCanvas& canvas);
    // The record's picture of the edit button in its present state.
    void drawRecordButton(platform::TCanvas& canvas);
    // The record's frame at the skin's height, stretched to the edit's.
    void DrawSkinEdit2(platform::TCanvas& canvas);

    bool eventFilter(QObject* watched, QEvent* event) override;
    // The skinned context menu of the edit: Undo, Cut, Copy, Paste, Delete
    // and Select All, shown by the frame of the window.
    void showContextMenu(const QContextMenuEvent& event);
    void paintEvent(QPaintEvent* event) override;
    // With the skin font the record's height, without it the font's.
    QRect fitBounds(const QRect& requested) override;
    void sizeChanged() override { layoutLineEdit(); }
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override { showContextMenu(*event); }

private:
    // Everything the frame's picture depends on, so that a repaint for a
    // new value reuses the picture.
    struct FrameKey {
        QSize size;
        qreal ratio = 1;
        int record = -1;
        qint64 picture = 0;
        bool stretched = false;
        bool active = false;
        bool buttonMode = false;
        PartFace button;

        friend bool operator==(const FrameKey&, const FrameKey&) = default;
    };

    // Frame widths: from the record's client rectangle, else two pixels.
    QMargins frameInsets() const;
    // The record's frame image (hot or normal) at the skin's height.
    void recordFrame(platform::TBitmap& frame) const;
    // The colour the record gives for the current focus, pointer and
    // enabled state; a colour the program set stays (a lit lamp).
    void applyStateColour(bool active);
    // The line edit over the text area, which follows size, record and
    // button.
    void layoutLineEdit();
    Pointer overButton(const QMouseEvent& event) const;
    // The embedded button follows the pointer; a repaint when its look changes.
    void moveButtonPointer(Pointer where);
    void applyFont();
    // Both ask for a repaint when they change what the field shows.
    void applyTextColour(platform::TColor colour);
    void colourLineEditText();
    // Who shows the text (the table in TkvSkinCustomEditText.cpp).
    enum class TextMode { Drawn, Editing };

    void textEdited(const QString& text);
    // Made when first needed, and given the text.
    QLineEdit* makeLineEdit();
    void applyAlignment();
    bool lineEditFocused() const;
    bool filterKey(QKeyEvent* event);
    // The line edit's own focus-out drops the selection; with HideSelection
    // off it is put back.
    void focusOutKeepingSelection(QEvent* event);
    // The mode the field's state asks for; wanted: a field that takes
    // typing has come into use.
    void updateTextMode(bool wanted = false);
    void setTextMode(TextMode mode);
    void drawOwnText(QPainter& painter);
    void requestPaint();

    QPointer<QLineEdit> m_edit;
    QString m_text;
    TextMode m_textMode = TextMode::Drawn;
    bool m_readOnly = false;
    int m_maxLength = 32767;
    QFont m_textFont;
    platform::TColor m_textColour = platform::clWindowText;
    // The last context menu; it lives until the next one is asked for, so
    // the chosen item's command runs after its window has closed.
    QPointer<QObject> m_contextMenu;
    FrameKey m_frameKey;
    QImage m_frame;
    // A paint is asked for and has not come yet.
    bool m_paintRequested = false;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    platform::TFont m_font{QStringLiteral("Arial"), 14, {}, platform::clWindowText};
    platform::TFont m_defaultFont = m_font;
    bool m_useSkinFont = true;
    int m_defaultWidth = 0;
    int m_defaultHeight = 0;
    bool m_buttonMode = false;
    PressablePart m_button;
    bool m_autoSelect = true;
    bool m_hideSelection = true;
    bool m_frameless = false;
    bool m_mouseIn = false;
    // The program set the text colour over the record's (telemetry lighting
    // a lamp); hover, focus and skin changes keep it.
    bool m_programColour = false;
};

} // namespace skin
