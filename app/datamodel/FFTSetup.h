#pragma once
// Setup of the FFT analyser mode.
#include "MeasurementSetup.h"

class FFTSetup : public MeasurementSetup {
public:
    FFTSetup() = default;
    FFTSetup(const FFTSetup&) = default;
    FFTSetup& operator=(const FFTSetup&) = default;

    size_t BlockSize() const override { return 219; }
    const char* FileKey() const override { return "CVJ57SetupFft"; }
};
