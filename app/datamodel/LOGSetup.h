#pragma once
// Setup of the logging sound level meter mode. The accessors shared with the
// other measurement setups are in MeasurementSetup; these differ from the
// shared ones of the same name.
#include "MeasurementSetup.h"
#include "SetupValueTexts.h"

class LOGSetup : public MeasurementSetup, public LOGValueTexts {
public:
    LOGSetup() = default;
    LOGSetup(const LOGSetup&) = default;
    LOGSetup& operator=(const LOGSetup&) = default;
    // A copy of a raw block (a setup made from a download file); the name and
    // title texts stay empty until read. Missing bytes are zero.
    LOGSetup(const uint8_t* block, size_t count);

    size_t BlockSize() const override { return 219; }
    const char* FileKey() const override { return "CVJ57SetupLOG"; }

    // Byte 41 bit 1: Ln enabled. The LOG block has no getter for it; the
    // shared one reads the SSA's bit, so it is closed here.
    void SetLnEnabled(int on);
    int GetLnEnabled() const = delete;
    // Byte 87, with the octave and third-octave weightings 3 and 4.
    int GetFreqWeighting() const;
    // Byte 90 as stored.
    int GetPeak1Weighting() const;
    // Byte 99: 0 to 998 (low byte), else 0.
    void SetIntervalThreshold(int db);

protected:
    void UpgradeOldBlock() override;
};
