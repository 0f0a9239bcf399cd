#include "J57Loader.h"

#include <chrono>
#include <thread>

#include "GFCrc16.h"

namespace sim {

namespace {
constexpr char kEsc = 27;
}

void J57Loader::Install(J57Sim& sim)
{
    sim.On("S2633, ", [this, &sim](const std::string& c) {
        version = c.substr(7);
        sim.AfterReply([this, &sim] { Run(sim); });
        return std::optional<std::string>();  // the loader answers with single characters
    });
    sim.On("&Q1", [this, &sim](const std::string&) {
        std::string frame = "CAL" + std::string(calBlock.begin(), calBlock.end());
        uint16_t inner = GFCrc16::CalculateBlock(calBlock.data() + 1, 62, 0xCA53) ^ (badInnerCrc ? 1 : 0);
        frame += static_cast<char>(inner >> 8);
        frame += static_cast<char>(inner & 0xFF);
        uint16_t outer = GFCrc16::CalculateBlock(frame.data(), 68, 0) ^ (badOuterCrc ? 1 : 0);
        frame += static_cast<char>(outer >> 8);
        frame += static_cast<char>(outer & 0xFF);
        frame += '\r';
        sim.FollowReply(frame);
        return std::optional<std::string>("Recv Binary!");
    });
    sim.On("&S1", [this, &sim](const std::string&) {
        calReceiver.Begin(sim, 65, [this](const std::string& data) { calWritten = data; });
        return std::optional<std::string>("Send Binary!");
    });
}

void J57Loader::SendFlash(J57Sim& sim)
{
    std::string stream(64, 'A');
    if (failedCopies > 0) {
        --failedCopies;
        stream[10] = 'X';
    }
    sim.Write(stream + kEsc + kEsc);
}

void J57Loader::Run(J57Sim& sim)
{
    sim.Write("L");
    int promptsP = 0;
    bool flashing = false;
    for (;;) {
        int c = sim.ReadByte(5000);
        if (c < 0)
            return;
        if (c == '\r') {
            sim.Write("R");
        } else if (c == 'R' && flashing) {  // retry of a failed copy
            sim.Write("A");
            SendFlash(sim);
        } else if (c == 'R' || c == 'E') {
            std::string body = sim.Read(c == 'R' ? 132 : 4, 1000);
            if (body.size() != (c == 'R' ? 132u : 4u))
                return;
            const auto* b = reinterpret_cast<const uint8_t*>(body.data());
            unsigned sum = 0;
            for (uint8_t x : body)
                sum += x;
            const int index = static_cast<int>(records.size());
            if ((sum & 0xFF) != 0 || (refuseRecord >= 0 && index >= refuseRecord)) {
                if (!refuseAlways)
                    refuseRecord = -1;
                sim.Write("N");
                continue;
            }
            records.push_back({static_cast<char>(c), b[0], b[1], b[2]});
            int half = b[2] ? 1 : 0;
            int block = b[0] == 0 && b[1] >= 128 ? 2 * (1920 + b[1] - 128) + half : 2 * (b[0] * 64 + b[1] - 64) + half;
            for (int i = 0; i < 128; ++i) {
                uint8_t data = c == 'R' ? b[3 + i] : 0xFF;
                image[static_cast<size_t>(block * 128 + i)] =
                    static_cast<uint8_t>(data ^ ((i + 1) & 0xF0) ^ key[static_cast<size_t>(i)]);
            }
            sim.Write("A");
        } else if (c == 'C') {
            sim.Write(badChecksum ? "CS12" : "CS00");
        } else if (c == 'P') {
            if (refuseErase) {
                sim.Write("N");
            } else if (++promptsP < 5) {
                sim.Write("p");
            } else {
                sim.Write("\xff");
                flashing = true;
                SendFlash(sim);
            }
        } else if (c == 'S') {
            sim.Read(4, 1000);
            rebooted = true;
            sim.SetInstrumentRate(9600);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            sim.Write("J57 ready\r\n");
            return;
        } else if (c == kEsc) {
            aborted = true;
            return;
        }
    }
}

}  // namespace sim
