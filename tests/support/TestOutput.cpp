#include "tests/support/TestOutput.h"

#include <QCoreApplication>
#include <QDir>

namespace testsupport {

QString testOutputDir()
{
    QString dir = qEnvironmentVariable("FCT_TEST_OUTPUT");
    if (dir.isEmpty())
        dir = QDir::current().absoluteFilePath(QStringLiteral("test-output"));
    QDir().mkpath(dir);
    return dir;
}

QString binDir()
{
    const QString dir = qEnvironmentVariable("FCT_BIN_DIR");
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

} // namespace testsupport
