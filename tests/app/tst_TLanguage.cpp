// The program in German: the language chosen from the desktop or the setting, every menu text
// translated, and room enough for the longer texts.
#include "app/TMainFrm.h"
#include "settings/TAppSettings.h"
#include "settings/TLanguage.h"
#include "tests/app/TDialogBench.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tests/support/TWindowParts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
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

// Texts that read the same in both languages, and what a dialog shows of the data it was given.
const QStringList SameInGerman = {
    QStringLiteral("OK"),       QStringLiteral("Port"),        QStringLiteral("WWW:"),
    QStringLiteral("Firmware"), QStringLiteral("Information"), QStringLiteral("Journal"),
    QStringLiteral("Start"),    QStringLiteral("Office"),      QStringLiteral("Ann"),
    QStringLiteral("Flat 4"),   QStringLiteral("new"),
};

// Parts whose text the core libraries write (and translate); the dialog only shows it.
const QStringList CoreTexts = {QStringLiteral("MismatchLbl"), QStringLiteral("CountsLbl"),
                               QStringLiteral("StatusLbl"), QStringLiteral("Grid")};

bool sameInGerman(const QString& text) {
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]"));
    static const QRegularExpression port(QStringLiteral("^COM\\d+$"));
    return !text.contains(letters) || SameInGerman.contains(text) || text.contains(port) ||
           text.contains(QLatin1String("VELM")) || text.contains(QLatin1Char('/')) ||
           text.contains(QLatin1Char('@')) || text.contains(QLatin1String("www."));
}

QStringList headerTexts(const QHeaderView* header) {
    QStringList texts;
    for (int i = 0; header->model() && i < header->count(); ++i)
        texts << header->model()->headerData(i, header->orientation()).toString();
    return texts;
}

// Every text the window shows a person, each with the part that shows it, in a fixed order.
QList<QPair<QString, QString>> dialogTexts(QWidget* window) {
    QList<QPair<QString, QString>> texts{{QStringLiteral("title"), window->windowTitle()}};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || CoreTexts.contains(widget->objectName()) ||
            (widget->parent() && CoreTexts.contains(widget->parent()->objectName())))
            continue;
        QStringList shown{widget->toolTip()};
        if (auto* label = qobject_cast<QLabel*>(widget))
            shown << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            shown << button->text().remove(QLatin1Char('&'));
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            shown << box->title();
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            shown << edit->placeholderText();
        else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                shown << combo->itemText(i);
        else if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                shown << tabs->tabText(i);
        else if (auto* header = qobject_cast<QHeaderView*>(widget);
                 header && header->orientation() == Qt::Horizontal)
            shown << headerTexts(header);
        for (const QString& text : shown)
            if (!text.isEmpty())
                texts.append({widget->objectName(), text});
    }
    return texts;
}

// Where a text needs more room than the window gives it: cut, elided or pushed out of sight.
QStringList crampedTexts(QWidget* window) {
    QStringList cramped;
    auto tooSmall = [&](QWidget* widget, const QString& text, int has, int needs) {
        if (has < needs)
            cramped << QStringLiteral("%1 \"%2\": %3 px for %4")
                           .arg(widget->objectName(), text)
                           .arg(has)
                           .arg(needs);
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
            if (label->wordWrap())
                tooSmall(label, label->text(), label->height(), label->heightForWidth(label->width()));
            else
                tooSmall(label, label->text(), label->width(), label->minimumSizeHint().width());
        } else if (auto* push = qobject_cast<QPushButton*>(widget); push && !push->text().isEmpty()) {
            // The text and the button's margins; a style's least button width is no need of the text.
            const int margins = push->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push) +
                                2 * push->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, push);
            tooSmall(push, push->text(), push->width(),
                     push->fontMetrics().horizontalAdvance(QString(push->text()).remove(QLatin1Char('&'))) +
                         margins);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                   button && !button->text().isEmpty()) {
            tooSmall(button, button->text(), button->width(), button->minimumSizeHint().width());
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            tooSmall(box, box->title(), box->width(), box->minimumSizeHint().width());
        } else if (auto* bar = qobject_cast<QToolBar*>(widget)) {
            tooSmall(bar, QStringLiteral("tool bar"), bar->width(), bar->sizeHint().width());
        } else if (auto* header = qobject_cast<QHeaderView*>(widget);
                   header && header->orientation() == Qt::Horizontal) {
            const QStringList titles = headerTexts(header);
            for (int i = 0; i < header->count(); ++i)
                if (!header->isSectionHidden(i))
                    tooSmall(header, titles[i], header->sectionSize(i), header->sectionSizeHint(i));
        }
    }
    return cramped;
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

    void shouldShowEveryDialogInGermanWithRoomEnough_data() {
        QTest::addColumn<QString>("dialog");
        for (const QString& dialog : TDialogBench::Dialogs())
            QTest::newRow(qPrintable(dialog)) << dialog;
    }
    void shouldShowEveryDialogInGermanWithRoomEnough() {
        QFETCH(QString, dialog);
        QList<QPair<QString, QString>> english;
        {
            TDialogBench bench;
            english = dialogTexts(bench.Open(dialog));
        }
        QVERIFY(!english.isEmpty());
        const TLanguage german(QStringLiteral("de"));
        TDialogBench bench;
        QWidget* window = bench.Open(dialog);
        // With VTRK_SCREENSHOTS naming a directory, the German dialogs are left there as pictures.
        if (const QString shots = qEnvironmentVariable("VTRK_SCREENSHOTS"); !shots.isEmpty())
            window->grab().save(QDir(shots).filePath(
                QString(dialog).replace(QLatin1Char(' '), QLatin1Char('-')) + QStringLiteral("-de.png")));
        const QStringList cramped = crampedTexts(window);
        QVERIFY2(cramped.isEmpty(), qPrintable(cramped.join(QStringLiteral("; "))));
        const QList<QPair<QString, QString>> shown = dialogTexts(window);
        QCOMPARE(shown.size(), english.size());
        QStringList untranslated;
        for (int i = 0; i < shown.size(); ++i)
            if (shown[i] == english[i] && !sameInGerman(shown[i].second))
                untranslated << shown[i].first + QStringLiteral(": ") + shown[i].second;
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(tst_TLanguage)
#include "tst_TLanguage.moc"
