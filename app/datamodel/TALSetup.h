#pragma once
// Setup of the ZU-Reru analyser mode (after the German TA Laerm noise rule).
#include "MeasurementSetup.h"
#include "SetupValueTexts.h"

class TALSetup : public MeasurementSetup, public TALValueTexts {
public:
    TALSetup() = default;
    TALSetup(const TALSetup&) = default;
    TALSetup& operator=(const TALSetup&) = default;

    size_t BlockSize() const override { return 219; }
    const char* FileKey() const override { return "CVJ57SetupTal"; }
};
