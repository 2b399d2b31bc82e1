#include "cli/TCliProgress.h"

#include "cli/TCliOutput.h"
#include "cli/TCliStop.h"

namespace {
constexpr int BarWidth = 30;
} // namespace

void TCliProgress::Start(const QString& unitName, int count) {
    unit = unitName;
    total = count;
    done = 0;
    clock.start();
    Draw();
}

void TCliProgress::Step() {
    ++done;
    Draw();
    TCliStop::Check();
}

void TCliProgress::Finish() {
    TCliOutput::ClearProgress();
}

// The transfers look at the stop request themselves, between attempts, so that a slot in
// flight ends whole and what was written is still reported.
void TCliProgress::StepProgress(int) {
    ++done;
    Draw();
}

void TCliProgress::PumpMessages() {}

void TCliProgress::Draw() {
    if (!TCliOutput::ProgressShown() || total <= 0)
        return;
    const int filled = BarWidth * qMin(done, total) / total;
    QString line = QStringLiteral("[%1%2] %3/%4 %5")
                       .arg(QString(filled, QLatin1Char('#')), QString(BarWidth - filled, QLatin1Char('-')))
                       .arg(done)
                       .arg(total)
                       .arg(unit);
    if (done > 0 && done < total) {
        const qint64 left = clock.elapsed() * (total - done) / done / 1000;
        line += tr(", %1:%2 left").arg(left / 60).arg(left % 60, 2, 10, QLatin1Char('0'));
    }
    TCliOutput::Progress(line);
}
