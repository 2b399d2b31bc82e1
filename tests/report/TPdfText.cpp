#include "tests/report/TPdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString info(const QString& path, const QString& key) {
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), {path})).captured(1).trimmed();
}

} // namespace

QString TPdfText::text(const QString& path, int first, int last) {
    QStringList arguments{QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(first)};
    if (last > 0)
        arguments << QStringLiteral("-l") << QString::number(last);
    arguments << path << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), arguments);
}

int TPdfText::pageCount(const QString& path) {
    return info(path, QStringLiteral("Pages")).toInt();
}

QString TPdfText::pageSize(const QString& path) {
    return info(path, QStringLiteral("Page size")).section(QLatin1String(" pts"), 0, 0);
}
