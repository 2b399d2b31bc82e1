// Measures the serial layer over a pseudo-terminal: how long a byte written by the far end
// takes to reach the receive ring, and how many bytes per second pass in each direction.
//
//   vtrk_serial_bench [bytes for the latency run, default 1000]

#include "serial/ESerException.h"
#include "serial/TSerBaseDispatcher.h"
#include "serial/TSerComPort.h"
#include "tests/support/TPtyPeer.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double MicrosSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

void Latency(TSerComPort& port, TPtyPeer& peer, int samples) {
    std::vector<double> delays;
    delays.reserve(samples);
    TSerBaseDispatcher& layer = *port.Dispatcher();
    for (int i = 0; i < samples; ++i) {
        const char byte = static_cast<char>(i);
        const Clock::time_point start = Clock::now();
        peer.write(QByteArray(1, byte));
        // Polls gently: a busy loop would take a core from the workers it waits for.
        while (layer.InBufferUsed() == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(20));
            if (MicrosSince(start) > 1e6) {
                std::printf("byte %d did not arrive within 1 s\n", i);
                return;
            }
        }
        delays.push_back(MicrosSince(start));
        char got;
        port.ReadBlock(&got, 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::sort(delays.begin(), delays.end());
    auto at = [&](double fraction) {
        return delays[std::min<size_t>(delays.size() - 1, fraction * delays.size())];
    };
    std::printf(
        "peer write -> receive ring, %d bytes: median %.0f us, 99th percentile %.0f us, max %.0f us\n",
        samples, at(0.5), at(0.99), delays.back());
}

void Inbound(TSerComPort& port, TPtyPeer& peer, int total) {
    const QByteArray chunk(4096, 'i');
    std::thread writer([&] {
        for (int sent = 0; sent < total; sent += chunk.size())
            peer.write(chunk);
    });
    const Clock::time_point start = Clock::now();
    std::vector<char> buffer(TSerBaseDispatcher::InBufferSize);
    int received = 0;
    while (received < total) {
        const int held = port.Dispatcher()->InBufferUsed();
        if (held == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        port.ReadBlock(buffer.data(), static_cast<unsigned short>(std::min(held, 8191)));
        received += std::min(held, 8191);
    }
    const double seconds = MicrosSince(start) / 1e6;
    writer.join();
    std::printf("peer -> port: %d bytes in %.3f s, %.1f MB/s\n", total, seconds, total / seconds / 1e6);
}

void Outbound(TSerComPort& port, TPtyPeer& peer, int total) {
    std::thread reader([&] { peer.read(total, 30000); });
    const std::vector<char> block(1024, 'o');
    const Clock::time_point start = Clock::now();
    for (int queued = 0; queued < total;) {
        try {
            port.WriteBlock(block.data(), static_cast<unsigned short>(block.size()));
            queued += static_cast<int>(block.size());
        } catch (const EOutputBufferTooSmall&) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    reader.join();
    const double seconds = MicrosSince(start) / 1e6;
    std::printf("port -> peer: %d bytes in %.3f s, %.1f MB/s\n", total, seconds, total / seconds / 1e6);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    TPtyPeer peer;
    if (!peer.isValid()) {
        std::printf("no pseudo-terminal\n");
        return 1;
    }
    peer.mapTo(1);
    TSerComPort port;
    port.SetAutoOpen(false);
    port.SetBaud(9600);
    port.SetComNumber(1);
    try {
        port.SetOpen(true);
        Latency(port, peer, samples);
        Inbound(port, peer, 16 << 20);
        Outbound(port, peer, 16 << 20);
    } catch (const std::exception& failure) {
        std::printf("failed: %s\n", failure.what());
        return 1;
    }
    return 0;
}
