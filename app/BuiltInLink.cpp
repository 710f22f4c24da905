#include "app/BuiltInLink.h"

#include "simulator/ReplayLink.h"
#include "simulator/SimulatorLink.h"

BuiltInLink::BuiltInLink(QString name, std::unique_ptr<simulator::ControllerLink> link)
    : m_name(std::move(name))
    , m_link(std::move(link))
{
    m_thread = std::thread([link = m_link.get()] { link->run(); });
}

BuiltInLink::~BuiltInLink()
{
    m_link->stop();
    m_thread.join();
}

std::unique_ptr<BuiltInLink> BuiltInLink::demo()
{
    return std::make_unique<BuiltInLink>(QStringLiteral("Simulator"),
        std::make_unique<simulator::SimulatorLink>(simulator::SimulatorLink::Options{}));
}

std::unique_ptr<BuiltInLink> BuiltInLink::replay(const QString& path)
{
    return std::make_unique<BuiltInLink>(QStringLiteral("Replay"),
        std::make_unique<simulator::ReplayLink>(simulator::ReplayLink::Options{path.toStdString()}));
}

serial::PortEntry BuiltInLink::port() const { return {m_name, QString::fromStdString(m_link->devicePath())}; }
