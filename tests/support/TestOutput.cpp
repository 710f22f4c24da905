#include "tests/support/TestOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace testsupport {

QString testOutputDir()
{
    QString dir = qEnvironmentVariable("FCT_TEST_OUTPUT");
    if (dir.isEmpty())
        dir = QStringLiteral(FCT_DEFAULT_TEST_OUTPUT);
    QDir().mkpath(dir);
    return dir;
}

void prepareQtEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", FCT_DEFAULT_RUNTIME_DIR);
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QDir().mkpath(runtimeDir);
    QFile::setPermissions(runtimeDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QString binDir()
{
    const QString dir = qEnvironmentVariable("FCT_BIN_DIR");
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

} // namespace testsupport
