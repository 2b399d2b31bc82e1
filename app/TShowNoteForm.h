#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QWidget;

// Shows a text under a caption and prints it on request.
class TShowNoteForm : public QDialog {
    Q_OBJECT

public:
    explicit TShowNoteForm(QWidget* parent = nullptr);

    void OKButtonClick();
    void PrintButtonClick();

    QPlainTextEdit* NoteMemo;
    QWidget* ButtonsPanel;
    QPushButton* PrintButton;
    QPushButton* OKButton;

private:
    // Names and descriptions for screen readers.
    void NameForAccessibility();
};

// Shows note under caption in a new modal note viewer and returns when it is closed. charSet
// named the glyph set of the old font; Qt draws every character from Unicode, so it selects
// nothing here.
void ShowNote(const QString& caption, const QString& note, quint8 charSet, QWidget* parent = nullptr);
