#include "serial/ui/TComSelectForm.h"

#include "serial/EConvertError.h"
#include "serial/TSerPortMap.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace {
// Room under the list for the selected port's device, above the buttons.
constexpr int PathHeight = 84;

QString PathText(const TSerPortEntry& entry, const QFontMetrics& metrics, int width) {
    if (entry.path.isEmpty())
        return QString();
    QStringList lines;
    lines << metrics.elidedText(entry.path, Qt::ElideMiddle, width);
    if (!entry.description.isEmpty())
        lines << metrics.elidedText(entry.description, Qt::ElideRight, width);
    if (!entry.byIdPath.isEmpty())
        lines << metrics.elidedText(entry.byIdPath, Qt::ElideMiddle, width);
    if (!entry.accessible)
        lines << TComSelectForm::tr("You may not use this port. Run: sudo usermod -aG dialout $USER, "
                                    "then log in again.");
    return lines.join('\n');
}
} // namespace

TComSelectForm::TComSelectForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Select Port"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);
    setFixedSize(220, 131 + PathHeight);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 201, 42);

    Label1 = new QLabel(tr("The configured serial port is not valid."), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(18, 14, 176, 13);
    Label2 = new QLabel(tr("Please choose another port."), this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(18, 30, 133, 13);

    PortsComboBox = new QComboBox(this);
    PortsComboBox->setObjectName("PortsComboBox");
    PortsComboBox->setEditable(false);
    PortsComboBox->setGeometry(8, 64, 201, 21);

    PathLabel = new QLabel(this);
    PathLabel->setObjectName("PathLabel");
    PathLabel->setGeometry(8, 90, 201, PathHeight - 2);
    PathLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PathLabel->setWordWrap(true);
    PathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    OkBtn = new QPushButton(tr("OK"), this);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setGeometry(8, 95 + PathHeight, 85, 27);
    OkBtn->setDefault(true);
    AbortBtn = new QPushButton(tr("Cancel"), this);
    AbortBtn->setObjectName("AbortBtn");
    AbortBtn->setGeometry(124, 95 + PathHeight, 85, 27);

    setTabOrder(OkBtn, AbortBtn);
    setTabOrder(AbortBtn, PortsComboBox);

    connect(OkBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(AbortBtn, &QPushButton::clicked, this, [this] { done(mrAbort); });
    connect(PortsComboBox, &QComboBox::currentIndexChanged, this, [this] { ShowSelectedPath(); });

    WidenToTexts();
    FillPorts();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    OkBtn->setFocus();
    NameForAccessibility();
}

// The layout is drawn for MS Sans Serif; where another font stands in and needs more room,
// the dialog grows to the right instead of clipping its texts.
void TComSelectForm::WidenToTexts() {
    const int needed = std::max(Label1->sizeHint().width(), Label2->sizeHint().width()) + 2 * 10;
    const int extra = std::max(0, needed - Bevel1->width());
    Label1->resize(std::max(Label1->width(), Label1->sizeHint().width()), Label1->height());
    Label2->resize(std::max(Label2->width(), Label2->sizeHint().width()), Label2->height());
    if (extra == 0)
        return;
    for (QWidget* widget : {static_cast<QWidget*>(Bevel1), static_cast<QWidget*>(PortsComboBox),
                            static_cast<QWidget*>(PathLabel)})
        widget->resize(widget->width() + extra, widget->height());
    AbortBtn->move(AbortBtn->x() + extra, AbortBtn->y());
    setFixedSize(width() + extra, height());
}

bool TComSelectForm::ProbePort(int number) {
    return number != 0 && TSerPortMap::ProbePort(number);
}

void TComSelectForm::FillPorts() {
    for (int number = 1; number <= TSerPortMap::MaxPort; ++number)
        if (ProbePort(number))
            PortsComboBox->addItem(QStringLiteral("COM%1").arg(number));
    PortsComboBox->setCurrentIndex(PortsComboBox->count() > 0 ? 0 : -1);
    ShowSelectedPath();
}

void TComSelectForm::ShowSelectedPath() {
    const QString text = PortsComboBox->currentText();
    if (text.isEmpty()) {
        PathLabel->clear();
        return;
    }
    const TSerPortEntry entry = TSerPortMap::Describe(text.mid(3).toInt());
    PathLabel->setText(PathText(entry, PathLabel->fontMetrics(), PathLabel->width()));
    PathLabel->setToolTip(entry.byIdPath.isEmpty() ? entry.path : entry.byIdPath);
}

void TComSelectForm::SelectPort(int number) {
    const int index = PortsComboBox->findText(QStringLiteral("COM%1").arg(number));
    if (index >= 0)
        PortsComboBox->setCurrentIndex(index);
}

int TComSelectForm::ChosenPortNumber() const {
    const QString text = PortsComboBox->currentText().mid(3);
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok)
        throw EConvertError(tr("'%1' is not a valid integer value").arg(text).toStdString());
    return number;
}

// The close box closes with Cancel, as a dialog's system menu does.
void TComSelectForm::reject() {
    done(mrCancel);
}

void TComSelectForm::keyPressEvent(QKeyEvent* event) {
    // Cancel is not bound to Escape: Escape does nothing here.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TComSelectForm::NameForAccessibility() {
    const std::pair<QWidget*, std::pair<QString, QString>> texts[] = {
        {PortsComboBox, {tr("Serial port"), tr("The COM port the controller is connected to")}},
        {PathLabel, {tr("Device"), tr("The device file of the selected port")}},
        {OkBtn, {tr("OK"), tr("Use the selected port")}},
        {AbortBtn, {tr("Cancel"), tr("Keep no port")}},
    };
    for (const auto& [widget, text] : texts) {
        widget->setAccessibleName(text.first);
        widget->setAccessibleDescription(text.second);
    }
    // The form's black text was meant for a light window; on a dark desktop the desktop's own text
    // colour is the one that reads.
    if (palette().color(QPalette::Window).lightness() < 128) {
        QPalette readable = palette();
        readable.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::WindowText));
        setPalette(readable);
    }
}
