#pragma once

#include "serial/PortNames.h"

#include <QString>

#include <memory>
#include <thread>

namespace simulator {
class ControllerLink;
}

// A controller built into the program, listed first in the port list: the
// demo's simulated controller or a replayed recording. It is served on a
// pseudo-terminal from a thread of its own, standing in for a device on the
// far end of a cable.
class BuiltInLink {
public:
    BuiltInLink(QString name, std::unique_ptr<simulator::ControllerLink> link);
    ~BuiltInLink();
    BuiltInLink(const BuiltInLink&) = delete;
    BuiltInLink& operator=(const BuiltInLink&) = delete;

    // "Simulator": the simulated controller of demo mode.
    static std::unique_ptr<BuiltInLink> demo();
    // "Replay": the recording at path, served from its start when the
    // window connects. Throws std::runtime_error naming the file when it
    // cannot be opened or is not a recording.
    static std::unique_ptr<BuiltInLink> replay(const QString& path);

    serial::PortEntry port() const;

private:
    QString m_name;
    std::unique_ptr<simulator::ControllerLink> m_link;
    std::thread m_thread;
};
