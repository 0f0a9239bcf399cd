#include "J57Setups.h"

#include <cctype>
#include <chrono>
#include <thread>

#include "GFCrc16.h"

namespace sim {

namespace {
constexpr char kAck = 6, kNak = 21, kCan = 24;
std::string Answer(char kind, int number) { return std::string{kind, static_cast<char>(number), 0, 0}; }
}  // namespace

void PacketReceiver::Begin(J57Sim& sim, size_t length, std::function<void(const std::string&)> done)
{
    if (noReady)
        return;
    sim.FollowReply(Answer(kAck, 0));
    sim.AfterReply([this, &sim, length, done = std::move(done)] { Receive(sim, length, done); });
}

void PacketReceiver::Run(J57Sim& sim, size_t length, const std::function<void(const std::string&)>& done)
{
    if (noReady)
        return;
    sim.Write(Answer(kAck, 0));
    Receive(sim, length, done);
}

void PacketReceiver::Receive(J57Sim& sim, size_t length, const std::function<void(const std::string&)>& done)
{
    std::string got;
    int index = 0;
    while (!sim.Stopping()) {
        int c = sim.ReadByte(2000);
        if (c < 0)
            return;
        if (c == kCan) {
            // The sender gave up: back to answering commands, or the
            // sync that follows the cancel would be taken for packet noise.
            ++cancels;
            return;
        }
        if (c != 2)
            continue;
        std::string packet(1, '\2');
        int size = sim.ReadByte(1000);
        if (size < 7)
            return;
        packet += static_cast<char>(size);
        packet += sim.Read(static_cast<size_t>(size - 2), 1000);
        packets.push_back(packet);
        const auto* bytes = reinterpret_cast<const uint8_t*>(packet.data());
        uint16_t crc = GFCrc16::CalculateBlock(bytes, static_cast<size_t>(size - 3), 0);
        int number = bytes[2];
        bool good = packet.size() == static_cast<size_t>(size) && bytes[size - 3] == (crc >> 8) &&
                    bytes[size - 2] == (crc & 0xFF) && bytes[size - 1] == '\r';
        if (!good || index == nakPacket) {
            if (index == nakPacket)
                nakPacket = -1;
            sim.Write(Answer(kNak, number));
            continue;
        }
        if (index == nakZeroAt) {
            nakZeroAt = -1;
            got.clear();
            index = 0;
            sim.Write(Answer(kNak, 0));
            continue;
        }
        if (number == 0)
            got.clear();  // a pass that starts over
        got += packet.substr(3, static_cast<size_t>(size - 6));
        ++index;
        sim.Write(Answer(kAck, number));
        if (got.size() < length)
            continue;
        if (verdictDelayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(verdictDelayMs));
        if (rejectPasses > 0) {
            --rejectPasses;
            got.clear();
            index = 0;
            sim.Write(Answer(kNak, 0) + Answer(kAck, 0));  // verdict, then ready again
            continue;
        }
        // Kept before the verdict goes out: once the program has it, a test
        // may look at what was stored.
        data = got;
        done(got);
        sim.Write(Answer(kAck, 0));
        return;
    }
}

std::string J57Setups::Normal(const std::string& name)
{
    std::string out;
    for (char c : name)
        if (c != ' ' && c != '\0')
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

SimSetup* J57Setups::Find(const std::string& name)
{
    for (auto& s : setups)
        if (Normal(s.name) == Normal(name))
            return &s;
    return nullptr;
}

std::string J57Setups::DirectoryRecord(const SimSetup& s)
{
    std::string name = s.name.substr(0, 12);
    name.resize(12, ' ');
    std::string extra = s.extra.substr(0, 32);
    extra.resize(32, ' ');
    return "DIR" + name + extra + s.protect + s.lock + s.active + "END";
}

J57Setups::J57Setups(J57Sim& sim) : sim_(sim)
{
    using R = std::optional<std::string>;
    sim.On("&I1,", [this](const std::string& c) -> R {
        std::string pattern = c.substr(4), stream;
        {
            std::lock_guard lock(sim_.Mutex());
            for (const auto& s : setups)
                if (pattern == "*.*" || Normal(s.name) == Normal(pattern))
                    stream += DirectoryRecord(s);
            stream += std::string(static_cast<size_t>(trailerBytes), '\x1A');
        }
        sim_.FollowReply(stream);
        return "Recv Binary!";
    });
    sim.On("&I4,", [this](const std::string& c) -> R {
        std::lock_guard lock(sim_.Mutex());
        SimSetup* s = Find(c.substr(4));
        if (!s)
            return "\x07Setup not found";
        std::string frame = std::string("\x01\x02\x08\x00", 4) + s->block + "CR\r";
        if (!silentStream)
            sim_.FollowReply(frame);
        return "Recv Binary!";
    });
    sim.On("&Q2", [this](const std::string&) -> R {
        std::lock_guard lock(sim_.Mutex());
        std::string frame = "SYS" + system + "END";
        if (!silentStream)
            sim_.FollowReply(frame);
        return "Recv Binary!";
    });
    sim.On("&I2,", [this](const std::string& c) -> R {
        std::lock_guard lock(sim_.Mutex());
        if (settingWrong)
            return "\x07WARNING - Setting Wrong";
        SimSetup* s = Find(c.substr(4));
        if (!s)
            return "\x07Setup not found";
        for (auto& other : setups)
            other.active = ' ';
        s->active = 'A';
        return "";
    });
    sim.On("&I6,", [this](const std::string& c) -> R {
        std::lock_guard lock(sim_.Mutex());
        SimSetup* s = Find(c.substr(4));
        if (!s)
            return "\x07Setup not found";
        if (s->protect == 'P' || s->lock == 'R')
            return "\x07Setup is locked";
        setups.erase(setups.begin() + (s - setups.data()));
        return "";
    });
    for (char which : {'7', '8'})
        sim.On(std::string("&I") + which + ",", [this, which](const std::string& c) -> R {
            std::lock_guard lock(sim_.Mutex());
            SimSetup* s = Find(c.substr(4));
            if (!s)
                return "\x07Setup not found";
            s->lock = which == '7' ? 'R' : ' ';
            return "";
        });
    sim.On("&I5,", [this](const std::string& c) -> R {
        std::string name = c.substr(4);
        receiver.Begin(sim_, 513, [this, name](const std::string& data) {
            std::lock_guard lock(sim_.Mutex());
            SimSetup* s = Find(name);
            if (!s) {
                setups.push_back({});
                s = &setups.back();
                s->name = name;
            }
            s->block = data;
        });
        return "Send Binary!";
    });
    sim.On("&S2", [this](const std::string&) -> R {
        receiver.Begin(sim_, 226, [this](const std::string& data) {
            std::lock_guard lock(sim_.Mutex());
            system = data;
        });
        return "Send Binary!";
    });
}

}  // namespace sim
