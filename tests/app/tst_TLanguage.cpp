// The program in German: the language chosen from the desktop or the setting, every menu text
// translated, and room enough for the longer texts.
#include "app/TMainFrm.h"
#include "settings/TAppSettings.h"
#include "settings/TLanguage.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tests/support/TWindowParts.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace TWindowParts;

namespace {
// Every menu's title and entry, and the page tabs, in the order the window shows them.
QStringList shownTexts(TMainFrm& frm) {
    QStringList texts;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        texts << menu->title();
        for (QAction* action : menu->actions()) {
            if (action->menu())
                walk(action->menu());
            // A language is offered in its own words, the same in every language.
            else if (!action->data().toString().isEmpty() && action->objectName().startsWith("MenuLanguage_"))
                continue;
            else if (!action->isSeparator() && action->isVisible())
                texts << action->text() << action->statusTip();
        }
    };
    for (QAction* action : frm.menuBar()->actions())
        walk(action->menu());
    const auto* pages = frm.findChild<QTabWidget*>(QStringLiteral("PageControl"));
    for (int i = 0; pages && i < pages->count(); ++i)
        texts << pages->tabText(i);
    texts.removeAll(QString());
    return texts;
}
} // namespace

class tst_TLanguage : public QObject {
    Q_OBJECT

private slots:
    void shouldChooseTheDesktopsLanguageUnlessTheUserChoseOne_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QByteArray>("language"); // LANGUAGE
        QTest::addColumn<QByteArray>("all");      // LC_ALL
        QTest::addColumn<QByteArray>("messages"); // LC_MESSAGES
        QTest::addColumn<QByteArray>("lang");     // LANG
        QTest::addColumn<QString>("expected");
        QTest::newRow("German desktop")
            << "" << QByteArray() << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8") << "de";
        QTest::newRow("Austrian, with a modifier")
            << "" << QByteArray() << QByteArray() << QByteArray() << QByteArray("de_AT.UTF-8@euro") << "de";
        QTest::newRow("messages decide over LANG")
            << "" << QByteArray() << QByteArray() << QByteArray("en_GB.UTF-8") << QByteArray("de_DE.UTF-8")
            << "en";
        QTest::newRow("LC_ALL decides over both")
            << "" << QByteArray() << QByteArray("de_CH.UTF-8") << QByteArray("en_GB.UTF-8")
            << QByteArray("en_US.UTF-8") << "de";
        QTest::newRow("a list: the first translated") << "" << QByteArray("fr:de:en") << QByteArray()
                                                      << QByteArray() << QByteArray("fr_FR.UTF-8") << "de";
        QTest::newRow("C locale") << "" << QByteArray() << QByteArray() << QByteArray()
                                  << QByteArray("C.UTF-8") << "en";
        QTest::newRow("no translation of it")
            << "" << QByteArray() << QByteArray() << QByteArray() << QByteArray("fr_FR.UTF-8") << "en";
        QTest::newRow("nothing set") << "" << QByteArray() << QByteArray() << QByteArray() << QByteArray()
                                     << "en";
        QTest::newRow("the user chose English")
            << "en" << QByteArray() << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8") << "en";
        QTest::newRow("the user chose German")
            << "de" << QByteArray() << QByteArray() << QByteArray() << QByteArray("C") << "de";
        QTest::newRow("a choice without translation")
            << "fr" << QByteArray() << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8") << "en";
    }
    void shouldChooseTheDesktopsLanguageUnlessTheUserChoseOne() {
        QFETCH(QString, setting);
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, all);
        QFETCH(QByteArray, messages);
        QFETCH(QByteArray, lang);
        QFETCH(QString, expected);
        const std::pair<const char*, QByteArray> variables[] = {
            {"LANGUAGE", language}, {"LC_ALL", all}, {"LC_MESSAGES", messages}, {"LANG", lang}};
        for (const auto& [name, value] : variables) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
        QCOMPARE(TLanguage::Choose(setting, TLanguage::DesktopLanguages()), expected);
    }

    // Help > Language keeps the user's choice, offers each language in its own words, and says
    // that it takes effect at the next start only when the choice changed.
    void shouldKeepTheLanguageChosenInTheMenu() {
        TTestMessageBoxes boxes;
        QTemporaryDir dir;
        TAppSettings settings(dir.filePath(QStringLiteral("velm-tarvikon.conf")));
        TMainFrm frm;
        QVERIFY(!Menu(&frm, "MenuLanguage")->isEnabled()); // nowhere to keep a choice yet
        frm.UseSettings(&settings);
        QVERIFY(Action(&frm, "MenuLanguage_desktop")->isChecked());
        QCOMPARE(Action(&frm, "MenuLanguage_de")->text(), QStringLiteral("Deutsch"));

        Action(&frm, "MenuLanguage_de")->trigger();
        QCOMPARE(settings.language(), QStringLiteral("de"));
        QVERIFY(Action(&frm, "MenuLanguage_de")->isChecked());
        QVERIFY(!Action(&frm, "MenuLanguage_desktop")->isChecked());
        QCOMPARE(boxes.texts(),
                 QStringList{QStringLiteral("The program speaks the chosen language from its next start.")});
        QCOMPARE(TLanguage::Choose(settings.language(), {QStringLiteral("en_US.UTF-8")}),
                 QStringLiteral("de"));

        Action(&frm, "MenuLanguage_de")->trigger(); // the same again: nothing to say
        QCOMPARE(boxes.texts().size(), 1);
        Action(&frm, "MenuLanguage_desktop")->trigger();
        QCOMPARE(settings.language(), QString());
        QCOMPARE(boxes.texts().size(), 2);
    }

    void shouldShowNoEnglishInTheWindowInGerman() {
        TTestMessageBoxes boxes;
        QStringList english;
        {
            TMainFrm frm;
            english = shownTexts(frm);
        }
        QVERIFY(english.size() > 40);
        const TLanguage german(QStringLiteral("de"));
        TMainFrm frm;
        const QStringList shown = shownTexts(frm);
        QCOMPARE(shown.size(), english.size());
        QStringList untranslated;
        for (int i = 0; i < shown.size(); ++i) {
            if (shown[i] == english[i])
                untranslated << english[i];
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral(" | "))));
        QCOMPARE(Menu(&frm, "MenuFile")->title(), QStringLiteral("&Datei"));
        QCOMPARE(Label(&frm, "CntrStatusLbl")->text(), QStringLiteral("Steuerungsport:\nNICHT GEWÄHLT"));
    }

    void shouldGiveTheGermanTextsRoomEnough() {
        TTestMessageBoxes boxes;
        const TLanguage german(QStringLiteral("de"));
        TMainFrm frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        QStringList cramped;
        for (QWidget* widget : frm.findChildren<QWidget*>()) {
            if (!widget->isVisible())
                continue;
            QString text;
            int needed = 0;
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                text = label->text();
                for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\r\n]"))))
                    needed = std::max(needed, label->fontMetrics().horizontalAdvance(line));
                needed +=
                    2 * label->margin() + label->contentsMargins().left() + label->contentsMargins().right();
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                text = button->text();
                needed = text.isEmpty() ? 0 : button->minimumSizeHint().width();
            }
            if (!text.isEmpty() && widget->width() < needed)
                cramped << QStringLiteral("%1 \"%2\": %3 px for %4")
                               .arg(widget->objectName(), text)
                               .arg(widget->width())
                               .arg(needed);
        }
        QVERIFY2(cramped.isEmpty(), qPrintable(cramped.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(tst_TLanguage)
#include "tst_TLanguage.moc"
