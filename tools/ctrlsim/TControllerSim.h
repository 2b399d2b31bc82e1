#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

// One door controller as the program sees it over the line: firmware version, serial number,
// information block and the 8 + 128 key slots, answering whole request frames. Faults can be
// injected per command or at random.
class TControllerSim {
public:
    using Bytes = std::vector<std::uint8_t>;
    using SlotRecord = std::array<std::uint8_t, 33>; // key number, status, code, note

    // Drop and Corrupt hit writes only: the write is acknowledged, then lost or stored with a
    // changed key code, as a failing memory would; only reading the slot back shows it.
    enum class Fault {
        None,
        NoAnswer,
        WrongAck,
        BadChecksum,
        WrongCommand,
        ShortReply,
        LateReply,
        Noise,
        Drop,
        Corrupt
    };

    struct Answer {
        Bytes bytes;
        int delayMs = 0;
    };

    static constexpr int MasterSlots = 8;
    static constexpr int SlaveSlots = 128;
    static constexpr std::uint8_t Ack = 0x5A;
    static constexpr std::uint8_t Nak = 0x4E;
    // What a fault is injected into: a command byte, optionally only its read or write form.
    enum class Form { Any, Read, Write };
    static constexpr int LineTest = 0x1C4; // 0xC4 without a sub-command

    TControllerSim();

    std::string version = "TARVK001";
    std::array<std::uint8_t, 8> serial{};
    std::array<std::uint8_t, 32> info{};
    std::array<SlotRecord, MasterSlots> master{};
    std::array<SlotRecord, SlaveSlots> slave{};
    int lateMs = 300;
    // Whether replies repeat the request's sequence byte; some controllers leave it 0.
    bool echoSequence = true;

    // Every slot empty, serial and information block erased.
    void Clear();
    // A few keys, a serial number and an information text to try the program with.
    void FillDemo();
    static SlotRecord EmptySlot(int slot);
    static SlotRecord ActiveSlot(int slot, const std::string& hexCode, const std::string& note);

    // Injects the fault into the next count requests of the command (-1: every one).
    // Commands: 0x99, 0xC0, 0xC1, 0xC2, 0xC3, 0xC4 (serial number), LineTest.
    void SetFault(int command, Form form, Fault fault, int count = -1);
    // "c0", "c0r", "c1w", "99", "lt" ...
    static bool ParseTarget(const std::string& text, int& command, Form& form);
    // Each request is faulted with the given probability, the kind drawn from kinds.
    void SetRandomFaults(double rate, unsigned seed, const std::vector<Fault>& kinds);

    // Every answer comes after a delay drawn evenly from minMs..maxMs: a slow controller, or a
    // USB adapter's latency. 0..0 answers at once.
    void SetReplyDelay(int minMs, int maxMs, unsigned seed = 1);
    // "120" or "80-160".
    static bool ParseReplyDelay(const std::string& text, int& minMs, int& maxMs);
    // The first request for this slot of the table (0xC0, 0xC1) is answered ms later than it would
    // be: a busy controller or an adapter that stalls once.
    void PauseOnce(int command, int slot, int ms);
    // "c1:40:800".
    static bool ParsePause(const std::string& text, int& command, int& slot, int& ms);

    // The answer to one whole request frame (start byte to checksum).
    Answer Respond(const Bytes& frame);

    // Counters for tests and the log line.
    int requests = 0;
    int faulted = 0;
    int lineTests = 0;
    int closingFrames = 0;
    int refusedFrames = 0; // not a valid request
    int slotWrites = 0;    // key-slot write requests answered

    bool Load(const std::string& path, std::string& error);
    bool Save(const std::string& path, std::string& error) const;

    static bool ParseFault(const std::string& name, Fault& fault);
    static const char* FaultName(Fault fault);
    static std::uint8_t Checksum(const Bytes& bytes, std::size_t count);

private:
    Answer RespondAtOnce(const Bytes& frame);
    Fault NextFault(int command, Form form);
    Answer QueryAnswer(Bytes reply, Fault fault);
    Answer CommandAnswer(Fault fault, const std::function<bool()>& store);
    Bytes Noise();

    struct Scripted {
        Fault fault;
        int remaining;
    };
    std::map<int, Scripted> scripted;
    double randomRate = 0.0;
    std::vector<Fault> randomKinds;
    std::mt19937 random;
    struct Pause {
        int command = -1;
        int slot = -1;
        int ms = 0;
    };
    Pause pause;
    int delayMin = 0;
    int delayMax = 0;
    std::mt19937 delayRandom; // apart, so that a delay never changes which frames are faulted
};
