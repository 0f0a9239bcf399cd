#pragma once
// Setup values as the words of reports, exports and some editor pages
// ("Slow", "1/3", "+10", "63.0 Hz"). They take stored codes, as read from a
// raw setup block or a translated record, and need no setup object: the setup
// classes inherit them, so that every printer calls them by the class whose
// block the code comes from (SSASetup::GainText, OBASetup::GetRangeText).
// Codes are taken as one byte; a code a table does not list gives the empty
// text unless a default is named. A text operation fills out and returns it.
#include <string>

// The number of set bits among the low 8 bits of value.
int CountFlagBits(int value);
// 1 when value AND mask AND 0xFF is not zero, else 0.
int IsFlagSet(int value, int mask);

struct SSAValueTexts {
    static const std::string& WeightingText(int code, std::string& out);       // A, C, Flat
    static const std::string& WeightingLetter(int code, std::string& out);     // A, C, F
    static const std::string& Peak1WeightingText(int code, std::string& out);  // A, C, else Flat
    static const std::string& AcOutputText(int code, std::string& out);
    static const std::string& GainText(int code, std::string& out);            // else "+0"
    static const std::string& SecondDisplayText(int code, std::string& out);
    // The spectral Ln option of the 16-bit word: "None" (0), "Overall" (1),
    // any other "Interval".
    static const char* SpectralLnText(int option);
    // The interval spectra option of the 16-bit word: "None" (0), "At Max"
    // (1), "Min of Min" (2), any other empty.
    static const char* IntervalSpectraText(int option);
    // 33 third-octave bands, "12.5 Hz" (0) to "20000 Hz" (32).
    static const std::string& BandName(int index, std::string& out);
    // The octave centres 1, 4, ... 31 by their band name; other indexes empty.
    static const std::string& OctaveBandName(int index, std::string& out);
    static int IsBit02Set(int value) { return (value & 0x02) != 0; }
    static int IsBit04Set(int value) { return (value & 0x04) != 0; }
    static int IsBit08Set(int value) { return (value & 0x08) != 0; }
    static int IsBit10Set(int value) { return (value & 0x10) != 0; }
    static int IsBit20Set(int value) { return (value & 0x20) != 0; }
    static int IsBit40Set(int value) { return (value & 0x40) != 0; }
    static int IsBit80Set(int value) { return (value & 0x80) != 0; }
};

struct LOGValueTexts {
    static const std::string& WeightingText(int code, std::string& out);  // A, C, else Flat
    static const std::string& WeightingLetter(int code, std::string& out);  // A, C, else F
    static const std::string& FreqWeightingText(int code, std::string& out);
    static const std::string& FreqWeightingShortText(int code, std::string& out);
    static const std::string& RangeText(int code, std::string& out);  // J57: Normal, Low, High
    static const std::string& AcOutputText(int code, std::string& out);
    static const std::string& OtherLevelText(int code, std::string& out);
    static const std::string& PeriodUnitText(int code, std::string& out);
    static const std::string& ReportChoiceText(int code, std::string& out);
    static const std::string& TimerModeText(int code, std::string& out);
    // dB of an exchange-rate index: index + 3 below 5, else 3.
    static int ExchangeRateToDb(int index);
    // weighting x 3 + detector when both are 0 to 2, else 0: the index of the
    // nine-entry tables of the LOG summaries.
    static int WeightingDetectorIndex(int weighting, int detector);
};

struct ISMValueTexts {
    static const std::string& GetDetectorText(int code, std::string& out);  // Slow, Fast, Impulse
    static const std::string& GetRangeText(int code, std::string& out);     // J57: Normal, Low, High
    static const std::string& GetAcOutputText(int code, std::string& out);  // Flat, Weighted
};

struct TALValueTexts {
    static const std::string& DetectorText(int code, std::string& out);
    static const std::string& WeightingText(int code, std::string& out);
    // 33 bands, "8.0 Hz" (0) to "12500 Hz" (32).
    static const std::string& BandName(int index, std::string& out);
};

struct OBAValueTexts {
    static const std::string& GetRangeText(int code, std::string& out);  // J46: Normal, High, Low
    static const std::string& GetScanModeText(int code, std::string& out);
    static const std::string& GetProfileText(int code, std::string& out);
    static const std::string& GetBandwidthText(int code, std::string& out);  // 3 "1/1", 4 "1/3"
    // 30 bands, "25.0 Hz" (0) to "20000 Hz" (29).
    static const std::string& GetBandLabel(int index, std::string& out);
    // 3 gives 0, 4 gives 1, any other 0.
    static int GetBandwidthIndex(int code);
};

struct RTAValueTexts {
    // The arm, trigger and end modes: "Now" (0), "L<", "L=", "L>", "Input",
    // "Time", "Count" (6).
    static const std::string& TriggerModeText(int code, std::string& out);
    // The exponential detector times, "1/32" (0) to "64" (11) seconds.
    static const std::string& ExpDetectorTimeText(int code, std::string& out);
    // The trigger source: third-octave band 0 to 32 by its name ("12.5 Hz"
    // to "20000 Hz"), the flat level from code 33 on ("Flat").
    static constexpr int kFlatTriggerSource = 33;
    static const std::string& TriggerSourceText(int code, std::string& out);
    // A linear detector time on the instrument's grid of 0.0025 s: rounded
    // to 0.0001 s, then cut down to a multiple of 0.0025 s ("0.1250").
    static std::string LinearDetectorTimeText(float seconds);
};
