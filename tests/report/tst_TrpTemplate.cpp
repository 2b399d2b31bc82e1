#include "report/ERpTemplateError.h"
#include "report/TrpPlaceholders.h"
#include "report/TrpTemplate.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList Sources{QStringLiteral("rpDBDataSet1"), QStringLiteral("rpDBDataSet2")};

QString faultOf(const QString& text) {
    try {
        TrpTemplate::Parse(text, Sources);
    } catch (const ERpTemplateError& e) {
        return e.Fault();
    }
    return QString();
}

} // namespace

class tst_TrpTemplate : public QObject {
    Q_OBJECT
private slots:
    void shouldSplitHeaderFooterBodyAndBands();
    void shouldKeepLiteralAtSignsAndSkipComments();
    void shouldRefuseMalformedTemplates_data();
    void shouldRefuseMalformedTemplates();
    void shouldRefuseUnreadableFiles();
    void shouldFindEveryPlaceholderInOrder();
};

void tst_TrpTemplate::shouldSplitHeaderFooterBodyAndBands() {
    const TrpTemplate t =
        TrpTemplate::Parse(QStringLiteral("\n@report test\n"
                                          "@page margin=20\n"
                                          "@header\n<p>{{TITLE}}</p>\n"
                                          "@footer\n<p>{{PAGE}}/{{PAGES}}</p>\n"
                                          "@body\n<h1>{{SN}}</h1>\n"
                                          "@band RPDBDATASET2\n<p>{{rpdbdataset2.KEYCODE}}</p>\n"
                                          "@empty\n<p>none</p>\n@end\n"
                                          "<p>after</p>\n"),
                           Sources);
    QCOMPARE(t.marginMm, 20.0);
    QCOMPARE(t.headerHtml, QStringLiteral("<p>{{TITLE}}</p>\n"));
    QCOMPARE(t.footerHtml, QStringLiteral("<p>{{PAGE}}/{{PAGES}}</p>\n"));
    QCOMPARE(int(t.body.size()), 3);
    QVERIFY(!t.body[0].isBand);
    QCOMPARE(t.body[0].html, QStringLiteral("<h1>{{SN}}</h1>\n"));
    QVERIFY(t.body[1].isBand);
    QCOMPARE(t.body[1].source, QStringLiteral("RPDBDATASET2"));
    QCOMPARE(t.body[1].html, QStringLiteral("<p>{{rpdbdataset2.KEYCODE}}</p>\n"));
    QCOMPARE(t.body[1].emptyHtml, QStringLiteral("<p>none</p>\n"));
    QCOMPARE(t.body[2].html, QStringLiteral("<p>after</p>\n"));
}

void tst_TrpTemplate::shouldKeepLiteralAtSignsAndSkipComments() {
    const TrpTemplate t = TrpTemplate::Parse(
        QStringLiteral("@report\r\n@-- a note for the writer\r\n  @@home\r\nmail@host\r\n"), Sources);
    QCOMPARE(int(t.body.size()), 1);
    QCOMPARE(t.body[0].html, QStringLiteral("@home\nmail@host\n"));
}

