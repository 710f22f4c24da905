#include "app/link/PortLister.h"

#include <utility>

PortLister::PortLister(Listing listing, QObject* parent)
    : QObject(parent)
    , m_listing(listing ? std::move(listing) : serial::availablePorts)
{
}

PortLister::~PortLister()
{
    if (m_running.valid())
        m_running.wait();
}

QList<serial::PortEntry> PortLister::listNow()
{
    if (m_running.valid())
        m_running.wait();
    m_answer = {};
    return m_listing();
}

void PortLister::listInBackground(Answer answer)
{
    m_answer = std::move(answer);
    if (m_running.valid())
        return;
    m_running = std::async(std::launch::async, [this, listing = m_listing] {
        const QList<serial::PortEntry> ports = listing();
        QMetaObject::invokeMethod(this, [this, ports] { finished(ports); }, Qt::QueuedConnection);
    });
}

void PortLister::finished(const QList<serial::PortEntry>& ports)
{
    if (m_running.valid())
        m_running.wait();
    m_running = {};
    // The answer may ask for another listing.
    if (const Answer answer = std::exchange(m_answer, {}))
        answer(ports);
}
