#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "SetupBlockBuilder.h"
#include "SetupRec.h"

using testsupport::SetupBlockBuilder;
using testsupport::SetupFileBuilder;

namespace {

std::vector<uint8_t> SsaBlock()
{
    return SetupBlockBuilder(219).Version(3).Name("SETUP1").Title("North fence").Mode(0)
        .Pattern(41, 219, 3).Bytes();
}

struct TempPath {
    std::string path = testing::TempDir() + "setupfile-" + std::to_string(getpid()) + ".bin";
    ~TempPath() { std::remove(path.c_str()); }
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// One measurement setup type: its mode number, block size and key.
struct ModeCase {
    int type;
    int mode;
    size_t size;
    const char* key;
    const uint8_t* (*block)(const SetupRec&);
    void (SetupRec::*load)(const uint8_t*, size_t);
};

template <class T, T* (SetupRec::*Get)() const>
const uint8_t* BlockOf(const SetupRec& r)
{
    T* setup = (r.*Get)();
    return setup ? setup->GetSetupBlock() : nullptr;
}

const ModeCase kModes[] = {
    {5, 0, 219, "CVJ57SetupSsa", BlockOf<SSASetup, &SetupRec::GetSSASetup>, &SetupRec::LoadSSASetup},
    {6, 1, 219, "CVJ57SetupIsm", BlockOf<ISMSetup, &SetupRec::GetISMSetup>, &SetupRec::LoadISMSetup},
    {7, 2, 219, "CVJ57SetupLOG", BlockOf<LOGSetup, &SetupRec::GetLOGSetup>, &SetupRec::LoadLOGSetup},
    {8, 7, 219, "CVJ57SetupTal", BlockOf<TALSetup, &SetupRec::GetTALSetup>, &SetupRec::LoadTALSetup},
    {9, 5, 219, "CVJ57SetupFft", BlockOf<FFTSetup, &SetupRec::GetFFTSetup>, &SetupRec::LoadFFTSetup},
    {10, 4, 216, "CVJ57SetupRta", BlockOf<RTASetup, &SetupRec::GetRTASetup>, &SetupRec::LoadRTASetup},
};

}  // namespace

TEST(SetupFile, EveryMeasurementTypeWritesAFileThatReadsBackIdentical)
{
    for (const ModeCase& m : kModes) {
        SCOPED_TRACE(m.key);
        auto block = SetupBlockBuilder(m.size).Version(4).Name("AB  CD").Title("Title ends here   ")
                         .Mode(m.mode).Pattern(41, m.size, m.type).Bytes();
        SetupRec record;
        record.SetType(m.type);
        (record.*m.load)(block.data(), block.size());

        TempPath file;
        ASSERT_EQ(record.WriteFile(file.path), SetupWriteResult::Written);
        std::string written = ReadAll(file.path);
        EXPECT_EQ(written, SetupFileBuilder(block).Key(m.key).BuildString());

        std::ifstream in(file.path, std::ios::binary);
        ASSERT_TRUE(SetupRec::CheckFileCrc(in));
        int version = 0;
        EXPECT_TRUE(SetupRec::CheckFileVersion(2, version, in));
        EXPECT_EQ(version, 4);
        ASSERT_EQ(SetupRec::GetFileSetupType(in), m.type);

        SetupRec loaded;
        loaded.SetType(m.type);
        in.seekg(0);
        ASSERT_TRUE(loaded.Serialize(in));
        ASSERT_NE(m.block(loaded), nullptr);
        EXPECT_EQ(std::vector<uint8_t>(m.block(loaded), m.block(loaded) + m.size), block);
        EXPECT_EQ(loaded.GetName(), "AB  CD");
        std::ostringstream again;
        EXPECT_TRUE(loaded.Serialize(again));
        EXPECT_EQ(again.str(), written);
    }
}

TEST(SetupFile, TitleReadsBackTrimmed)
{
    std::istringstream in(SetupFileBuilder(SsaBlock()).BuildString());
    SetupRec record;
    record.SetType(5);
    ASSERT_TRUE(record.Serialize(in));
    EXPECT_EQ(record.GetSSASetup()->GetTitle(), "North fence");
}

TEST(SetupFile, KeyIsNeverCompared)
{
    std::istringstream in(SetupFileBuilder(SsaBlock()).Key("garbage!").BuildString());
    EXPECT_TRUE(SetupRec::CheckFileCrc(in));
    EXPECT_EQ(SetupRec::GetFileSetupType(in), 5);
}

TEST(SetupFile, DamagedFilesFailTheCrcCheck)
{
    struct Case {
        const char* what;
        SetupFileBuilder file;
    };
    const Case cases[] = {
        {"a block byte flipped", SetupFileBuilder(SsaBlock()).FlipBodyByte(100)},
        {"a padding byte flipped", SetupFileBuilder(SsaBlock()).FlipBodyByte(519)},
        {"a wrong CRC", SetupFileBuilder(SsaBlock()).Crc(0x1234)},
        {"one body byte short", SetupFileBuilder(SsaBlock()).TruncateTo(535)},
        {"the marker only", SetupFileBuilder(SsaBlock()).TruncateTo(14)},
        {"no marker", SetupFileBuilder(SsaBlock()).WithoutMarker()},
        {"empty", SetupFileBuilder(SsaBlock()).TruncateTo(0)},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.file.BuildString());
        EXPECT_FALSE(SetupRec::CheckFileCrc(in)) << c.what;
    }
}

