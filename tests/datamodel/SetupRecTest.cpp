#include <gtest/gtest.h>

#include <memory>

#include "SetupBlockBuilder.h"
#include "SetupRec.h"
#include "SetupTypes.h"
#include "SystemSetupFields.h"

using testsupport::SetupBlockBuilder;

namespace {
std::unique_ptr<SetupRec> RtaRecord(const std::string& name)
{
    auto block = SetupBlockBuilder(216).Version(4).Name(name).Title("t").Mode(4).Bytes();
    auto record = std::make_unique<SetupRec>();
    record->SetType(10);
    record->LoadRTASetup(block.data(), block.size());
    return record;
}
}  // namespace

TEST(SetupRec, TypeAndOriginSettersKeepOnlyKnownCodes)
{
    SetupRec r;
    for (int type : {1, 5, 10, 13}) {
        r.SetType(type);
        EXPECT_EQ(r.GetType(), type);
    }
    for (int type : {2, 3, 4, 14, -1, 101}) {
        r.SetType(type);
        EXPECT_EQ(r.GetType(), 0) << type;
    }
    for (int origin : {0, 5, 6, 7}) {
        r.SetOrigin(origin);
        EXPECT_EQ(r.GetOrigin(), origin);
    }
    for (int origin : {1, 4, 8}) {
        r.SetOrigin(origin);
        EXPECT_EQ(r.GetOrigin(), 0) << origin;
    }
    EXPECT_FLOAT_EQ(SetupRec().GetParam207(), 15.0f);
}

TEST(SetupRec, NamesComeFromTheSetupObjectOfItsType)
{
    auto r = RtaRecord("RT1");
    EXPECT_EQ(r->GetName(), "RT1");
    std::string text;
    EXPECT_EQ(r->GetBlockName(text), "RT1     ");
    EXPECT_EQ(r->GetTypeExtUpper(text), ".RTA");

    r->SetName("RENAMED12");
    EXPECT_EQ(r->GetName(), "RENAMED1");

    SetupRec system;
    system.SetType(1);
    EXPECT_EQ(system.GetName(), "System");
    EXPECT_EQ(system.GetBlockName(text), "");
    EXPECT_EQ(system.GetTypeExtUpper(text), "");

    SetupRec missing;  // type without its object
    missing.SetType(5);
    missing.SetName("X");
    EXPECT_EQ(missing.GetName(), "");

    r->SetType(5);  // the RTA object is not the SSA one
    EXPECT_EQ(r->GetName(), "");
}

TEST(SetupRec, ImageIndexFollowsOriginAndFlags)
{
    struct Case {
        int origin, type, locked, prot, current, image;
    };
    const Case cases[] = {
        {5, 5, 1, 1, 1, 3},  {6, 5, 0, 0, 1, 4},  {7, 1, 1, 0, 1, 6},
        {7, 5, 1, 0, 1, 5},  {7, 5, 1, 1, 0, 1},  {7, 5, 1, 0, 0, 2},
        {7, 5, 0, 0, 0, 0},  {0, 5, 1, 1, 1, 0},
    };
    for (const Case& c : cases) {
        SetupRec r;
        r.SetOrigin(c.origin);
        r.SetType(c.type);
        r.SetLocked(c.locked);
        r.SetPFlag(c.prot);
        r.SetCurrent(c.current);
        EXPECT_EQ(r.GetImageIndex(), c.image)
            << c.origin << " locked " << c.locked << " protected " << c.prot << " current " << c.current;
    }
}

TEST(SetupRec, CopyIsDeepAndLeavesPathAndFileNameEmpty)
{
    auto source = RtaRecord("ORIG");
    source->SetOrigin(7);
    source->SetLocked(1);
    source->SetInstrumentId("Morvek Audio J57");
    source->SetPath("/setups/orig.rta");
    source->SetFileName("orig.rta");
    source->SetParam207(21.5f);

    SetupRec copy(*source);
    EXPECT_EQ(copy.GetPath(), "");
    EXPECT_EQ(copy.GetFileName(), "");
    EXPECT_EQ(copy.GetInstrumentId(), "Morvek Audio J57");
    EXPECT_FLOAT_EQ(copy.GetParam207(), 21.5f);
    EXPECT_TRUE(copy.IsLocked());
    EXPECT_EQ(copy.GetOrigin(), 7);
    ASSERT_NE(copy.GetRTASetup(), nullptr);
    EXPECT_NE(copy.GetRTASetup()->GetSetupBlock(), source->GetRTASetup()->GetSetupBlock());

    source->SetName("CHANGED");
    source.reset();
    EXPECT_EQ(copy.GetName(), "ORIG");
}

TEST(SetupRec, InstrumentBlocksKeepASavedCopyApartFromTheWorkingObject)
{
    auto block = SetupBlockBuilder(226)
                     .Text(SystemSetupFields::kSerialNumber, SystemSetupFields::kSerialNumberLength, "A1234")
                     .Bytes();
    SetupRec system;
    system.SetType(1);
    system.LoadSYSSetup(block.data(), block.size());
    ASSERT_NE(system.GetSYSSetup(), nullptr);
    EXPECT_EQ(system.GetSYSSetup()->GetSerialNumber(), "A1234");

    LOGSetup fromDownload(SetupBlockBuilder(219).Name("DL").Bytes().data(), 219);
    SetupRec made;
    made.SetType(7);
    made.SetLOGSetupCopy(fromDownload);
    EXPECT_EQ(made.GetName(), "DL");
    EXPECT_NE(made.GetLOGSetup()->GetSetupBlock(), fromDownload.GetSetupBlock());
}

TEST(SetupTypes, ModeNumbersExtensionsAndFilters)
{
    const int expected[] = {5, 6, 7, 11, 10, 9, 12, 8, 13};
    for (int mode = 0; mode < 9; ++mode)
        EXPECT_EQ(SetupTypeFromMode(mode), expected[mode]);
    EXPECT_EQ(SetupTypeFromMode(9), -1);
    EXPECT_EQ(SetupTypeFromMode(-1), -1);

    std::string text;
    EXPECT_EQ(GetSetupFileExtension(4, text), ".oba");
    EXPECT_EQ(GetSetupFileExtension(12, text), ".aud");
    EXPECT_EQ(GetSetupFileExtension(1, text), "");
    EXPECT_EQ(GetSetupFileExtension(0, text), "");
    EXPECT_EQ(GetSetupFileFilter(8, text),
              "Tal (*.tal) ZU-Reru Analyzer Setup|*.tal|All Files (*.*)|*.*||");
    EXPECT_EQ(GetSetupFileFilter(12, text), "All Files (*.*)|*.*||");
    EXPECT_EQ(GetSetupFileFilter(1, text), "All Files (*.*)|*.*||");
}
