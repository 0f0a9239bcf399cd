#pragma once
// The J57's boot loader behind "S2633": the prompt, loader records, the
// checksum, the copy to flash and the reboot; and the calibration block
// behind "&Q1" and "&S1". Faults per step.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "J57Setups.h"
#include "J57Sim.h"

namespace sim {

struct LoaderRecordSeen {
    char letter;
    int page, address, half;
};

struct J57Loader {
    std::array<uint8_t, 128> key{};
    std::vector<uint8_t> image = std::vector<uint8_t>(4096 * 128, 0);
    std::vector<LoaderRecordSeen> records;
    int refuseRecord = -1;     // this record (from 0) is answered 'N' once
    bool refuseAlways = false; // every record from refuseRecord on
    bool badChecksum = false;
    bool refuseErase = false;  // 'P' is answered 'N'
    int failedCopies = 0;      // copies to flash that report an error
    bool rebooted = false;
    bool aborted = false;  // left by ESC; back to answering commands
    std::string version;

    std::array<uint8_t, 63> calBlock{};
    bool badInnerCrc = false, badOuterCrc = false;
    PacketReceiver calReceiver;
    std::string calWritten;  // the 65 bytes of the restore

    void Install(J57Sim& sim);

private:
    void Run(J57Sim& sim);
    void SendFlash(J57Sim& sim);
};

}  // namespace sim
