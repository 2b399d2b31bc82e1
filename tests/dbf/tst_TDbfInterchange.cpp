// Files the engine writes open in other dBASE readers, and files other writers make open in the
// engine: GDAL's ogrinfo and ogr2ogr, Python's dbfread.
#include "dbf/TDbfEnv.h"
#include "dbf/TDbfTable.h"
#include "tests/keylist/KeyListFixture.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray run(const QString& program, const QStringList& arguments, bool* ok) {
    QProcess p;
    p.start(program, arguments);
    *ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!*ok)
        qWarning() << program << p.readAllStandardError();
    return p.readAllStandardOutput();
}

// Debian's own interpreter, where python3-dbfread installs, before any other on the path.
QString python() {
    if (QFileInfo::exists("/usr/bin/python3"))
        return "/usr/bin/python3";
    return QStandardPaths::findExecutable("python3");
}

const char* const dbfreadScript = R"(
import json, sys
from dbfread import DBF
table = DBF(sys.argv[1])  # the encoding the file declares
print(json.dumps({'fields': [[f.name, f.type, f.length] for f in table.fields],
                  'records': [dict(r) for r in table]}, default=str))
)";
} // namespace

class tst_TDbfInterchange : public QObject {
    Q_OBJECT

    TDbfEnv* env = nullptr;
    QTemporaryDir dir;
    QString path;

private slots:
    void initTestCase() {
        env = new TDbfEnv(this);
        env->SetExact(true);
        // A folder and a file name the code page of the notes could not even hold.
        QVERIFY(QDir(dir.path()).mkdir(QString::fromUtf8("Schlüssel € Ключи")));
        path = dir.filePath(QString::fromUtf8("Schlüssel € Ключи/Tür Ключи 1.dbf"));
        TDbfTable t;
        KeyListFixture::create(t, path);
        t.SetTableName(path);
        t.Open();
        t.SetRecNo(2);
        t.Edit();
        t.FieldByName("KEYCODE")->SetAsString("0A1B2C3D4E5F");
        t.FieldByName("KEYSTATUS")->SetAsBoolean(true);
        t.FieldByName("KEYMEMO")->SetAsString(QString::fromUtf8("Tür €5"));
        t.Post();
        t.Close();
    }

    void shouldOpenInDbfread() {
        if (python().isEmpty())
            QSKIP("python3 not installed");
        bool ok = false;
        run(python(), {"-c", "import dbfread"}, &ok);
        if (!ok)
            QSKIP("python3-dbfread not installed");
        const QByteArray out = run(python(), {"-c", dbfreadScript, path}, &ok);
        QVERIFY(ok);
        const QJsonObject doc = QJsonDocument::fromJson(out).object();
        const QJsonArray fields = doc["fields"].toArray();
        QCOMPARE(fields.size(), 6);
        QCOMPARE(fields[0].toArray()[0].toString(), QString("RECID"));
        QCOMPARE(fields[0].toArray()[1].toString(), QString("N"));
        QCOMPARE(fields[0].toArray()[2].toInt(), 10);
        QCOMPARE(fields[4].toArray()[1].toString(), QString("L"));
        const QJsonArray records = doc["records"].toArray();
        QCOMPARE(records.size(), 137);
        QVERIFY(records[0].toObject()["RECID"].isNull());
        QCOMPARE(records[0].toObject()["KEYCODE"].toString(), QString("<unknown>"));
        QCOMPARE(records[1].toObject()["RECID"].toInt(), 1);
        QCOMPARE(records[1].toObject()["KEYCODE"].toString(), QString("0A1B2C3D4E5F"));
        QCOMPARE(records[1].toObject()["KEYSTATUS"].toBool(), true);
        QCOMPARE(records[1].toObject()["KEYMEMO"].toString(), QString::fromUtf8("Tür €5"));
        QCOMPARE(records[136].toObject()["RECID"].toInt(), 128);
        QCOMPARE(records[136].toObject()["KEYTYPE"].toString(), QString("S"));
        QCOMPARE(records[136].toObject()["KEYSTATUS"].toBool(), false);
    }

    void shouldOpenInOgrinfo() {
        if (QStandardPaths::findExecutable("ogrinfo").isEmpty())
            QSKIP("gdal-bin not installed");
        bool ok = false;
        const QString out = QString::fromUtf8(run("ogrinfo", {"-ro", "-al", "-fid", "1", path}, &ok));
        QVERIFY(ok);
        QVERIFY2(out.contains("Feature Count: 137"), qPrintable(out));
        QVERIFY(out.contains("RECID: Integer"));
        QVERIFY(out.contains("KEYCODE: String (12.0)"));
        QVERIFY(out.contains("KEYCODE (String) = 0A1B2C3D4E5F"));
        QVERIFY(out.contains("KEYID (Integer) = 0"));
        // Read in the code page the file declares, with no encoding given.
        QVERIFY2(out.contains(QString::fromUtf8("KEYMEMO (String) = Tür €5")), qPrintable(out));
    }

    void shouldOpenWhatOgr2ogrWrites() {
        if (QStandardPaths::findExecutable("ogr2ogr").isEmpty())
            QSKIP("gdal-bin not installed");
        QFile csv(dir.filePath("in.csv"));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("CODE,COUNT,NOTE\nAB12,7,first\nCD34,-3,second\n");
        csv.close();
        QFile csvt(dir.filePath("in.csvt"));
        QVERIFY(csvt.open(QIODevice::WriteOnly));
        csvt.write("String(8),Integer(5),String(20)\n");
        csvt.close();
        bool ok = false;
        const QString out = dir.filePath("ogr.dbf");
        run("ogr2ogr", {"-f", "ESRI Shapefile", out, dir.filePath("in.csv")}, &ok);
        QVERIFY(ok);
        TDbfTable t;
        t.SetTableName(out);
        t.Open();
        QCOMPARE(t.RecCount(), 2);
        QCOMPARE(t.FieldCount(), 3);
        t.Last();
        QCOMPARE(t.FieldByName("code")->AsString(), QString("CD34"));
        QCOMPARE(t.FieldByName("COUNT")->AsInteger(), -3);
        QVERIFY(t.Locate("NOTE", "first", {}));
        QCOMPARE(t.RecNo(), 1);
        t.SetFilter("COUNT > 0");
        t.SetFiltered(true);
        QCOMPARE(t.RowCount(), 1);
        // And what we write into it reads back in ogrinfo.
        t.SetFiltered(false);
        t.InsertRecord({"EF56", 12, "third"});
        t.Close();
        const QString info = QString::fromUtf8(run("ogrinfo", {"-ro", "-al", out}, &ok));
        QVERIFY(ok);
        QVERIFY(info.contains("Feature Count: 3"));
        QVERIFY(info.contains("NOTE (String) = third"));
    }
};

QTEST_GUILESS_MAIN(tst_TDbfInterchange)
#include "tst_TDbfInterchange.moc"
