#include "seams/TCheckedSave.h"

#include "tests/support/TFileSizeLimit.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class tst_TCheckedSave : public QObject {
    Q_OBJECT

private slots:
    void shouldKeepTheOldFileWhenAnyByteCannotBeWritten_data();
    void shouldKeepTheOldFileWhenAnyByteCannotBeWritten();
    void shouldRefuseTargetsThatAreNotWritableFiles_data();
    void shouldRefuseTargetsThatAreNotWritableFiles();
};

namespace {
const QByteArray OldContents = "the user's file, as it was\n";

void writeOld(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(OldContents) == OldContents.size());
}
} // namespace

void tst_TCheckedSave::shouldKeepTheOldFileWhenAnyByteCannotBeWritten_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("room");
    QTest::addColumn<bool>("saved");
    QTest::newRow("room enough") << 3000 << 1024 * 1024 << true;
    // Small enough to stay in the buffer until the closing flush: the case the commit missed.
    QTest::newRow("full disk, failing in the flush") << 3000 << 1024 << false;
    // Cut short without an error of its own: the case QSaveFile takes for success.
    QTest::newRow("full disk, failing while writing") << 1024 * 1024 << 4096 << false;
    QTest::newRow("no room at all") << 10 << 0 << false;
}

void tst_TCheckedSave::shouldKeepTheOldFileWhenAnyByteCannotBeWritten() {
    QFETCH(int, size);
    QFETCH(int, room);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.csv"));
    writeOld(path);
    const QByteArray contents(size, 'k');
    QString error;
    bool committed = false;
    {
        const TFileSizeLimit limit{rlim_t(room)};
        committed = TCheckedSave::Save(path, contents, &error);
    }
    QCOMPARE(committed, saved);
    QFile result(path);
    QVERIFY(result.open(QIODevice::ReadOnly));
    QCOMPARE(result.readAll(), saved ? contents : OldContents);
    QCOMPARE(error.isEmpty(), saved);
    // Nothing of the attempt is left beside the file.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("list.csv")});
}

void tst_TCheckedSave::shouldRefuseTargetsThatAreNotWritableFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("new file") << "new" << QString();
    QTest::newRow("writable file") << "file" << QString();
    // Root could replace it; the mark is the user's protection all the same.
    QTest::newRow("read-only file") << "read-only" << QString::fromLocal8Bit(strerror(EACCES));
    QTest::newRow("named pipe") << "fifo"
                                << "is a named pipe, not a file";
    QTest::newRow("folder") << "folder"
                            << "is a folder, not a file";
}

void tst_TCheckedSave::shouldRefuseTargetsThatAreNotWritableFiles() {
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("target"));
    const QByteArray native = QFile::encodeName(path);
    if (kind == QLatin1String("file") || kind == QLatin1String("read-only"))
        writeOld(path);
    if (kind == QLatin1String("read-only"))
        QVERIFY(::chmod(native.constData(), 0444) == 0);
    if (kind == QLatin1String("fifo"))
        QVERIFY(::mkfifo(native.constData(), 0600) == 0);
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("target")));
    QCOMPARE(TCheckedSave::CheckTarget(path), refusal);
}

QTEST_GUILESS_MAIN(tst_TCheckedSave)
#include "tst_TCheckedSave.moc"
