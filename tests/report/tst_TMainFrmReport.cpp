#include "app/TMainFrm.h"
#include "dbf/TDbfField.h"
#include "dbf/TDbfTable.h"
#include "keylist/TKeyListCommands.h"
#include "keylist/TKeyListStore.h"
#include "report/TrpPages.h"
#include "report/TrpReport.h"
#include "settings/TLanguage.h"
#include "tests/report/TPdfText.h"
#include "tests/support/TTestFileDialogs.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tests/support/TWindowParts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

using namespace TWindowParts;

namespace {

struct Key {
    int slot;
    QString code;
    QString memo;
};

const QList<Key> MasterKeys{
    {1, "0A0000000001", "Caretaker"}, {4, "0C0000000004", "Owner"}, {6, "0B0000000006", "Fire brigade"}};
const QList<Key> SlaveKeys{{0, "5D0000000000", "Flat 1"},
                           {17, "5A0000000017", "Flat 18"},
                           {64, "5C0000000064", "Office 65"},
                           {127, "5B0000000127", "Flat 128"}};

// What the preview was handed: its pages as PDF text, and the views as they stood.
struct Shown {
    QString text;
    int pages = 0;
    QString masterFilter;
    QString slaveFilter;
    int masterRows = -1;
    int slaveRows = -1;
};

} // namespace

class tst_TMainFrmReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void shouldPrintTheControllerPageWithoutAnOpenList();
    void shouldPrintOnlyKeyedSlotsWithAnOpenList();
    void shouldPrintInTheProgramsLanguageWithTheLocalesDates();
    void shouldPrintKeysInTheGridsSortOrder();
    void shouldBuildTwiceAndShowTheViewsWholeAgain();
    void shouldAnswerEveryVariableInAnyLetterCase_data();
    void shouldAnswerEveryVariableInAnyLetterCase();
    void shouldGiveTheListsTitleAsFileNameAfterNewOpenAndSaveAs();
    void shouldShowNothingWhenTheTemplateIsMissing();
    void shouldReportAMalformedTemplateAndTouchNoView();
    void shouldBeReadableOnA4AndLetter();
    void shouldEndTheCommandWithTheErrorReportWhenAViewFails();

private:
    void newListWithKeys();
    void setKeys(TDbfTable* view, const QList<Key>& keys);
    void fillControllerFields();
    void print();
    TDbfTable& master() const { return frm->Store().MKeysTable(); }
    TDbfTable& slave() const { return frm->Store().SKeysTable(); }
    TrpReport& report() const { return *TWindowParts::Part<TrpReport>(frm.get(), "KeyReport"); }

    std::unique_ptr<QTemporaryDir> temp;
    std::unique_ptr<TTestMessageBoxes> boxes;
    std::unique_ptr<TTestFileDialogs> dialogs;
    std::unique_ptr<TMainFrm> frm;
    QList<Shown> shown;
};

void tst_TMainFrmReport::initTestCase() {
    temp = std::make_unique<QTemporaryDir>();
    qputenv("TEMP", temp->path().toLocal8Bit());
}

void tst_TMainFrmReport::init() {
    boxes = std::make_unique<TTestMessageBoxes>();
    dialogs = std::make_unique<TTestFileDialogs>();
    frm = std::make_unique<TMainFrm>();
    frm->show();
    shown.clear();
    TrpReport::SetPreviewHook([this](TrpReport& report) {
        Shown s;
        const QString pdf = temp->filePath(QStringLiteral("shown.pdf"));
        auto pages = report.Pages();
        QString error;
        QVERIFY2(pages->ExportPdf(pdf, pages->PageLayout(QPageSize(QPageSize::A4)), &error),
                 qPrintable(error));
        s.text = TPdfText::text(pdf);
        s.pages = TPdfText::pageCount(pdf);
        s.masterFilter = master().Filter();
        s.slaveFilter = slave().Filter();
        if (master().Active()) {
            s.masterRows = master().RowCount();
            s.slaveRows = slave().RowCount();
        }
        shown << s;
    });
}

void tst_TMainFrmReport::cleanup() {
    TrpReport::SetPreviewHook(nullptr);
    if (frm) {
        master().Close();
        slave().Close();
    }
    frm.reset();
    dialogs.reset();
    boxes.reset();
}

