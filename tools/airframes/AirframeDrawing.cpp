#include "AirframeDrawing.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

const QColor kOrange(240, 136, 20);
const QColor kBlue(40, 104, 214);
const QColor kArm(30, 30, 30);
const QColor kArrow(70, 70, 70);

// One arm end: where its motor sits (degrees clockwise from the nose) and
// the motor numbers there; a second number makes it a coaxial pair, the
// first on top.
struct Arm {
    double angle;
    int upper;
    int lower = 0;
};

struct Frame {
    std::vector<Arm> arms;
    double armLength;
    double discRadius;
};

QPointF polar(QPointF centre, double radius, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180;
    return {centre.x() + radius * std::sin(radians), centre.y() - radius * std::cos(radians)};
}

// Odd motors turn clockwise, even ones counter-clockwise: neighbours on the
// ring turn against each other, so opposite motors share a direction.
bool turnsClockwise(int motor) { return motor % 2 == 1; }
QColor motorColour(int motor) { return motor % 2 == 1 ? kOrange : kBlue; }

void drawTurnArrow(QPainter& painter, QPointF centre, double radius, bool clockwise)
{
    // A three-quarter arc with its head on the leading end.
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const double startDegrees = 120;   // Qt: counter-clockwise from 3 o'clock
    const double spanDegrees = 240;
    painter.setPen(QPen(kArrow, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(box, static_cast<int>(startDegrees * 16), static_cast<int>(spanDegrees * 16));

    const double headAngle = clockwise ? startDegrees : startDegrees + spanDegrees;
    const double rad = headAngle * std::numbers::pi / 180;
    const QPointF tip(centre.x() + radius * std::cos(rad), centre.y() - radius * std::sin(rad));
    // Tangent pointing along the turning direction (screen coordinates).
    const QPointF tangent = clockwise ? QPointF(std::sin(rad), std::cos(rad)) : QPointF(-std::sin(rad), -std::cos(rad));
    const QPointF normal(-tangent.y(), tangent.x());
    const double size = 4.5;
    QPolygonF head;
    head << tip + tangent * size << tip - tangent * 1.5 + normal * size * 0.8 << tip - tangent * 1.5 - normal * size * 0.8;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kArrow);
    painter.drawPolygon(head);
}

void drawNumber(QPainter& painter, QPointF centre, int number, int pixelSize, const QColor& colour)
{
    QFont font("Liberation Sans");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRectF(centre.x() - 12, centre.y() - 10, 24, 20), Qt::AlignCenter, QString::number(number));
}

void drawMotor(QPainter& painter, QPointF centre, double radius, const Arm& arm)
{
    if (arm.lower == 0) {
        drawTurnArrow(painter, centre, radius + 3.5, turnsClockwise(arm.upper));
        painter.setPen(QPen(Qt::black, 1.2));
        painter.setBrush(motorColour(arm.upper));
        painter.drawEllipse(centre, radius, radius);
        drawNumber(painter, centre, arm.upper, static_cast<int>(radius), Qt::white);
        return;
    }
    // Coaxial pair: the lower motor is the blue outer ring, the upper one
    // the orange disc inside it; each has its own arrow.
    drawTurnArrow(painter, centre, radius + 3.5, turnsClockwise(arm.lower));
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(kBlue);
    painter.drawEllipse(centre, radius, radius);
    const double inner = radius * 0.62;
    painter.setBrush(kOrange);
    painter.drawEllipse(centre, inner, inner);
    drawNumber(painter, centre, arm.upper, static_cast<int>(inner * 1.25), Qt::white);
    // The lower motor's number sits on the ring, towards the outside.
    const QPointF ringLabel = centre + QPointF(0, radius * 0.81);
    drawNumber(painter, ringLabel, arm.lower, 8, Qt::white);
}

void drawHub(QPainter& painter, QPointF centre)
{
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, 11, 11);
    QPolygonF arrow;
    arrow << centre + QPointF(0, -8) << centre + QPointF(6, 0) << centre + QPointF(2, 0) << centre + QPointF(2, 7)
          << centre + QPointF(-2, 7) << centre + QPointF(-2, 0) << centre + QPointF(-6, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
}

void drawFrame(QPainter& painter, QPointF centre, const Frame& frame)
{
    painter.setPen(QPen(kArm, 5, Qt::SolidLine, Qt::RoundCap));
    for (const Arm& arm : frame.arms)
        painter.drawLine(centre, polar(centre, frame.armLength, arm.angle));
    for (const Arm& arm : frame.arms)
        drawMotor(painter, polar(centre, frame.armLength, arm.angle), frame.discRadius, arm);
    drawHub(painter, centre);
}

std::vector<Frame> frames()
{
    return {
        // "+4"
        {{{0, 1}, {90, 3}, {180, 2}, {270, 4}}, 43, 17},
        // "X4"
        {{{315, 1}, {45, 3}, {135, 2}, {225, 4}}, 43, 17},
        // "+6"
        {{{0, 1}, {60, 2}, {120, 3}, {180, 4}, {240, 5}, {300, 6}}, 45, 14},
        // "X6"
        {{{330, 1}, {30, 2}, {90, 3}, {150, 4}, {210, 5}, {270, 6}}, 45, 14},
        // "Y6"
        {{{300, 1, 4}, {60, 2, 5}, {180, 3, 6}}, 42, 17},
        // "Fh8"
        {{{337.5, 1}, {22.5, 2}, {67.5, 3}, {112.5, 4}, {157.5, 5}, {202.5, 6}, {247.5, 7}, {292.5, 8}}, 47, 12},
        // "X8"
        {{{315, 1, 5}, {45, 3, 7}, {135, 2, 6}, {225, 4, 8}}, 43, 17},
    };
}

} // namespace

QImage drawAirframeStrip()
{
    QImage strip(kAirframeCell * kAirframeCount, kAirframeCell, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const std::vector<Frame> all = frames();
    for (int cell = 0; cell < kAirframeCount; ++cell) {
        painter.save();
        painter.setClipRect(cell * kAirframeCell, 0, kAirframeCell, kAirframeCell);
        const QPointF centre(cell * kAirframeCell + kAirframeCell / 2.0, kAirframeCell / 2.0);
        drawFrame(painter, centre, all[static_cast<size_t>(cell)]);
        painter.restore();
    }
    return strip;
}
