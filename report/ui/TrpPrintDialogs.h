#pragma once

#include <QString>

class QPrinter;
class QWidget;

// The preview's dialogs go through this interface so that tests can answer them.
class TrpPrintDialogs {
public:
    virtual ~TrpPrintDialogs();

    // The print dialog on printer; true when the user chose to print.
    virtual bool print(QPrinter& printer, QWidget* parent) = 0;
    // The page-setup dialog on printer; true when the user accepted.
    virtual bool pageSetup(QPrinter& printer, QWidget* parent) = 0;
    // Asks for the text to find, proposing the last one; empty when cancelled.
    virtual QString findText(const QString& last, QWidget* parent) = 0;

    static TrpPrintDialogs& instance();
    // Installs the dialogs used from now on; the caller keeps ownership. nullptr restores the real ones.
    static void setInstance(TrpPrintDialogs* dialogs);
};

inline TrpPrintDialogs& PrintDialogs() {
    return TrpPrintDialogs::instance();
}
