#pragma once

#include "platform/Bitmap.h"

#include <QWidget>

namespace platform {

// The picture control: shows its bitmap at the top-left corner. Drawing
// goes to Picture()'s canvas; Invalidate() shows the result.
class TImage : public QWidget {
public:
    explicit TImage(QWidget* parent = nullptr);

    TBitmap& Picture() { return m_picture; }
    const TBitmap& Picture() const { return m_picture; }
    // Sizes the bitmap to the control (new area white).
    void SetBounds(int left, int top, int width, int height);
    void Invalidate() { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBitmap m_picture;
};

} // namespace platform