TEST(SetupFile, TypeComesFromBodyByte39AndVersionFromByte0)
{
    struct Case {
        int mode;
        int type;
    };
    for (Case c : {Case{3, 11}, Case{6, 12}, Case{8, 13}, Case{9, -1}, Case{255, -1}}) {
        auto block = SetupBlockBuilder(219).Version(3).Mode(c.mode).Bytes();
        std::istringstream in(SetupFileBuilder(block).BuildString());
        EXPECT_EQ(SetupRec::GetFileSetupType(in), c.type) << c.mode;
    }

    struct VersionCase {
        int stored;
        int read;
        bool accepted;
    };
    for (VersionCase c : {VersionCase{2, 2, true}, VersionCase{1, 1, false},
                          VersionCase{0x7F, 127, true}, VersionCase{0x80, -128, false}}) {
        auto block = SetupBlockBuilder(219).Version(c.stored).Bytes();
        std::istringstream in(SetupFileBuilder(block).BuildString());
        int version = 99;
        EXPECT_EQ(SetupRec::CheckFileVersion(2, version, in), c.accepted) << c.stored;
        EXPECT_EQ(version, c.read);
    }

    std::istringstream empty("");
    int version = 99;
    EXPECT_EQ(SetupRec::GetFileSetupType(empty), 0);
    EXPECT_FALSE(SetupRec::CheckFileVersion(0, version, empty));
    EXPECT_EQ(version, 0);

    std::istringstream noMarker(SetupFileBuilder(SsaBlock()).WithoutMarker().BuildString());
    EXPECT_EQ(SetupRec::GetFileSetupType(noMarker), -1);
    EXPECT_FALSE(SetupRec::CheckFileVersion(0, version, noMarker));
}

TEST(SetupFile, LogVersion2IsRaisedWithItsFieldsMoved)
{
    auto block = SetupBlockBuilder(219).Version(2).Mode(2).Pattern(41, 219, 0).Bytes();
    std::string fileBytes = SetupFileBuilder(block).Key("CVJ57SetupLOG").BuildString();
    std::istringstream in(fileBytes);
    SetupRec record;
    record.SetType(7);
    ASSERT_TRUE(record.Serialize(in));

    const uint8_t* b = record.GetLOGSetup()->GetSetupBlock();
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[186], block[184]);
    EXPECT_EQ(b[184], block[183]);
    EXPECT_EQ(b[183], 0);
    EXPECT_EQ(b[185], 0);
    EXPECT_EQ(b[187], 0);
    EXPECT_EQ(b[182], block[182]);
    EXPECT_EQ(b[188], block[188]);
    // The file itself is only read.
    EXPECT_EQ(in.str(), fileBytes);
}

TEST(SetupFile, SsaVersion2IsRaisedWithItsNewFieldsCleared)
{
    auto block = SetupBlockBuilder(219).Version(2).Mode(0).Pattern(41, 219, 0).Bytes();
    std::istringstream in(SetupFileBuilder(block).BuildString());
    SetupRec record;
    record.SetType(5);
    ASSERT_TRUE(record.Serialize(in));

    const uint8_t* b = record.GetSSASetup()->GetSetupBlock();
    EXPECT_EQ(b[0], 3);
    for (size_t i = 41; i < 219; ++i) {
        bool cleared = i == 47 || i == 103 || (i >= 110 && i <= 121) || (i >= 140 && i <= 142) ||
                       (i >= 181 && i <= 187);
        EXPECT_EQ(b[i], cleared ? 0 : block[i]) << i;
    }
}

TEST(SetupFile, NewerBlocksAreNotChangedOnLoad)
{
    auto block = SetupBlockBuilder(219).Version(3).Mode(2).Pattern(41, 219, 0).Bytes();
    SetupRec record;
    record.LoadLOGSetup(block.data(), block.size());
    EXPECT_EQ(std::vector<uint8_t>(record.GetLOGSetup()->GetSetupBlock(),
                                   record.GetLOGSetup()->GetSetupBlock() + 219), block);
}

TEST(SetupFile, NothingIsWrittenWithoutAMeasurementSetupObject)
{
    TempPath file;
    SetupRec noObject;
    noObject.SetType(5);
    EXPECT_EQ(noObject.WriteFile(file.path), SetupWriteResult::NoSetup);

    SetupRec system;
    auto block = SetupBlockBuilder(226).Bytes();
    system.SetType(1);
    system.LoadSYSSetup(block.data(), block.size());
    EXPECT_EQ(system.WriteFile(file.path), SetupWriteResult::NoSetup);
    std::ostringstream out;
    EXPECT_FALSE(system.Serialize(out));
    EXPECT_TRUE(out.str().empty());
    EXPECT_FALSE(std::ifstream(file.path).good());
}

TEST(SetupFile, AFailedWriteIsReported)
{
    SetupRec record;
    record.SetType(5);
    auto block = SsaBlock();
    record.LoadSSASetup(block.data(), block.size());
    EXPECT_EQ(record.WriteFile(testing::TempDir() + "no-such-folder/x.ssa"),
              SetupWriteResult::WriteFailed);
}

TEST(SetupFile, AnUnreadableBodyLoadsNothing)
{
    std::istringstream in(SetupFileBuilder(SsaBlock()).TruncateTo(300).BuildString());
    SetupRec record;
    record.SetType(5);
    EXPECT_FALSE(record.Serialize(in));
    EXPECT_EQ(record.GetSSASetup(), nullptr);
}
