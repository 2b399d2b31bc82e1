#include "cli/TVtrkCommand.h"

#include <QCommandLineParser>

void TVtrkCommand::RequirePositionals(const QCommandLineParser& parser, int count) {
    const QStringList given = parser.positionalArguments();
    if (given.size() > count)
        throw EVtrkExit(VtrkExit::Usage, tr("unexpected argument \"%1\"").arg(given.value(count)));
    if (given.size() < count)
        throw EVtrkExit(VtrkExit::Usage, tr("an argument is missing"));
}