void tst_TMainFrmReport::setKeys(TDbfTable* view, const QList<Key>& keys) {
    for (const Key& key : keys) {
        view->First();
        while (!view->Eof() && view->FieldByName(QStringLiteral("KEYID"))->AsInteger() != key.slot)
            view->Next();
        QVERIFY(!view->Eof());
        view->Edit();
        view->FieldByName(QStringLiteral("KEYCODE"))->SetAsString(key.code);
        view->FieldByName(QStringLiteral("KEYSTATUS"))->SetAsBoolean(true);
        view->FieldByName(QStringLiteral("KEYMEMO"))->SetAsString(key.memo);
        view->Post();
    }
}

void tst_TMainFrmReport::newListWithKeys() {
    Action(frm.get(), "DNewBDAct")->trigger();
    QVERIFY(master().Active() && slave().Active());
    setKeys(&master(), MasterKeys);
    setKeys(&slave(), SlaveKeys);
    boxes->clear();
}

void tst_TMainFrmReport::fillControllerFields() {
    const std::pair<const char*, const char*> fields[] = {{"PrgVersionEdit", "TARVK001"},
                                                          {"CtrSerialEdit", "SN-0042"},
                                                          {"CtrInfoEdit", "Lobby, north door"},
                                                          {"MaxMKeyEdit", "8"},
                                                          {"MaxSKeyEdit", "128"},
                                                          {"KeyTypeEdit", "DS-1990A"},
                                                          {"MemoryEdit", "64"},
                                                          {"LockTimeEdit", "5"},
                                                          {"DoorSignalEdit", "30"},
                                                          {"DoorTypeEdit", "Reed contact"}};
    for (const auto& [name, text] : fields)
        Edit(frm.get(), name)->setText(QString::fromLatin1(text));
}

void tst_TMainFrmReport::print() {
    Action(frm.get(), "DPrintBDAct")->trigger();
}

void tst_TMainFrmReport::shouldPrintTheControllerPageWithoutAnOpenList() {
    fillControllerFields();
    const QString filter = master().Filter();
    print();
    QCOMPARE(shown.size(), 1);
    QVERIFY(report().TemplatePath().endsWith(QLatin1String("/CtrlInfo.rpt")));
    const QString& text = shown[0].text;
    for (const char* expected : {"Programm Version:",
                                 "TARVK001",
                                 "Controller S/N:",
                                 "SN-0042",
                                 "Controller Info:",
                                 "Lobby, north door",
                                 "Max Master Key count:",
                                 "Max Slave Key count:",
                                 "128",
                                 "Electronical keys type:",
                                 "DS-1990A",
                                 "Amount of memory (kB):",
                                 "64",
                                 "Door lock holding time (s):",
                                 "Open door signalization time (s):",
                                 "30",
                                 "Type of door opening gauge:",
                                 "Reed contact",
                                 "VELM Tarvikon",
                                 "Page 1 of 1",
                                 "Printed 20"})
        QVERIFY2(text.contains(QLatin1String(expected)), expected);
    QVERIFY(!text.contains(QLatin1String("Master keys")));
    // The views were not touched.
    QVERIFY(!master().Active());
    QCOMPARE(master().Filter(), filter);
    QVERIFY(boxes->shown.isEmpty());
}

void tst_TMainFrmReport::shouldPrintOnlyKeyedSlotsWithAnOpenList() {
    newListWithKeys();
    print();
    QCOMPARE(shown.size(), 1);
    QVERIFY(report().TemplatePath().endsWith(QLatin1String("/CtrlInfoKeys.rpt")));
    const QString& text = shown[0].text;
    QVERIFY(text.contains(QLatin1String("Key list: New key list")));
    QVERIFY(!text.contains(QLatin1String("<EMPTY>")));
    for (const Key& key : MasterKeys + SlaveKeys) {
        QCOMPARE(text.count(key.code), 1);
        QVERIFY2(text.contains(key.memo), qPrintable(key.memo));
    }
    const int masters = text.indexOf(QLatin1String("Master keys"));
    const int slaves = text.indexOf(QLatin1String("Slave keys"));
    QVERIFY(masters > 0 && slaves > masters);
    for (const Key& key : MasterKeys)
        QVERIFY(text.indexOf(key.code) > masters && text.indexOf(key.code) < slaves);
    for (const Key& key : SlaveKeys)
        QVERIFY(text.indexOf(key.code) > slaves);
    // A row: the grid's "#", the slot, the code, active, the note.
    QVERIFY2(QRegularExpression(QStringLiteral("\\b65\\s+64\\s+5C0000000064\\s+True\\s+Office 65"))
                 .match(text)
                 .hasMatch(),
             qPrintable(text));
    QVERIFY(boxes->shown.isEmpty());
}

