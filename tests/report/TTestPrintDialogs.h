#pragma once

#include "report/ui/TrpPrintDialogs.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

// Answers the preview's dialogs from the test; installs itself for its lifetime.
class TTestPrintDialogs : public TrpPrintDialogs {
public:
    TTestPrintDialogs() { setInstance(this); }
    ~TTestPrintDialogs() override { setInstance(nullptr); }

    bool print(QPrinter& printer, QWidget* parent) override;
    bool pageSetup(QPrinter& printer, QWidget* parent) override;
    QString findText(const QString& last, QWidget* parent) override;

    // print: when set, the printer writes a PDF file here and the dialog is accepted.
    QString printTo;
    // pageSetup: when valid, this size is chosen and the dialog is accepted.
    QPageSize pageSize;
    QStringList findAnswers;
    QStringList asked; // "print", "pageSetup", "find"
};
