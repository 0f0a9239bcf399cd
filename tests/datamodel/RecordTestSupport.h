#pragma once
// Shared by the record tests: a view on a built output record, and a profile
// installed for one test.
#include "OutputRecordBuilder.h"
#include "Profile.h"
#include "RecordView.h"

inline RecordView ViewOf(const testsupport::OutputRecordBuilder& b)
{
    return RecordView(b.Bytes().data(), b.Bytes().size());
}

class ScopedProfile {
public:
    ScopedProfile() { platform::SetAppProfile(&profile); }
    ~ScopedProfile() { platform::SetAppProfile(nullptr); }
    platform::MemoryProfile profile;
};
