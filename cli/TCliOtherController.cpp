#include "cli/TCliOtherController.h"

#include "cli/TCliOutput.h"
#include "cli/TVtrkCommand.h"
#include "seams/TMessageBoxes.h"

#include <QCommandLineParser>

namespace {
const QString OptionName = QStringLiteral("other-controller");
}

void TCliOtherController::Define(QCommandLineParser& parser) {
    parser.addOption({OptionName, tr("Write a key list saved from another controller to this one "
                                     "(--yes does not cover this).")});
}

TCliOtherController::TCliOtherController(const QCommandLineParser& parser)
    : allowed(parser.isSet(OptionName)) {}

bool TCliOtherController::Confirm(const QString& question) {
    if (allowed) {
        QString line = question;
        TCliOutput::Note(
            tr("%1 yes (--other-controller)").arg(line.replace(QLatin1Char('\r'), QLatin1Char(' '))));
        return true;
    }
    refused = !MessageBoxes().confirmYesNo(question);
    return !refused;
}

void TCliOtherController::Refuse(const QString& portName) {
    throw EVtrkExit(VtrkExit::OtherController,
                    tr("the key list belongs to another controller than the one on %1; nothing was "
                       "written (give --other-controller to write it anyway)")
                        .arg(portName));
}
