#include "app/TMainFrm.h"
#include "app/TSingleInstance.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class tst_TSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shouldNameLockAndSocketAfterKeyAndUser();
    void shouldTellRunningInstanceToRaiseAndEnd();
    void shouldRefuseSecondStartWhileFirstRuns();
    void shouldStartWhenFirstInstanceCrashed();
    void shouldEndSilentlyWhenNobodyAnswers();
    void shouldRunWithoutTheLockWhenItsNameIsTaken_data();
    void shouldRunWithoutTheLockWhenItsNameIsTaken();
    void shouldNeverTalkToASocketNotItsOwn_data();
    void shouldNeverTalkToASocketNotItsOwn();
    void shouldKeepLockAndSocketInAPrivateDirectory_data();
    void shouldKeepLockAndSocketInAPrivateDirectory();

private:
    QString helper() const {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/vtrk_single_instance_helper");
    }
    QStringList helperArgs(const char* mode) const {
        return {QString::fromLatin1(mode), QStringLiteral("VTRKTest"), Dir->path()};
    }
    // Runs the helper while this process keeps handling events, as a running instance does.
    QString runHelper(const char* mode, int* exitCode);

    QTemporaryDir* Dir = nullptr;
};

void tst_TSingleInstance::init() {
    Dir = new QTemporaryDir;
}

void tst_TSingleInstance::cleanup() {
    delete Dir;
    Dir = nullptr;
}

