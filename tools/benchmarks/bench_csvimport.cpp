// Figures for the CSV import's worst inputs: how long planning takes and how much memory the
// process peaks at. Run by hand: build/bin/bench_csvimport
#include "keylist/TKeyImport.h"

#include <QElapsedTimer>

#include <cstdio>
#include <stdexcept>
#include <sys/resource.h>

namespace {

constexpr qsizetype Size = 16 * 1024 * 1024;

QByteArray repeated(const QByteArray& head, const QByteArray& unit) {
    QByteArray bytes = head;
    bytes.reserve(Size);
    while (bytes.size() + unit.size() <= Size)
        bytes += unit;
    return bytes;
}

void measure(const char* name, const QByteArray& csv) {
    QElapsedTimer timer;
    timer.start();
    QString outcome;
    try {
        const TKeyImport plan = TKeyImport::Plan(csv, {});
        outcome = QStringLiteral("%1 rows refused").arg(plan.Rejects.size());
    } catch (const std::exception& e) {
        outcome = QString::fromUtf8(e.what()).left(60);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-28s %6lld ms  peak %6ld KiB  %s\n", name, static_cast<long long>(timer.elapsed()),
                usage.ru_maxrss, qPrintable(outcome));
}

} // namespace

int main() {
    // The peak only grows: the cheap inputs first.
    measure("4000 rows of one key", repeated("code,note\n", "2BC5FB000000,Flat 3\n").left(10 + 4000 * 20));
    measure("8 million short lines", repeated("code\n", "a\n"));
    measure("16 MB of blank lines", repeated("code\n", "\n"));
    measure("one 16 MB field", "code,note\n" + QByteArray(Size - 20, 'A') + ",x\n");
    measure("16 MB of commas", repeated("code\n", ","));
    return 0;
}
