#pragma once

#include "cli/TVtrkCommand.h"

#include <QCoreApplication>

class TLineTest;

// "vtrk linetest COM3 -n 100": the line test's cycles, counted as acknowledged or not.
class TLineTestCommand : public TVtrkCommand {
    Q_DECLARE_TR_FUNCTIONS(TLineTestCommand)

public:
    QString Name() const override { return QStringLiteral("linetest"); }
    QString Summary() const override { return tr("test the line: count acknowledged test frames"); }
    void Define(QCommandLineParser& parser) const override;
    int Run(const QCommandLineParser& parser) override;

private:
    static void Report(const QCommandLineParser& parser, const QString& portName, int cycles,
                       const TLineTest& test);
};
