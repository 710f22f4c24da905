#include "SkntoolRun.h"

#include "tests/support/TestOutput.h"

#include <QDir>
#include <QProcess>

namespace skingentest {

ToolRun skntool(const QStringList& args)
{
    QProcess process;
    process.start(QDir(testsupport::binDir()).filePath("skntool"), args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
        QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace skingentest
