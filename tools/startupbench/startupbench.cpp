// startupbench [runs]: starts the program's start-up sequence in fresh processes and reports the
// median time from process start to the shown main window, and the resident memory of the idle
// program. Run it on the platform to measure (QT_QPA_PLATFORM=offscreen for a headless figure).
#include "app/TAppForms.h"
#include "app/TMainFrm.h"
#include "app/TSingleInstance.h"
#include "app/TSplashForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The steps of main(), with a lock of its own so that a running program does not interfere.
int child(int argc, char* argv[], const QString& lockDir) {
    QApplication app(argc, argv);
    TSingleInstance instance(QStringLiteral("VTRKBench"), lockDir);
    if (!instance.tryToRun())
        return 2;
    auto splash = std::make_unique<TSplashForm>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    TAppForms forms;
    forms.create();
    splash.reset();
    forms.MainFrm->show();
    QApplication::processEvents();
    std::printf("shown\n");
    std::fflush(stdout);
    // Idle for a moment, as a user would leave it, then report the memory.
    QTimer::singleShot(1000, [] {
        std::printf("rss %ld\n", residentKilobytes());
        std::fflush(stdout);
        QApplication::quit();
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return child(1, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 9;
    QTemporaryDir lockDir;
    QList<qint64> times;
    QList<long> rss;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer timer;
        timer.start();
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), lockDir.path()});
        while (!process.canReadLine() && process.waitForReadyRead(30000)) {
        }
        const qint64 elapsed = timer.elapsed();
        if (process.readLine().trimmed() != "shown") {
            std::fprintf(stderr, "run %d: the main window was not shown\n", i + 1);
            return 1;
        }
        times.append(elapsed);
        process.waitForFinished(30000);
        const QByteArray line = process.readLine().trimmed();
        if (line.startsWith("rss "))
            rss.append(line.mid(4).toLong());
    }
    std::sort(times.begin(), times.end());
    std::sort(rss.begin(), rss.end());
    std::printf("start-up to shown main window: median %lld ms of %d runs (min %lld, max %lld)\n",
                static_cast<long long>(times[times.size() / 2]), runs, static_cast<long long>(times.first()),
                static_cast<long long>(times.last()));
    if (!rss.isEmpty())
        std::printf("resident memory of the idle program: median %ld kB\n", rss[rss.size() / 2]);
    return 0;
}