void tst_TrpTemplate::shouldRefuseMalformedTemplates_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fault");
    QTest::newRow("empty file") << QString() << "not a report template (it must begin with @report)";
    QTest::newRow("plain html") << "<p>hello</p>\n@report"
                                << "not a report template (it must begin with @report)";
    QTest::newRow("unknown band source") << "@report\n<p>x</p>\n@band rpDBDataSet9\n@end"
                                         << "line 3: unknown band source \"rpDBDataSet9\"";
    QTest::newRow("band never closed") << "@report\n@band rpDBDataSet1\n<tr></tr>\n"
                                       << "line 2: the band of rpDBDataSet1 is not closed by @end";
    QTest::newRow("end without band") << "@report\n<p>x</p>\n@end"
                                      << "line 3: @end closes no band";
    QTest::newRow("band inside band") << "@report\n@band rpDBDataSet1\n@band rpDBDataSet2\n@end\n@end"
                                      << "line 3: a band inside the band of rpDBDataSet1";
    QTest::newRow("band in header") << "@report\n@header\n@band rpDBDataSet1\n@end"
                                    << "line 3: a band outside @body";
    QTest::newRow("section inside band") << "@report\n@band rpDBDataSet1\n@footer\n@end"
                                         << "line 3: @footer inside the band of rpDBDataSet1";
    QTest::newRow("band without source") << "@report\n@band\n@end"
                                         << "line 2: @band needs one data-band source name";
    QTest::newRow("empty outside band") << "@report\n@empty"
                                        << "line 2: @empty outside a band";
    QTest::newRow("second empty") << "@report\n@band rpDBDataSet1\n@empty\n@empty\n@end"
                                  << "line 4: second @empty in the band of rpDBDataSet1";
    QTest::newRow("unknown directive") << "@report\n@bnad rpDBDataSet1"
                                       << "line 2: unknown directive \"@bnad\"";
    QTest::newRow("second report") << "@report\n@report"
                                   << "line 2: second @report";
    QTest::newRow("field outside band") << "@report\n<p>{{rpDBDataSet1.KEYCODE}}</p>"
                                        << "line 2: field {{rpDBDataSet1.KEYCODE}} outside a band";
    QTest::newRow("field of other band")
        << "@report\n@band rpDBDataSet1\n{{rpDBDataSet2.KEYCODE}}\n@end"
        << "line 3: field {{rpDBDataSet2.KEYCODE}} inside the band of rpDBDataSet1";
    QTest::newRow("field in empty part")
        << "@report\n@band rpDBDataSet1\n@empty\n{{rpDBDataSet1.KEYCODE}}\n@end"
        << "line 4: field {{rpDBDataSet1.KEYCODE}} in the @empty part of a band";
    QTest::newRow("page number in body") << "@report\n<p>{{page}}</p>"
                                         << "line 2: {{page}} belongs in @header or @footer";
    QTest::newRow("unclosed placeholder") << "@report\n@header\n<p>{{SN</p>"
                                          << "line 3: malformed placeholder \"{{SN</p>\"";
    QTest::newRow("placeholder with blank in name") << "@report\n{{SERIAL NUMBER}}"
                                                    << "line 2: malformed placeholder \"{{SERIAL NUMBER}}\"";
    QTest::newRow("margin not a number")
        << "@report\n@page margin=wide"
        << "line 2: page margin \"margin=wide\" is not a number of millimetres from 0 to 50";
    QTest::newRow("margin too large")
        << "@report\n@page margin=80"
        << "line 2: page margin \"margin=80\" is not a number of millimetres from 0 to 50";
    QTest::newRow("unknown page setting") << "@report\n@page paper=A3"
                                          << "line 2: unknown page setting \"paper=A3\"";
}

void tst_TrpTemplate::shouldRefuseMalformedTemplates() {
    QFETCH(QString, text);
    QFETCH(QString, fault);
    QCOMPARE(faultOf(text), fault);
}

void tst_TrpTemplate::shouldRefuseUnreadableFiles() {
    QTemporaryDir dir;
    const auto faultOfFile = [](const QString& path) {
        try {
            TrpTemplate::Load(path, Sources);
        } catch (const ERpTemplateError& e) {
            return e.Fault();
        }
        return QString();
    };
    QCOMPARE(faultOfFile(dir.path()), QStringLiteral("the file cannot be read: it is not a regular file"));

    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the test file");
        return file.fileName();
    };
    QCOMPARE(faultOfFile(write(QStringLiteral("latin1.rpt"), "@report\n<p>Gr\xfc\xdf"
                                                             "e</p>\n")),
             QStringLiteral("the file is not UTF-8 text"));
    QCOMPARE(faultOfFile(write(QStringLiteral("binary.rpt"), QByteArray("@report\n\0\0\0", 11))),
             QStringLiteral("the file is not UTF-8 text"));
    QCOMPARE(faultOfFile(
                 write(QStringLiteral("huge.rpt"), "@report\n" + QByteArray(TrpTemplate::MaxFileSize, 'x'))),
             QStringLiteral("the file is larger than %1 bytes").arg(TrpTemplate::MaxFileSize));
    QCOMPARE(faultOfFile(write(QStringLiteral("good.rpt"), "@report\n<p>Gr\xc3\xbc\xc3\x9f"
                                                           "e</p>\n")),
             QString());
}

void tst_TrpTemplate::shouldFindEveryPlaceholderInOrder() {
    QStringList seen;
    TrpPlaceholders::Scan(
        QStringLiteral("{{a}} x {{ src.F1 }}{{_b2}} {x} }} {"),
        [&seen](const TrpPlaceholders::Name& n) { seen << n.source + QLatin1Char('|') + n.name; });
    QCOMPARE(seen, QStringList({"|a", "src|F1", "|_b2"}));
    QVERIFY_THROWS_EXCEPTION(ERpTemplateError,
                             TrpPlaceholders::Scan(QStringLiteral("ok {{a}} {{ }}"), [](auto&) {}));

    const QString expanded =
        TrpPlaceholders::Expand(QStringLiteral("<{{A}}|{{s.B}}>"), [](const TrpPlaceholders::Name& n) {
            return n.source.isEmpty() ? QStringLiteral("{{A}}") : QStringLiteral("b");
        });
    // What a value holds is never read as a placeholder again.
    QCOMPARE(expanded, QStringLiteral("<{{A}}|b>"));
}

QTEST_GUILESS_MAIN(tst_TrpTemplate)
#include "tst_TrpTemplate.moc"
