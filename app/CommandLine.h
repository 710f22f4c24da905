#pragma once

#include "cli/ProgramConvention.h"

#include <QString>
#include <QStringList>

#include <variant>

// fctool's command line, read before any window or display exists.
namespace commandline {

struct Options {
    bool demo = false;
    bool connect = false;
    bool plots = false;
    QString device;
    QString record;
    QString replay;
    QString skin;
    QString screenshot;
    int afterMs = 1000;
};

const cli::Program& program();

// The options, or what is wrong with the arguments (argument 0 is the
// program). --help and --version are handled before this.
std::variant<Options, QString> parse(const QStringList& arguments);

} // namespace commandline
