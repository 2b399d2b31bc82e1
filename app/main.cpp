#include "app/TAppForms.h"
#include "app/TMainFrm.h"
#include "app/TSingleInstance.h"
#include "app/TSplashForm.h"
#include "dbf/TDbfEngine.h"
#include "report/ui/TrpPreviewFrm.h"
#include "seams/TErrorReport.h"
#include "seams/TMessageBoxes.h"
#include "seams/ui/TQtSeams.h"
#include "serial/ui/TQtPortChooser.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(TErrorReport::applicationTitle());
    TQtSeams::install();
    TQtPortChooser::installAsStandard();
    TrpPreviewFrm::installAsStandard();

    // The lock stays held until this instance ends.
    TSingleInstance instance;
    if (!instance.tryToRun()) {
        instance.notifyRunningInstance();
        return 0;
    }

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
        connectHandler(&instance, &TSingleInstance::raiseRequested, mainFrm,
                       [mainFrm] { mainFrm->RestoreAndRaise(); });
        mainFrm->show();
        result = QApplication::exec();
    }
    instance.release();
    return result;
}
