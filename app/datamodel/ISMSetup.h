#pragma once
// Setup of the integrating sound level meter mode. Its page reads with the
// shared accessors of MeasurementSetup; only the threshold setter differs.
#include "MeasurementSetup.h"
#include "SetupValueTexts.h"

class ISMSetup : public MeasurementSetup, public ISMValueTexts {
public:
    ISMSetup() = default;
    ISMSetup(const ISMSetup&) = default;
    ISMSetup& operator=(const ISMSetup&) = default;

    size_t BlockSize() const override { return 219; }
    const char* FileKey() const override { return "CVJ57SetupIsm"; }

    // Byte 75: 0 to 255, else 80.
    void SetThreshold(int db);
};
