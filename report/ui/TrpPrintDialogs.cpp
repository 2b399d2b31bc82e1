#include "report/ui/TrpPrintDialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>

namespace {

class TrpQtPrintDialogs : public TrpPrintDialogs {
public:
    bool print(QPrinter& printer, QWidget* parent) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    bool pageSetup(QPrinter& printer, QWidget* parent) override {
        QPageSetupDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    QString findText(const QString& last, QWidget* parent) override {
        bool ok = false;
        const QString text = QInputDialog::getText(
            parent, QCoreApplication::translate("TrpPrintDialogs", "Find"),
            QCoreApplication::translate("TrpPrintDialogs", "Text to find:"), QLineEdit::Normal, last, &ok);
        return ok ? text : QString();
    }
};

TrpPrintDialogs* installed = nullptr;

} // namespace

TrpPrintDialogs::~TrpPrintDialogs() = default;

TrpPrintDialogs& TrpPrintDialogs::instance() {
    static TrpQtPrintDialogs real;
    return installed ? *installed : real;
}

void TrpPrintDialogs::setInstance(TrpPrintDialogs* dialogs) {
    installed = dialogs;
}
