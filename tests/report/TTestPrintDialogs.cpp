#include "tests/report/TTestPrintDialogs.h"

#include <QPrinter>

bool TTestPrintDialogs::print(QPrinter& printer, QWidget*) {
    asked << QStringLiteral("print");
    if (printTo.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printTo);
    return true;
}

bool TTestPrintDialogs::pageSetup(QPrinter& printer, QWidget*) {
    asked << QStringLiteral("pageSetup");
    if (!pageSize.isValid())
        return false;
    printer.setPageSize(pageSize);
    return true;
}

QString TTestPrintDialogs::findText(const QString&, QWidget*) {
    asked << QStringLiteral("find");
    return findAnswers.isEmpty() ? QString() : findAnswers.takeFirst();
}
