// ctrlsim: one door controller on a pseudo-terminal, for trying and testing the program without
// hardware. Run with --help for the options.
#include "tools/ctrlsim/TControllerSim.h"
#include "tools/ctrlsim/TPtyController.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int) {
    stopRequested = 1;
}

const char* const Usage = R"(Usage: ctrlsim [options]

Plays one VELM door controller on a pseudo-terminal. Prints the device path and a
VTRK_COM<n>=<path> line; put that line into the program's environment and choose
"COM<n>" in its port chooser.

Options:
  --com N               the number n of the VTRK_COM<n> line (default 7)
  --memory FILE         load the controller memory from FILE when it exists, and save
                        it there after every change and at exit
  --empty               start with every slot empty, no serial number, no information
                        (default: a few demonstration keys)
  --version TEXT        firmware version code (default TARVK001; at most 8 characters)
  --serial TEXT         serial number (at most 8 characters)
  --info TEXT           information text (at most 32 characters)
  --fault T:KIND[:N]    inject KIND into the next N requests of T (all of them without N).
                        T: 99 (version), c4 (serial), c2 (information), c0 (master keys),
                        c1 (slave keys), c3 (closing frame), lt (line test); append r or w
                        to c0, c1, c2 for reads or writes only (c0r, c1w ...).
                        KIND: noanswer, wrongack, badsum, wrongcmd, short, late, noise,
                        drop, corrupt (a key write acknowledged, then lost or stored
                        with a changed key code)
  --random-faults RATE  fault each request with probability RATE (0..1)
  --fault-kinds LIST    kinds drawn for random faults, comma separated
                        (default: all of them, noanswer,wrongack,badsum,wrongcmd,short,late,noise)
  --seed N              seed of the random faults, noise bytes and reply delays (default 1)
  --late-ms MS          delay of a late reply (default 300; the program waits 100, and up to
                        400 more for an answer that is not complete by then)
  --reply-delay MS      answer every request after MS milliseconds, or after a delay drawn
                        from MIN-MAX (e.g. 120 or 80-160): a slow controller or USB adapter
  --pause T:SLOT:MS     answer the first request for SLOT of T (c0 or c1) MS milliseconds
                        late, once: a controller or adapter that stalls
  --sequence-zero       leave the reply's sequence byte 0 instead of repeating the request's
  --verbose             log every request and answer on standard error
  --help                this text

Ends on SIGINT or SIGTERM (Ctrl+C).
)";

std::string hexOf(const TControllerSim::Bytes& bytes) {
    std::ostringstream out;
    char cell[4];
    for (auto b : bytes) {
        std::snprintf(cell, sizeof cell, "%02X ", b);
        out << cell;
    }
    return out.str();
}

bool textOption(const std::string& value, std::size_t max, std::uint8_t* target, std::size_t size,
                bool terminate) {
    if (value.size() > max)
        return false;
    std::memset(target, 0xFF, size);
    std::memcpy(target, value.data(), value.size());
    if (terminate && value.size() < size)
        target[value.size()] = 0x00;
    return true;
}

int fail(const std::string& text) {
    std::cerr << "ctrlsim: " << text << "\n";
    return 2;
}
} // namespace

