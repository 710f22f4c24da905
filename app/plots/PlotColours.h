#pragma once

#include <QColor>

#include <array>

namespace skin {
class TkvSkinData;
}

// The colours of the graphs, from the skin: the face and text of its text
// fields (the "edit" record), a grid between the two, and traces that stand
// out on that face.
struct PlotColours {
    QColor background;
    QColor text;
    QColor grid;
    std::array<QColor, 8> traces;
};

// Black on white without a skin or an "edit" record.
PlotColours plotColours(const skin::TkvSkinData* skinData);
