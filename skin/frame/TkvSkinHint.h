#pragma once

#include "platform/Bitmap.h"
#include "skin/data/SkinTypes.h"

#include <QObject>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <optional>

namespace skin {

class TkvSkinData;

// The picture of a hint: the skin's hint window ([HINTWINDOW]) stretched
// around the text by its corner points, the text in the record's font in
// the middle of its client area, and the outline its mask cuts; a plain
// box in the system's hint colours without a skin or a window picture.
class HintFace {
public:
    // skin may be nullptr or empty.
    HintFace(const TkvSkinData* skin, QString text);

    QSize size() const { return m_size; }
    // The face at the window's pixel ratio.
    void draw(platform::TBitmap& face) const;
    // The window region from the record's mask; none without one.
    std::optional<QRegion> region() const;

private:
    void drawPlain(platform::TBitmap& face) const;
    void applyFont(platform::TCanvas& canvas) const;

    const TkvSkinData* m_skin = nullptr;
    const platform::TBitmap* m_picture = nullptr;
    QString m_text;
    QSize m_textSize;
    QSize m_size;
    TRect m_textRect;
};

// A hint component: shows a short text in a small window next to the
// pointer until it is hidden. The window never takes the activation, the
// focus or the pointer. A frame shows its objects' hints through one:
//
//     auto* hint = new TkvSkinHint(window);
//     hint->SetSkinData(skinData);
//     frame->SetSkinHint(hint);
//     frame->ShowObjectHint = true;
class TkvSkinHint : public QObject {
    Q_OBJECT

public:
    explicit TkvSkinHint(QObject* owner = nullptr);
    ~TkvSkinHint() override;

    TkvSkinData* SkinData() const { return m_skinData; }
    void SetSkinData(TkvSkinData* value);

    // Shows text below the pointer, kept inside the pointer's screen.
    void ActivateHint2(const QString& text);
    void HideHint();

    bool Showing() const;
    const QString& Text() const { return m_text; }
    // The hint's window, for tests and screenshots.
    QWidget* window() const { return m_window; }

    // Where the pointer is, in screen coordinates; tests replace it.
    std::function<QPoint()> CursorPos;

private:
    QPointer<TkvSkinData> m_skinData;
    QString m_text;
    QWidget* m_window;
};

} // namespace skin
