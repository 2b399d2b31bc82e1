#include "app/TWorkDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

class tst_TWorkDir : public QObject {
    Q_OBJECT

private slots:
    void shouldMakePrivateDirectoryOfTheUser();
    void shouldMakeOpenDirectoryPrivateAgain();
    void shouldRefuseLinkOrFileInItsPlace();
    void shouldRefuseOverlongPath();
    void shouldPreferTempOverTmpdir();
};

namespace {
mode_t modeOf(const QString& path) {
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 0777;
}
} // namespace

void tst_TWorkDir::shouldMakePrivateDirectoryOfTheUser() {
    QTemporaryDir base;
    const QString dir = TWorkDir::prepare(base.path());
    QCOMPARE(dir, base.path() + QStringLiteral("/velm-tarvikon-%1").arg(geteuid()));
    QVERIFY(QFileInfo(dir).isDir());
    QCOMPARE(modeOf(dir), mode_t(0700));
    QCOMPARE(TWorkDir::prepare(base.path()), dir);
}

void tst_TWorkDir::shouldMakeOpenDirectoryPrivateAgain() {
    QTemporaryDir base;
    const QString dir = base.path() + QStringLiteral("/velm-tarvikon-%1").arg(geteuid());
    QVERIFY(QDir().mkdir(dir));
    ::chmod(QFile::encodeName(dir).constData(), 0777);
    QCOMPARE(TWorkDir::prepare(base.path()), dir);
    QCOMPARE(modeOf(dir), mode_t(0700));
}

void tst_TWorkDir::shouldRefuseLinkOrFileInItsPlace() {
    QTemporaryDir base;
    QTemporaryDir elsewhere;
    const QString dir = base.path() + QStringLiteral("/velm-tarvikon-%1").arg(geteuid());
    QVERIFY(QFile::link(elsewhere.path(), dir));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, TWorkDir::prepare(base.path()));
    QVERIFY(QFile::remove(dir));
    QFile file(dir);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    try {
        TWorkDir::prepare(base.path());
        QFAIL("a plain file was taken for the directory");
    } catch (const std::runtime_error& e) {
        QVERIFY(QString::fromUtf8(e.what()).contains(dir));
    }
}

void tst_TWorkDir::shouldRefuseOverlongPath() {
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             TWorkDir::prepare(QStringLiteral("/tmp/") + QString(490, 'x')));
}

void tst_TWorkDir::shouldPreferTempOverTmpdir() {
    qputenv("TEMP", "/first");
    qputenv("TMPDIR", "/second");
    QCOMPARE(TWorkDir::baseDirectory(), QStringLiteral("/first"));
    qunsetenv("TEMP");
    QCOMPARE(TWorkDir::baseDirectory(), QStringLiteral("/second"));
    qunsetenv("TMPDIR");
    QCOMPARE(TWorkDir::baseDirectory(), QStringLiteral("/tmp"));
}

QTEST_GUILESS_MAIN(tst_TWorkDir)
#include "tst_TWorkDir.moc"
