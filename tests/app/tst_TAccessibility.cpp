#include "app/TAboutForm.h"
#include "app/TAppForms.h"
#include "app/TMainFrm.h"
#include "app/TShowNoteForm.h"
#include "controller/ui/TLineTestFrm.h"
#include "keylist/TKeyImport.h"
#include "keylist/ui/TDBEditFrm.h"
#include "keylist/ui/TFindKeyFrm.h"
#include "keylist/ui/TImportPreviewFrm.h"
#include "seams/ui/TAccessibility.h"
#include "serial/ui/TComSelectForm.h"
#include "site/ui/TSiteFrm.h"
#include "sync/ui/TDifferencesFrm.h"
#include "sync/ui/THistoryFrm.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tests/support/TWindowParts.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(std::function<void(QWidget*)>)

namespace {

// A dark desktop: light text on dark windows.
QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    p.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    p.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    return p;
}

QString spoken(QWidget* widget, QAccessible::Text text) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : QString();
}

// What Tab must reach: every shown, enabled control that takes the focus by Tab.
QList<QWidget*> tabStops(QWidget* window) {
    QList<QWidget*> stops;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            w->window() == window && !w->focusProxy())
            stops.append(w);
    return stops;
}

QString describe(const QWidget* w) {
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(w->metaObject()->className()), w->objectName());
}

// The windows of a started program, and those made on demand, each named by its object name.
struct TProgram {
    QTemporaryDir temp;
    TTestMessageBoxes boxes;
    TAppForms forms;
    std::vector<std::unique_ptr<QWidget>> own;

    TProgram() {
        qputenv("TEMP", QFile::encodeName(temp.path()));
        forms.create();
        own.emplace_back(new TComSelectForm);
        own.emplace_back(new TSiteFrm(boxes, [](const QString&) {}));
        own.emplace_back(new TImportPreviewFrm(TKeyImport(), QStringLiteral("keys.csv")));
    }
    ~TProgram() { qunsetenv("TEMP"); }
    QWidget* window(const QString& name) {
        if (name == forms.MainFrm->objectName())
            return forms.MainFrm;
        // Made on demand, these carry no object name: their class name stands for it.
        for (const auto& w : own)
            if (QLatin1String(w->metaObject()->className()) == QLatin1Char('T') + name)
                return w.get();
        return TWindowParts::Part<QWidget>(forms.MainFrm, name);
    }
};

} // namespace

class tst_TAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init() { QApplication::setPalette(QApplication::style()->standardPalette()); }
    void cleanup() { QApplication::setPalette(QApplication::style()->standardPalette()); }

    void windows_data();
    void shouldNameAndDescribeEveryControl_data() { windows_data(); }
    void shouldNameAndDescribeEveryControl();
    void shouldReachEveryControlByTab_data() { windows_data(); }
    void shouldReachEveryControlByTab();
    void shouldHaveDefaultButtonAndEscape_data() { windows_data(); }
    void shouldHaveDefaultButtonAndEscape();
    void shouldSayThePortStateInWords();
    void shouldComputeContrastAsWcag_data();
    void shouldComputeContrastAsWcag();
    void shouldKeepStatusColoursReadable_data();
    void shouldKeepStatusColoursReadable();
};

// Whether Enter has a default button and whether Escape closes. The key dialog, the line test
// and the port chooser refuse Escape on purpose: OK, Exit and a chosen port are their only ways
// out. The main window and the site window are windows, not dialogs.
void tst_TAccessibility::windows_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hasDefault");
    QTest::addColumn<bool>("escapeCloses");
    QTest::newRow("main window") << "MainFrm" << false << false;
    QTest::newRow("key dialog") << "DBEditFrm" << true << false;
    QTest::newRow("find key") << "FindKeyFrm" << true << true;
    QTest::newRow("about") << "AboutForm" << true << true;
    QTest::newRow("line test") << "LineTestFrm" << true << false;
    QTest::newRow("note") << "ShowNoteForm" << true << true;
    QTest::newRow("differences") << "DifferencesFrm" << true << true;
    QTest::newRow("history") << "HistoryFrm" << true << true;
    QTest::newRow("port chooser") << "ComSelectForm" << true << false;
    QTest::newRow("site") << "SiteFrm" << false << false;
    QTest::newRow("import preview") << "ImportPreviewFrm" << true << true;
}

void tst_TAccessibility::shouldNameAndDescribeEveryControl() {
    QFETCH(QString, name);
    TProgram program;
    QWidget* window = program.window(name);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QStringList silent;
    for (QWidget* w : tabStops(window)) {
        // Qt says a tab bar as its current tab and gives it no description of its own.
        const bool tabBar = qobject_cast<QTabBar*>(w);
        if (spoken(w, QAccessible::Name).isEmpty() ||
            (!tabBar && spoken(w, QAccessible::Description).isEmpty()))
            silent << describe(w);
    }
    QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QStringLiteral(", "))));
}

void tst_TAccessibility::shouldReachEveryControlByTab() {
    QFETCH(QString, name);
    TProgram program;
    QWidget* window = program.window(name);
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    const QList<QWidget*> stops = tabStops(window);
    QVERIFY(!stops.isEmpty());
    stops.first()->setFocus(Qt::TabFocusReason);
    QSet<QWidget*> reached;
    for (int i = 0; i < 2 * stops.size() + 2; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus, "nothing has the focus");
        reached.insert(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QStringList missed;
    for (QWidget* w : stops)
        if (!reached.contains(w))
            missed << describe(w);
    QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("not reached by Tab: ") + missed.join(", ")));
}

