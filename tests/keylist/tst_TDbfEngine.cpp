#include "EDbfError.h"
#include "TDbfEngine.h"
#include "TDbfEnv.h"
#include "TDbfTable.h"
#include "TTestMessageBoxes.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

class tst_TDbfEngine : public QObject {
    Q_OBJECT

    int terminations = 0;

private slots:
    void init() {
        terminations = 0;
        DbfEngine().Unload();
        DbfEngine().SetLibraryFileName(QString());
        DbfEngine().SetSearchDirectories({QCoreApplication::applicationDirPath()});
        DbfEngine().ClearTerminateRequest();
        DbfEngine().SetTerminateHandler([this] { ++terminations; });
    }

    void cleanupTestCase() {
        DbfEngine().SetLibraryFileName(QString());
        DbfEngine().SetTerminateHandler(nullptr);
    }

    void shouldEndStartUpWhenTheLibraryIsMissing() {
        TTestMessageBoxes boxes;
        DbfEngine().SetLibraryFileName("libdbfeng-missing.so");
        TDbfEnv env;
        env.SetApplyTo(atLocal);
        env.SetExact(true); // the first need at start-up
        QVERIFY(!DbfEngine().Loaded());
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].kind, TMessageBoxes::Kind::Error);
        QCOMPARE(boxes.shown[0].text, QString("Unable to load required table engine: libdbfeng-missing.so"));
        QVERIFY(DbfEngine().TerminateRequested());
        QCOMPARE(terminations, 1);

        // The next need tries again, with its box; a table stays closed and raises nothing more.
        TDbfTable table;
        table.SetTableName("/nonexistent/table.dbf");
        table.Open();
        QVERIFY(!table.Active());
        QCOMPARE(boxes.shown.size(), 2);
        QCOMPARE(terminations, 2);
    }

    void shouldRefuseALibraryWithoutEveryFunction() {
        TTestMessageBoxes boxes;
        // Any other shared library stands for a wrong engine.
        DbfEngine().SetLibraryFileName("libm.so.6");
        QVERIFY(!DbfEngine().LoadEngine());
        QCOMPARE(boxes.texts(), QStringList{"Unable to load required table engine: libm.so.6"});
    }

    void shouldLoadFromTheExecutablesDirectoryAndPassSettings() {
        TTestMessageBoxes boxes;
        TDbfEnv env;
        env.SetApplyTo(atLocal);
        env.SetExact(true);
        QVERIFY(DbfEngine().Loaded());
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(DbfEngine().dbe_SetExact(1), 1); // was passed on
        env.SetExact(false);
        QCOMPARE(DbfEngine().dbe_SetExact(0), 0);
        QCOMPARE(TDbfEnv::First(), &env);
    }

    void shouldNotLoadForSettingsThatDoNotApplyLocally() {
        TTestMessageBoxes boxes;
        TDbfEnv env;
        env.SetApplyTo(atRemote);
        env.SetExact(true);
        QVERIFY(!DbfEngine().Loaded());
        QVERIFY(boxes.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_TDbfEngine)
#include "tst_TDbfEngine.moc"
