#pragma once
// The J57's state behind the simulator's command table: identity, clock,
// run state, stored measurement files, recall and the rate switch. Tests set
// the fields before they drive the program; handlers change them under the
// simulator's mutex.
#include <map>
#include <string>
#include <vector>

#include "J57Sim.h"

namespace sim {

struct StoredFile {
    std::string info;     // the "&F101" description
    std::string payload;  // what a download sends
};

class J57Instrument {
public:
    explicit J57Instrument(J57Sim& sim);

    std::string identification = "Morvek-Audio Model J57";
    std::string serial = "S0571234";
    std::string revision = "1.07";
    std::string application = "RTA";
    std::string activeSetup = "DEFAULT";
    std::string q5 = "J57 Sound Level Meter";
    std::map<int, std::string> times = {{6, "05Jan03 12:30:00"}, {175, "05Jan03 12:40:00"},
                                        {8, "06Jan03 08:00:00"}, {176, "06Jan03 09:15:30"}};
    std::string clock = "Thu 05Jan2003 12:30:07";
    std::string date, time;
    int weekday = 0;
    bool running = false;
    bool active = false;    // a measurement not yet stored in a file
    int busyPolls = 0;      // run-state replies that still say busy
    std::vector<StoredFile> files;
    int selected = 0;       // 1-based, 0 when none
    std::string bandwidth = "1/3";
    std::string param207 = "12.50";
    std::string expectedSize = "1000";

    // "R3,1": a blank (idle) or 'c' (busy), then 'R' running, 'S' stopped
    // with an active measurement, 'p' nothing stored, 'O' no active one.
    std::string RunState();

private:
    J57Sim& sim_;
};

}  // namespace sim
