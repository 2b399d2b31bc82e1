#pragma once

#include <QCoreApplication>
#include <QString>

// Every message box of the program goes through this interface, so that tests can record
// what would have been shown and answer from a script.
class TMessageBoxes {
    Q_DECLARE_TR_FUNCTIONS(TMessageBoxes)

public:
    enum class Kind { Error, Warning, Information, Confirmation, Plain };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~TMessageBoxes();

    // An empty caption gives the kind's usual caption ("Error", "Warning", "Information", "Confirm").
    virtual void error(const QString& text, const QString& caption = QString()) = 0;
    virtual void warning(const QString& text, const QString& caption = QString()) = 0;
    virtual void information(const QString& text, const QString& caption = QString()) = 0;
    // A box without an icon and with an OK button.
    virtual void plain(const QString& text, const QString& caption) = 0;
    // OK and Cancel; true for OK.
    virtual bool confirmOkCancel(const QString& text, const QString& caption = QString()) = 0;
    // Yes, No and Cancel.
    virtual Answer confirmYesNoCancel(const QString& text, const QString& caption = QString()) = 0;
    // Yes and No, No the default: for a step that is seldom meant, which no blanket "yes" answers.
    virtual bool confirmYesNo(const QString& text, const QString& caption = QString()) = 0;

    static TMessageBoxes& instance();
    // Installs the boxes used from now on; the caller keeps ownership. nullptr restores the standard ones.
    static void setInstance(TMessageBoxes* boxes);
    // The standard boxes: the windowed program installs its Qt boxes here at start-up. Without
    // them, messages go to the standard error stream and confirmations are answered Cancel.
    static void setStandard(TMessageBoxes* boxes);

    static QString defaultCaption(Kind kind);
};

// Short hand for the installed boxes.
inline TMessageBoxes& MessageBoxes() {
    return TMessageBoxes::instance();
}
