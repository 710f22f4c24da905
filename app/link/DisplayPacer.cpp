#include "app/link/DisplayPacer.h"

#include <QTimer>

DisplayPacer::DisplayPacer(
    QObject* parent, int frameMs, Clock clock, std::function<void()> heldAction, const char* timerName)
    : QObject(parent)
    , m_frameMs(frameMs)
    , m_clock(std::move(clock))
    , m_heldAction(std::move(heldAction))
    , m_frameTimer(new QTimer(parent))
{
    m_frameTimer->setObjectName(QString::fromLatin1(timerName));
    m_frameTimer->setSingleShot(true);
    connect(m_frameTimer, &QTimer::timeout, this, [this] {
        m_frameTimer->stop();
        m_state = State::Ready;
        m_ranOnce = true;
        m_lastRun = now();
        m_heldAction();
    });
}

int64_t DisplayPacer::now() const
{
    if (m_clock)
        return m_clock();
    return steadyMilliseconds();
}

bool DisplayPacer::admit()
{
    const int64_t time = now();
    const int64_t since = time - m_lastRun;
    if (m_ranOnce && since < m_frameMs) {
        if (m_state == State::Ready) {
            m_state = State::Held;
            m_frameTimer->start(static_cast<int>(m_frameMs - since));
        }
        return false;
    }
    m_state = State::Ready;
    m_frameTimer->stop();
    m_ranOnce = true;
    m_lastRun = time;
    return true;
}
