#include "report/TrpDBDataSet.h"
#include "report/TrpPages.h"
#include "report/TrpReport.h"
#include "tests/report/TPdfText.h"
#include "tests/report/TTestRows.h"
#include "tests/support/TFileSizeLimit.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

namespace {

TTestRows::Row key(int recId, const QString& code, const QString& memo = QString()) {
    return {{"RECID", QString::number(recId)},
            {"KEYID", QString::number(recId - 1)},
            {"KEYCODE", code},
            {"KEYSTATUS", QStringLiteral("True")},
            {"KEYMEMO", memo}};
}

// Positions of the parts in text, -1 for a missing one.
QList<int> positions(const QString& text, const QStringList& parts) {
    QList<int> at;
    for (const QString& part : parts)
        at << text.indexOf(part);
    return at;
}

bool ascending(const QList<int>& at) {
    for (int i = 0; i < at.size(); ++i)
        if (at[i] < 0 || (i > 0 && at[i] <= at[i - 1]))
            return false;
    return true;
}

} // namespace

class tst_TrpReport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void shouldShowNothingAndSayNothingWhenTheTemplateIsMissing();
    void shouldKeepTheEarlierPdfWhenTheDiskIsFull();
    void shouldReportAMalformedTemplateOnceAndDoNothingElse_data();
    void shouldReportAMalformedTemplateOnceAndDoNothingElse();
    void shouldAskEveryVariableByNameInAnyLetterCase();
    void shouldKeepTheEnginesOwnValueWhenNoOneAnswers();
    void shouldPrintValuesAsPlainText();
    void shouldFireTheEventsAroundEveryBuildAndPreviewAfterTheSecond();
    void shouldWalkEachBandFromFirstToLastRowInTheSourcesOrder();
    void shouldLeaveInactiveSourcesClosedUnlessAllowedToOpenThem();
    void shouldEndTheDocumentWhenTheBeginEventFails();
    void shouldReportAFieldTheSourceLacksOnceAndShowNothing();
    void shouldNumberEveryPageOnA4AndLetter_data();
    void shouldNumberEveryPageOnA4AndLetter();
    void shouldHaveNoPageForEmptyBandsUnlessPrintIfEmpty();
    void shouldFindThePageHoldingAText();
    void shouldDropTemplateAndPagesOnClear();

private:
    QString write(const QString& name, const QByteArray& text);
    QString exportPdf(const QPageSize& size = QPageSize(QPageSize::A4));
    void build(const QByteArray& templateText);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TTestMessageBoxes> boxes;
    std::unique_ptr<TrpReport> report;
    TTestRows masterRows;
    TTestRows slaveRows;
    std::unique_ptr<TrpDBDataSet> dataSet1;
    std::unique_ptr<TrpDBDataSet> dataSet2;
    QStringList log;
    int previews = 0;
};

void tst_TrpReport::init() {
    dir = std::make_unique<QTemporaryDir>();
    boxes = std::make_unique<TTestMessageBoxes>();
    report = std::make_unique<TrpReport>(*boxes);
    report->Title = QStringLiteral("VELM Tarvikon");
    masterRows = TTestRows({key(1, "0000AB12CD34", "front door"), key(2, "00FF00FF00FF")});
    slaveRows = TTestRows();
    dataSet1 = std::make_unique<TrpDBDataSet>(QStringLiteral("rpDBDataSet1"));
    dataSet2 = std::make_unique<TrpDBDataSet>(QStringLiteral("rpDBDataSet2"));
    dataSet1->SetDataSource(&masterRows);
    dataSet2->SetDataSource(&slaveRows);
    report->AddDataSet(dataSet1.get());
    report->AddDataSet(dataSet2.get());
    log.clear();
    previews = 0;
    report->OnBeginDoc = [this] { log << QStringLiteral("begin"); };
    report->OnEndDoc = [this] { log << QStringLiteral("end"); };
    TrpReport::SetPreviewHook([this](TrpReport& shown) {
        QCOMPARE(&shown, report.get());
        log << QStringLiteral("preview");
        ++previews;
    });
}

void tst_TrpReport::cleanup() {
    TrpReport::SetPreviewHook(nullptr);
    report.reset();
    boxes.reset();
    dir.reset();
}

