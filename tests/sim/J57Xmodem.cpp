#include "J57Xmodem.h"

#include <chrono>
#include <thread>

#include "GFCrc16.h"

namespace sim {

namespace {
constexpr char kSoh = 1, kStx = 2, kEot = 4, kAck = 6, kNak = 21, kCan = 24;
}

void XmodemSender::Install(J57Sim& sim)
{
    sim.On("X160", [this, &sim](const std::string&) {
        if (!refusal.empty())
            return std::optional<std::string>("\x07" + refusal);
        sim.AfterReply([this, &sim] { Run(sim); });
        return std::optional<std::string>("");
    });
}

void XmodemSender::Run(J57Sim& sim)
{
    int start = -1;
    for (int i = 0; i < 100 && start < 0; ++i) {
        int c = sim.ReadByte(100);
        if (c == 'C' && !ignoreCrc)
            start = c;
        else if (c == kNak)
            start = c;
    }
    if (start < 0)
        return;
    crcUsed = start == 'C';
    const size_t size = use1k ? 1024 : 128;
    const size_t count = (payload.size() + size - 1) / size;
    for (size_t n = 1; n <= count; ++n) {
        const int number = static_cast<int>(n);
        if (number == stallBeforeBlock) {
            std::this_thread::sleep_for(std::chrono::milliseconds(stallMs));
            sim.DrainInput();
        }
        if (number == cancelBeforeBlock) {
            sim.Write(std::string{kCan, kCan});
            return;
        }
        if (number == wrongFirstAt) {
            sim.Write("Z");
            return;
        }
        std::string data = payload.substr((n - 1) * size, size);
        data.resize(size, '\x1A');
        std::string block{use1k ? kStx : kSoh, static_cast<char>(n & 0xFF), static_cast<char>(255 - (n & 0xFF))};
        block += data;
        if (crcUsed) {
            uint16_t crc = GFCrc16::CalculateBlock(data.data(), data.size(), 0);
            block += static_cast<char>(crc >> 8);
            block += static_cast<char>(crc & 0xFF);
        } else {
            unsigned sum = 0;
            for (unsigned char b : data)
                sum += b;
            block += static_cast<char>(sum & 0xFF);
        }
        for (;;) {
            std::string wire = block;
            const bool corrupted = alwaysCorrupt || (number == corruptBlock && corruptTimes > 0);
            if (corrupted) {
                --corruptTimes;
                wire[5] = static_cast<char>(wire[5] ^ 0x55);
            }
            if (number == eotForHeader) {
                eotForHeader = -1;
                wire[0] = kEot;
            }
            if (blocksSent == 0)
                firstBlockAt = std::chrono::steady_clock::now();
            sim.Write(wire);
            ++blocksSent;
            if (corrupted && cancelAfterCorrupt) {
                sim.Write(std::string{kCan, kCan});
                return;
            }
            int answer = corrupted && noiseMs > 0 ? AnswerThroughNoise(sim) : sim.ReadByte(3000);
            if (answer == kAck && n == count)
                lastAckAt = std::chrono::steady_clock::now();
            if (answer == kAck && number == repeatBlock) {
                repeatBlock = -1;
                continue;  // the ACK "got lost": the same block again
            }
            if (answer == kAck)
                break;
            if (answer == kNak || answer == 'C')
                continue;
            return;  // CAN, silence or noise: the sender gives up
        }
    }
    for (int i = 0; i < 10; ++i) {
        sim.Write(std::string(1, kEot));
        int answer = sim.ReadByte(3000);
        if (answer == kAck) {
            finished = true;
            return;
        }
        if (answer != kNak)
            return;
        if (singleEot) {
            // It does not send EOT again, but takes a late ACK.
            finished = sim.ReadByte(3000) == kAck;
            return;
        }
    }
}

int XmodemSender::AnswerThroughNoise(J57Sim& sim)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(3000);
    int noise = 0;
    while (std::chrono::steady_clock::now() < end && !sim.Stopping()) {
        const int answer = sim.ReadByte(noiseMs);
        if (answer >= 0 && answersLost > 0) {
            --answersLost;
            noise = 0;
            continue;
        }
        if (answer >= 0)
            return answer;
        sim.Write(std::string(1, kSoh));
        if (onNoise)
            onNoise(++noise);
    }
    return -1;
}

}  // namespace sim