int main(int argc, char* argv[]) {
    TControllerSim sim;
    int com = 7;
    std::string memory;
    bool verbose = false;
    double rate = 0;
    unsigned seed = 1;
    std::vector<TControllerSim::Fault> kinds = {
        TControllerSim::Fault::NoAnswer,    TControllerSim::Fault::WrongAck,
        TControllerSim::Fault::BadChecksum, TControllerSim::Fault::WrongCommand,
        TControllerSim::Fault::ShortReply,  TControllerSim::Fault::LateReply,
        TControllerSim::Fault::Noise};
    int delayMin = 0, delayMax = 0;
    struct Pending {
        int command;
        TControllerSim::Form form;
        TControllerSim::Fault fault;
        int count;
    };
    std::vector<Pending> faults;
    std::string version, serial, info;
    bool empty = false, haveVersion = false, haveSerial = false, haveInfo = false;

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw std::runtime_error(arg + " needs a value");
            return argv[++i];
        };
        try {
            if (arg == "--help" || arg == "-h") {
                std::cout << Usage;
                return 0;
            } else if (arg == "--com") {
                com = std::stoi(value());
                if (com < 1 || com > 50)
                    return fail("--com takes 1..50");
            } else if (arg == "--memory") {
                memory = value();
            } else if (arg == "--empty") {
                empty = true;
            } else if (arg == "--version") {
                version = value();
                haveVersion = true;
            } else if (arg == "--serial") {
                serial = value();
                haveSerial = true;
            } else if (arg == "--info") {
                info = value();
                haveInfo = true;
            } else if (arg == "--fault") {
                std::istringstream parts(value());
                std::string target, kind, count;
                std::getline(parts, target, ':');
                std::getline(parts, kind, ':');
                std::getline(parts, count, ':');
                Pending p{0, TControllerSim::Form::Any, TControllerSim::Fault::None, -1};
                if (!TControllerSim::ParseTarget(target, p.command, p.form) ||
                    !TControllerSim::ParseFault(kind, p.fault))
                    return fail("--fault takes TARGET:KIND[:COUNT], see --help");
                if (!count.empty())
                    p.count = std::stoi(count);
                faults.push_back(p);
            } else if (arg == "--random-faults") {
                rate = std::stod(value());
                if (rate < 0 || rate > 1)
                    return fail("--random-faults takes a rate between 0 and 1");
            } else if (arg == "--fault-kinds") {
                kinds.clear();
                std::istringstream list(value());
                std::string name;
                while (std::getline(list, name, ',')) {
                    TControllerSim::Fault fault;
                    if (!TControllerSim::ParseFault(name, fault))
                        return fail("unknown fault kind " + name);
                    kinds.push_back(fault);
                }
            } else if (arg == "--seed") {
                seed = static_cast<unsigned>(std::stoul(value()));
            } else if (arg == "--late-ms") {
                sim.lateMs = std::stoi(value());
            } else if (arg == "--reply-delay") {
                if (!TControllerSim::ParseReplyDelay(value(), delayMin, delayMax))
                    return fail("--reply-delay takes MS or MIN-MAX, e.g. 120 or 80-160");
            } else if (arg == "--pause") {
                int command = 0, slot = 0, ms = 0;
                if (!TControllerSim::ParsePause(value(), command, slot, ms))
                    return fail("--pause takes TABLE:SLOT:MS, e.g. c1:40:800");
                sim.PauseOnce(command, slot, ms);
            } else if (arg == "--sequence-zero") {
                sim.echoSequence = false;
            } else if (arg == "--verbose") {
                verbose = true;
            } else {
                return fail("unknown option " + arg + " (try --help)");
            }
        } catch (const std::exception& e) {
            return fail(std::string(e.what()) == "stoi" || std::string(e.what()) == "stod" ||
                                std::string(e.what()) == "stoul"
                            ? arg + " needs a number"
                            : e.what());
        }
    }

    if (empty)
        sim.Clear();
    std::string error;
    if (!memory.empty() && ::access(memory.c_str(), F_OK) == 0 && !sim.Load(memory, error))
        return fail(error);
    if (haveVersion) {
        if (version.size() > 8)
            return fail("--version takes at most 8 characters");
        sim.version = version;
    }
    if (haveSerial && !textOption(serial, 8, sim.serial.data(), 8, false))
        return fail("--serial takes at most 8 characters");
    if (haveInfo && !textOption(info, 32, sim.info.data(), 32, true))
        return fail("--info takes at most 32 characters");
    for (const Pending& p : faults)
        sim.SetFault(p.command, p.form, p.fault, p.count);
    sim.SetRandomFaults(rate, seed, kinds);
    sim.SetReplyDelay(delayMin, delayMax, seed);

    TPtyController line(sim);
    bool dirty = false;
    line.onRequest = [&](const TControllerSim::Bytes& request, const TControllerSim::Answer& answer) {
        if (request.size() == 38 || request.size() == 39)
            dirty = true;
        if (verbose)
            std::cerr << "<- " << hexOf(request) << "\n-> " << hexOf(answer.bytes)
                      << (answer.delayMs ? " (after " + std::to_string(answer.delayMs) + " ms)" : "")
                      << std::endl;
    };
    if (!line.Start(error))
        return fail(error);

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::cout << "ctrlsim: controller " << sim.version << " on " << line.DevicePath() << "\n"
              << "VTRK_COM" << com << "=" << line.DevicePath() << std::endl;

    while (!stopRequested) {
        ::usleep(200 * 1000);
        if (memory.empty())
            continue;
        std::lock_guard<std::mutex> hold(line.Lock());
        if (dirty && sim.Save(memory, error))
            dirty = false;
    }
    line.Stop();
    if (!memory.empty() && !sim.Save(memory, error))
        return fail(error);
    if (verbose)
        std::cerr << "ctrlsim: " << sim.requests << " requests, " << sim.faulted << " faulted, "
                  << sim.lineTests << " line tests\n";
    return 0;
}