QString tst_TrpReport::write(const QString& name, const QByteArray& text) {
    QFile file(dir->filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

QString tst_TrpReport::exportPdf(const QPageSize& size) {
    const QString path = dir->filePath(QStringLiteral("out-%1.pdf").arg(size.key()));
    auto pages = report->Pages();
    if (!pages)
        return QString();
    QString error;
    if (!pages->ExportPdf(path, pages->PageLayout(size), &error))
        qWarning("export failed: %s", qPrintable(error));
    return path;
}

void tst_TrpReport::build(const QByteArray& templateText) {
    report->ClearReport();
    QVERIFY(report->LoadTemplate(write(QStringLiteral("t.rpt"), templateText)));
    QVERIFY(report->BuildPages());
}

void tst_TrpReport::shouldShowNothingAndSayNothingWhenTheTemplateIsMissing() {
    report->ClearReport();
    QVERIFY(!report->LoadTemplate(dir->filePath(QStringLiteral("CtrlInfoKeys.rpt"))));
    QVERIFY(!report->LoadTemplate(QString()));
    QVERIFY(!report->BuildPages());
    report->ShowPreview();
    QCOMPARE(report->PageCount(), 0);
    QCOMPARE(previews, 0);
    QVERIFY(log.isEmpty());
    QVERIFY(boxes->shown.isEmpty());
    QCOMPARE(masterRows.walks, 0);
}

void tst_TrpReport::shouldReportAMalformedTemplateOnceAndDoNothingElse_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("fault");
    QTest::newRow("unknown band source") << QByteArray("@report\n@band rpDBDataSet3\n@end\n")
                                         << "line 2: unknown band source \"rpDBDataSet3\"";
    QTest::newRow("band not closed") << QByteArray(
                                            "@report\n<table>\n@band rpDBDataSet1\n<tr></tr>\n</table>\n")
                                     << "line 3: the band of rpDBDataSet1 is not closed by @end";
    QTest::newRow("band closed twice")
        << QByteArray("@report\n@band rpDBDataSet1\n@end\n@end\n") << "line 4: @end closes no band";
    QTest::newRow("not UTF-8") << QByteArray("@report\n<p>\xff\xfe</p>\n") << "the file is not UTF-8 text";
    QTest::newRow("unreadable: a directory")
        << QByteArray() << "the file cannot be read: it is not a regular file";
}

void tst_TrpReport::shouldReportAMalformedTemplateOnceAndDoNothingElse() {
    QFETCH(QByteArray, text);
    QFETCH(QString, fault);
    // A good template loaded before must not survive a bad one.
    QVERIFY(report->LoadTemplate(write(QStringLiteral("good.rpt"), "@report\n<p>old</p>\n")));
    QString path = dir->filePath(QStringLiteral("CtrlInfoKeys.rpt"));
    if (text.isEmpty())
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("CtrlInfoKeys.rpt")));
    else
        write(QStringLiteral("CtrlInfoKeys.rpt"), text);

    QVERIFY(!report->LoadTemplate(path));
    QVERIFY(!report->BuildPages());
    report->ShowPreview();

    QCOMPARE(boxes->shown.size(), 1);
    QCOMPARE(boxes->shown[0].kind, TTestMessageBoxes::Kind::Error);
    QCOMPARE(boxes->shown[0].caption, QStringLiteral("VELM Tarvikon"));
    QCOMPARE(boxes->shown[0].text, QStringLiteral("The report template \"%1\" cannot be used:\r%2.")
                                       .arg(QDir::toNativeSeparators(path), fault));
    QVERIFY(!report->HasTemplate());
    QCOMPARE(previews, 0);
    QVERIFY(log.isEmpty());
    QCOMPARE(masterRows.walks, 0);
}

void tst_TrpReport::shouldAskEveryVariableByNameInAnyLetterCase() {
    QStringList asked;
    report->OnGetValue = [&asked](const QString& name, QVariant& value) {
        asked << name;
        if (name.toUpper() == QLatin1String("SN"))
            value = QStringLiteral("SN-0042");
        else if (name.toUpper() == QLatin1String("PRGV"))
            value = QStringLiteral("TARVK001");
    };
    build("@report\n@header\n<p>head {{Prgv}}</p>\n@body\n<p>[{{sn}}] [{{SN}}] [{{sN}}] [{{PRGV}}]</p>\n"
          "@band rpDBDataSet1\n<p>row {{Sn}}</p>\n@end\n");
    QCOMPARE(asked, QStringList({"Prgv", "sn", "SN", "sN", "PRGV", "Sn", "Sn"}));

    const QString text = TPdfText::text(exportPdf());
    QVERIFY2(text.contains(QLatin1String("[SN-0042] [SN-0042] [SN-0042] [TARVK001]")), qPrintable(text));
    QVERIFY(text.contains(QLatin1String("head TARVK001")));
    QCOMPARE(text.count(QLatin1String("row SN-0042")), 2);
}

