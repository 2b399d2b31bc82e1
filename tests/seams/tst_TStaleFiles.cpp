#include "seams/TStaleFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

class tst_TStaleFiles : public QObject {
    Q_OBJECT

private slots:
    void shouldSweepOnlyWhatNoRunningProcessHolds_data();
    void shouldSweepOnlyWhatNoRunningProcessHolds();
};

namespace {
pid_t finishedProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}
} // namespace

void tst_TStaleFiles::shouldSweepOnlyWhatNoRunningProcessHolds_data() {
    QTest::addColumn<QString>("maker"); // "gone", "running" or "none"
    QTest::addColumn<QString>("name");  // after prefix and maker
    QTest::addColumn<bool>("folder");
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("swept");
    const int hour = 3600;
    const int days = 2 * 24 * hour;
    QTest::newRow("file of a killed process") << "gone"
                                              << "Ab12Cd.dbf" << false << hour << true;
    QTest::newRow("folder of a killed process") << "gone"
                                                << "Ab12Cd" << true << hour << true;
    QTest::newRow("just made, maker unseen") << "gone"
                                             << "Ab12Cd.dbf" << false << 0 << false;
    QTest::newRow("held by a running process") << "running"
                                               << "Ab12Cd.dbf" << false << hour << false;
    QTest::newRow("abandoned, number in use again") << "running"
                                                    << "Ab12Cd.dbf" << false << days << true;
    QTest::newRow("earlier version, abandoned") << "none"
                                                << "Ab12Cd.json" << false << days << true;
    QTest::newRow("earlier version, recent") << "none"
                                             << "Ab12Cd.json" << false << hour << false;
    QTest::newRow("someone else's name") << "none"
                                         << "notes.txt" << false << days << false;
}

void tst_TStaleFiles::shouldSweepOnlyWhatNoRunningProcessHolds() {
    QFETCH(QString, maker);
    QFETCH(QString, name);
    QFETCH(bool, folder);
    QFETCH(int, ageSeconds);
    QFETCH(bool, swept);
    QTemporaryDir dir;
    const QString prefix = QStringLiteral("staged-");
    // The parent holds a "running" number: this process, seen from the sweep as another one.
    const pid_t runningPid = ::getppid();
    const QString number = maker == QLatin1String("gone")      ? QString::number(finishedProcess()) + '-'
                           : maker == QLatin1String("running") ? QString::number(runningPid) + '-'
                                                               : QString();
    const QString path = dir.filePath(prefix + number + name);
    if (folder) {
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inner")));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const time_t then = time(nullptr) - ageSeconds;
    const struct timeval times[2] = {{then, 0}, {then, 0}};
    QVERIFY(::utimes(QFile::encodeName(path).constData(), times) == 0);
    // A link with a stale name is never followed nor removed.
    const QString link = dir.filePath(prefix + QString::number(finishedProcess()) + QStringLiteral("-link"));
    QVERIFY(QFile::link(dir.path(), link));
    QVERIFY(::lutimes(QFile::encodeName(link).constData(), times) == 0);

    QCOMPARE(TStaleFiles::Sweep(dir.path(), prefix, 6), swept ? 1 : 0);
    QCOMPARE(QFileInfo::exists(path), !swept);
    QVERIFY(QFileInfo(link).isSymLink());
}

QTEST_GUILESS_MAIN(tst_TStaleFiles)
#include "tst_TStaleFiles.moc"
