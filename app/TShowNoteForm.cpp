#include "app/TShowNoteForm.h"

#include "app/TNotePrinter.h"
#include "seams/ui/TAccessibility.h"
#include "seams/ui/TErrorReport.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int ClientWidth = 362;
constexpr int ClientHeight = 384;
constexpr int ButtonsPanelHeight = 27;
constexpr int MemoFontPixels = 11;
} // namespace

TShowNoteForm::TShowNoteForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowContextHelpButtonHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("ShowNoteForm"));
    NoteMemo = new QPlainTextEdit(this);
    NoteMemo->setObjectName(QStringLiteral("NoteMemo"));
    NoteMemo->setReadOnly(true);
    NoteMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    NoteMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    NoteMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(MemoFontPixels);
    NoteMemo->setFont(font);

    ButtonsPanel = new QWidget(this);
    ButtonsPanel->setObjectName(QStringLiteral("ButtonsPanel"));
    ButtonsPanel->setFixedHeight(ButtonsPanelHeight);
    PrintButton = new QPushButton(tr("Print..."), ButtonsPanel);
    PrintButton->setObjectName(QStringLiteral("PrintButton"));
    PrintButton->setAutoDefault(false);
    OKButton = new QPushButton(QStringLiteral("OK"), ButtonsPanel);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    auto* buttons = new QHBoxLayout(ButtonsPanel);
    buttons->setContentsMargins(0, 0, 4, 0);
    buttons->addStretch(1);
    buttons->addWidget(PrintButton);
    buttons->addWidget(OKButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->setSpacing(2);
    layout->addWidget(NoteMemo);
    layout->addWidget(ButtonsPanel);
    setFixedSize(ClientWidth, ClientHeight);

    connectHandler(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connectHandler(PrintButton, &QPushButton::clicked, this, [this] { PrintButtonClick(); });
    NameForAccessibility();
}

void TShowNoteForm::OKButtonClick() {
    accept();
}

void TShowNoteForm::PrintButtonClick() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    TNotePrinter::print(printer, windowTitle(), NoteMemo->toPlainText());
}

void ShowNote(const QString& caption, const QString& note, quint8 charSet, QWidget* parent) {
    Q_UNUSED(charSet);
    TShowNoteForm form(parent);
    form.NoteMemo->setPlainText(note);
    form.setWindowTitle(caption);
    form.exec();
}

void TShowNoteForm::NameForAccessibility() {
    TAccessibility::Describe({
        {NoteMemo, tr("Note"), tr("The note's text, read only")},
        {PrintButton, tr("Print..."), tr("Print the note")},
        {OKButton, tr("OK"), tr("Close the note")},
    });
}
