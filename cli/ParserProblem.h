#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace cli {

// What is wrong once QCommandLineParser::parse has failed, worded as our
// programs word it: an unknown option named as it was given (Qt's own text
// drops the dashes), any other problem in Qt's words. arguments are those
// given to parse, the program first.
QString parserProblem(const QCommandLineParser& parser, const QStringList& arguments);

} // namespace cli
