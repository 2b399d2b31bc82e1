#include "seams/TTerminalText.h"

#include <QtTest>

class tst_TTerminalText : public QObject {
    Q_OBJECT

private slots:
    void shouldShowControlCharactersEscaped_data();
    void shouldShowControlCharactersEscaped();
};

void tst_TTerminalText::shouldShowControlCharactersEscaped_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain text") << "VT000417  Flat 3, Müller"
                                << "VT000417  Flat 3, Müller";
    QTest::newRow("lines and tabs") << "a\tb\nc"
                                    << "a\tb\nc";
    QTest::newRow("clear screen") << "\x1b[2J\x1b[H"
                                  << "\\x1b[2J\\x1b[H";
    QTest::newRow("window title") << "\x1b]0;owned\x07"
                                  << "\\x1b]0;owned\\x07";
    QTest::newRow("carriage return hides the start") << "ok\rgone"
                                                     << "ok\\x0dgone";
    QTest::newRow("NUL and DEL") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b\x7f"))
                                 << "a\\x00b\\x7f";
    QTest::newRow("C1 control sequence introducer") << QString(QChar(0x9b)) + "31m"
                                                    << "\\x9b31m";
    QTest::newRow("right-to-left override") << QString(QChar(0x202e)) + "fdp.exe"
                                            << "\\u202efdp.exe";
    QTest::newRow("line separator") << QString(QChar(0x2028)) << "\\u2028";
    QTest::newRow("escaped text escaped again") << "\\x1b[2J"
                                                << "\\x1b[2J";
}

void tst_TTerminalText::shouldShowControlCharactersEscaped() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(TTerminalText::Escaped(text), shown);
}

QTEST_GUILESS_MAIN(tst_TTerminalText)
#include "tst_TTerminalText.moc"
