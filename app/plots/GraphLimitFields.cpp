#include "app/plots/GraphLimitFields.h"

#include "app/plots/GraphView.h"
#include "app/plots/ScaleLimits.h"
#include "app/widgets/ControlFactory.h"
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
constexpr layout::Font kLegendFont = {"Arial", 11, layout::Weight::Regular};
constexpr Control kLegendText = {Kind::Label, {}, {}, 0, 0, 0, 14, "", kLegendFont};
constexpr Control kMinimumLabel = {Kind::Label, {}, {}, 0, 0, 0, 14, "Minimum", kLegendFont};
constexpr Control kMaximumLabel = {Kind::Label, {}, {}, 0, 0, 0, 14, "Maximum", kLegendFont};
// Between a label and its field.
constexpr int kLabelGap = 3;

} // namespace

GraphLimitFields::GraphLimitFields(GraphView& graph, QWidget* parent)
    : m_graph(graph)
    , m_minimum(static_cast<skin::TkvSkinEdit*>(makeControl(kField, parent)))
    , m_maximum(static_cast<skin::TkvSkinEdit*>(makeControl(kField, parent)))
    , m_minimumLabel(static_cast<skin::TkvSkinStdLabel*>(makeControl(kMinimumLabel, parent)))
    , m_maximumLabel(static_cast<skin::TkvSkinStdLabel*>(makeControl(kMaximumLabel, parent)))
    , m_problem(static_cast<skin::TkvSkinStdLabel*>(makeControl(kLegendText, parent)))
{
    const QString name = graph.objectName();
    m_minimum->setObjectName(name + QStringLiteral("Minimum"));
    m_maximum->setObjectName(name + QStringLiteral("Maximum"));
    m_minimumLabel->setObjectName(name + QStringLiteral("MinimumLabel"));
    m_maximumLabel->setObjectName(name + QStringLiteral("MaximumLabel"));
    m_problem->setObjectName(name + QStringLiteral("LimitsProblem"));
    // It grows to the left, away from the fields.
    m_problem->SetAlignment(skin::TAlignment::taRightJustify);
    for (QWidget* control : controls())
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
    // The reason shows only with a refused pair.
    for (QWidget* control : controls()) {
        if (control != m_problem)
            control->setVisible(shown);
    }
    layOut();
}

void GraphLimitFields::layOut()
{
    const QRect place = m_graph.geometry();
    // Right to left: each field with its label before it, then the reason.
    const auto leftOf = [](const QWidget* control, int width, int gap) { return control->x() - gap - width; };
    m_maximum->SetBounds(place.right() + 1 - kFieldWidth, place.top(), kFieldWidth, kFieldHeight);
    const int textTop = place.top() + 2;
    m_maximumLabel->SetBounds(leftOf(m_maximum, m_maximumLabel->width(), kLabelGap), textTop,
        m_maximumLabel->width(), m_maximumLabel->height());
    m_minimum->SetBounds(leftOf(m_maximumLabel, kFieldWidth, kSpacing), place.top(), kFieldWidth, kFieldHeight);
    m_minimumLabel->SetBounds(leftOf(m_minimum, m_minimumLabel->width(), kLabelGap), textTop,
        m_minimumLabel->width(), m_minimumLabel->height());
    m_problem->SetBounds(leftOf(m_minimumLabel, m_problem->width(), kSpacing), textTop, m_problem->width(),
        m_problem->height());
    int legendEnd = place.width();
    if (m_shown)
        legendEnd = (m_problem->isHidden() ? m_minimumLabel->x() : m_problem->x()) - place.left() - kSpacing;
    m_graph.setLegendEnd(legendEnd);
    for (QWidget* control : controls())
        control->raise();
}

void GraphLimitFields::setTextColour(const QColor& colour)
{
    for (skin::TkvSkinStdLabel* label : {m_minimumLabel, m_maximumLabel, m_problem}) {
        platform::TFont font = label->Font();
        font.Color = platform::fromQRgb(colour.rgb());
        label->SetDefaultFont(font);
        label->SetFont(font);
    }
}

std::array<QWidget*, 5> GraphLimitFields::controls() const
{
    return {m_problem, m_minimumLabel, m_minimum, m_maximumLabel, m_maximum};
}

QString GraphLimitFields::problem() const
{
    return m_problem->Caption();
}

void GraphLimitFields::applyTyped()
{
    // A refused pair leaves the scale as it was, and says why.
    const TypedLimits typed = readTypedLimits(m_minimum->Text(), m_maximum->Text());
    showProblem(typed.problem);
    if (typed.problem.isEmpty())
        m_graph.setScale(GraphView::Scale::Fixed, typed.minimum, typed.maximum);
}

void GraphLimitFields::showProblem(const QString& problem)
{
    if (problem == m_problem->Caption())
        return;
    m_problem->SetCaption(problem);
    m_problem->setVisible(m_shown && !problem.isEmpty());
    layOut();
}