void tst_TAccessibility::shouldHaveDefaultButtonAndEscape() {
    QFETCH(QString, name);
    QFETCH(bool, hasDefault);
    QFETCH(bool, escapeCloses);
    TProgram program;
    QWidget* window = program.window(name);
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    int defaults = 0;
    for (QPushButton* button : window->findChildren<QPushButton*>())
        defaults += button->window() == window && button->isDefault() ? 1 : 0;
    QCOMPARE(defaults, hasDefault ? 1 : 0);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Escape);
    QCOMPARE(!window->isVisible(), escapeCloses);
}

void tst_TAccessibility::shouldSayThePortStateInWords() {
    TProgram program;
    TMainFrm* main = program.forms.MainFrm;
    QLabel* port = TWindowParts::Label(main, "CntrStatusLbl");
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QCOMPARE(spoken(port, QAccessible::Description),
             QStringLiteral("Not selected, no port is open (shown in red)"));
    main->ShowPortStatus(true, 2);
    main->ShowPortStatus(false, 0);
    QCOMPARE(spoken(port, QAccessible::Description),
             QStringLiteral("Not selected, no port is open (shown in red)"));
    main->ShowPortStatus(true, 7);
    QCOMPARE(spoken(port, QAccessible::Description), QStringLiteral("COM7 is open (shown in blue)"));
    QCOMPARE(spoken(port, QAccessible::Name), QStringLiteral("Controller port"));
}

void tst_TAccessibility::shouldComputeContrastAsWcag_data() {
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same colour") << QColor(0x80, 0x20, 0x40) << QColor(0x80, 0x20, 0x40) << 1.0;
    QTest::newRow("grey 777 on white") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
    QTest::newRow("red on white") << QColor(Qt::red) << QColor(Qt::white) << 4.0;
    QTest::newRow("order does not matter") << QColor(Qt::white) << QColor(Qt::blue) << 8.59;
}

void tst_TAccessibility::shouldComputeContrastAsWcag() {
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(TAccessibility::Contrast(a, b) - ratio) < 0.01,
             qPrintable(QString::number(TAccessibility::Contrast(a, b))));
    // A readable shade of a colour that fails passes and keeps its hue.
    const QColor readable = TAccessibility::Readable(a, b);
    QVERIFY(TAccessibility::Contrast(readable, b) >= TAccessibility::MinContrast);
    if (a.saturation() > 0 && readable != QColor(Qt::black) && readable != QColor(Qt::white))
        QCOMPARE(readable.hue(), a.hue());
}

// Every coloured status text against its own background, on a light and on a dark desktop.
void tst_TAccessibility::shouldKeepStatusColoursReadable_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<std::function<void(QWidget*)>>("state");
    const auto none = [](QWidget*) {};
    const auto portOpen = [](QWidget* w) { static_cast<TMainFrm*>(w)->ShowPortStatus(true, 3); };
    const auto portClosed = [](QWidget* w) { static_cast<TMainFrm*>(w)->ShowPortStatus(false, 0); };
    for (bool dark : {false, true}) {
        const char* desktop = dark ? "dark: " : "light: ";
        QTest::addRow("%sport open", desktop) << dark << "MainFrm"
                                              << "CntrStatusLbl" << std::function(portOpen);
        QTest::addRow("%sport closed", desktop) << dark << "MainFrm"
                                                << "CntrStatusLbl" << std::function(portClosed);
        QTest::addRow("%skey code problem", desktop)
            << dark << "DBEditFrm"
            << "CodeProblemLbl" << std::function<void(QWidget*)>(none);
        QTest::addRow("%skey code checked", desktop)
            << dark << "DBEditFrm"
            << "CodeCheckedLbl" << std::function<void(QWidget*)>(none);
        QTest::addRow("%scontroller mismatch", desktop)
            << dark << "DifferencesFrm"
            << "MismatchLbl" << std::function<void(QWidget*)>(none);
        QTest::addRow("%sport chooser text", desktop) << dark << "ComSelectForm"
                                                      << "Label1" << std::function<void(QWidget*)>(none);
    }
}

void tst_TAccessibility::shouldKeepStatusColoursReadable() {
    QFETCH(bool, dark);
    QFETCH(QString, window);
    QFETCH(QString, label);
    QFETCH(std::function<void(QWidget*)>, state);
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    TProgram program;
    QWidget* w = program.window(window);
    state(w);
    QLabel* text = TWindowParts::Label(w, label);
    const QPalette palette = text->palette();
    const QColor foreground = palette.color(text->foregroundRole());
    const QColor background = palette.color(text->backgroundRole());
    QVERIFY2(TAccessibility::Contrast(foreground, background) >= TAccessibility::MinContrast,
             qPrintable(QStringLiteral("%1 on %2: %3")
                            .arg(foreground.name(), background.name())
                            .arg(TAccessibility::Contrast(foreground, background))));
}

QTEST_MAIN(tst_TAccessibility)
#include "tst_TAccessibility.moc"
