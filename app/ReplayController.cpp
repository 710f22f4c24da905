#include "app/ReplayController.h"

#include "simulator/ReplayLink.h"

ReplayController::ReplayController(const QString& path)
    : m_link(std::make_unique<simulator::ReplayLink>(simulator::ReplayLink::Options{path.toStdString()}))
{
    m_thread = std::thread([link = m_link.get()] { link->run(); });
}

ReplayController::~ReplayController()
{
    m_link->stop();
    m_thread.join();
}

QString ReplayController::devicePath() const
{
    return QString::fromStdString(m_link->devicePath());
}
