#pragma once
// The J57's XMODEM sender behind "X160": waits for the receiver's start
// ('C' for CRC-16, NAK for checksums), sends 128- or 1024-byte blocks with
// the last one padded with 0x1A, and ends with EOT, repeated while it is
// answered with NAK. Faults per block.
#include <chrono>
#include <functional>
#include <string>

#include "J57Sim.h"

namespace sim {

struct XmodemSender {
    std::string payload;
    bool use1k = false;
    bool ignoreCrc = false;    // answers only a NAK start (an old sender)
    int corruptBlock = -1;     // this block (from 1) is sent corrupted
    int corruptTimes = 0;      // that many times
    bool alwaysCorrupt = false;
    int stallBeforeBlock = -1;
    int stallMs = 0;
    int cancelBeforeBlock = -1;  // CAN CAN instead of this block
    int wrongFirstAt = -1;       // a stray byte instead of this block
    int repeatBlock = -1;        // sent twice, as if our ACK was lost
    int eotForHeader = -1;       // line noise: this block's header arrives as EOT, once
    bool singleEot = false;      // does not repeat its EOT after a NAK
    bool cancelAfterCorrupt = false;  // CAN CAN right behind a corrupted block
    // Line noise while a corrupted block awaits its answer: a stray byte
    // every noiseMs, each reported to onNoise with its number since the
    // block or since the last answer lost (below). It comes on the line's own
    // clock, so one can cross the receiver's request to send again and
    // arrive where the next block's header belongs. The stray byte is SOH:
    // there it makes that block one more bad block, as noise does on a real
    // line, where another value would end the transfer as a wrong first byte
    // (a fault of its own, given by wrongFirstAt).
    int noiseMs = 0;
    std::function<void(int)> onNoise;
    // The noise swallows that many of the receiver's answers to a corrupted
    // block: the sender goes on waiting, and the receiver, waiting for the
    // block again, meets the noise instead.
    int answersLost = 0;
    std::string refusal;  // "X160" is refused with BEL and this text

    bool crcUsed = false;
    bool finished = false;  // EOT acknowledged
    int blocksSent = 0;
    // When the first block began to go out and when the last block's ACK
    // came (the payload's time on the line).
    std::chrono::steady_clock::time_point firstBlockAt{};
    std::chrono::steady_clock::time_point lastAckAt{};

    void Install(J57Sim& sim);
    void Run(J57Sim& sim);

private:
    int AnswerThroughNoise(J57Sim& sim);
};

}  // namespace sim
