#include "TWorkDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>
#include <sys/stat.h>

class tst_TWorkDir : public QObject {
    Q_OBJECT
    static void restore(const char* name, const QByteArray& value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
private slots:
    void shouldTakeTheBaseFromTheEnvironmentInOrder() {
        const QByteArray temp = qgetenv("TEMP"), tmpdir = qgetenv("TMPDIR");
        qputenv("TEMP", "/a");
        qputenv("TMPDIR", "/b");
        QCOMPARE(TWorkDir::baseDirectory(), QStringLiteral("/a"));
        qunsetenv("TEMP");
        QCOMPARE(TWorkDir::baseDirectory(), QStringLiteral("/b"));
        qputenv("TMPDIR", "");
        QCOMPARE(TWorkDir::baseDirectory(), QStringLiteral("/tmp"));
        restore("TEMP", temp);
        restore("TMPDIR", tmpdir);
    }

    void shouldMakeAFreshPrivateDirectory() {
        QTemporaryDir base;
        const QString first = TWorkDir::create(base.path());
        const QString second = TWorkDir::create(base.path());
        QVERIFY(first != second);
        QVERIFY(first.startsWith(base.path()));
        struct stat st;
        QCOMPARE(lstat(QFile::encodeName(first).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        QVERIFY(TWorkDir::isPrivate(first));
    }

    void shouldNotTrustALinkOrAnOpenDirectory() {
        QTemporaryDir base;
        const QString real = base.filePath("real");
        QVERIFY(QDir().mkdir(real));
        QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(TWorkDir::isPrivate(real));
        QVERIFY(QFile::link(real, base.filePath("link")));
        QVERIFY(!TWorkDir::isPrivate(base.filePath("link")));
        QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::ExeOther));
        QVERIFY(!TWorkDir::isPrivate(real));
        QVERIFY(!TWorkDir::isPrivate(base.filePath("missing")));
    }

    void shouldFailWithThePathWhenTheBaseIsMissing() {
        try {
            TWorkDir::create(QStringLiteral("/nonexistent-vtrk-base"));
            QFAIL("no error");
        } catch (const std::runtime_error& e) {
            QVERIFY(QString::fromUtf8(e.what()).contains("/nonexistent-vtrk-base"));
        }
    }

    void shouldRemoveItsFilesAndItself() {
        QTemporaryDir base;
        const QString dir = TWorkDir::create(base.path());
        QFile f(QDir(dir).filePath("tmp01.dbf"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        TWorkDir::remove(dir, {QStringLiteral("tmp01.dbf")});
        QVERIFY(!QFileInfo::exists(dir));
    }
};

QTEST_MAIN(tst_TWorkDir)
#include "tst_TWorkDir.moc"
