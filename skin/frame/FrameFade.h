#pragma once

class QObject;
class QTimer;
class QWidget;

namespace skin {

// The window's opacity: the owner's alpha blend, and the fade-in when the
// window shows, one step (5 unless the owner says) every 5 ms
// ("fadeTimer") up to the blend value, or to full opacity when only the
// animation is asked for.
class FrameFade {
public:
    // animation is read at every step: the owner may change it meanwhile.
    FrameFade(QObject* timerOwner, QWidget* form, const bool& animation, int stepSize = 5);

    bool alphaBlend() const { return m_alphaBlend; }
    void setAlphaBlend(bool value);
    int alphaBlendValue() const { return m_alphaBlendValue; }
    void setAlphaBlendValue(int value);
    // The opacity last given to the window, 0 .. 255.
    int opacity() const { return m_opacity; }

    // The window shows: a fade starts when there is anything to fade to.
    void start();
    // One step of the fade; false once the target is reached.
    bool step();

private:
    void setOpacity(int value);

    QWidget* m_form;
    const bool& m_animation;
    int m_step;
    QTimer* m_timer;
    bool m_alphaBlend = false;
    int m_alphaBlendValue = 200;
    int m_opacity = 255;
    int m_fadeOpacity = 0;
    int m_fadeTarget = 255;
};

} // namespace skin
