#include <gtest/gtest.h>

#include <unistd.h>

#include "MeasMgrJ46.h"
#include "MeasRec.h"

TEST(MeasRec, ListTextsAndTypeCodes)
{
    MeasRec r;
    r.SetName("RUN1");
    r.SetListIndex(4);
    std::string text;
    EXPECT_EQ(r.GetListText(text), "5. RUN1");
    r.SetEntryKind(MeasRec::kOtherFile);
    EXPECT_EQ(r.GetListText(text), "5. RUN1");
    r.SetEntryKind(MeasRec::kActive);
    EXPECT_TRUE(r.IsActive());
    EXPECT_EQ(r.GetListText(text), "RUN1");

    const std::pair<const char*, int> letters[] = {{"Rta", 10}, {"a", 12}, {"env", 11}, {"FFT", 9},
                                                   {"i", 6},    {"LOG", 7}, {"s", 5},  {"Tal", 8},
                                                   {"v", 13}};
    for (auto [typeText, type] : letters) {
        r.SetMeasTypeFromText(typeText);
        EXPECT_EQ(r.GetMeasType(), type) << typeText;
    }
    r.SetMeasTypeFromText("xyz");
    r.SetMeasTypeFromText("");
    EXPECT_EQ(r.GetMeasType(), 13);
}

TEST(MeasRec, DefaultFileNames)
{
    struct Case {
        const char* start;
        const char* type;
        const char* name;
    };
    const Case cases[] = {
        {"2003 Feb 05 14:22:10", "LOG", "05Feb14l.slmdl"},
        {"1997 Jan 01 00:00:00", "SSA", "01Jan00s.slmdl"},
        {"2003 Feb 05 14:22:10", "rta", "05Feb14r.slmdl"},
        {"2003 Feb 05 14:22:10", "xyz", "05Feb14.slmdl"},
        {"2003 Feb 05 14:22:10", "", "05Feb14.slmdl"},
        {"2003 Feb 0", "LOG", "0Febl.slmdl"},  // a short start time gives a shorter name
    };
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    for (const auto& c : cases) {
        MeasRec r;
        r.SetStartTime(c.start);
        r.SetTypeText(c.type);
        r.MakeDefaultFileName();
        EXPECT_EQ(r.GetFileName(), c.name) << c.start << ' ' << c.type;
        EXPECT_EQ(r.GetFolder(), cwd);
    }
    MeasRec initial;
    initial.SetTypeText("SSA");
    initial.MakeDefaultFileName();
    EXPECT_EQ(initial.GetFileName(), "01Jan00s.slmdl");
}

TEST(MeasRec, FolderFromPath)
{
    MeasRec r;
    // Paths split at '/' only; '\\' belongs to a name on this system.
    r.SetFolderFromPath("/data/north\\south.slmdl");
    EXPECT_EQ(r.GetFolder(), "/data");
    r.SetFolderFromPath("/home/tech/survey/f.slmdl");
    EXPECT_EQ(r.GetFolder(), "/home/tech/survey");
    r.SetFolderFromPath("f.slmdl");
    EXPECT_EQ(r.GetFolder(), "");
}

TEST(MeasMgrJ46, SharesEntriesWithASelection)
{
    MeasMgrJ46 directory(true);
    MeasMgrJ46 selection(false);
    EXPECT_FALSE(selection.IsOwner());
    for (const char* name : {"A", "B", "C"}) {
        auto entry = std::make_shared<MeasRec>();
        entry->SetName(name);
        directory.AddTail(entry);
    }
    selection.AddTail(directory.GetAt(1));
    directory.RemoveAll();  // a directory refresh
    EXPECT_TRUE(directory.IsEmpty());
    ASSERT_EQ(selection.GetCount(), 1u);
    EXPECT_EQ(selection.GetAt(0)->GetName(), "B");
    EXPECT_EQ(selection.GetAt(1), nullptr);
}
