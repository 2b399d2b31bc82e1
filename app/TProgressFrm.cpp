#include "app/TProgressFrm.h"
#include "seams/ui/TAccessibility.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int ClientWidth = 328;
constexpr int ClientHeight = 110;
constexpr int BarWidth = 297;
constexpr int BarHeight = 25;
constexpr int Maximum = 100;
} // namespace

TProgressFrm::TProgressFrm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), WaitLabel(nullptr),
      ProgressBar(nullptr), ProgressLabel(nullptr), Scale(TScreenScale::forWidget(this)) {
    setObjectName(QStringLiteral("ProgressFrm"));
    setWindowTitle(tr("Data exchange"));
    FormCreate();
}

void TProgressFrm::FormCreate() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);

    WaitLabel = new QLabel(tr("Data exchange. Please, wait..."), panel);
    WaitLabel->setObjectName(QStringLiteral("WaitLabel"));
    ProgressBar = new QProgressBar(panel);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, Maximum);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setFixedSize(Scale.px(BarWidth), Scale.px(BarHeight));
    ProgressBar->setCursor(Qt::WaitCursor);
    ProgressLabel = new QLabel(panel);
    ProgressLabel->setObjectName(QStringLiteral("ProgressLabel"));
    ProgressLabel->setAlignment(Qt::AlignCenter);

    auto* inner = new QVBoxLayout(panel);
    inner->addWidget(WaitLabel);
    inner->addWidget(ProgressBar, 0, Qt::AlignHCenter);
    inner->addWidget(ProgressLabel);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);

    setFont(Scale.font(font()));
    setFixedSize(Scale.px(ClientWidth), Scale.px(ClientHeight));
    NameForAccessibility();
}

void TProgressFrm::centreOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = geometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void TProgressFrm::StartProgress(const QString& text) {
    ProgressBar->setValue(0);
    ProgressLabel->setText(text);
    centreOnScreen();
    show();
    raise();
    QApplication::processEvents();
}

void TProgressFrm::StepProgress(quint8 step) {
    ProgressBar->setValue(std::min(Maximum, ProgressBar->value() + int(step)));
    QApplication::processEvents();
}

void TProgressFrm::NameForAccessibility() {
    TAccessibility::Describe({
        {ProgressBar, tr("Progress"), tr("How far the data exchange with the controller is")},
        {ProgressLabel, tr("Step"), tr("What the data exchange is doing now")},
    });
}