void tst_TrpReport::shouldKeepTheEarlierPdfWhenTheDiskIsFull() {
    build("@report\n@body\n<p>Main entrance</p>\n");
    const QString path = exportPdf();
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    const QByteArray before = earlier.readAll();
    earlier.close();
    QVERIFY(before.startsWith("%PDF"));
    auto pages = report->Pages();
    QString error;
    {
        const TFileSizeLimit full(512);
        QVERIFY(!pages->ExportPdf(path, pages->PageLayout(QPageSize(QPageSize::A4)), &error));
    }
    QVERIFY(!error.isEmpty());
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), before);
}

void tst_TrpReport::shouldKeepTheEnginesOwnValueWhenNoOneAnswers() {
    QStringList seen;
    report->OnGetValue = [&seen](const QString& name, QVariant& value) {
        seen << name + QLatin1Char('=') + value.toString();
        if (name == QLatin1String("answered"))
            value = 42;
    };
    const QDate before = QDate::currentDate();
    build("@report\n<p>|{{title}}|{{Date}}|{{nosuch}}|{{answered}}|</p>\n");
    const QDate after = QDate::currentDate();

    const QString text = TPdfText::text(exportPdf());
    const QRegularExpression line(QStringLiteral(R"(\|VELM Tarvikon\|(\d{4}-\d\d-\d\d)\|\|42\|)"));
    const QRegularExpressionMatch m = line.match(text);
    QVERIFY2(m.hasMatch(), qPrintable(text));
    const QDate printed = QDate::fromString(m.captured(1), Qt::ISODate);
    QVERIFY(printed == before || printed == after);
    QCOMPARE(seen, QStringList({"title=VELM Tarvikon", "Date=" + m.captured(1), "nosuch=", "answered="}));
}

void tst_TrpReport::shouldPrintValuesAsPlainText() {
    report->OnGetValue = [](const QString& name, QVariant& value) {
        if (name == QLatin1String("A"))
            value = QStringLiteral("<EMPTY> & <b>bold</b> {{B}}");
        if (name == QLatin1String("B"))
            value = QStringLiteral("first\rsecond");
    };
    masterRows.rows = {key(1, "<EMPTY>", "a<i>b</i>")};
    build("@report\n@footer\n<p>foot {{A}}</p>\n@body\n<p>{{A}}</p><p>{{B}}</p>\n"
          "@band rpDBDataSet1\n<p>{{rpDBDataSet1.KEYCODE}}:{{rpDBDataSet1.KEYMEMO}}</p>\n@end\n");
    const QString text = TPdfText::text(exportPdf());
    QVERIFY2(text.contains(QLatin1String("<EMPTY> & <b>bold</b> {{B}}")), qPrintable(text));
    QVERIFY(text.contains(QLatin1String("foot <EMPTY> & <b>bold</b> {{B}}")));
    QVERIFY(text.contains(QLatin1String("<EMPTY>:a<i>b</i>")));
    QVERIFY2(QRegularExpression(QStringLiteral("first\\s*\\n\\s*second")).match(text).hasMatch(),
             qPrintable(text));
}

void tst_TrpReport::shouldFireTheEventsAroundEveryBuildAndPreviewAfterTheSecond() {
    report->OnGetValue = [this](const QString& name, QVariant&) { log << name; };
    report->ClearReport();
    QVERIFY(report->LoadTemplate(write(QStringLiteral("t.rpt"), "@report\n<p>{{SN}}</p>\n")));
    QVERIFY(report->BuildPages());
    report->ShowPreview();
    QCOMPARE(log, QStringList({"begin", "SN", "end", "begin", "SN", "end", "preview"}));
    QCOMPARE(report->PageCount(), 1);
}

