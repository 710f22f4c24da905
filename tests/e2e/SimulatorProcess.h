#pragma once

#include <QProcess>
#include <QStringList>

#include "tests/support/QtPrinters.h"

#include <functional>

// fcsim started from the build's bin folder; knows the device it serves
// and collects the command lines it prints.
class SimulatorProcess {
public:
    explicit SimulatorProcess(const QStringList& arguments = {});
    ~SimulatorProcess();

    bool started() const { return !m_device.isEmpty(); }
    QString device() const { return m_device; }
    QStringList commandLines();
    void kill();

private:
    QProcess m_process;
    QString m_device;
    QByteArray m_buffered;
};

// Runs the event loop until `done` holds or `timeoutMs` passes; returns
// whether it holds. Waits on events, never sleeps a fixed time.
bool waitFor(const std::function<bool()>& done, int timeoutMs = 10000);

// Runs a program of the build and returns its standard output.
QByteArray runProgram(const QString& name, const QStringList& arguments, const QByteArray& input = {},
    int* exitCode = nullptr);
