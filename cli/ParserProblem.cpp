#include "cli/ParserProblem.h"

#include "cli/ProgramConvention.h"

#include <QCommandLineParser>

namespace cli {

QString parserProblem(const QCommandLineParser& parser, const QStringList& arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return parser.errorText();
    // The parser knows the name only: find the argument that gave it, up to
    // a value joined by '='.
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        const qsizetype dashes = option.startsWith(QLatin1String("--")) ? 2 : option.startsWith(QLatin1Char('-')) ? 1 : 0;
        if (dashes > 0 && option.mid(dashes) == unknown.first())
            return QString::fromStdString(unknownOption(option.toStdString()));
    }
    return QString::fromStdString(unknownOption(unknown.first().toStdString()));
}

} // namespace cli
