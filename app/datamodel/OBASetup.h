#pragma once
// Setup of the octave band analyser of model J46, over a 154-byte block with
// the header of the measurement blocks. The program reads these from download
// files; a setup record never writes one to a file. Its range codes run
// 0 normal, 1 high, 2 low, unlike the J57 blocks.
#include "NamedSetup.h"
#include "SetupValueTexts.h"

class OBASetup : public NamedSetup, public OBAValueTexts {
public:
    OBASetup() = default;
    OBASetup(const OBASetup&) = default;
    OBASetup& operator=(const OBASetup&) = default;

    size_t BlockSize() const override { return 154; }
    const char* FileKey() const override { return "CVJ46SetupOBA"; }

    // Byte 42.
    int IsIntervalAutoStop() const;       // bit 4
    void SetIntervalAutoStop(int on);
    int IsIntervalTimeSync() const;       // bit 5
    void SetIntervalTimeSync(int on);
    int IsIntervalsEnabled() const;       // bit 7
    void SetIntervalsEnabled(int on);

    // Byte 87 holds 3 for octaves and 4 for third octaves; the editor lists
    // them as 0 and 1. Other stored codes are returned as they are.
    int GetBandwidth() const;
    void SetBandwidth(int index);         // 1: third octaves, else octaves
    int GetAcOutFilter() const;           // 89: 0 flat, 1 weighted
    void SetAcOutFilter(int filter);      //   unchecked
    int GetRange() const;                 // 91: 0 normal, 1 high, 2 low
    void SetRange(int range);             //   0 to 2, else 0
    int GetScanMode() const;              // 98: 0 manual, 1 auto, 2 timed
    void SetScanMode(int mode);           //   0 to 2, else 0
    int GetProfile() const;               // 99: 0 normal, 1 short, 2 long, 3 custom
    void SetProfile(int profile);         //   0 to 3, else 0

};
