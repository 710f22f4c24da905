#include "skin/controls/TkvSkinButton.h"

#include "skin/controls/ButtonPainter.h"

#include <QApplication>
#include <QDialog>

namespace skin {

TkvSkinButton::TkvSkinButton(QWidget* parent) : TkvSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("button"));
    acceptRecords<TkvDataSkinButtonControl>();
    setSize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
    m_repeatTimer.setObjectName(QStringLiteral("repeat"));
    m_morphTimer.setObjectName(QStringLiteral("morph"));
    m_morphTimer.setInterval(20);
    connect(&m_repeatTimer, &QTimer::timeout, this, [this] {
        if (m_part.tick())
            ButtonClick();
    });
    updatePartRules();
    connect(&m_morphTimer, &QTimer::timeout, this, [this] { DoMorph(); });
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
        [this](QWidget*, QWidget* now) { formFocusChanged(now); });
}

TkvSkinButton::~TkvSkinButton()
{
    // The widget's own destructor moves the focus away; by then this is no
    // longer a button, so the watch ends here.
    disconnect(m_focusWatch);
}

void TkvSkinButton::SetCaption(const QString& value)
{
    if (m_caption == value)
        return;
    m_caption = value;
    updateAccelerator();
    update();
}

void TkvSkinButton::SetGlyph(const platform::TBitmap& value)
{
    m_glyph.Assign(value);
    update();
}

void TkvSkinButton::SetNumGlyphs(int value)
{
    value = std::clamp(value, 1, 4);
    if (m_numGlyphs == value)
        return;
    m_numGlyphs = value;
    update();
}

void TkvSkinButton::SetLayout(TkvButtonLayout value)
{
    if (m_layout == value)
        return;
    m_layout = value;
    update();
}

void TkvSkinButton::SetMargin(int value)
{
    if (m_margin == value || value < -1)
        return;
    m_margin = value;
    update();
}

void TkvSkinButton::SetSpacing(int value)
{
    if (m_spacing == value)
        return;
    m_spacing = value;
    update();
}

void TkvSkinButton::SetRepeatMode(bool value)
{
    m_repeatMode = value;
    updateRepeat();
}

void TkvSkinButton::SetRepeatInterval(int value)
{
    m_repeatInterval = value;
    updateRepeat();
}

void TkvSkinButton::SetGroupIndex(int value)
{
    m_groupIndex = value;
    updatePartRules();
    updateRepeat();
    if (value != 0)
        SetCanFocused(false);
}

void TkvSkinButton::updatePartRules()
{
    if (m_groupIndex == 0)
        m_part.setRules({PressedLook::UnderPointer, FocusLook::Hot});
    else
        m_part.setRules({PressedLook::WhileDown, FocusLook::Hot, HotLook::Shown, ReleaseRule::Latch});
}

void TkvSkinButton::updateRepeat()
{
    // The first repeat click comes one period after the press.
    m_part.setRepeat(&m_repeatTimer, {0, m_repeatMode && m_groupIndex == 0 ? m_repeatInterval : 0});
}

void TkvSkinButton::SetCanFocused(bool value)
{
    m_canFocused = value;
    setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
    m_part.setFocused(IsFocused());
}

void TkvSkinButton::SetDefault(bool value)
{
    m_default = value;
    m_activeDefault = value;
    updateDialogKeyFilter();
}

void TkvSkinButton::SetCancel(bool value)
{
    m_cancel = value;
    updateDialogKeyFilter();
}

void TkvSkinButton::SetDown(bool value)
{
    if (Down() == value)
        return;
    m_part.setDown(value);
    downChanged();
}

void TkvSkinButton::downChanged()
{
    if (m_morphing) {
        if (Down()) {
            m_morphFactor = 1.0;
            StopMorph();
        } else {
            // Lets the hot look fade out when the pointer has gone.
            StartMorph();
        }
    }
    update();
    if (m_groupIndex == 0 || !Down() || m_allowAllUp || !parentWidget())
        return;
    for (QObject* child : parentWidget()->children()) {
        auto* other = qobject_cast<TkvSkinButton*>(child);
        if (other && other != this && other->m_groupIndex == m_groupIndex && other->Down())
            other->SetDown(false);
    }
}

bool TkvSkinButton::IsFocused() const { return hasFocus() && m_canFocused; }

void TkvSkinButton::ButtonClick()
{
    if (m_canFocused && m_modalResult != 0) {
        if (auto* dialog = qobject_cast<QDialog*>(window()))
            dialog->done(m_modalResult);
    }
    raiseEvent(OnClick, this);
}

void TkvSkinButton::ChangeSkinData()
{
    StopMorph();
    m_morphFactor = 0.0;
    TkvSkinCustomControl::ChangeSkinData();
    if (m_morphing && (IsFocused() || MouseIn()))
        m_morphFactor = 1.0;
}

int TkvSkinButton::GetGlyphNum(bool ADown, bool AMouseIn) const
{
    return glyphNumber(m_numGlyphs, ADown, AMouseIn, !m_part.enabled());
}

ButtonFace TkvSkinButton::face() const
{
    ButtonFace f;
    f.part = m_part.face();
    f.mouseIn = MouseIn();
    f.down = Down();
    f.morphFactor = m_morphFactor;
    f.glyphIndex = GetGlyphNum(Down(), MouseIn());
    f.font = controlFont();
    return f;
}

ButtonContent TkvSkinButton::content() const
{
    return {RealClientRect(), m_margin, m_spacing, m_layout, m_caption, &m_glyph, m_numGlyphs};
}

void TkvSkinButton::CreateControlDefaultImage(platform::TBitmap& bitmap)
{
    paintDefaultButton(bitmap.Canvas(), content(), face());
}

void TkvSkinButton::ReDrawControl()
{
    if (m_morphing && hasRecord())
        StartMorph();
    else
        update();
}

void TkvSkinButton::StartMorph()
{
    if (!m_morphTimer.isActive())
        m_morphTimer.start();
}

void TkvSkinButton::StopMorph() { m_morphTimer.stop(); }

void TkvSkinButton::DoMorph()
{
    const double target = (MouseIn() || IsFocused()) ? 1.0 : 0.0;
    if (!hasRecord() || !m_morphing) {
        m_morphFactor = target;
        StopMorph();
        return;
    }
    if (target == 1.0 && m_morphFactor < 1.0) {
        m_morphFactor += 0.2;
    } else if (target == 0.0 && m_morphFactor > 0.0) {
        m_morphFactor -= 0.2;
    } else {
        m_morphFactor = target;
        StopMorph();
    }
    update();
}

void TkvSkinButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        StopMorph();
        m_morphFactor = 0.0;
        m_part.setEnabled(isEnabled());
        m_part.setHot(false);
        update();
    }
    TkvSkinCustomControl::changeEvent(event);
}

} // namespace skin
