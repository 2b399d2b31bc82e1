#include "app/TMainFrm.h"
#include "app/TSingleInstance.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

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

QTEST_MAIN(tst_TSingleInstance)
#include "tst_TSingleInstance.moc"
