#include "tools/ctrlsim/TControllerSim.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {
constexpr std::uint8_t Start = 0xAA;
constexpr std::uint8_t Read = 0x01;
constexpr std::uint8_t Write = 0x00;
constexpr std::uint8_t Active = 0x5A;
constexpr std::uint8_t Empty = 0xA5;

int key(int command, TControllerSim::Form form) {
    return command * 4 + static_cast<int>(form);
}

std::string hex(const std::uint8_t* bytes, std::size_t count) {
    static const char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += Digits[bytes[i] >> 4];
        text += Digits[bytes[i] & 0x0F];
    }
    return text;
}

bool unhex(const std::string& text, std::uint8_t* bytes, std::size_t count) {
    if (text.size() != 2 * count)
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        unsigned value = 0;
        std::istringstream pair(text.substr(2 * i, 2));
        if (!(pair >> std::hex >> value) || !std::isxdigit(static_cast<unsigned char>(text[2 * i])) ||
            !std::isxdigit(static_cast<unsigned char>(text[2 * i + 1])))
            return false;
        bytes[i] = static_cast<std::uint8_t>(value);
    }
    return true;
}

const char* const FaultNames[] = {"none",  "noanswer", "wrongack", "badsum", "wrongcmd",
                                  "short", "late",     "noise",    "drop",   "corrupt"};
constexpr int FaultCount = int(sizeof(FaultNames) / sizeof(FaultNames[0]));
} // namespace

TControllerSim::TControllerSim() : random(1) {
    FillDemo();
}

std::uint8_t TControllerSim::Checksum(const Bytes& bytes, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<std::uint8_t>(~sum & 0xFF);
}

TControllerSim::SlotRecord TControllerSim::EmptySlot(int slot) {
    SlotRecord record;
    record.fill(0xFF);
    record[0] = static_cast<std::uint8_t>(slot);
    record[1] = Empty;
    return record;
}

TControllerSim::SlotRecord TControllerSim::ActiveSlot(int slot, const std::string& hexCode,
                                                      const std::string& note) {
    SlotRecord record;
    record.fill(0x00);
    record[0] = static_cast<std::uint8_t>(slot);
    record[1] = Active;
    unhex(hexCode, record.data() + 2, 6);
    std::memcpy(record.data() + 8, note.data(), std::min<std::size_t>(note.size(), 25));
    return record;
}

void TControllerSim::Clear() {
    serial.fill(0xFF);
    info.fill(0xFF);
    for (int i = 0; i < MasterSlots; ++i)
        master[i] = EmptySlot(i);
    for (int i = 0; i < SlaveSlots; ++i)
        slave[i] = EmptySlot(i);
}

void TControllerSim::FillDemo() {
    Clear();
    std::memcpy(serial.data(), "VT000417", 8);
    const std::string text = "Main entrance";
    std::memcpy(info.data(), text.data(), text.size());
    info[text.size()] = 0x00;
    master[0] = ActiveSlot(0, "01A2B3C4D5E6", "Installer");
    master[1] = ActiveSlot(1, "01F00D000001", "Caretaker");
    slave[0] = ActiveSlot(0, "0100000012A4", "Flat 1");
    slave[1] = ActiveSlot(1, "0100000012A5", "Flat 2");
    slave[2] = ActiveSlot(2, "01000000BEEF", "Post office");
    slave[5] = ActiveSlot(5, "01000000C0DE", "Cleaning");
}

void TControllerSim::SetFault(int command, Form form, Fault fault, int count) {
    scripted[key(command, form)] = {fault, count};
}

void TControllerSim::SetRandomFaults(double rate, unsigned seed, const std::vector<Fault>& kinds) {
    randomRate = rate;
    randomKinds = kinds;
    random.seed(seed);
}

bool TControllerSim::ParseTarget(const std::string& text, int& command, Form& form) {
    std::string t;
    for (char c : text)
        t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (t == "lt" || t == "linetest") {
        command = LineTest;
        form = Form::Any;
        return true;
    }
    form = Form::Any;
    if (t.size() == 3 && (t[2] == 'r' || t[2] == 'w')) {
        form = t[2] == 'r' ? Form::Read : Form::Write;
        t.resize(2);
    }
    static const std::vector<std::string> Known = {"99", "c0", "c1", "c2", "c3", "c4"};
    if (std::find(Known.begin(), Known.end(), t) == Known.end())
        return false;
    command = std::stoi(t, nullptr, 16);
    return true;
}

bool TControllerSim::ParseFault(const std::string& name, Fault& fault) {
    for (int i = 0; i < FaultCount; ++i) {
        if (name == FaultNames[i]) {
            fault = static_cast<Fault>(i);
            return true;
        }
    }
    return false;
}

const char* TControllerSim::FaultName(Fault fault) {
    return FaultNames[static_cast<int>(fault)];
}

