#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "SetupBlockBuilder.h"
#include "SetupMgrJ46.h"

using testsupport::SetupBlockBuilder;

namespace {
std::unique_ptr<SetupRec> Record(const std::string& name, int origin, int type = 5)
{
    auto record = std::make_unique<SetupRec>();
    record->SetType(type);
    record->SetOrigin(origin);
    if (type == 5) {
        auto block = SetupBlockBuilder(219).Version(3).Name(name).Mode(0).Bytes();
        record->LoadSSASetup(block.data(), block.size());
    } else if (type == 7) {
        auto block = SetupBlockBuilder(219).Version(3).Name(name).Mode(2).Bytes();
        record->LoadLOGSetup(block.data(), block.size());
    }
    return record;
}

std::vector<std::string> Names(const SetupMgrJ46& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.GetCount(); ++i)
        names.push_back(list.GetAt(i)->GetName());
    return names;
}

class SetupMgrJ46Test : public testing::Test {
protected:
    void SetUp() override
    {
        list.SetDocument([this](SetupRec& r) { pagesDropped.push_back(r.GetName()); });
        list.AddSorted(Record("A", 7));
        list.AddSorted(Record("B", 7));
        list.AddSorted(Record("X", 5));
        list.AddSorted(Record("Y", 6));
        list.AddSorted(Record("", 7, 1));
    }
    SetupMgrJ46 list;
    std::vector<std::string> pagesDropped;
};
}  // namespace

TEST_F(SetupMgrJ46Test, OrdersSystemThenInstrumentSetupsThenLatestLocalFirst)
{
    EXPECT_EQ(Names(list), (std::vector<std::string>{"System", "A", "B", "Y", "X"}));
    list.AddSorted(Record("C", 7));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"System", "A", "B", "C", "Y", "X"}));
    EXPECT_EQ(list.GetAt(6), nullptr);
    EXPECT_EQ(list.GetAt(-1), nullptr);
}

TEST_F(SetupMgrJ46Test, FindsMatchNameWithoutCaseAndTypeWithinTheirOrigin)
{
    list.AddSorted(Record("SETUP1", 7, 7));
    list.AddSorted(Record("SETUP1", 5));  // a file setup of the same name
    int index = 99;
    auto probe = Record("sETUP1", 0, 7);
    EXPECT_TRUE(list.FindInstrumentSetup(*probe, index));
    EXPECT_EQ(index, 3);
    EXPECT_EQ(list.GetAt(index)->GetType(), 7);

    EXPECT_FALSE(list.FindInstrumentSetup(*Record("setup1", 0, 5), index));  // other type
    EXPECT_EQ(index, -1);

    EXPECT_TRUE(list.FindLocalSetup("Setup1", 5, index));
    EXPECT_EQ(index, 4);
    EXPECT_EQ(list.GetAt(index)->GetOrigin(), 5);
    EXPECT_FALSE(list.FindLocalSetup("A", 5, index));  // A is the instrument's
    EXPECT_EQ(index, -1);
}

TEST_F(SetupMgrJ46Test, ReplaceAtDropsThePagesBeforeDeletingTheOldRecord)
{
    list.ReplaceAt(1, Record("A2", 7));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"System", "A2", "B", "Y", "X"}));
    EXPECT_EQ(pagesDropped, (std::vector<std::string>{"A"}));

    list.ReplaceAt(5, Record("Z", 7));  // past the end: nothing
    list.ReplaceAt(-1, Record("Z", 7));
    EXPECT_EQ(list.GetCount(), 5);
    EXPECT_EQ(pagesDropped.size(), 1u);
}

TEST_F(SetupMgrJ46Test, RemoveFindsTheRecordByIdentity)
{
    SetupRec* b = list.GetAt(2);
    auto lookalike = Record("B", 7);
    list.Remove(lookalike.get());
    EXPECT_EQ(list.GetCount(), 5);

    list.Remove(b);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"System", "A", "Y", "X"}));
    EXPECT_EQ(pagesDropped, (std::vector<std::string>{"B"}));
}

TEST_F(SetupMgrJ46Test, SetCurrentMarksOneRecordAndClearsTheOthers)
{
    list.SetCurrent(list.GetAt(1));
    list.SetCurrent(list.GetAt(2));
    for (int i = 0; i < list.GetCount(); ++i)
        EXPECT_EQ(list.GetAt(i)->IsCurrent(), i == 2) << i;

    auto stranger = Record("Q", 7);
    list.SetCurrent(stranger.get());
    for (int i = 0; i < list.GetCount(); ++i)
        EXPECT_FALSE(list.GetAt(i)->IsCurrent()) << i;
}
