#include "skin/controls/TkvSkinControl.h"

#include <QPainter>

#include <vector>

namespace skin {

namespace {

// A face is built, shown and dropped within one paint, so one buffer serves
// every control: painting a window then does not take fresh memory for each
// face, which costs most the first time its pages are touched.
class SharedFaceBuffer {
public:
    // A white face of the given size over the shared buffer while it lasts;
    // one of its own when the buffer is already lent out.
    class Lease {
    public:
        Lease(SharedFaceBuffer& owner, int width, int height)
            : m_owner(owner.m_lent ? nullptr : &owner)
        {
            if (!m_owner) {
                face.SetSize(width, height);
                return;
            }
            owner.m_lent = true;
            const size_t pixels = size_t(width) * size_t(height);
            if (owner.m_pixels.size() < pixels)
                owner.m_pixels.resize(pixels);
            QImage image(reinterpret_cast<uchar*>(owner.m_pixels.data()), width, height, width * 4,
                QImage::Format_RGB32);
            image.fill(Qt::white);
            face.setImage(image);
        }
        ~Lease()
        {
            if (m_owner)
                m_owner->m_lent = false;
        }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;

        platform::TBitmap face;

    private:
        SharedFaceBuffer* m_owner;
    };

private:
    std::vector<QRgb> m_pixels;
    bool m_lent = false;
};

} // namespace

TkvSkinControl::TkvSkinControl(QWidget* parent) : QWidget(parent), SkinLink(QString())
{
    // The face covers every pixel; nothing of the parent shows through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

TkvSkinControl::~TkvSkinControl() = default;

void TkvSkinControl::ChangeSkinData()
{
    GetSkinData();
    update();
}

void TkvSkinControl::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
}

void TkvSkinControl::CreateControlDefaultImage(platform::TBitmap&) {}

void TkvSkinControl::CreateControlSkinImage(platform::TBitmap&) {}

QImage TkvSkinControl::renderFace()
{
    if (width() <= 0 || height() <= 0)
        return {};
    platform::TBitmap bitmap(width(), height());
    drawFace(bitmap);
    return bitmap.image();
}

void TkvSkinControl::drawFace(platform::TBitmap& bitmap)
{
    GetSkinData();
    if (hasRecord())
        CreateControlSkinImage(bitmap);
    else
        CreateControlDefaultImage(bitmap);
}

void TkvSkinControl::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    static SharedFaceBuffer buffer;
    SharedFaceBuffer::Lease lease(buffer, width(), height());
    drawFace(lease.face);
    QPainter painter(this);
    painter.drawImage(0, 0, lease.face.image());
}

void TkvSkinControl::enterEvent(QEnterEvent*) { raiseEvent(OnMouseEnter, this); }

void TkvSkinControl::leaveEvent(QEvent*) { raiseEvent(OnMouseLeave, this); }

} // namespace skin
