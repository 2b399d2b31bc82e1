#include "cli/TVtrkMain.h"

#include "cli/TCliMessageBoxes.h"
#include "cli/TCliOutput.h"
#include "cli/TCliStop.h"
#include "cli/TVtrkCommandList.h"
#include "seams/TSleep.h"
#include "serial/ESerException.h"

#include <QCommandLineParser>
#include <QJsonObject>

namespace {
const QString Program = QStringLiteral("vtrk");
} // namespace

QString TVtrkMain::GeneralHelp() {
    QString text = tr("Usage: vtrk COMMAND [options] [arguments]\n\n"
                      "Reads and writes the key tables of a VELM door controller over a serial "
                      "line,\nand shows key-list files.\n\nCommands:\n");
    for (const auto& command : VtrkCommands())
        text += QStringLiteral("  %1%2\n").arg(command->Name().leftJustified(10), command->Summary());
    text += tr("\nOptions:\n  -h, --help     this text; \"vtrk COMMAND --help\" for a command\n"
               "  --version      the version of vtrk\n\n"
               "Exit codes: 0 done, 1 done with failed slots, cycles, refused rows or differences,\n2 usage, "
               "3 port, 4 file, 5 firmware version refused, 6 another controller's list,\n7 not confirmed, "
               "8 not every slot could be compared (diff), 9 the controller is not in the site,\n130 "
               "interrupted.\n");
    return text;
}

int TVtrkMain::Run(const QStringList& arguments) {
    // Test runs against the simulator shorten the protocol's pause between frames; a real
    // controller needs it whole, so nothing else sets this.
    bool scaled = false;
    const int percent = qEnvironmentVariableIntValue("VTRK_TEST_PAUSE_PERCENT", &scaled);
    if (scaled)
        TSleep::scaleLongPauses(percent);
    const QString first = arguments.value(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        TCliOutput::Text(GeneralHelp());
        return VtrkExit::Done;
    }
    if (first == QLatin1String("--version")) {
        TCliOutput::Text(QStringLiteral("vtrk (VELM Tarvikon) %1\n").arg(QStringLiteral(VTRK_VERSION)));
        return VtrkExit::Done;
    }
    if (first.isEmpty()) {
        TCliOutput::Error(tr("a command is missing") + QStringLiteral("\n\n") + GeneralHelp());
        return VtrkExit::Usage;
    }
    for (const auto& command : VtrkCommands()) {
        if (command->Name() == first)
            return RunCommand(*command, arguments);
    }
    TCliOutput::Error(tr("unknown command \"%1\"; \"vtrk --help\" lists the commands").arg(first));
    return VtrkExit::Usage;
}

int TVtrkMain::RunCommand(TVtrkCommand& command, const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(command.Summary());
    // Not addHelpOption: its --help-all lists Qt's own options, which mean nothing here.
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, tr("This help.")});
    parser.addOption({QStringLiteral("json"), tr("Results as JSON, for scripts.")});
    command.Define(parser);
    if (!parser.parse(QStringList{Program} + arguments.mid(2))) {
        const QString message =
            tr("%1; \"vtrk %2 --help\" shows the usage").arg(parser.errorText(), command.Name());
        TCliOutput::Error(message);
        if (arguments.contains(QStringLiteral("--json")))
            TCliOutput::Json(ErrorDocument(VtrkExit::Usage, message));
        return VtrkExit::Usage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        // The parser names the program by the path it was started with, and knows no commands.
        // The path is looked for rather than the words around it, which follow the language.
        QString help = parser.helpText();
        const QString started = QLatin1Char(' ') + QCoreApplication::arguments().value(0) + QLatin1Char(' ');
        const int at = help.indexOf(started);
        if (at >= 0 && at < help.indexOf(QLatin1Char('\n')))
            help.replace(at, started.size(), QStringLiteral(" %1 %2 ").arg(Program, command.Name()));
        const QString details = command.HelpDetails();
        TCliOutput::Text(details.isEmpty() ? help : help + QLatin1Char('\n') + details);
        return VtrkExit::Done;
    }
    const QStringList given = parser.optionNames();
    TCliMessageBoxes boxes(given.contains(QStringLiteral("yes")) || given.contains(QStringLiteral("y")));
    TMessageBoxes::setInstance(&boxes);
    TCliStop::Install();
    int code = VtrkExit::Done;
    QString failure;
    try {
        code = command.Run(parser);
    } catch (const EVtrkExit& e) {
        failure = QString::fromStdString(e.what());
        code = e.code();
    } catch (const ESerException& e) {
        failure = QString::fromStdString(e.what());
        code = VtrkExit::Port;
    } catch (const std::exception& e) {
        // The table layer and the file system are what is left to fail.
        failure = QString::fromStdString(e.what());
        code = VtrkExit::File;
    }
    TMessageBoxes::setInstance(nullptr);
    if (!failure.isEmpty()) {
        TCliOutput::Error(failure);
        if (parser.isSet(QStringLiteral("json")) && !TCliOutput::JsonWritten())
            TCliOutput::Json(ErrorDocument(code, failure));
    }
    return code;
}

QJsonDocument TVtrkMain::ErrorDocument(int code, const QString& message) {
    return QJsonDocument(
        QJsonObject{{QStringLiteral("error"),
                     QJsonObject{{QStringLiteral("exitCode"), code}, {QStringLiteral("message"), message}}}});
}
