#include "dbf/EDbfError.h"
#include "dbf/TDbfEngine.h"
#include "dbf/TDbfEnv.h"
#include "dbf/TDbfTable.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

class tst_TDbfEngine : public QObject {
    Q_OBJECT

private slots:
    void init() {
        DbfEngine().Unload();
        DbfEngine().SetLibraryFileName(QString());
        DbfEngine().SetSearchDirectories({QCoreApplication::applicationDirPath()});
    }

    void cleanupTestCase() { DbfEngine().SetLibraryFileName(QString()); }

    void shouldReportAMissingLibraryToTheCaller() {
        TTestMessageBoxes boxes;
        DbfEngine().SetLibraryFileName("libdbfeng-missing.so");
        TDbfEnv env;
        env.SetApplyTo(atLocal);
        env.SetExact(true); // the first need at start-up
        QVERIFY(!DbfEngine().Loaded());
        QVERIFY(DbfEngine().LoadFailed());
        QCOMPARE(DbfEngine().LoadError(),
                 QString("Unable to load required table engine: libdbfeng-missing.so"));
        QVERIFY(boxes.shown.isEmpty()); // start-up shows the box, not the loader

        // The next need tries again; a table stays closed and raises nothing.
        TDbfTable table;
        table.SetTableName("/nonexistent/table.dbf");
        table.Open();
        QVERIFY(!table.Active());
        QVERIFY(boxes.shown.isEmpty());

        DbfEngine().SetLibraryFileName(QString());
        QVERIFY(DbfEngine().LoadEngine());
        QVERIFY(!DbfEngine().LoadFailed());
    }

    void shouldRefuseALibraryWithoutEveryFunction() {
        // Any other shared library stands for a wrong engine.
        DbfEngine().SetLibraryFileName("libm.so.6");
        QVERIFY(!DbfEngine().LoadEngine());
        QCOMPARE(DbfEngine().LoadError(), QString("Unable to load required table engine: libm.so.6"));
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
