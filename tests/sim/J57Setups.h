#pragma once
// The J57's setup directory and system settings behind the simulator: the
// directory stream, setup block frames, and the packet receiver of block
// sends with its faults.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "J57Sim.h"

namespace sim {

struct SimSetup {
    std::string name;                          // file name, "ABC.LOG"
    std::string extra = std::string(32, '.');  // further directory data
    char protect = ' ', lock = ' ', active = ' ';  // 'P', 'R', 'A' when set
    std::string block = std::string(513, '\0');
};

// Receives one block send: the ready reply, packets with CRC16, the verdict.
struct PacketReceiver {
    int nakPacket = -1;     // the packet of this index (from 0) is NAKed once
    int nakZeroAt = -1;     // at this packet the instrument starts over (NAK 0)
    int rejectPasses = 0;   // passes whose verdict is NAK
    bool noReady = false;   // no ready reply at all
    // The instrument checks the whole block before its verdict: this long
    // after its answer to the last packet.
    int verdictDelayMs = 0;
    std::vector<std::string> packets;  // every packet as received
    std::string data;                  // the data of the accepted pass
    int cancels = 0;                   // CAN bytes seen (the first ends the receive)

    // Inside the command's handler: the ready reply goes out with the reply,
    // the receive runs after it; done(data) when a pass is accepted.
    void Begin(J57Sim& sim, size_t length, std::function<void(const std::string&)> done);
    // The same from a session on the simulator's thread.
    void Run(J57Sim& sim, size_t length, const std::function<void(const std::string&)>& done);

private:
    void Receive(J57Sim& sim, size_t length, const std::function<void(const std::string&)>& done);
};

class J57Setups {
public:
    explicit J57Setups(J57Sim& sim);

    std::vector<SimSetup> setups;
    std::string system = std::string(226, '\0');
    int trailerBytes = 1;        // bytes after the last directory record
    bool settingWrong = false;   // "&I2" answers "WARNING - Setting Wrong"
    bool silentStream = false;   // "Recv Binary!" and then nothing
    PacketReceiver receiver;

    SimSetup* Find(const std::string& name);
    static std::string Normal(const std::string& name);  // upper case, no blanks
    static std::string DirectoryRecord(const SimSetup& s);

private:
    J57Sim& sim_;
};

}  // namespace sim
