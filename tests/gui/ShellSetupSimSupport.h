#pragma once
// What the setup command tests against the simulated J57 share: the
// program on a fast clock with the simulator bound to COM1.
#include <mutex>
#include <optional>
#include <string>

#include "GFTiming.h"
#include "J57Instrument.h"
#include "J57Setups.h"
#include "J57Sim.h"
#include "J57Xmodem.h"
#include "ShellTestSupport.h"

namespace shelltest {

// The "&F101" description of a stored file: name, type, title, the four
// times and the size at their columns.
inline std::string StoredFileInfo(const std::string& name, const std::string& type)
{
    auto slot = [](const std::string& text, size_t width) { return (text + std::string(width, ' ')).substr(0, width); };
    return slot(name, 10) + slot(type, 5) + slot("Site", 32) + slot("05Jan2003 12:30:00", 20) +
           slot("05Jan2003 12:40:00", 20) + slot("05Jan2003 12:30:00", 20) + slot("05Jan2003 12:40:00", 20) +
           slot("300", 8);
}

// The XMODEM sender of a download test; a base before SimShell, so that it
// outlives the simulator's thread that runs its sessions.
struct SenderHolder {
    sim::XmodemSender sender;
};

class SimShell {
public:
    SimShell() : scale(kSimPauseScale, kSimAnswerScale) { sim.Bind(f.profile, 1); }

    // A command that begins with prefix reached the instrument.
    bool Sent(const std::string& prefix) const
    {
        for (const std::string& c : sim.Commands())
            if (c.rfind(prefix, 0) == 0)
                return true;
        return false;
    }

    // The J57 names as its active setup, and runs the application of,
    // whichever directory entry carries the active flag: so Make Current and
    // a change at the instrument's keys both show in its answers.
    void ActiveSetupFollowsDirectory()
    {
        auto answer = [this](bool application) {
            return [this, application](const std::string&) -> std::optional<std::string> {
                std::lock_guard lock(sim.Mutex());
                for (const sim::SimSetup& s : setups.setups)
                    if (s.active == 'A') {
                        const size_t dot = s.name.find('.');
                        return application ? s.name.substr(dot + 1) : s.name.substr(0, dot);
                    }
                return std::string();
            };
        };
        sim.On("Q204", answer(false));
        sim.On("R180", answer(true));
    }

    // Makes name the active setup as the instrument's keys would.
    void MakeActiveAtInstrument(const std::string& name)
    {
        std::lock_guard lock(sim.Mutex());
        for (sim::SimSetup& s : setups.setups)
            s.active = s.name == name ? 'A' : ' ';
    }

    ShellFixture f;
    comm::ScopedTimeScale scale;
    sim::J57Sim sim;
    sim::J57Instrument j57{sim};
    sim::J57Setups setups{sim};
};

}  // namespace shelltest
