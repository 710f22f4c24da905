#pragma once

#include <QString>

#include <memory>
#include <thread>

namespace simulator {
class SimulatorLink;
}

// The built-in simulated flight controller of demo mode: it streams on a
// pseudo-terminal from a thread of its own, standing in for a device on the
// far end of a cable.
class DemoController {
public:
    DemoController();
    ~DemoController();
    DemoController(const DemoController&) = delete;
    DemoController& operator=(const DemoController&) = delete;

    QString devicePath() const;

private:
    std::unique_ptr<simulator::SimulatorLink> m_link;
    std::thread m_thread;
};
