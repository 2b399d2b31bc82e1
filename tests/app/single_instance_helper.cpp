// A later start of the program as the single-instance test runs it:
//   single_instance_helper second <key> <directory>  expects another instance, prints the boxes
//   single_instance_helper hold <key> <directory>    becomes the first instance and waits
#include "app/TSingleInstance.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 64;
    TSingleInstance instance(args[2], args[3]);
    const bool first = instance.tryToRun();
    if (args[1] == QLatin1String("hold")) {
        std::printf(first ? "holding\n" : "refused\n");
        std::fflush(stdout);
        return first ? QCoreApplication::exec() : 3;
    }
    if (first) {
        std::printf("first\n");
        return 2;
    }
    TTestMessageBoxes boxes;
    const bool answered = instance.notifyRunningInstance();
    for (const TTestMessageBoxes::Shown& box : boxes.shown)
        std::printf("box|%s|%s\n", qPrintable(box.caption), qPrintable(box.text));
    std::printf(answered ? "notified\n" : "nobody\n");
    return 0;
}