void tst_TrpReport::shouldWalkEachBandFromFirstToLastRowInTheSourcesOrder() {
    masterRows.rows = {key(3, "CCCCCCCCCCCC"), key(1, "AAAAAAAAAAAA"), key(2, "BBBBBBBBBBBB")};
    masterRows.position = 2; // wherever the view stood, the band starts at its first row
    build("@report\n<p>masters:</p>\n@band rpDBDataSet1\n<p>M {{rpDBDataSet1.RECID}} "
          "{{rpDBDataSet1.KEYCODE}}</p>\n@empty\n<p>no masters</p>\n@end\n"
          "@band rpDBDataSet2\n<p>S {{rpDBDataSet2.KEYCODE}}</p>\n@empty\n<p>no slaves</p>\n@end\n");
    QCOMPARE(masterRows.walks, 1);
    QCOMPARE(slaveRows.walks, 1);
    QVERIFY(masterRows.Eof());

    const QString text = TPdfText::text(exportPdf());
    QVERIFY2(ascending(positions(text, {"masters:", "M 3 CCCCCCCCCCCC", "M 1 AAAAAAAAAAAA",
                                        "M 2 BBBBBBBBBBBB", "no slaves"})),
             qPrintable(text));
    QVERIFY(!text.contains(QLatin1String("no masters")));
}

void tst_TrpReport::shouldLeaveInactiveSourcesClosedUnlessAllowedToOpenThem() {
    masterRows.active = false;
    build("@report\n@band rpDBDataSet1\n<p>{{rpDBDataSet1.KEYCODE}}</p>\n@empty\n<p>closed</p>\n@end\n");
    QCOMPARE(masterRows.opened, 0);
    QCOMPARE(masterRows.walks, 0);
    QVERIFY(TPdfText::text(exportPdf()).contains(QLatin1String("closed")));

    dataSet1->OpenDataSource = true;
    QVERIFY(report->BuildPages());
    QCOMPARE(masterRows.opened, 1);
    QCOMPARE(masterRows.closed, 1);
    QVERIFY(!masterRows.active);
    QVERIFY(TPdfText::text(exportPdf()).contains(QLatin1String("0000AB12CD34")));
}

void tst_TrpReport::shouldEndTheDocumentWhenTheBeginEventFails() {
    report->OnBeginDoc = [this] {
        log << QStringLiteral("begin");
        throw std::runtime_error("Invalid Query Expression");
    };
    report->ClearReport();
    QVERIFY(report->LoadTemplate(write(QStringLiteral("t.rpt"), "@report\n<p>x</p>\n")));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, report->BuildPages());
    QCOMPARE(log, QStringList({"begin", "end"}));
    QCOMPARE(report->PageCount(), 0);

    log.clear();
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, report->ShowPreview());
    QCOMPARE(log, QStringList({"begin", "end"}));
    QCOMPARE(previews, 0);
    QVERIFY(boxes->shown.isEmpty());

    // A failing end event is reported as well, after the pages are dropped.
    report->OnBeginDoc = nullptr;
    report->OnEndDoc = [] { throw std::runtime_error("end failed"); };
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, report->BuildPages());
    QCOMPARE(report->PageCount(), 0);
}

void tst_TrpReport::shouldReportAFieldTheSourceLacksOnceAndShowNothing() {
    // A source opened for the walk is closed again when the walk fails.
    masterRows.active = false;
    dataSet1->OpenDataSource = true;
    report->ClearReport();
    const QString path = write(QStringLiteral("t.rpt"),
                               "@report\n@band rpDBDataSet1\n<p>{{rpDBDataSet1.KEYCOLOR}}</p>\n@end\n");
    QVERIFY(report->LoadTemplate(path));
    QVERIFY(!report->BuildPages());
    report->ShowPreview();
    QCOMPARE(log, QStringList({"begin", "end"}));
    QCOMPARE(boxes->texts(), QStringList({QStringLiteral("The report template \"%1\" cannot be used:\r"
                                                         "rpDBDataSet1 has no field \"KEYCOLOR\".")
                                              .arg(QDir::toNativeSeparators(path))}));
    QCOMPARE(previews, 0);
    QCOMPARE(masterRows.opened, 1);
    QCOMPARE(masterRows.closed, 1);
    QVERIFY(!masterRows.active);
}

