// The hint component and the picture of a hint.

#include "skin/frame/TkvSkinHint.h"

#include "platform/Color.h"
#include "platform/RegionPaint.h"
#include "skin/data/SkinFont.h"
#include "skin/data/SkinImageBuilders.h"
#include "skin/data/SkinRegions.h"
#include "skin/data/TkvSkinData.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace skin {

using platform::TBitmap;
using platform::TCanvas;

namespace {

// Room between the text and the client area's edges.
constexpr int kTextMargin = 2;
// Without a skin: the frame line and the room inside it.
constexpr int kPlainMargin = 3;
// The hint stands this far below the pointer, clear of its arrow.
constexpr int kBelowPointer = 20;

SkinCut hintCut(const TkvDataSkinHintWindow& r, const TBitmap& picture)
{
    return r.cut(QSize(picture.Width(), picture.Height()));
}

} // namespace

HintFace::HintFace(const TkvSkinData* skin, QString text) : m_text(std::move(text))
{
    if (skin && !skin->IsEmpty()) {
        m_skin = skin;
        m_picture = skin->decodedActivePicture(skin->HintWindowRecord.windowpictureindex);
    }
    TBitmap scratch(1, 1);
    applyFont(scratch.Canvas());
    m_textSize = QSize(scratch.Canvas().TextWidth(m_text), scratch.Canvas().TextHeight(m_text.isEmpty() ? QStringLiteral("W") : m_text));
    const int textWidth = m_textSize.width() + 2 * kTextMargin;
    const int textHeight = m_textSize.height() + kTextMargin;
    if (!m_picture) {
        m_size = QSize(textWidth + 2 * kPlainMargin, textHeight + 2 * kPlainMargin);
        m_textRect = {kPlainMargin, kPlainMargin, m_size.width() - kPlainMargin, m_size.height() - kPlainMargin};
        return;
    }
    const TkvDataSkinHintWindow& r = skin->HintWindowRecord;
    const SkinCut cut = hintCut(r, *m_picture);
    // The client area grows with the window; the corners and edges never
    // shrink below their own size.
    const int fixedWidth = cut.leftTop.x + (cut.width() - cut.rightTop.x);
    const int fixedHeight = cut.leftTop.y + (cut.height() - cut.leftBottom.y);
    const int width = std::max(textWidth + cut.width() - cut.client.width(), fixedWidth);
    const int height = std::max(textHeight + cut.height() - cut.client.height(), fixedHeight);
    m_size = QSize(std::max(width, 1), std::max(height, 1));
    m_textRect = stretchedTarget(cut, m_size.width(), m_size.height()).client;
}

void HintFace::applyFont(TCanvas& canvas) const
{
    if (m_picture) {
        canvas.Font = recordFont(m_skin->HintWindowRecord);
    } else {
        canvas.Font.Name = QStringLiteral("Arial");
        canvas.Font.Height = 14;
        canvas.Font.Style = {};
        canvas.Font.Color = platform::clInfoText;
    }
}

void HintFace::drawPlain(TBitmap& face) const
{
    TCanvas& c = face.Canvas();
    c.Brush.Color = platform::clInfoBk;
    c.Pen.Color = platform::clInfoText;
    c.Rectangle(0, 0, m_size.width(), m_size.height());
}

void HintFace::draw(TBitmap& face) const
{
    face.SetSize(m_size.width(), m_size.height());
    if (face.Empty())
        return;
    if (m_picture) {
        const TkvDataSkinHintWindow& r = m_skin->HintWindowRecord;
        const SkinCut cut = hintCut(r, *m_picture);
        CreateSkinImageBS(cut, stretchedTarget(cut, m_size.width(), m_size.height()), face, *m_picture,
            {0, 0, m_picture->Width(), m_picture->Height()}, true, r.stretch());
    } else {
        drawPlain(face);
    }
    TCanvas& c = face.Canvas();
    applyFont(c);
    c.Brush.Style = platform::BrushStyle::Clear;
    const int y = m_textRect.top + m_textRect.height() / 2 - m_textSize.height() / 2;
    c.TextRect(m_textRect, m_textRect.left + kTextMargin, y, m_text);
    c.Brush.Style = platform::BrushStyle::Solid;
}

std::optional<QRegion> HintFace::region() const
{
    if (!m_picture)
        return std::nullopt;
    const TkvDataSkinHintWindow& r = m_skin->HintWindowRecord;
    const TBitmap* mask = m_skin->decodedActivePicture(r.maskpictureindex);
    if (!mask)
        return std::nullopt;
    const SkinCut cut = hintCut(r, *mask);
    return CreateSkinRegion(cut, stretchedTarget(cut, m_size.width(), m_size.height()), *mask);
}

namespace {

// The hint's own window: drawn whole from the face at every paint, so a
// skin change shows at the next one.
class HintWindow : public QWidget {
public:
    explicit HintWindow(TkvSkinHint& hint)
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
        , m_hint(hint)
    {
        setObjectName(QStringLiteral("kvSkinHintWindow"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        TBitmap face(0, 0, devicePixelRatioF());
        HintFace(m_hint.SkinData(), m_hint.Text()).draw(face);
        QPainter painter(this);
        platform::drawImageInRegion(painter, event->region(), {0, 0}, face.image());
    }

private:
    TkvSkinHint& m_hint;
};

} // namespace

TkvSkinHint::TkvSkinHint(QObject* owner) : QObject(owner), m_window(new HintWindow(*this))
{
    setObjectName(QStringLiteral("kvSkinHint"));
    CursorPos = [] { return QCursor::pos(); };
}

TkvSkinHint::~TkvSkinHint() { delete m_window; }

void TkvSkinHint::SetSkinData(TkvSkinData* value)
{
    m_skinData = value;
    if (Showing())
        ActivateHint2(m_text);
}

bool TkvSkinHint::Showing() const { return m_window->isVisible(); }

void TkvSkinHint::ActivateHint2(const QString& text)
{
    m_text = text;
    const HintFace face(m_skinData, m_text);
    const QPoint pointer = CursorPos();
    QRect place(pointer + QPoint(0, kBelowPointer), face.size());
    if (const QScreen* screen = QGuiApplication::screenAt(pointer)) {
        const QRect area = screen->availableGeometry();
        if (place.right() > area.right())
            place.moveRight(area.right());
        if (place.bottom() > area.bottom())
            place.moveBottom(pointer.y() - 1);
        place.moveLeft(std::max(place.left(), area.left()));
        place.moveTop(std::max(place.top(), area.top()));
    }
    m_window->setGeometry(place);
    if (const std::optional<QRegion> region = face.region())
        m_window->setMask(*region);
    else
        m_window->clearMask();
    m_window->show();
    m_window->raise();
    m_window->update();
}

void TkvSkinHint::HideHint() { m_window->hide(); }

} // namespace skin
