#pragma once

#include "controller/TTransferProgress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

// The progress of a transfer or a line test on the terminal: a bar, the count of slots (or
// cycles) done and the time left. Each step also looks for a stop request.
class TCliProgress : public TTransferProgress {
    Q_DECLARE_TR_FUNCTIONS(TCliProgress)

public:
    void Start(const QString& unit, int total);
    // One slot or cycle done.
    void Step();
    void Finish();

    // The transfers call this once per slot, whatever their own step on the window's 0..100 bar.
    void StepProgress(int step) override;
    void PumpMessages() override;

private:
    void Draw();

    QString unit;
    int total = 0;
    int done = 0;
    QElapsedTimer clock;
};