void tst_TrpReport::shouldNumberEveryPageOnA4AndLetter_data() {
    QTest::addColumn<QPageSize>("size");
    QTest::addColumn<QString>("points");
    QTest::newRow("A4") << QPageSize(QPageSize::A4) << "595 x 842";
    QTest::newRow("Letter") << QPageSize(QPageSize::Letter) << "612 x 792";
}

void tst_TrpReport::shouldNumberEveryPageOnA4AndLetter() {
    QFETCH(QPageSize, size);
    QFETCH(QString, points);
    masterRows.rows.clear();
    for (int i = 1; i <= 200; ++i)
        masterRows.rows << key(i, QStringLiteral("%1").arg(i, 12, 10, QLatin1Char('0')));
    build("@report\n@header\n<p>{{TITLE}}</p>\n@footer\n<p>Page {{PAGE}} of {{pages}}</p>\n@body\n<table>\n"
          "@band rpDBDataSet1\n<tr><td>{{rpDBDataSet1.KEYCODE}}</td></tr>\n@end\n</table>\n");
    const QString path = exportPdf(size);
    const int pages = TPdfText::pageCount(path);
    QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
    QCOMPARE(TPdfText::pageSize(path), points);
    QString all;
    for (int page = 1; page <= pages; ++page) {
        const QString text = TPdfText::text(path, page, page);
        QVERIFY2(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("VELM Tarvikon")));
        all += text;
    }
    // Every row once, none cut away at a page break.
    for (int i = 1; i <= 200; ++i)
        QCOMPARE(all.count(QStringLiteral("%1").arg(i, 12, 10, QLatin1Char('0'))), 1);
}

void tst_TrpReport::shouldHaveNoPageForEmptyBandsUnlessPrintIfEmpty() {
    masterRows.rows.clear();
    report->PrintIfEmpty = false;
    report->ClearReport();
    QVERIFY(report->LoadTemplate(
        write(QStringLiteral("t.rpt"),
              "@report\n<p>head</p>\n@band rpDBDataSet1\n<p>{{rpDBDataSet1.KEYCODE}}</p>\n@end\n")));
    QVERIFY(!report->BuildPages());
    report->ShowPreview();
    QCOMPARE(report->PageCount(), 0);
    QCOMPARE(previews, 0);

    report->PrintIfEmpty = true;
    report->ShowPreview();
    QCOMPARE(report->PageCount(), 1);
    QCOMPARE(previews, 1);
}

void tst_TrpReport::shouldFindThePageHoldingAText() {
    masterRows.rows.clear();
    for (int i = 1; i <= 150; ++i)
        masterRows.rows << key(i, i == 120 ? QStringLiteral("FEEDBEEF0120") : QStringLiteral("000000000000"),
                               i == 3 ? QStringLiteral("Boiler room") : QString());
    build("@report\n@band rpDBDataSet1\n<p>{{rpDBDataSet1.KEYCODE}} {{rpDBDataSet1.KEYMEMO}}</p>\n@end\n");
    auto pages = report->Pages();
    QVERIFY(pages->PageCount() >= 3);
    const int feed = pages->FindPage(QStringLiteral("feedbeef"), -1);
    QVERIFY(feed > 0);
    QVERIFY(pages->PageText(feed).contains(QLatin1String("FEEDBEEF0120")));
    QVERIFY(!pages->PageText(feed - 1).contains(QLatin1String("FEEDBEEF0120")));
    QCOMPARE(pages->FindPage(QStringLiteral("FEEDBEEF"), feed - 1), feed);
    // From the page that holds it, the search goes round to it again.
    QCOMPARE(pages->FindPage(QStringLiteral("FEEDBEEF"), feed), feed);
    QCOMPARE(pages->FindPage(QStringLiteral("boiler ROOM"), feed), 0);
    QCOMPARE(pages->FindPage(QStringLiteral("not printed"), -1), -1);
    QCOMPARE(pages->FindPage(QString(), -1), -1);
}

void tst_TrpReport::shouldDropTemplateAndPagesOnClear() {
    build("@report\n<p>x</p>\n");
    QVERIFY(report->HasTemplate());
    QCOMPARE(report->PageCount(), 1);
    report->ClearReport();
    QVERIFY(!report->HasTemplate());
    QCOMPARE(report->PageCount(), 0);
    QVERIFY(!report->BuildPages());
    QCOMPARE(report->TemplatePath(), QString());
}

QTEST_MAIN(tst_TrpReport)
#include "tst_TrpReport.moc"
