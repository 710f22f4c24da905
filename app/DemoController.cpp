#include "app/DemoController.h"

#include "simulator/SimulatorLink.h"

DemoController::DemoController()
    : m_link(std::make_unique<simulator::SimulatorLink>(simulator::SimulatorLink::Options{}))
{
    m_thread = std::thread([link = m_link.get()] { link->run(); });
}

DemoController::~DemoController()
{
    m_link->stop();
    m_thread.join();
}

QString DemoController::devicePath() const
{
    return QString::fromStdString(m_link->devicePath());
}
