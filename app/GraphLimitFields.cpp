#include "app/GraphLimitFields.h"

#include "app/ControlFactory.h"
#include "app/GraphView.h"
#include "app/ScaleLimits.h"
#include "platform/Color.h"
#include "skin/controls/TkvSkinEdit.h"
#include "skin/controls/TkvSkinStdLabel.h"

namespace {

using layout::Control;
using layout::Kind;

constexpr int kFieldWidth = 52;
constexpr int kFieldHeight = 18;
constexpr int kSpacing = 6;

constexpr Control kField = {Kind::InputField, {}, {}, 0, 0, kFieldWidth, kFieldHeight, ""};
// Texts on the legend row, in the legend's face.
constexpr Control kLegendText = {Kind::Label, {}, {}, 0, 0, 0, 14, "", {"Arial", 11, layout::Weight::Regular}};

} // namespace

GraphLimitFields::GraphLimitFields(GraphView& graph, QWidget* parent)
    : m_graph(graph)
    , m_minimum(static_cast<skin::TkvSkinEdit*>(makeControl(kField, parent)))
    , m_maximum(static_cast<skin::TkvSkinEdit*>(makeControl(kField, parent)))
    , m_problem(static_cast<skin::TkvSkinStdLabel*>(makeControl(kLegendText, parent)))
{
    const QString name = graph.objectName();
    m_minimum->setObjectName(name + QStringLiteral("Minimum"));
    m_maximum->setObjectName(name + QStringLiteral("Maximum"));
    m_problem->setObjectName(name + QStringLiteral("LimitsProblem"));
    // It grows to the left, away from the fields.
    m_problem->SetAlignment(skin::TAlignment::taRightJustify);
    for (QWidget* control : {static_cast<QWidget*>(m_minimum), static_cast<QWidget*>(m_maximum),
             static_cast<QWidget*>(m_problem)})
        control->setVisible(false);
    m_minimum->OnChange = [this](QObject*) { applyTyped(); };
    m_maximum->OnChange = [this](QObject*) { applyTyped(); };
}

void GraphLimitFields::setShown(bool shown)
{
    m_shown = shown;
    if (shown) {
        const auto [low, high] = m_graph.valueRange();
        m_minimum->SetText(QString::number(low, 'g', 6));
        m_maximum->SetText(QString::number(high, 'g', 6));
    } else {
        showProblem({});
    }
    m_minimum->setVisible(shown);
    m_maximum->setVisible(shown);
    layOut();
}

void GraphLimitFields::layOut()
{
    const QRect place = m_graph.geometry();
    m_maximum->SetBounds(place.right() - kFieldWidth, place.top(), kFieldWidth, kFieldHeight);
    m_minimum->SetBounds(m_maximum->x() - kSpacing - kFieldWidth, place.top(), kFieldWidth, kFieldHeight);
    m_problem->SetBounds(m_minimum->x() - kSpacing - m_problem->width(), place.top() + 2, m_problem->width(), 14);
    int legendEnd = place.width();
    if (m_shown)
        legendEnd = (m_problem->isHidden() ? m_minimum->x() : m_problem->x()) - place.left() - kSpacing;
    m_graph.setLegendEnd(legendEnd);
    for (QWidget* control : {static_cast<QWidget*>(m_problem), static_cast<QWidget*>(m_minimum),
             static_cast<QWidget*>(m_maximum)})
        control->raise();
}

void GraphLimitFields::setTextColour(const QColor& colour)
{
    platform::TFont font = m_problem->Font();
    font.Color = platform::fromQRgb(colour.rgb());
    m_problem->SetDefaultFont(font);
    m_problem->SetFont(font);
}

QString GraphLimitFields::problem() const
{
    return m_problem->Caption();
}

void GraphLimitFields::applyTyped()
{
    bool lowOk = false;
    bool highOk = false;
    const double low = m_minimum->Text().toDouble(&lowOk);
    const double high = m_maximum->Text().toDouble(&highOk);
    // Half-typed limits leave the scale as it was.
    if (!lowOk || !highOk) {
        showProblem({});
        return;
    }
    // So do limits the graph cannot draw, and the reason is shown.
    const std::optional<QString> problem = refusedLimits(low, high);
    showProblem(problem.value_or(QString()));
    if (!problem)
        m_graph.setScale(GraphView::Scale::Fixed, low, high);
}

void GraphLimitFields::showProblem(const QString& problem)
{
    if (problem == m_problem->Caption())
        return;
    m_problem->SetCaption(problem);
    m_problem->setVisible(m_shown && !problem.isEmpty());
    layOut();
}
