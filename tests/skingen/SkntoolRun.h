#pragma once

#include <QString>
#include <QStringList>

// Runs the built skntool and keeps what it said.
namespace skingentest {

struct ToolRun {
    int exitCode;
    QString out;
    QString err;
};

ToolRun skntool(const QStringList& args);

} // namespace skingentest
