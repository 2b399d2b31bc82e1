#include "app/TAppForms.h"
#include "app/TMainFrm.h"
#include "app/TSingleInstance.h"
#include "app/TSplashForm.h"
#include "dbf/TDbfEngine.h"
#include "report/ui/TrpPreviewFrm.h"
#include "seams/TMessageBoxes.h"
#include "seams/ui/TErrorReport.h"
#include "seams/ui/TQtSeams.h"
#include "serial/ui/TQtPortChooser.h"
#include "settings/TAppSettings.h"
#include "settings/TLanguage.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Answered before any window system is asked for, so that it works on a machine without a display.
bool versionAsked(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0)
            return true;
    return false;
}

QIcon applicationIcon() {
    QIcon icon;
    for (const char* size : {"16", "24", "32", "48", "64", "128", "256"})
        icon.addFile(QStringLiteral(":/appicon/%1/example.velm.Tarvikon.png").arg(QLatin1String(size)));
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    if (versionAsked(argc, argv)) {
        std::printf("velm-tarvikon %s\n", VTRK_VERSION);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(TErrorReport::applicationTitle());
    QApplication::setDesktopFileName(QStringLiteral("example.velm.Tarvikon"));
    QApplication::setWindowIcon(applicationIcon());
    TQtSeams::install();
    TQtPortChooser::installAsStandard();
    TrpPreviewFrm::installAsStandard();

    // The lock stays held until this instance ends.
    TSingleInstance instance;
    if (!instance.tryToRun()) {
        // The settings belong to the running instance: the desktop's language says it.
        const TLanguage language(TLanguage::Choose(QString(), TLanguage::DesktopLanguages()));
        instance.notifyRunningInstance();
        return 0;
    }
    // Read by the running instance only. A file that cannot be read is set aside; the program
    // starts with defaults.
    TAppSettings settings(TAppSettings::userFileName());
    TQtPortChooser::installAsStandard(&settings);
    // Before the first window, whose texts are translated as it is made.
    const TLanguage language(TLanguage::Choose(settings.language(), TLanguage::DesktopLanguages()));

    auto splash = std::make_unique<TSplashForm>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    TAppForms forms;
    TErrorReport::run([&forms] { forms.create(); });
    splash.reset();

    // The main window's first need loaded the table engine; without it nothing can work.
    if (DbfEngine().LoadFailed()) {
        MessageBoxes().error(DbfEngine().LoadError());
        instance.release();
        return 1;
    }
    int result = 1;
    if (forms.MainFrm) {
        TMainFrm* mainFrm = forms.MainFrm;
        mainFrm->UseSettings(&settings);
        connectHandler(&instance, &TSingleInstance::raiseRequested, mainFrm,
                       [mainFrm] { mainFrm->RestoreAndRaise(); });
        mainFrm->show();
        if (!settings.notAFileReason().isEmpty())
            MessageBoxes().warning(
                QCoreApplication::translate("main",
                                            "The settings file %1 %2: this time nothing is remembered.")
                    .arg(QDir::toNativeSeparators(TAppSettings::userFileName()), settings.notAFileReason()));
        result = QApplication::exec();
    }
    instance.release();
    return result;
}
