#include "seams/ui/TErrorReport.h"

#include "seams/TMessageBoxes.h"

QString TErrorReport::applicationTitle() {
    return QStringLiteral("VELM Tarvikon");
}

QString TErrorReport::reportText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void TErrorReport::show(const QString& message) {
    MessageBoxes().error(reportText(message), applicationTitle());
}
