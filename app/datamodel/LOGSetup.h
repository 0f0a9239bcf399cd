#pragma once
// Setup of the logging sound level meter mode.
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

protected:
    void UpgradeOldBlock() override;
};
