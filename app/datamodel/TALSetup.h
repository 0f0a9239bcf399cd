#pragma once
// Setup of the ZU-Reru analyser mode (after the German TA Laerm noise rule).
// The accessors shared with the other measurement setups are in
// MeasurementSetup; these differ from the shared ones of the same name.
#include "MeasurementSetup.h"
#include "SetupValueTexts.h"

class TALSetup : public MeasurementSetup, public TALValueTexts {
public:
    TALSetup() = default;
    TALSetup(const TALSetup&) = default;
    TALSetup& operator=(const TALSetup&) = default;

    size_t BlockSize() const override { return 219; }
    const char* FileKey() const override { return "CVJ57SetupTal"; }

    // Byte 41 bit 2, set for any argument of 1 or more.
    void SetRtaDetectorFast(int fast);
    // Ln needs two bits: byte 41 bit 6 and byte 47 bit 1; on only when both
    // are set.
    int GetLnEnabled() const;
    void SetLnEnabled(int on);
};