TControllerSim::Fault TControllerSim::NextFault(int command, Form form) {
    for (Form f : {form, Form::Any}) {
        auto it = scripted.find(key(command, f));
        if (it == scripted.end() || it->second.remaining == 0)
            continue;
        if (it->second.remaining > 0)
            --it->second.remaining;
        return it->second.fault;
    }
    if (randomRate > 0 && !randomKinds.empty() &&
        std::uniform_real_distribution<double>(0, 1)(random) < randomRate)
        return randomKinds[std::uniform_int_distribution<std::size_t>(0, randomKinds.size() - 1)(random)];
    return Fault::None;
}

TControllerSim::Bytes TControllerSim::Noise() {
    Bytes noise(std::uniform_int_distribution<int>(1, 6)(random));
    for (auto& b : noise) {
        do
            b = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(random));
        while (b == Ack);
    }
    return noise;
}

TControllerSim::Answer TControllerSim::QueryAnswer(Bytes reply, Fault fault) {
    Answer answer;
    switch (fault) {
    case Fault::NoAnswer:
        return answer;
    case Fault::WrongAck:
        answer.bytes = {Nak};
        return answer;
    case Fault::BadChecksum:
        reply.back() ^= 0x55;
        break;
    case Fault::WrongCommand:
        reply[3] ^= 0x01;
        reply.back() = Checksum(reply, reply.size() - 1);
        break;
    case Fault::ShortReply:
        reply.resize(reply.size() - 4);
        break;
    case Fault::LateReply:
        answer.delayMs = lateMs;
        break;
    case Fault::Noise:
        answer.bytes = Noise();
        break;
    case Fault::Drop:
    case Fault::Corrupt:
    case Fault::None:
        break;
    }
    answer.bytes.push_back(Ack);
    answer.bytes.insert(answer.bytes.end(), reply.begin(), reply.end());
    return answer;
}

TControllerSim::Answer TControllerSim::CommandAnswer(Fault fault, const std::function<bool()>& store) {
    Answer answer;
    switch (fault) {
    case Fault::NoAnswer:
    case Fault::ShortReply:
        return answer;
    case Fault::WrongAck:
    case Fault::BadChecksum:
    case Fault::WrongCommand:
        answer.bytes = {Nak};
        return answer;
    case Fault::Noise:
        answer.bytes = Noise();
        break;
    case Fault::LateReply:
        answer.delayMs = lateMs;
        break;
    case Fault::Drop:
        answer.bytes.push_back(Ack);
        return answer;
    case Fault::Corrupt:
    case Fault::None:
        break;
    }
    answer.bytes.push_back(store() ? Ack : Nak);
    return answer;
}

void TControllerSim::SetReplyDelay(int minMs, int maxMs, unsigned seed) {
    delayMin = std::max(0, minMs);
    delayMax = std::max(delayMin, maxMs);
    delayRandom.seed(seed);
}

