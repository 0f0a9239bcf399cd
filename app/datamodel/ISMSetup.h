#pragma once
// Setup of the integrating sound level meter mode.
#include "MeasurementSetup.h"
#include "SetupValueTexts.h"

class ISMSetup : public MeasurementSetup, public ISMValueTexts {
public:
    ISMSetup() = default;
    ISMSetup(const ISMSetup&) = default;
    ISMSetup& operator=(const ISMSetup&) = default;

    size_t BlockSize() const override { return 219; }
    const char* FileKey() const override { return "CVJ57SetupIsm"; }
};