void tst_TMainFrmReport::shouldPrintInTheProgramsLanguageWithTheLocalesDates() {
    newListWithKeys();
    fillControllerFields();
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QDate day = QDate::currentDate();
    {
        const TLanguage german(QStringLiteral("de"));
        print();
    }
    const QDate dayAfter = QDate::currentDate();
    QLocale::setDefault(before);
    QCOMPARE(shown.size(), 1);
    QVERIFY(report().TemplatePath().endsWith(QLatin1String("/CtrlInfoKeys.de.rpt")));
    const QString& text = shown[0].text;
    for (const char* expected :
         {"Programmversion:", "Reed contact", "Schlüsselliste: New key list", "Stammschlüssel",
          "Benutzerschlüssel", "Schlüsselcode", "Caretaker", "Seite 1 von 1"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    QVERIFY2(
        text.contains(QStringLiteral("Gedruckt am ") + day.toString(QStringLiteral("dd.MM.yyyy"))) ||
            text.contains(QStringLiteral("Gedruckt am ") + dayAfter.toString(QStringLiteral("dd.MM.yyyy"))),
        qPrintable(text));
    QVERIFY(!text.contains(QLatin1String("Printed")) && !text.contains(QLatin1String("Master keys")));
    // Back in English, the English template again.
    print();
    QVERIFY(report().TemplatePath().endsWith(QLatin1String("/CtrlInfoKeys.rpt")));
    QVERIFY(shown[1].text.contains(QLatin1String("Page 1 of 1")));
}

void tst_TMainFrmReport::shouldPrintKeysInTheGridsSortOrder() {
    newListWithKeys();
    const auto order = [](const QString& text, QList<Key> keys, auto less) {
        std::sort(keys.begin(), keys.end(), less);
        QList<int> at;
        for (const Key& key : keys)
            at << text.indexOf(key.code);
        return std::is_sorted(at.begin(), at.end()) && !at.contains(-1);
    };
    const auto byCodeDescending = [](const Key& a, const Key& b) { return a.code > b.code; };
    const auto byMemo = [](const Key& a, const Key& b) { return a.memo < b.memo; };
    const auto bySlot = [](const Key& a, const Key& b) { return a.slot < b.slot; };

    print();
    QVERIFY(order(shown.last().text, MasterKeys, bySlot));
    QVERIFY(order(shown.last().text, SlaveKeys, bySlot));

    frm->Store().SortBy(master(), 1, true);
    frm->Store().SortBy(slave(), 3, false);
    print();
    QVERIFY2(order(shown.last().text, MasterKeys, byCodeDescending), qPrintable(shown.last().text));
    QVERIFY(order(shown.last().text, SlaveKeys, byMemo));
}

void tst_TMainFrmReport::shouldBuildTwiceAndShowTheViewsWholeAgain() {
    newListWithKeys();
    QStringList events;
    const auto begin = report().OnBeginDoc;
    const auto end = report().OnEndDoc;
    report().OnBeginDoc = [&] {
        begin();
        events << QStringLiteral("begin %1/%2 %3/%4")
                      .arg(master().Filter())
                      .arg(master().RowCount())
                      .arg(slave().Filter())
                      .arg(slave().RowCount());
    };
    report().OnEndDoc = [&] {
        end();
        events << QStringLiteral("end");
    };
    frm->KeyList().SetModified(false);
    print();
    const QString whileBuilding = QStringLiteral("begin (KeyType ='M') and (KEYCODE <> '<EMPTY>')/3 "
                                                 "(KeyType ='S') and (KEYCODE <> '<EMPTY>')/4");
    QCOMPARE(events, QStringList({whileBuilding, "end", whileBuilding, "end"}));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].masterFilter, QStringLiteral("(KeyType ='M')"));
    QCOMPARE(shown[0].slaveFilter, QStringLiteral("(KeyType ='S')"));
    QCOMPARE(shown[0].masterRows, 8);
    QCOMPARE(shown[0].slaveRows, 128);
    QCOMPARE(master().RowCount(), 8);
    QCOMPARE(slave().RowCount(), 128);
    // Printing is no change of the key list.
    QVERIFY(!frm->KeyList().Modified());
}

