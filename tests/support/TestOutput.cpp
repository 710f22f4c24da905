#include "tests/support/TestOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace testsupport {

QString testOutputDir()
{
    QString dir = qEnvironmentVariable("FCT_TEST_OUTPUT");
    if (dir.isEmpty())
        dir = QDir::current().absoluteFilePath(QStringLiteral("test-output"));
    QDir().mkpath(dir);
    return dir;
}

void prepareQtEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty()) {
        QDir().mkpath(runtimeDir);
        QFile::setPermissions(runtimeDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

QString binDir()
{
    const QString dir = qEnvironmentVariable("FCT_BIN_DIR");
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

} // namespace testsupport
