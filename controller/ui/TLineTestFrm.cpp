#include "controller/ui/TLineTestFrm.h"

#include "controller/TControllerPortOpener.h"
#include "seams/ui/TAccessibility.h"
#include "seams/ui/TErrorReport.h"
#include "serial/TSerDataPort.h"
#include "serial/ui/TSerLampGlyphs.h"
#include "serial/ui/TSerStatusLight.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

TLineTestFrm::TLineTestFrm(TSerDataPort& port, TControllerPortOpener& opener, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), port(port), opener(opener),
      test(port) {
    FormCreate();
}

void TLineTestFrm::FormCreate() {
    setObjectName(QStringLiteral("LineTestFrm"));
    setWindowTitle(tr("Line Test"));
    setModal(true);
    // "MS Sans Serif" 8 point, 11 pixels high. Substitutes for it are often wider; the labels
    // shrink their own font where the text would not fit before the counters, down to what is
    // still read easily. Past that the window grows (WidenToTexts).
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    setFixedSize(235, 124);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(1, 1, 232, 89);

    auto label = [this](const QString& name, const QString& text, const QRect& geometry) {
        auto* l = new QLabel(text, Panel1);
        l->setObjectName(name);
        l->setGeometry(geometry);
        QFont small = l->font();
        while (small.pixelSize() > 9 && QFontMetrics(small).horizontalAdvance(text) > geometry.width()) {
            small.setPixelSize(small.pixelSize() - 1);
            l->setFont(small);
        }
        return l;
    };
    auto counter = [this](const QString& name, const QRect& geometry) {
        auto* e = new QLineEdit(QStringLiteral("0"), Panel1);
        e->setObjectName(name);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setGeometry(geometry);
        return e;
    };
    auto lamp = [this](const QString& name, const QImage& glyph, const QPoint& at) {
        auto* light = new TSerStatusLight(Panel1);
        light->setObjectName(name);
        light->SetGlyph(glyph);
        light->move(at);
        return light;
    };
    Label1 = label(QStringLiteral("Label1"), tr("Correct transmitions:"), {16, 14, 112, 17});
    Edit1 = counter(QStringLiteral("Edit1"), {128, 12, 65, 21});
    Light1 = lamp(QStringLiteral("Light1"), TSerLampGlyphs::GreenLamp(), {208, 16});
    Label2 = label(QStringLiteral("Label2"), tr("Uncorrect transmitions:"), {16, 46, 112, 17});
    Edit2 = counter(QStringLiteral("Edit2"), {128, 44, 65, 21});
    Light2 = lamp(QStringLiteral("Light2"), TSerLampGlyphs::RedLamp(), {208, 48});

    auto button = [this](const QString& name, const QString& text, const QRect& geometry) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setGeometry(geometry);
        b->setAutoDefault(false);
        return b;
    };
    StartBtn = button(QStringLiteral("StartBtn"), tr("Start"), {2, 97, 75, 25});
    StopBtn = button(QStringLiteral("StopBtn"), tr("Stop"), {80, 97, 75, 25});
    ExitBtn = button(QStringLiteral("ExitBtn"), tr("Exit"), {158, 97, 75, 25});
    setTabOrder(StartBtn, StopBtn);
    setTabOrder(StopBtn, ExitBtn);
    WidenToTexts();

    connectHandler(StartBtn, &QPushButton::clicked, this, [this] { StartBtnClick(); });
    connectHandler(StopBtn, &QPushButton::clicked, this, [this] { StopBtnClick(); });
    connect(ExitBtn, &QPushButton::clicked, this, &QDialog::accept);
    FormShow();
    NameForAccessibility();
}

// A text longer than its label (a translation) moves the counters and lamps to the right, and
// the window grows by as much.
void TLineTestFrm::WidenToTexts() {
    const int extra = std::max(0, std::max(Label1->sizeHint().width() - Label1->width(),
                                           Label2->sizeHint().width() - Label2->width()));
    if (extra == 0)
        return;
    for (QLabel* label : {Label1, Label2})
        label->resize(label->width() + extra, label->height());
    for (QWidget* widget : std::initializer_list<QWidget*>{Edit1, Edit2, Light1, Light2, ExitBtn})
        widget->move(widget->x() + extra, widget->y());
    StopBtn->move(StopBtn->x() + extra / 2, StopBtn->y());
    Panel1->resize(Panel1->width() + extra, Panel1->height());
    setFixedSize(width() + extra, height());
}

void TLineTestFrm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TLineTestFrm::closeEvent(QCloseEvent* event) {
    // Closing by the window manager would leave a run going; Exit is the way out.
    if (LineTestRunning)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TLineTestFrm::FormShow() {
    Edit1->setText(QStringLiteral("0"));
    Edit2->setText(QStringLiteral("0"));
    Light1->SetLit(false);
    Light2->SetLit(false);
    SetRunningButtons(false);
    LineTestRunning = false;
    StartBtn->setFocus();
}

void TLineTestFrm::SetRunningButtons(bool running) {
    StartBtn->setEnabled(!running);
    StopBtn->setEnabled(running);
    ExitBtn->setEnabled(!running);
}

void TLineTestFrm::Count(QLineEdit* edit, TSerStatusLight* light) {
    edit->setText(QString::number(edit->text().toLongLong() + 1));
    light->SetLit(true);
}

void TLineTestFrm::StartBtnClick() {
    if (!port.isOpen())
        opener.OpenControllerPort();
    SetRunningButtons(true);
    LineTestRunning = true;
    while (LineTestRunning) {
        // Not guarded: a port that cannot discard ends the run through the general error report.
        const bool acknowledged = test.Cycle();
        // A pulled adapter has closed the port; the run stops as if Stop had been pressed.
        if (test.LineLost()) {
            StopBtnClick();
            break;
        }
        if (acknowledged)
            Count(Edit1, Light1);
        else
            Count(Edit2, Light2);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void TLineTestFrm::StopBtnClick() {
    LineTestRunning = false;
    SetRunningButtons(false);
}

void TLineTestFrm::NameForAccessibility() {
    TAccessibility::Describe({
        {Edit1, tr("Correct transmissions"), tr("How many test frames came back right")},
        {Edit2, tr("Incorrect transmissions"), tr("How many test frames came back wrong or not at all")},
        {Light1, tr("Correct transmission lamp"), tr("Lights green on each frame that came back right")},
        {Light2, tr("Incorrect transmission lamp"), tr("Lights red on each frame that failed")},
        {StartBtn, tr("Start"), tr("Start sending test frames to the controller")},
        {StopBtn, tr("Stop"), tr("Stop the line test")},
        {ExitBtn, tr("Exit"), tr("Close the line test")},
    });
    ExitBtn->setDefault(true);
}
