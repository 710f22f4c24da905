#pragma once

#include <QString>

#include <memory>
#include <thread>

namespace simulator {
class ReplayLink;
}

// A recording served on a pseudo-terminal from a thread of its own, as if
// a controller were on the far end of a cable; it starts when the window
// connects to it.
class ReplayController {
public:
    // Throws std::runtime_error naming the file when it cannot be opened or
    // is not a recording.
    explicit ReplayController(const QString& path);
    ~ReplayController();
    ReplayController(const ReplayController&) = delete;
    ReplayController& operator=(const ReplayController&) = delete;

    QString devicePath() const;

private:
    std::unique_ptr<simulator::ReplayLink> m_link;
    std::thread m_thread;
};
