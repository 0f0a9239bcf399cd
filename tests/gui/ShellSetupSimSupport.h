#pragma once
// What the setup command tests against the simulated J57 share: the
// program on a fast clock with the simulator bound to COM1.
#include <string>

#include "GFTiming.h"
#include "J57Instrument.h"
#include "J57Setups.h"
#include "J57Sim.h"
#include "ShellTestSupport.h"

namespace shelltest {

class SimShell {
public:
    SimShell() : scale(0.05) { sim.Bind(f.profile, 1); }

    // A command that begins with prefix reached the instrument.
    bool Sent(const std::string& prefix) const
    {
        for (const std::string& c : sim.Commands())
            if (c.rfind(prefix, 0) == 0)
                return true;
        return false;
    }

    ShellFixture f;
    comm::ScopedTimeScale scale;
    sim::J57Sim sim;
    sim::J57Instrument j57{sim};
    sim::J57Setups setups{sim};
};

}  // namespace shelltest
