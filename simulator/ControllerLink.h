#pragma once

#include <string>

namespace simulator {

// A controller on the far end of a pseudo-terminal: clients open
// devicePath() as their serial device while run() serves it.
class ControllerLink {
public:
    virtual ~ControllerLink() = default;

    virtual const std::string& devicePath() const = 0;
    // Serves until it is done or stop() is called (from any thread).
    virtual void run() = 0;
    virtual void stop() = 0;
};

} // namespace simulator
