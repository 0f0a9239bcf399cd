#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "RecordMgr.h"

namespace {
struct Small {
    int value;
};
struct Large {
    int value;
    char payload[3000] = {};
};

// Adds n records numbered from 0 and keeps the pointer of each.
template <class Rec>
std::vector<const Rec*> Fill(RecordMgr<Rec>& mgr, int n)
{
    std::vector<const Rec*> added;
    for (int i = 0; i < n; ++i)
        added.push_back(&mgr.Add(Rec{i}));
    return added;
}

template <class Rec>
void ExpectInOrderAndInPlace(const RecordMgr<Rec>& mgr, const std::vector<const Rec*>& added)
{
    ASSERT_EQ(mgr.GetCount(), static_cast<int>(added.size()));
    for (int i = 0; i < mgr.GetCount(); ++i) {
        ASSERT_EQ(mgr.GetAt(i), added[static_cast<size_t>(i)]) << i;
        ASSERT_EQ(mgr.GetAt(i)->value, i);
    }
    EXPECT_EQ(mgr.GetAt(-1), nullptr);
    EXPECT_EQ(mgr.GetAt(mgr.GetCount()), nullptr);
    EXPECT_EQ(mgr.GetLast(), added.empty() ? nullptr : added.back());
}
}  // namespace

TEST(RecordMgr, RecordsStayInPlaceAcrossBlocks)
{
    // Counts around the first blocks and well past the largest one.
    for (int n : {0, 1, 8, 9, 24, 25, 5000, 70000}) {
        RecordMgr<Small> small;
        ExpectInOrderAndInPlace(small, Fill(small, n));
        RecordMgr<Large> large;
        ExpectInOrderAndInPlace(large, Fill(large, n / 10));
    }
}

TEST(RecordMgr, EmptiedManagerTakesTheNextRecordsAndOwnsThem)
{
    RecordMgr<Small> mgr;
    Fill(mgr, 1000);
    mgr.RemoveAll();
    EXPECT_TRUE(mgr.IsEmpty());
    EXPECT_EQ(mgr.GetAt(0), nullptr);
    ExpectInOrderAndInPlace(mgr, Fill(mgr, 300));

    // Records that own memory are freed with the manager (the sanitizer
    // build sees a leak otherwise).
    RecordMgr<std::unique_ptr<int>> owning;
    for (int i = 0; i < 100; ++i)
        owning.Add(std::make_unique<int>(i));
    ASSERT_EQ(**owning.GetAt(99), 99);
    owning.RemoveAll();
    owning.Add(std::make_unique<int>(7));
    EXPECT_EQ(**owning.GetAt(0), 7);
}