QString tst_TSingleInstance::runHelper(const char* mode, int* exitCode) {
    QProcess process;
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(helper(), helperArgs(mode));
    if (!finished.wait(20000))
        return QStringLiteral("timeout");
    *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void tst_TSingleInstance::shouldNameLockAndSocketAfterKeyAndUser() {
    TSingleInstance instance(QStringLiteral("VTRKMutex"), Dir->path());
    const QString user = TSingleInstance::userName();
    QVERIFY(!user.isEmpty());
    QCOMPARE(instance.lockFilePath(),
             Dir->path() + QStringLiteral("/VTRKMutex-") + user + QStringLiteral(".lock"));
    QCOMPARE(instance.serverPath(),
             Dir->path() + QStringLiteral("/VTRKMutex-") + user + QStringLiteral(".socket"));
}

void tst_TSingleInstance::shouldTellRunningInstanceToRaiseAndEnd() {
    TSingleInstance first(QStringLiteral("VTRKTest"), Dir->path());
    QVERIFY(first.tryToRun());
    TMainFrm frm;
    frm.show();
    frm.setWindowState(Qt::WindowMinimized);
    connect(&first, &TSingleInstance::raiseRequested, &frm, &TMainFrm::RestoreAndRaise);
    QSignalSpy raised(&first, &TSingleInstance::raiseRequested);

    int exitCode = -1;
    const QString output = runHelper("second", &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(output, QStringLiteral("box|Information|Programm VELM Tarvikon already executed.\nnotified\n"));
    QVERIFY(raised.count() == 1 || raised.wait(5000));
    QCOMPARE(raised.count(), 1);
    QVERIFY(!frm.isMinimized());
    QVERIFY(first.isRunning());
}

void tst_TSingleInstance::shouldRefuseSecondStartWhileFirstRuns() {
    QProcess holder;
    holder.start(helper(), helperArgs("hold"));
    QVERIFY(holder.waitForReadyRead(20000));
    QCOMPARE(holder.readLine(), QByteArray("holding\n"));

    TSingleInstance second(QStringLiteral("VTRKTest"), Dir->path());
    QVERIFY(!second.tryToRun());
    QVERIFY(!second.isRunning());

    holder.terminate();
    QVERIFY(holder.waitForFinished(20000));
    QVERIFY(second.tryToRun());
}

void tst_TSingleInstance::shouldStartWhenFirstInstanceCrashed() {
    QProcess holder;
    holder.start(helper(), helperArgs("hold"));
    QVERIFY(holder.waitForReadyRead(20000));
    QCOMPARE(holder.readLine(), QByteArray("holding\n"));
    holder.kill(); // SIGKILL: nothing is cleaned up
    QVERIFY(holder.waitForFinished(20000));

    TSingleInstance next(QStringLiteral("VTRKTest"), Dir->path());
    QVERIFY(QFileInfo::exists(next.lockFilePath()));
    QVERIFY(QFileInfo::exists(next.serverPath()));
    QVERIFY(next.tryToRun());

    // And it answers the start after it, over the socket the crashed one left behind.
    QSignalSpy raised(&next, &TSingleInstance::raiseRequested);
    int exitCode = -1;
    const QString output = runHelper("second", &exitCode);
    QVERIFY2(output.endsWith(QStringLiteral("notified\n")), qPrintable(output));
    QVERIFY(raised.count() == 1 || raised.wait(5000));
}

void tst_TSingleInstance::shouldEndSilentlyWhenNobodyAnswers() {
    TTestMessageBoxes boxes;
    TSingleInstance later(QStringLiteral("VTRKTest"), Dir->path());
    QVERIFY(!later.notifyRunningInstance(200));
    QVERIFY(boxes.shown.isEmpty());
}

// Another local user who plants a link, a FIFO or a file of their own under the lock's name
// must not keep this instance from running, nor make it run without saying so.
void tst_TSingleInstance::shouldRunWithoutTheLockWhenItsNameIsTaken_data() {
    QTest::addColumn<QString>("planted");
    QTest::newRow("link to a file") << "link";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("another user's file") << "foreign";
}

void tst_TSingleInstance::shouldRunWithoutTheLockWhenItsNameIsTaken() {
    QFETCH(QString, planted);
    TSingleInstance instance(QStringLiteral("VTRKTest"), Dir->path());
    const QByteArray lock = QFile::encodeName(instance.lockFilePath());
    if (planted == "link") {
        QVERIFY(QFile::link(Dir->filePath("elsewhere"), instance.lockFilePath()));
    } else if (planted == "fifo") {
        QCOMPARE(mkfifo(lock.constData(), 0666), 0);
    } else {
        if (geteuid() != 0)
            QSKIP("needs root to give a file to another user");
        QFile file(instance.lockFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(::chown(lock.constData(), 65534, 65534), 0);
    }
    QVERIFY(instance.tryToRun());
    QVERIFY(!instance.isRunning());
    QVERIFY(!QFileInfo::exists(instance.serverPath()));
}

void tst_TSingleInstance::shouldNeverTalkToASocketNotItsOwn_data() {
    QTest::addColumn<bool>("foreign");
    QTest::newRow("link to a socket") << false;
    QTest::newRow("another user's socket") << true;
}

void tst_TSingleInstance::shouldNeverTalkToASocketNotItsOwn() {
    QFETCH(bool, foreign);
    if (foreign && geteuid() != 0)
        QSKIP("needs root to give a socket to another user");
    TTestMessageBoxes boxes;
    TSingleInstance later(QStringLiteral("VTRKTest"), Dir->path());
    QLocalServer listener;
    const QString at = foreign ? later.serverPath() : Dir->filePath("planted.socket");
    QVERIFY(listener.listen(at));
    if (foreign)
        QCOMPARE(::lchown(QFile::encodeName(at).constData(), 65534, 65534), 0);
    else
        QVERIFY(QFile::link(at, later.serverPath()));
    QVERIFY(!later.notifyRunningInstance(2000));
    QVERIFY(!listener.waitForNewConnection(200));
    QVERIFY(boxes.shown.isEmpty());
}

void tst_TSingleInstance::shouldKeepLockAndSocketInAPrivateDirectory_data() {
    QTest::addColumn<int>("runtimeMode"); // 0: XDG_RUNTIME_DIR unset
    QTest::addColumn<bool>("usesRuntime");
    QTest::newRow("private runtime directory") << 0700 << true;
    QTest::newRow("runtime directory others may enter") << 0755 << false;
    QTest::newRow("no runtime directory") << 0 << false;
}

void tst_TSingleInstance::shouldKeepLockAndSocketInAPrivateDirectory() {
    QFETCH(int, runtimeMode);
    QFETCH(bool, usesRuntime);
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray oldTemp = qgetenv("TEMP");
    const QString runtime = Dir->filePath("runtime");
    const QString temp = Dir->filePath("temp");
    QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(temp));
    QCOMPARE(::chmod(QFile::encodeName(runtime).constData(), mode_t(runtimeMode)), 0);
    if (runtimeMode)
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    else
        qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TEMP", QFile::encodeName(temp));
    TSingleInstance instance;
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
    qputenv("TEMP", oldTemp);
    const QString folder = QFileInfo(instance.lockFilePath()).absolutePath();
    if (usesRuntime) {
        QCOMPARE(folder, runtime);
    } else {
        QCOMPARE(folder, temp + QStringLiteral("/velm-tarvikon-instance-%1").arg(geteuid()));
        QCOMPARE(QFileInfo(folder).permissions() & 0x0077, QFileDevice::Permissions());
    }
    QCOMPARE(QFileInfo(instance.serverPath()).absolutePath(), folder);
}

QTEST_MAIN(tst_TSingleInstance)
#include "tst_TSingleInstance.moc"
