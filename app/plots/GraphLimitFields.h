#pragma once

#include <QColor>
#include <QString>

#include <array>

class GraphView;
class QWidget;

namespace skin {
class TkvSkinEdit;
class TkvSkinStdLabel;
}

// The typed limits of one graph's fixed scale, at the right end of its
// legend row: a minimum and a maximum field, each after its label, and,
// left of them, why a typed pair is refused. A pair the graph can draw
// becomes its scale at once.
class GraphLimitFields {
public:
    // The controls are made in parent, the graph's parent.
    GraphLimitFields(GraphView& graph, QWidget* parent);

    // Shown with the graph's range (a fixed scale), or hidden.
    void setShown(bool shown);
    // After the graph moved or resized; the graph's legend ends before the
    // controls.
    void layOut();
    void setTextColour(const QColor& colour);
    // Why the typed pair is refused; empty when it is not.
    QString problem() const;

private:
    void applyTyped();
    void showProblem(const QString& problem);
    // All of them, left to right.
    std::array<QWidget*, 5> controls() const;

    GraphView& m_graph;
    skin::TkvSkinEdit* m_minimum;
    skin::TkvSkinEdit* m_maximum;
    skin::TkvSkinStdLabel* m_minimumLabel;
    skin::TkvSkinStdLabel* m_maximumLabel;
    skin::TkvSkinStdLabel* m_problem;
    bool m_shown = false;
};
