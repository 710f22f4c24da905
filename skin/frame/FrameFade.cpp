// The window's opacity and its fade-in.

#include "skin/frame/FrameFade.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace skin {

FrameFade::FrameFade(QObject* timerOwner, QWidget* form, const bool& animation, int stepSize)
    : m_form(form)
    , m_animation(animation)
    , m_step(std::max(stepSize, 1))
    , m_timer(new QTimer(timerOwner))
{
    m_timer->setObjectName(QStringLiteral("fadeTimer"));
    m_timer->setInterval(5);
    QObject::connect(m_timer, &QTimer::timeout, timerOwner, [this] {
        if (!step())
            m_timer->stop();
    });
}

void FrameFade::setAlphaBlend(bool value)
{
    if (m_alphaBlend == value)
        return;
    m_alphaBlend = value;
    setOpacity(value ? m_alphaBlendValue : 255);
}

void FrameFade::setAlphaBlendValue(int value)
{
    m_alphaBlendValue = std::clamp(value, 0, 255);
    if (m_alphaBlend)
        setOpacity(m_alphaBlendValue);
}

void FrameFade::start()
{
    if (!m_alphaBlend && !m_animation)
        return;
    m_fadeTarget = m_animation && !m_alphaBlend ? 255 : m_alphaBlendValue;
    m_fadeOpacity = 0;
    if (m_animation)
        setOpacity(0);
    m_timer->start();
}

bool FrameFade::step()
{
    if (!m_animation) {
        if (m_fadeTarget < 255)
            setOpacity(m_fadeTarget);
        return false;
    }
    m_fadeOpacity = std::min(m_fadeOpacity + m_step, m_fadeTarget);
    setOpacity(m_fadeOpacity);
    return m_fadeOpacity < m_fadeTarget;
}

void FrameFade::setOpacity(int value)
{
    m_opacity = value;
    // Platforms without window opacity (headless ones) only complain.
    const QString platform = QGuiApplication::platformName();
    if (platform != u"offscreen" && platform != u"minimal")
        m_form->setWindowOpacity(value / 255.0);
}

} // namespace skin
