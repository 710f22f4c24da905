#include "app/widgets/BesidePlacement.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <tuple>

namespace {

// Between the main window and the window beside it.
constexpr int kGap = 8;
// How much of a window's top must lie on a screen for the user to take
// hold of its caption.
constexpr int kCaptionHeight = 20;
constexpr int kCaptionGrip = 40;

int64_t area(const QRect& r)
{
    return r.isEmpty() ? 0 : int64_t(r.width()) * r.height();
}

int64_t covered(const QRect& a, const QRect& b)
{
    return area(a.intersected(b));
}

// The screen holding most of the main window; the first when none holds
// any of it.
QRect screenOf(const QRect& main, const std::vector<QRect>& screens)
{
    QRect best = screens.front();
    int64_t most = -1;
    for (const QRect& screen : screens) {
        if (covered(screen, main) > most) {
            most = covered(screen, main);
            best = screen;
        }
    }
    return best;
}

// Level with the main window's top as far as the room allows.
int levelTop(const QRect& main, const QRect& room, int height)
{
    return std::clamp(main.top(), room.top(), std::max(room.top(), room.bottom() + 1 - height));
}

std::optional<QRect> onAnotherScreen(const BesideRequest& request, const QRect& room)
{
    std::optional<QRect> best;
    for (const QRect& other : request.screens) {
        if (other == room || other.intersects(request.main) || other.width() < request.minimum.width()
            || other.height() < request.minimum.height())
            continue;
        const QSize fit = request.size.boundedTo(other.size());
        // At the edge that faces the main window.
        const int left = other.center().x() >= request.main.center().x() ? other.left() : other.right() + 1 - fit.width();
        const QRect place(QPoint(left, levelTop(request.main, other, fit.height())), fit);
        if (!best || area(place) > area(*best))
            best = place;
    }
    return best;
}

// The window at its minimum where it hides the least, in this order: of
// the instruments, of itself past the screen's right or bottom edge (its
// caption stays on the screen), of the main window, of the main window's
// caption; then the nearest to where it would stand beside it. Each of
// these changes slope only where an edge of the window meets an edge of
// the room, the main window or an instrument, so those places are the only
// ones to try.
QRect leastCovering(const BesideRequest& request, const QRect& room)
{
    const QRect& main = request.main;
    const QSize fit = request.minimum.boundedTo(room.size());
    std::vector<int> xs = {room.left(), room.right() + 1 - fit.width(), main.left() - fit.width(), main.right() + 1};
    std::vector<int> ys = {room.top(), room.bottom() + 1 - fit.height(), main.top() - fit.height(), main.bottom() + 1};
    for (const QRect& part : request.uncovered) {
        xs.insert(xs.end(), {part.left() - fit.width(), part.right() + 1});
        ys.insert(ys.end(), {part.top() - fit.height(), part.bottom() + 1});
    }
    const QRect mainCaption(main.topLeft(), QSize(main.width(), std::min(kCaptionHeight, main.height())));
    const QPoint beside(main.right() + 1 + kGap, main.top());
    using Cost = std::tuple<int64_t, int64_t, int64_t, int64_t, int>;
    QRect best;
    Cost least{INT64_MAX, INT64_MAX, INT64_MAX, INT64_MAX, INT_MAX};
    for (const int x : xs) {
        for (const int y : ys) {
            const QPoint corner(std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - kCaptionGrip)),
                std::clamp(y, room.top(), std::max(room.top(), room.bottom() + 1 - kCaptionHeight)));
            const QRect place(corner, fit);
            int64_t instruments = 0;
            for (const QRect& part : request.uncovered)
                instruments += covered(place, part);
            const Cost cost{instruments, area(place) - covered(place, room), covered(place, main),
                covered(place, mainCaption), (corner - beside).manhattanLength()};
            if (cost < least) {
                least = cost;
                best = place;
            }
        }
    }
    return best;
}

} // namespace

BesidePlace placeBeside(const BesideRequest& request)
{
    const QRect& main = request.main;
    if (request.screens.empty())
        return {QRect(QPoint(main.right() + 1 + kGap, main.top()), request.size), main};
    const QRect room = screenOf(main, request.screens);
    const int height = std::min(request.size.height(), room.height());
    const int top = levelTop(main, room, height);
    const auto rightOf = [&](const QRect& owner, int width) {
        return QRect(owner.right() + 1 + kGap, top, width, height);
    };
    const auto leftOf = [&](const QRect& owner, int width) {
        return QRect(owner.left() - kGap - width, top, width, height);
    };

    const int right = room.right() - main.right() - kGap;
    const int left = main.left() - kGap - room.left();
    if (right >= request.size.width())
        return {rightOf(main, request.size.width()), main};
    if (left >= request.size.width())
        return {leftOf(main, request.size.width()), main};
    if (std::max(left, right) >= request.minimum.width())
        return {right >= left ? rightOf(main, right) : leftOf(main, left), main};

    if (const auto other = onAnotherScreen(request, room))
        return {*other, main};

    if (room.width() >= main.width() + kGap + request.minimum.width()) {
        const int width = std::min(request.size.width(), room.width() - main.width() - kGap);
        QRect moved = main;
        if (right >= left) {
            moved.moveRight(room.right() - kGap - width);
            return {rightOf(moved, width), moved};
        }
        moved.moveLeft(room.left() + width + kGap);
        return {leftOf(moved, width), moved};
    }
    return {leastCovering(request, room), main};
}

bool onAScreen(const QRect& place, const std::vector<QRect>& screens)
{
    const QRect caption(place.topLeft(), QSize(place.width(), std::min(kCaptionHeight, place.height())));
    const int grip = std::min(kCaptionGrip, place.width());
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        const QRect shown = caption.intersected(screen);
        return !caption.isEmpty() && shown.height() == caption.height() && shown.width() >= grip;
    });
}
