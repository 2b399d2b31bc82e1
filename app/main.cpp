#include "TAppForms.h"
#include "TDbfEngine.h"
#include "TErrorReport.h"
#include "TMainFrm.h"
#include "TSingleInstance.h"
#include "TSplashForm.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(TErrorReport::applicationTitle());

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

    int result = 1;
    // A missing table engine has been reported while the main window was made; nothing can work.
    if (forms.MainFrm && !DbfEngine().TerminateRequested()) {
        TMainFrm* mainFrm = forms.MainFrm;
        connectHandler(&instance, &TSingleInstance::raiseRequested, mainFrm,
                       [mainFrm] { mainFrm->RestoreAndRaise(); });
        mainFrm->show();
        result = QApplication::exec();
    }
    instance.release();
    return result;
}
