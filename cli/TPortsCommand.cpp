#include "cli/TPortsCommand.h"

#include "cli/TCliOutput.h"
#include "cli/TCliStop.h"
#include "serial/TSerPortMap.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonObject>

void TPortsCommand::Define(QCommandLineParser&) const {}

int TPortsCommand::Run(const QCommandLineParser& parser) {
    QJsonArray ports;
    QString text;
    for (int number = 1; number <= TSerPortMap::MaxPort; ++number) {
        TCliStop::CheckBeforeShowing();
        if (!TSerPortMap::ProbePort(number))
            continue;
        const TSerPortEntry entry = TSerPortMap::Describe(number);
        ports.append(QJsonObject{{QStringLiteral("port"), QStringLiteral("COM%1").arg(number)},
                                 {QStringLiteral("number"), number},
                                 {QStringLiteral("device"), entry.path},
                                 {QStringLiteral("adapter"), entry.description},
                                 {QStringLiteral("byId"), entry.byIdPath},
                                 {QStringLiteral("accessible"), entry.accessible}});
        QStringList columns{QStringLiteral("COM%1").arg(number).leftJustified(6), entry.path};
        if (!entry.description.isEmpty())
            columns << entry.description;
        if (!entry.byIdPath.isEmpty())
            columns << entry.byIdPath;
        if (!entry.accessible)
            columns << tr("(no access: sudo usermod -aG dialout $USER, then log in again)");
        text += columns.join(QStringLiteral("  ")) + QLatin1Char('\n');
    }
    TCliStop::CheckBeforeShowing();
    if (parser.isSet(QStringLiteral("json")))
        TCliOutput::Json(QJsonDocument(ports));
    else
        TCliOutput::Text(text);
    return VtrkExit::Done;
}
