#pragma once

#include <string>

namespace simulator {

// A fixed path for a device that comes and goes: a symbolic link in a
// private temporary folder, pointed at each new device in one step and
// taken away while there is none. Clients keep the one path, as they keep
// the path of a serial adapter that is pulled out and plugged in again.
class DeviceAlias {
public:
    DeviceAlias();
    ~DeviceAlias();
    DeviceAlias(const DeviceAlias&) = delete;
    DeviceAlias& operator=(const DeviceAlias&) = delete;

    const std::string& path() const { return m_path; }

    void pointTo(const std::string& device);
    void remove();

private:
    std::string m_folder;
    std::string m_path;
};

} // namespace simulator
