#pragma once

#include "skin/frame/FrameTypes.h"

#include <QString>

#include <memory>
#include <vector>

namespace skin {

class TkvActiveSkinObject;
class TkvResourceStrData;
class TkvSkinData;
class TkvSorvane;

// Whether the caption buttons are hidden altogether.
enum class CaptionButtons { Shown, Hidden };

// The frame's objects: made from the skin's records or, without a skin,
// the plain frame's buttons; which of the buttons show and answer; and
// what happens to all of them at once (morph steps, losing the hover).
class FrameObjectList {
public:
    using Objects = std::vector<std::unique_ptr<TkvActiveSkinObject>>;

    const Objects& items() const { return m_items; }
    Objects& items() { return m_items; }
    bool empty() const { return m_items.empty(); }
    void clear() { m_items.clear(); }

    // The objects of skin's records; menu records belong to the menus.
    void load(TkvSorvane& owner, const TkvSkinData& skin);
    // The plain frame's caption buttons.
    void loadDefault(TkvSorvane& owner);
    // Hides and disables the caption buttons the window does not offer;
    // askCustom decides for the skin's custom ones.
    void check(TkvBorderIcons icons, CaptionButtons buttons, const TkvActivateCustomObjectEvent& askCustom);
    // Gives the objects that carry a window command the standard hint of
    // that command: the skin's text for it when strings is given, else the
    // built-in one. Custom buttons keep the skin's hint.
    void checkHints(const TkvResourceStrData* strings);

    // -1 without such an object.
    int indexOf(const QString& IDName) const;
    TkvActiveSkinObject* find(const QString& IDName) const;
    // The window's activation changed: no object but the caption stays lit.
    void dropHover();
    // One morph step of every object that morphs; false when none did.
    bool morphStep();
    // One 25 ms tick of every playing animation; false when none plays.
    bool animateStep();
    // The button held down by the menu it opened comes up.
    void liftMenuButton();

private:
    Objects m_items;
};

} // namespace skin
