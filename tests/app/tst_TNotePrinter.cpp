#include "app/TNotePrinter.h"
#include "app/TShowNoteForm.h"

#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A note of numbered lines, some short, some wrapping over several printed lines, a blank line
// now and then, and one word too long for any line.
QString longNote() {
    QStringList lines;
    for (int i = 1; i <= 240; ++i) {
        QString line = QStringLiteral("L%1").arg(i, 4, 10, QLatin1Char('0'));
        const int words = (i % 7 == 0) ? 60 : (i % 3);
        for (int w = 0; w < words; ++w)
            line += QStringLiteral(" w%1x%2").arg(i).arg(w);
        lines.append(line);
        if (i % 25 == 0)
            lines.append(QString());
    }
    lines.append(QStringLiteral("L9999 ") + QString(400, QLatin1Char('Z')));
    return lines.join(QLatin1Char('\n'));
}

QString withoutBlanks(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

} // namespace

class tst_TNotePrinter : public QObject {
    Q_OBJECT

private slots:
    void shouldPrintEveryLineOnceAcrossPages();
    void shouldPlaceAtLeastOneLineOnTinyPage();
    void shouldPlaceWholeShortText();
    void shouldShowNoteModallyUnderCaption();
};

void tst_TNotePrinter::shouldPrintEveryLineOnceAcrossPages() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("note.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A6));
    const QString note = longNote();
    TNotePrinter::print(printer, QStringLiteral("Long note"), note);

    QProcess process;
    process.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    while (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    QVERIFY2(pages.size() >= 5, qPrintable(QString::number(pages.size())));

    // Every page holds text, and together they hold the note exactly: nothing lost, nothing
    // repeated where one page ends and the next begins.
    for (const QString& page : pages)
        QVERIFY(!page.trimmed().isEmpty());
    QCOMPARE(withoutBlanks(pages.join(QString())), withoutBlanks(note));
    const QRegularExpression number(QStringLiteral("\\bL(\\d{4})\\b"));
    QList<int> numbers;
    for (auto it = number.globalMatch(pages.join(QLatin1Char('\n'))); it.hasNext();)
        numbers.append(it.next().captured(1).toInt());
    QCOMPARE(numbers.size(), 241);
    for (int i = 0; i < 240; ++i)
        QCOMPARE(numbers[i], i + 1);
}

void tst_TNotePrinter::shouldPlaceAtLeastOneLineOnTinyPage() {
    QImage page(400, 400, QImage::Format_RGB32);
    QPainter painter(&page);
    const QString text = QStringLiteral("first line\nsecond line");
    const int placed = TNotePrinter::drawPage(painter, QRect(0, 0, 300, 2), text);
    QCOMPARE(placed, int(QStringLiteral("first line\n").size()));
    QCOMPARE(TNotePrinter::drawPage(painter, QRect(0, 0, 300, 2), QString()), 0);
}

void tst_TNotePrinter::shouldPlaceWholeShortText() {
    QImage page(400, 400, QImage::Format_RGB32);
    QPainter painter(&page);
    const QString text = QStringLiteral("one\r\ntwo\n\nthree words here");
    QCOMPARE(TNotePrinter::drawPage(painter, QRect(0, 0, 300, 300), text), int(text.size()));
    // Only whole lines: a page with room for two lines stops at the start of the third.
    const int lineHeight = qCeil(QFontMetricsF(painter.font(), painter.device()).lineSpacing());
    QCOMPARE(TNotePrinter::drawPage(painter, QRect(0, 0, 300, 2 * lineHeight + 1), text),
             int(QStringLiteral("one\r\ntwo\n").size()));
}

void tst_TNotePrinter::shouldShowNoteModallyUnderCaption() {
    QString caption;
    QString shown;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TShowNoteForm*>(QApplication::activeModalWidget());
        QVERIFY(form);
        caption = form->windowTitle();
        shown = form->NoteMemo->toPlainText();
        modal = form->isModal();
        QVERIFY(form->NoteMemo->isReadOnly());
        QCOMPARE(form->size(), QSize(362, 384));
        form->OKButtonClick();
    });
    ShowNote(QStringLiteral("License agreements"), QStringLiteral("line one\nline two"), 1);
    QCOMPARE(caption, QStringLiteral("License agreements"));
    QCOMPARE(shown, QStringLiteral("line one\nline two"));
    QVERIFY(modal);
}

QTEST_MAIN(tst_TNotePrinter)
#include "tst_TNotePrinter.moc"
