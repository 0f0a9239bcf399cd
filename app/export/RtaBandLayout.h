#pragma once
// The bands of an RTA report, by the bandwidth of the RTA setup record
// (kind 70): 33 one-third octaves "12.5 Hz" to "20000 Hz", or 11 octaves
// "16.0 Hz" to "16000 Hz" held in the first 11 places of a spectrum.
#include <string>

#include "BandNames.h"
#include "KeptRecordFields.h"
#include "RecordView.h"

struct RtaBandLayout {
    bool thirdOctave = true;
    int total = 33;                // bands
    int rows = TwoColumnRows(33);  // rows of a two-column table: the left column
    const char* label = "1/3dB";

    // Without a setup record every band is shown, so that no data is hidden.
    static RtaBandLayout Of(const RecordView& setup)
    {
        if (setup.IsEmpty() || (setup.U8(RtaSetupFields::kBandwidthFlags) & 0x80) != 0)
            return {};
        return {false, 11, TwoColumnRows(11), "1/1dB"};
    }
    // The name of band position 0 to total - 1 ("12.5 Hz", or the octave
    // centre); empty past the last band.
    std::string Name(int band) const { return RtaBandName(band, thirdOctave); }
    // The same without its unit, as the band columns show it.
    std::string Label(int band) const { return RtaBandLabel(band, thirdOctave); }
};
