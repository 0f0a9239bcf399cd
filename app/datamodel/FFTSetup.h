#pragma once
// Setup of the FFT analyser mode: the shared accessors of MeasurementSetup
// and a few fields of its own.
#include "MeasurementSetup.h"

class FFTSetup : public MeasurementSetup {
public:
    FFTSetup() = default;
    FFTSetup(const FFTSetup&) = default;
    FFTSetup& operator=(const FFTSetup&) = default;

    size_t BlockSize() const override { return 219; }
    const char* FileKey() const override { return "CVJ57SetupFft"; }

    int IsOverloadSkipping() const;       // byte 47 bit 6
    void SetOverloadSkipping(int on);
    int GetBandwidth() const;             // byte 75: index of the editor's list
    void SetBandwidth(int index);         //   unchecked
    int GetAverageCount() const;          // bytes 76-77, high byte first
    void SetAverageCount(int count);      //   unchecked
    int GetWindow() const;                // byte 78: 0 rectangular, 1 Hanning, 2 flat-top
    void SetWindow(int window);           //   unchecked
};
