#include "seams/TTerminalText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class tst_TTerminalText : public QObject {
    Q_OBJECT

private slots:
    void shouldShowControlCharactersEscaped_data();
    void shouldShowControlCharactersEscaped();
    void shouldWriteJsonWithoutControlCharactersAndTheSameValues_data();
    void shouldWriteJsonWithoutControlCharactersAndTheSameValues();
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

void tst_TTerminalText::shouldWriteJsonWithoutControlCharactersAndTheSameValues_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("plain text") << "Flat 3, Müller";
    QTest::newRow("ESC sequences") << "\x1b]0;owned\x07\x1b[2J";
    QTest::newRow("DEL and C1") << QString(QChar(0x7f)) + QChar(0x9b) + "31m" + QChar(0x85);
    QTest::newRow("bidirectional override and separators")
        << QString(QChar(0x202e)) + "fdp.exe" + QChar(0x2028) + QChar(0x2066);
}

void tst_TTerminalText::shouldWriteJsonWithoutControlCharactersAndTheSameValues() {
    QFETCH(QString, value);
    const QJsonObject object{{QStringLiteral("info\x1b"), value}};
    const QByteArray json = TTerminalText::EscapedJson(QJsonDocument(object).toJson());
    const QString text = QString::fromUtf8(json);
    QCOMPARE(TTerminalText::Escaped(text), text);
    QJsonParseError error{};
    QCOMPARE(QJsonDocument::fromJson(json, &error).object(), object);
    QCOMPARE(error.error, QJsonParseError::NoError);
}

QTEST_GUILESS_MAIN(tst_TTerminalText)
#include "tst_TTerminalText.moc"
