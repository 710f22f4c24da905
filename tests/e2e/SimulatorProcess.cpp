#include "SimulatorProcess.h"

#include "tests/support/TestOutput.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

SimulatorProcess::SimulatorProcess(const QStringList& arguments)
{
    m_process.start(testsupport::binDir() + "/fcsim", arguments);
    if (!m_process.waitForStarted(10000))
        return;
    while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
    }
    if (m_process.canReadLine())
        m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
}

SimulatorProcess::~SimulatorProcess()
{
    kill();
}

void SimulatorProcess::kill()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QStringList SimulatorProcess::commandLines()
{
    m_buffered += m_process.readAllStandardOutput();
    QStringList lines = QString::fromLatin1(m_buffered).split('\n', Qt::SkipEmptyParts);
    return lines;
}

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

QByteArray runProgram(const QString& name, const QStringList& arguments, const QByteArray& input, int* exitCode)
{
    QProcess process;
    process.start(testsupport::binDir() + "/" + name, arguments);
    process.waitForStarted(10000);
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    if (exitCode)
        *exitCode = process.exitCode();
    return process.readAllStandardOutput();
}
