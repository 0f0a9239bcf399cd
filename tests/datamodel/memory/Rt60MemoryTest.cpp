// The RT60 analysis of a damaged RTA file takes memory by the samples the
// file holds, not by the sample counts its events claim.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AllocationCount.h"
#include "DownloadFileBuilder.h"
#include "MeasDataSet.h"
#include "Profile.h"
#include "Rt60Decays.h"

namespace {

using fixtures::BodyBuilder;
using fixtures::DownloadFileBuilder;

// An RTA event whose two sample counts (pre-trigger and triggered) are both
// 0x7FFF: 65,534 samples of 33 bands it does not have.
BodyBuilder ClaimingEvent(int minute) {
    BodyBuilder b;
    b.BcdDate(10, 3, 3).BcdTime(12, minute, 0).U16(0).U8(2).U8(0).Fix88(0).Zeros(3).U16(0x7FFF).U16(0x7FFF).U8(0);
    for (int i = 0; i < 3 * 34; ++i) b.Fix88(60.0 + i % 20);
    return b.U8(0);
}

// A one-third octave spectrum sample of the time history.
std::string Sample(int n) {
    BodyBuilder b;
    b.U8(5).U8(0).U8(0x80).U8(0).Fix88(90.0 - n);
    for (int i = 0; i < 33; ++i) b.Fix88(90.0 - n - i % 5);
    return b.Bytes();
}

// Ten such events and the few samples that fill the file up to its size.
std::string DamagedRtaFile(size_t size) {
    auto build = [](int samples) {
        fixtures::HeaderSpec h;
        h.modeLine = "RTA";
        DownloadFileBuilder f;
        f.Header(h);
        f.Record('M', BodyBuilder().U8(1).Text("RT60", 8).Text("", 30).U8(4).U8(0).U8(0x80).PadTo(219));
        for (int e = 0; e < 10; ++e) f.Record(1, ClaimingEvent(e));
        std::vector<std::string> blocks;
        for (int s = 0; s < samples; ++s) blocks.push_back(Sample(s));
        f.Run(21, 72, blocks);
        return f.J57Trailer("09Mar2003", "14:05:30", "0.0").End().Bytes();
    };
    const size_t empty = build(0).size();
    return build(static_cast<int>((size - empty) / 72));
}

}  // namespace

TEST(Rt60Memory, DamagedSampleCountsTakeMemoryByTheSamplesPresent)
{
    platform::MemoryProfile memory;
    platform::SetAppProfile(&memory);
    fixtures::TempFolder folder;
    const std::string bytes = DamagedRtaFile(3240);
    ASSERT_LE(bytes.size(), 3240u);
    ASSERT_GT(bytes.size(), 3240u - 72);
    const std::string path = folder.Write("claims.slmdl", bytes);

    testsupport::ResetAllocationPeak();
    {
        MeasDataSet set;
        float version = 0;
        int reportType = 33;
        int lines = 18;
        ASSERT_EQ(set.LoadFile(path, &version, &reportType, 22, &lines), -318);
        RecordManagers& m = set.Records();
        ASSERT_EQ(m.events.GetCount(), 10);
        ASSERT_GT(m.timeHistory.GetCount(), 0);
        ASSERT_EQ(BuildRt60Decays(m.events, m.timeHistory, 33), 0);
        for (int i = 0; i < m.events.GetCount(); ++i) m.events.GetAt(i)->ComputeRt60Texts(10.0f, 0, 32);
        // The first event takes the samples there are, the others none.
        const EventRec& first = *m.events.GetAt(0);
        const int present = m.timeHistory.GetCount();
        EXPECT_FLOAT_EQ(first.GetDecayLevel(5, present - 1), m.timeHistory.GetAt(present - 1)->GetLiveBand(5));
        EXPECT_FLOAT_EQ(first.GetDecayLevel(5, present), 0.0f);
        EXPECT_EQ(m.events.GetAt(9)->GetDecayPeak(0).index, EventRec::DecayPeak{}.index);
    }
    const size_t peak = testsupport::AllocationPeakSinceReset();
    RecordProperty("peak_bytes", static_cast<int>(peak));
    EXPECT_LT(peak, size_t{1} << 20);
    platform::SetAppProfile(nullptr);
}
