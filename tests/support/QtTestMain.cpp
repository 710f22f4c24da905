#include <QApplication>
#include <QDir>

#include <gtest/gtest.h>

// Shared main of the tests that need Qt: a QApplication on the offscreen
// platform unless the caller chose another one.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(runtimeDir));
        QFile::setPermissions(QString::fromLocal8Bit(runtimeDir),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
