#pragma once

#include <QByteArray>

#include <ctime>

// Bytes that tell their position: a lost, doubled or swapped byte shows at once.
inline QByteArray Pattern(int count, int offset = 0) {
    QByteArray bytes(count, '\0');
    for (int i = 0; i < count; ++i)
        bytes[i] = static_cast<char>((i + offset) * 7 % 251);
    return bytes;
}

// Processor time of the whole process, all threads: a spinning worker shows here.
inline double ProcessCpuMs() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}
