#include "cli/TLineTestCommand.h"

#include "cli/TCliLink.h"
#include "cli/TCliOutput.h"
#include "cli/TCliPortArgument.h"
#include "cli/TCliProgress.h"
#include "controller/TLineTest.h"

#include <QCommandLineParser>
#include <QJsonObject>

namespace {
constexpr int DefaultCycles = 10;
constexpr int MaxCycles = 1000000;
} // namespace

void TLineTestCommand::Define(QCommandLineParser& parser) const {
    TCliPortArgument::Define(parser);
    parser.addOption({{QStringLiteral("n"), QStringLiteral("count")},
                      tr("The number of test frames (default %1).").arg(DefaultCycles),
                      QStringLiteral("cycles"),
                      QString::number(DefaultCycles)});
}

int TLineTestCommand::Run(const QCommandLineParser& parser) {
    const TCliPortArgument::TChoice port = TCliPortArgument::Resolve(parser);
    RequirePositionals(parser, port.consumed);
    bool valid = false;
    const int cycles = parser.value(QStringLiteral("count")).toInt(&valid);
    if (!valid || cycles < 1 || cycles > MaxCycles)
        throw EVtrkExit(VtrkExit::Usage, tr("-n takes a number of cycles from 1 to %1").arg(MaxCycles));
    TCliProgress progress;
    TCliLink link(port.number, port.name, progress);
    link.Open();
    TLineTest test(link.Port());
    progress.Start(tr("cycles"), cycles);
    int done = 0;
    try {
        for (; done < cycles; ++done) {
            test.Cycle();
            progress.Step();
        }
    } catch (const EVtrkExit&) {
        // Interrupted after a whole cycle: the counts so far are still a result.
        Report(parser, port.name, done + 1, test);
        throw;
    }
    progress.Finish();
    Report(parser, port.name, cycles, test);
    return test.Unacknowledged() > 0 ? VtrkExit::FailedSlots : VtrkExit::Done;
}

void TLineTestCommand::Report(const QCommandLineParser& parser, const QString& portName, int cycles,
                              const TLineTest& test) {
    if (parser.isSet(QStringLiteral("json"))) {
        TCliOutput::Json(
            QJsonDocument(QJsonObject{{QStringLiteral("port"), portName},
                                      {QStringLiteral("cycles"), cycles},
                                      {QStringLiteral("acknowledged"), test.Acknowledged()},
                                      {QStringLiteral("unacknowledged"), test.Unacknowledged()}}));
    } else {
        TCliOutput::Text(tr("%1 cycles on %2: %3 acknowledged, %4 not acknowledged\n")
                             .arg(cycles)
                             .arg(portName)
                             .arg(test.Acknowledged())
                             .arg(test.Unacknowledged()));
    }
}
