#pragma once
// Setup of the real-time analyser mode; its block is three bytes shorter.
#include "MeasurementSetup.h"

class RTASetup : public MeasurementSetup {
public:
    RTASetup() = default;
    RTASetup(const RTASetup&) = default;
    RTASetup& operator=(const RTASetup&) = default;

    size_t BlockSize() const override { return 216; }
    const char* FileKey() const override { return "CVJ57SetupRta"; }
};