void tst_TMainFrmReport::shouldAnswerEveryVariableInAnyLetterCase_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("PRGV") << "PrgVersionEdit" << QStringList{"PRGV", "prgv", "PrgV"};
    QTest::newRow("SN") << "CtrSerialEdit" << QStringList{"SN", "sn", "Sn", "sN"};
    QTest::newRow("INFO") << "CtrInfoEdit" << QStringList{"INFO", "info", "Info"};
    QTest::newRow("MAXMK") << "MaxMKeyEdit" << QStringList{"MAXMK", "maxmk", "MaxMK"};
    QTest::newRow("MAXSK") << "MaxSKeyEdit" << QStringList{"MAXSK", "maxsk", "MaxSk"};
    QTest::newRow("TYPE") << "KeyTypeEdit" << QStringList{"TYPE", "type", "Type"};
    QTest::newRow("MEMORY") << "MemoryEdit" << QStringList{"MEMORY", "memory", "Memory"};
    QTest::newRow("DOOR1") << "LockTimeEdit" << QStringList{"DOOR1", "door1", "Door1"};
    QTest::newRow("DOOR2") << "DoorSignalEdit" << QStringList{"DOOR2", "door2", "dOOR2"};
    QTest::newRow("DOOR3") << "DoorTypeEdit" << QStringList{"DOOR3", "door3", "Door3"};
}

void tst_TMainFrmReport::shouldAnswerEveryVariableInAnyLetterCase() {
    QFETCH(QString, field);
    QFETCH(QStringList, names);
    fillControllerFields();
    Edit(frm.get(), field)->setText(QStringLiteral("value of ") + field);
    for (const QString& name : names) {
        QVariant value = QStringLiteral("engine's own");
        report().OnGetValue(name, value);
        QCOMPARE(value.toString(), QStringLiteral("value of ") + field);
    }
    // Through a template, as printed.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("CtrlInfo.rpt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray body = "@report\n";
    for (const QString& name : names)
        body += "<p>" + name.toUtf8() + "=[{{" + name.toUtf8() + "}}]</p>\n";
    body += "<p>other=[{{SERIAL}}] [{{FILE_NAME}}]</p>\n";
    file.write(body);
    file.close();
    frm->SetReportTemplateDir(dir.path());
    print();
    QCOMPARE(shown.size(), 1);
    for (const QString& name : names)
        QVERIFY2(shown[0].text.contains(name + "=[value of " + field + "]"), qPrintable(shown[0].text));
    QVERIFY(shown[0].text.contains(QLatin1String("other=[] []")));
}

void tst_TMainFrmReport::shouldGiveTheListsTitleAsFileNameAfterNewOpenAndSaveAs() {
    const auto fileName = [this] {
        QVariant value = QStringLiteral("unanswered");
        report().OnGetValue(QStringLiteral("FileName"), value);
        return value.toString();
    };
    Action(frm.get(), "DNewBDAct")->trigger();
    QCOMPARE(fileName(), QStringLiteral("New key list"));

    // Names the key list's code page could not even hold: paths are the file system's bytes.
    const QString folder = temp->filePath(QString::fromUtf8("Schlüssel € Ключи"));
    QVERIFY(QDir().mkpath(folder));
    const QString name = QString::fromUtf8("north-door Tür €.dbf");
    const QString path = folder + QLatin1Char('/') + name;
    boxes->clear();
    dialogs->queueAnswer(path);
    Action(frm.get(), "MenuSaveAs")->trigger();
    QVERIFY2(boxes->shown.isEmpty(), qPrintable(boxes->texts().join('|')));
    QCOMPARE(fileName(), path);
    print();
    QVERIFY2(shown.last().text.simplified().contains(name), qPrintable(shown.last().text));

    dialogs->queueAnswer(path);
    Action(frm.get(), "DOpenBDAct")->trigger();
    QVERIFY(boxes->shown.isEmpty());
    QCOMPARE(fileName(), name);
    print();
    QVERIFY(shown.last().text.simplified().contains(QStringLiteral("Key list: ") + name));
}

