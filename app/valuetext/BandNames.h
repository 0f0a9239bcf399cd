#pragma once
// Band names: the one-third octave centre frequencies the instruments know,
// "8.0 Hz" to "20000 Hz", as the setup texts and the reports show them; the
// same names without their unit, as the band columns of the tables show
// them; and how a table of bands is split into two columns.
#include <string>

// The 33 bands of the sound spectrum analyser and the RTA, "12.5 Hz" (0) to
// "20000 Hz" (32); empty past the bands.
std::string SsaBandName(int band);
// The 33 bands of the ZU-Reru meter, "8.0 Hz" (0) to "12500 Hz" (32);
// empty past the bands.
std::string TalBandName(int band);
// The 30 bands of the octave band analyser, "25.0 Hz" (0) to "20000 Hz"
// (29); empty past the bands.
std::string ObaBandName(int band);

// The band name without its unit (" Hz"): "12.5 Hz" shows as 12.5.
std::string WithoutUnit(std::string name);

// "12.5" to "20000" and "8.0" to "12500": the names above without their unit.
inline std::string SsaBandLabel(int band) { return WithoutUnit(SsaBandName(band)); }
inline std::string TalBandLabel(int band) { return WithoutUnit(TalBandName(band)); }

// The short heading of the bands above as the SSA interval table shows it:
// whole hertz without ".0", kilohertz from 1000 Hz, right-aligned in seven
// characters: " 12.5Hz" (0), "   16Hz", "   1KHz", "1.25KHz" ... "  20KHz"
// (32); empty past the bands.
std::string SsaBandShortHeading(int band);

// Band position 0 to 32 of an RTA table in one-third octaves, or 0 to 10 in
// octaves (every third band, "16.0 Hz" to "16000 Hz"), with and without its
// unit; empty past the last band.
inline std::string RtaBandName(int position, bool thirdOctave)
{
    return SsaBandName(thirdOctave ? position : 3 * position + 1);
}
inline std::string RtaBandLabel(int position, bool thirdOctave)
{
    return WithoutUnit(RtaBandName(position, thirdOctave));
}

// The rows of a table of count bands in two columns: the left column runs
// down the first half of the bands (the larger half of an odd count), the
// right column down the rest, so row r holds band r and, when it is below
// count, band r + rows.
constexpr int TwoColumnRows(int count) { return (count + 1) / 2; }
