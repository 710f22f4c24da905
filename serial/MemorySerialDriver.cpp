#include "serial/MemorySerialDriver.h"

#include <algorithm>
#include <utility>

namespace serial {

using Op = MemorySerialDevice::Operation;

MemorySerialDriver::MemorySerialDriver(std::shared_ptr<MemorySerialDevice> device)
    : m_device(std::move(device))
{
}

bool MemorySerialDriver::call(Op operation, std::string text)
{
    m_device->calls.push_back(std::move(text));
    if (operation != Op::Open && !m_device->open)
        return false;
    return !m_device->fails(operation);
}

OpenResult MemorySerialDriver::open(const std::string& device)
{
    if (!call(Op::Open, "open " + device))
        return m_device->openResult.ok() ? OpenResult{OpenError::Other, "open failed"} : m_device->openResult;
    m_device->open = true;
    m_device->openedDevice = device;
    return {};
}

bool MemorySerialDriver::setupQueues(uint32_t inputSize, uint32_t outputSize)
{
    return call(Op::SetupQueues, "setupQueues " + std::to_string(inputSize) + " " + std::to_string(outputSize));
}

bool MemorySerialDriver::purge(uint32_t flags)
{
    if (!call(Op::Purge, "purge " + std::to_string(flags)))
        return false;
    if (flags & PurgeRxClear)
        m_device->incoming.clear();
    return true;
}

bool MemorySerialDriver::getState(LineSettings& settings)
{
    if (!call(Op::GetState, "getState"))
        return false;
    settings = m_device->settings;
    return true;
}

bool MemorySerialDriver::setState(const LineSettings& settings)
{
    if (!call(Op::SetState, "setState"))
        return false;
    m_device->settings = settings;
    return true;
}

bool MemorySerialDriver::escape(EscapeFunction function)
{
    static const char* names[] = {"SetDtr", "ClearDtr", "SetRts", "ClearRts"};
    return call(Op::Escape, std::string("escape ") + names[static_cast<int>(function)]);
}

bool MemorySerialDriver::clearError(CommStatus& status)
{
    // Not logged: it runs on every tick and would drown the log.
    if (!m_device->open || m_device->fails(Op::ClearError))
        return false;
    status.errors = std::exchange(m_device->errorMask, 0);
    status.bytesWaiting = static_cast<uint32_t>(m_device->incoming.size());
    return true;
}

bool MemorySerialDriver::modemStatus(uint32_t& lines)
{
    if (!m_device->open || m_device->fails(Op::ModemStatus))
        return false;
    lines = m_device->modemLines;
    return true;
}

bool MemorySerialDriver::read(uint8_t* buffer, uint32_t count, uint32_t& bytesRead)
{
    if (!call(Op::Read, "read " + std::to_string(count)))
        return false;
    bytesRead = static_cast<uint32_t>(std::min<size_t>(count, m_device->incoming.size()));
    std::copy_n(m_device->incoming.begin(), bytesRead, buffer);
    m_device->incoming.erase(m_device->incoming.begin(), m_device->incoming.begin() + bytesRead);
    return true;
}

bool MemorySerialDriver::write(const uint8_t* data, uint32_t count, uint32_t& bytesWritten)
{
    if (!m_device->open || m_device->fails(Op::Write))
        return false;
    m_device->written.insert(m_device->written.end(), data, data + count);
    m_device->writeSizes.push_back(count);
    bytesWritten = count;
    return true;
}

void MemorySerialDriver::close()
{
    m_device->calls.push_back("close");
    m_device->open = false;
}

} // namespace serial