void tst_TMainFrmReport::shouldShowNothingWhenTheTemplateIsMissing() {
    QTemporaryDir empty;
    frm->SetReportTemplateDir(empty.path());
    print();
    newListWithKeys();
    print();
    QVERIFY(shown.isEmpty());
    QVERIFY(boxes->shown.isEmpty());
    QCOMPARE(report().PageCount(), 0);
    // No event ran: the views keep the filters the key list opened with.
    QCOMPARE(master().Filter(), QStringLiteral("KeyType ='M'"));
    QCOMPARE(slave().Filter(), QStringLiteral("KeyType ='S'"));
}

void tst_TMainFrmReport::shouldReportAMalformedTemplateAndTouchNoView() {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("CtrlInfoKeys.rpt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "@report\n<table>\n@band rpDBDataSet1\n<tr><td>{{rpDBDataSet1.KEYCODE}}</td></tr>\n</table>\n");
    file.close();
    frm->SetReportTemplateDir(dir.path());
    newListWithKeys();
    print();
    QVERIFY(shown.isEmpty());
    QCOMPARE(boxes->shown.size(), 1);
    QCOMPARE(boxes->shown[0].kind, TTestMessageBoxes::Kind::Error);
    QCOMPARE(boxes->shown[0].text, QStringLiteral("The report template \"%1\" cannot be used:\r"
                                                  "line 3: the band of rpDBDataSet1 is not closed by @end.")
                                       .arg(QDir::toNativeSeparators(file.fileName())));
    QCOMPARE(master().Filter(), QStringLiteral("KeyType ='M'"));
}

void tst_TMainFrmReport::shouldBeReadableOnA4AndLetter() {
    newListWithKeys();
    // Every slave slot keyed: the longest list there can be.
    QList<Key> all;
    for (int slot = 0; slot < 128; ++slot)
        all << Key{slot, QStringLiteral("%1").arg(slot, 12, 16, QLatin1Char('0')).toUpper(),
                   QStringLiteral("Note of slot %1 with 25ch").arg(slot).left(25)};
    setKeys(&slave(), all);
    TrpReport::SetPreviewHook([this, &all](TrpReport& report) {
        auto pages = report.Pages();
        for (const QPageSize& size : {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)}) {
            const QString pdf = temp->filePath(size.key() + QStringLiteral(".pdf"));
            QString error;
            QVERIFY2(pages->ExportPdf(pdf, pages->PageLayout(size), &error), qPrintable(error));
            const int count = TPdfText::pageCount(pdf);
            QVERIFY(count >= 3);
            QString text;
            for (int page = 1; page <= count; ++page) {
                const QString pageText = TPdfText::text(pdf, page, page);
                QVERIFY2(pageText.contains(QStringLiteral("Page %1 of %2").arg(page).arg(count)),
                         qPrintable(pageText));
                // The column titles come again on every page the table runs over.
                if (page > 1)
                    QVERIFY2(pageText.contains(QLatin1String("Key code")), qPrintable(pageText));
                text += pageText;
            }
            for (const Key& key : all) {
                QCOMPARE(text.count(key.code), 1);
                QVERIFY2(text.contains(key.memo), qPrintable(key.memo));
            }
        }
        shown << Shown{};
    });
    print();
    QCOMPARE(shown.size(), 1);
}

void tst_TMainFrmReport::shouldEndTheCommandWithTheErrorReportWhenAViewFails() {
    newListWithKeys();
    const auto begin = report().OnBeginDoc;
    report().OnBeginDoc = [begin] {
        begin();
        throw std::runtime_error("Invalid Query Expression");
    };
    print();
    QVERIFY(shown.isEmpty());
    QCOMPARE(boxes->shown.size(), 1);
    QCOMPARE(boxes->shown[0].kind, TTestMessageBoxes::Kind::Error);
    QCOMPARE(boxes->shown[0].text, QStringLiteral("Invalid Query Expression."));
    // The end event still put the views back on all their slots.
    QCOMPARE(master().Filter(), QStringLiteral("(KeyType ='M')"));
    QCOMPARE(master().RowCount(), 8);
    QCOMPARE(slave().RowCount(), 128);
}

QTEST_MAIN(tst_TMainFrmReport)
#include "tst_TMainFrmReport.moc"
