#include "TAppForms.h"
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
