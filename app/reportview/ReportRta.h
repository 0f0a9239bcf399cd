#pragma once
// What the RTA reports read of the RTA setup record.

class MeasDataSet;

namespace rta {

// The RTA measurement has third-octave bands (else octave bands).
bool ThirdOctave(const MeasDataSet& data);

}  // namespace rta
