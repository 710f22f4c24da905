#include "ProgramRun.h"

#include "tests/support/TestOutput.h"

#include <QProcess>

ProgramRun runToEnd(const QString& name, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(testsupport::binDir() + "/" + name, arguments);
    process.waitForStarted(10000);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
        process.readAllStandardError()};
}

QStringList lines(const QByteArray& text)
{
    return QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts);
}
