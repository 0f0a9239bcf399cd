#include "J57Instrument.h"

#include <cstdlib>

namespace sim {

namespace {
constexpr int kRates[] = {300, 1200, 2400, 9600, 19200, 28800, 57600, 115200};
}

std::string J57Instrument::RunState()
{
    std::string s(1, busyPolls > 0 ? 'c' : ' ');
    if (busyPolls > 0)
        --busyPolls;
    s += running ? 'R' : active ? 'S' : files.empty() ? 'p' : 'O';
    return s;
}

J57Instrument::J57Instrument(J57Sim& sim) : sim_(sim)
{
    using R = std::optional<std::string>;
    auto field = [this](std::string J57Instrument::*member) {
        return [this, member](const std::string&) -> R {
            std::lock_guard lock(sim_.Mutex());
            return this->*member;
        };
    };
    sim.On("R1", field(&J57Instrument::identification));
    sim.On("R89", field(&J57Instrument::serial));
    sim.On("R90", field(&J57Instrument::revision));
    sim.On("R180", field(&J57Instrument::application));
    sim.On("Q204", field(&J57Instrument::activeSetup));
    sim.On("Q5", field(&J57Instrument::q5));
    sim.On("R2", field(&J57Instrument::clock));
    sim.On("Q150", field(&J57Instrument::bandwidth));
    sim.On("Q207", field(&J57Instrument::param207));
    sim.On("R182", field(&J57Instrument::expectedSize));
    for (int n : {6, 175, 8, 176})
        sim.On("R" + std::to_string(n), [this, n](const std::string&) -> R {
            std::lock_guard lock(sim_.Mutex());
            return times[n];
        });
    sim.On("S7, ", [this](const std::string& c) -> R { std::lock_guard lock(sim_.Mutex()); date = c.substr(4); return ""; });
    sim.On("S6, ", [this](const std::string& c) -> R { std::lock_guard lock(sim_.Mutex()); time = c.substr(4); return ""; });
    sim.On("S8, ", [this](const std::string& c) -> R {
        std::lock_guard lock(sim_.Mutex());
        weekday = std::atoi(c.c_str() + 4);
        return "";
    });
    sim.On("S150,", [this](const std::string& c) -> R { std::lock_guard lock(sim_.Mutex()); bandwidth = c.substr(5); return ""; });
    sim.On("S207,", [this](const std::string& c) -> R { std::lock_guard lock(sim_.Mutex()); param207 = c.substr(5); return ""; });
    sim.On("R3,1", [this](const std::string&) -> R { std::lock_guard lock(sim_.Mutex()); return RunState(); });
    sim.On("M3", [this](const std::string&) -> R { std::lock_guard lock(sim_.Mutex()); running = active = true; return ""; });
    sim.On("M4", [this](const std::string&) -> R { std::lock_guard lock(sim_.Mutex()); running = false; return ""; });
    sim.On("M7,2", [this](const std::string&) -> R {
        std::lock_guard lock(sim_.Mutex());
        files.clear();
        active = running = false;
        selected = 0;
        return "";
    });
    sim.On("R181", [this](const std::string&) -> R {
        std::lock_guard lock(sim_.Mutex());
        return std::to_string(files.size());
    });
    sim.On("F", [this](const std::string& c) -> R {  // "F%d,6": select file n of the walk
        std::lock_guard lock(sim_.Mutex());
        int n = std::atoi(c.c_str() + 1);
        if (n < 1 || n > static_cast<int>(files.size()))
            return "\x07No such file";
        selected = n;
        return "";
    });
    sim.On("A", [this](const std::string&) -> R {
        std::lock_guard lock(sim_.Mutex());
        if (selected >= static_cast<int>(files.size()))
            return "\x07No more files";
        ++selected;
        return "";
    });
    sim.On("&F101", [this](const std::string&) -> R {
        std::lock_guard lock(sim_.Mutex());
        if (selected < 1 || selected > static_cast<int>(files.size()))
            return "\x07No file selected";
        return files[static_cast<size_t>(selected - 1)].info;
    });
    sim.On("&F102", [this](const std::string&) -> R {
        std::lock_guard lock(sim_.Mutex());
        if (active && !running)
            return "WARNING - OVERALL RESET Required";
        if (selected < 1)
            return "\x07No file selected";
        busyPolls = 2;
        return "Recalled";
    });
    sim.On("&F103", [this](const std::string&) -> R {  // store the active measurement
        std::lock_guard lock(sim_.Mutex());
        files.push_back({"ACTIVE", "active measurement"});
        active = false;
        return "";
    });
    sim.On("S1,1", [this](const std::string&) -> R {  // discard it
        std::lock_guard lock(sim_.Mutex());
        active = false;
        return "";
    });
    // The rate switch: answered at the old rate, then the instrument moves.
    sim.On("S2283,", [this](const std::string& c) -> R {
        int code = std::atoi(c.c_str() + 6);
        if (code >= 0 && code < 8)
            sim_.AfterReply([this, code] { sim_.SetInstrumentRate(kRates[code]); });
        return "";
    });
    sim.Reply("S9,", "");
    sim.Reply("S11,1", "");
}

}  // namespace sim
