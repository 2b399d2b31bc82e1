// vtrk: the command line of VELM Tarvikon, on the same core as the windowed program and without
// a display. "vtrk --help" lists the commands.
#include "cli/TCliOutput.h"
#include "cli/TVtrkMain.h"
#include "settings/TLanguage.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    TCliOutput::InstallMessageHandler();
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vtrk"));
    // The desktop's language, as the window speaks it; vtrk reads no settings file, so a script's
    // environment alone decides (LANGUAGE= LC_ALL=C gives English).
    const TLanguage language(TLanguage::Choose(QString(), TLanguage::DesktopLanguages()));
    return TVtrkMain::Run(QCoreApplication::arguments());
}
