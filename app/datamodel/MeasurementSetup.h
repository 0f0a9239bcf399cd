#pragma once
// Base of the six measurement setup classes (SSA, ISM, LOG, TAL, FFT over a
// 219-byte block, RTA over a 216-byte block). The blocks share one layout, and
// the editor pages and writers call the accessors of one mode on the blocks of
// another, so the accessors that mean the same on every block live here; a
// class keeps its own only where its accessor of the same name differs.
#include "NamedSetup.h"

class MeasurementSetup : public NamedSetup {
protected:
    MeasurementSetup() = default;
    MeasurementSetup(const MeasurementSetup&) = default;
    MeasurementSetup& operator=(const MeasurementSetup&) = default;
};
