#pragma once
// Setup of the simple sound analyser mode.
#include "MeasurementSetup.h"
#include "SetupValueTexts.h"

class SSASetup : public MeasurementSetup, public SSAValueTexts {
public:
    SSASetup() = default;
    SSASetup(const SSASetup&) = default;
    SSASetup& operator=(const SSASetup&) = default;

    size_t BlockSize() const override { return 219; }
    const char* FileKey() const override { return "CVJ57SetupSsa"; }

protected:
    void UpgradeOldBlock() override;
};
