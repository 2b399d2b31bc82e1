// vtrk: the command line of VELM Tarvikon, on the same core as the windowed program and without
// a display. "vtrk --help" lists the commands.
#include "cli/TCliOutput.h"
#include "cli/TVtrkMain.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    TCliOutput::InstallMessageHandler();
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vtrk"));
    return TVtrkMain::Run(QCoreApplication::arguments());
}