bool TControllerSim::ParseReplyDelay(const std::string& text, int& minMs, int& maxMs) {
    const std::size_t dash = text.find('-');
    const std::string low = text.substr(0, dash);
    const std::string high = dash == std::string::npos ? low : text.substr(dash + 1);
    auto number = [](const std::string& digits, int& value) {
        if (digits.empty() || digits.size() > 5 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        value = std::stoi(digits);
        return true;
    };
    int a = 0, b = 0;
    if (!number(low, a) || !number(high, b) || b < a)
        return false;
    minMs = a;
    maxMs = b;
    return true;
}

TControllerSim::Answer TControllerSim::Respond(const Bytes& frame) {
    Answer answer = RespondAtOnce(frame);
    if (!answer.bytes.empty() && delayMax > 0)
        answer.delayMs += std::uniform_int_distribution<int>(delayMin, delayMax)(delayRandom);
    const bool slotRequest = (frame.size() == 7 || frame.size() == 39) && frame[3] == pause.command;
    if (!answer.bytes.empty() && slotRequest && frame[5] == pause.slot) {
        answer.delayMs += pause.ms;
        pause = Pause();
    }
    return answer;
}

void TControllerSim::PauseOnce(int command, int slot, int ms) {
    pause = {command, slot, ms};
}

bool TControllerSim::ParsePause(const std::string& text, int& command, int& slot, int& ms) {
    const std::size_t first = text.find(':');
    const std::size_t second = text.find(':', first == std::string::npos ? first : first + 1);
    if (first == std::string::npos || second == std::string::npos)
        return false;
    Form form = Form::Any;
    if (!ParseTarget(text.substr(0, first), command, form) || (command != 0xC0 && command != 0xC1))
        return false;
    try {
        slot = std::stoi(text.substr(first + 1, second - first - 1));
        ms = std::stoi(text.substr(second + 1));
    } catch (const std::exception&) {
        return false;
    }
    return slot >= 0 && slot < (command == 0xC0 ? MasterSlots : SlaveSlots) && ms >= 0;
}

TControllerSim::Answer TControllerSim::RespondAtOnce(const Bytes& frame) {
    const std::size_t size = frame.size();
    if (size < 5 || size > 39 || frame[0] != Start || frame[1] != size - 2 ||
        Checksum(frame, size - 1) != frame.back()) {
        ++refusedFrames;
        return {};
    }
    ++requests;
    const std::uint8_t sequence = frame[2];
    const std::uint8_t command = frame[3];
    auto reply = [&](std::uint8_t sub, const std::uint8_t* data, std::size_t count) {
        Bytes out{Start, static_cast<std::uint8_t>(count + (sub == 0xFF ? 3 : 4)),
                  echoSequence ? sequence : std::uint8_t(0), command};
        if (sub != 0xFF)
            out.push_back(sub);
        out.insert(out.end(), data, data + count);
        out.push_back(Checksum(out, out.size()));
        return out;
    };
    auto faulted_ = [&](int cmd, Form form) {
        const Fault fault = NextFault(cmd, form);
        if (fault != Fault::None)
            ++faulted;
        return fault;
    };

    if (size == 5 && command == 0x99) {
        Bytes v(8, 0x20);
        std::memcpy(v.data(), version.data(), std::min<std::size_t>(version.size(), 8));
        return QueryAnswer(reply(0xFF, v.data(), 8), faulted_(0x99, Form::Read));
    }
    if (size == 5 && command == 0xC3) {
        ++closingFrames;
        return CommandAnswer(faulted_(0xC3, Form::Any), [] { return true; });
    }
    if (size == 5 && command == 0xC4) {
        ++lineTests;
        return CommandAnswer(faulted_(LineTest, Form::Any), [] { return true; });
    }
    if (size == 6 && command == 0xC4 && frame[4] == Read)
        return QueryAnswer(reply(Read, serial.data(), serial.size()), faulted_(0xC4, Form::Read));
    if (size == 6 && command == 0xC2 && frame[4] == Read)
        return QueryAnswer(reply(Read, info.data(), info.size()), faulted_(0xC2, Form::Read));
    if (size == 38 && command == 0xC2 && frame[4] == Write) {
        return CommandAnswer(faulted_(0xC2, Form::Write), [&] {
            std::copy(frame.begin() + 5, frame.begin() + 37, info.begin());
            return true;
        });
    }
    if (command == 0xC0 || command == 0xC1) {
        SlotRecord* table = command == 0xC0 ? master.data() : slave.data();
        const int slots = command == 0xC0 ? MasterSlots : SlaveSlots;
        if (size == 7 && frame[4] == Read) {
            const Fault fault = faulted_(command, Form::Read);
            if (frame[5] >= slots)
                return {};
            return QueryAnswer(reply(Read, table[frame[5]].data(), 33), fault);
        }
        if (size == 39 && frame[4] == Write) {
            // The key number byte names the slot written.
            ++slotWrites;
            const Fault fault = faulted_(command, Form::Write);
            return CommandAnswer(fault, [&] {
                if (frame[5] >= slots)
                    return false;
                std::copy(frame.begin() + 5, frame.begin() + 38, table[frame[5]].begin());
                if (fault == Fault::Corrupt)
                    table[frame[5]][2] ^= 0x10; // the first key-code byte
                return true;
            });
        }
    }
    --requests;
    ++refusedFrames;
    return {};
}

bool TControllerSim::Save(const std::string& path, std::string& error) const {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << "# VELM Tarvikon controller simulator memory\n";
        std::string code = version;
        code.resize(8, ' '); // as the version reply carries it
        out << "version " << hex(reinterpret_cast<const std::uint8_t*>(code.data()), 8) << "\n";
        out << "serial " << hex(serial.data(), serial.size()) << "\n";
        out << "info " << hex(info.data(), info.size()) << "\n";
        for (int i = 0; i < MasterSlots; ++i)
            out << "M " << i << " " << hex(master[i].data(), 33) << "\n";
        for (int i = 0; i < SlaveSlots; ++i)
            out << "S " << i << " " << hex(slave[i].data(), 33) << "\n";
        out.flush();
        if (!out) {
            error = "cannot write " + temporary;
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot replace " + path;
        return false;
    }
    return true;
}

bool TControllerSim::Load(const std::string& path, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    TControllerSim loaded;
    loaded.Clear();
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string tag, value;
        fields >> tag;
        bool ok = true;
        if (tag == "version") {
            fields >> value;
            std::uint8_t bytes[8];
            ok = unhex(value, bytes, 8);
            loaded.version.assign(reinterpret_cast<const char*>(bytes), 8);
        } else if (tag == "serial") {
            ok = static_cast<bool>(fields >> value) && unhex(value, loaded.serial.data(), 8);
        } else if (tag == "info") {
            ok = static_cast<bool>(fields >> value) && unhex(value, loaded.info.data(), 32);
        } else if (tag == "M" || tag == "S") {
            int slot = -1;
            fields >> slot >> value;
            const int slots = tag == "M" ? MasterSlots : SlaveSlots;
            ok = slot >= 0 && slot < slots &&
                 unhex(value, (tag == "M" ? loaded.master[slot] : loaded.slave[slot]).data(), 33);
        } else {
            ok = false;
        }
        if (!ok) {
            error = path + ":" + std::to_string(number) + ": not a simulator memory line";
            return false;
        }
    }
    version = loaded.version;
    serial = loaded.serial;
    info = loaded.info;
    master = loaded.master;
    slave = loaded.slave;
    return true;
}
