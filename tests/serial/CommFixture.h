#pragma once

#include "platform/MessageBox.h"
#include "serial/Comm.h"
#include "serial/MemorySerialDriver.h"
#include "serial/PortNames.h"

#include <QStringList>

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

// A TComm on an in-memory device, with the messages it shows captured.
class CommFixture : public ::testing::Test {
protected:
    using Op = serial::MemorySerialDevice::Operation;

    CommFixture()
        : device(std::make_shared<serial::MemorySerialDevice>())
        , sink([this](const QString& text) { messages << text; })
        , comm(std::make_unique<serial::TComm>(nullptr, std::make_unique<serial::MemorySerialDriver>(device)))
    {
    }

    void openAt115200()
    {
        comm->SetBaudRate(115200);
        comm->SetRThreshold(1);
        comm->SetPortOpen(true);
        device->calls.clear();
    }

    bool called(const std::string& call) const
    {
        return std::find(device->calls.begin(), device->calls.end(), call) != device->calls.end();
    }

    std::shared_ptr<serial::MemorySerialDevice> device;
    QStringList messages;
    platform::ScopedMessageSink sink;
    std::unique_ptr<serial::TComm> comm;
};
