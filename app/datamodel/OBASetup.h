#pragma once
// Setup of the octave band analyser of model J46, over a 154-byte block with
// the header of the measurement blocks. The program reads these from download
// files; a setup record never writes one to a file.
#include "NamedSetup.h"
#include "SetupValueTexts.h"

class OBASetup : public NamedSetup, public OBAValueTexts {
public:
    OBASetup() = default;
    OBASetup(const OBASetup&) = default;
    OBASetup& operator=(const OBASetup&) = default;

    size_t BlockSize() const override { return 154; }
    const char* FileKey() const override { return "CVJ46SetupOBA"; }
};
