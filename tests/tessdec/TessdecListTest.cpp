#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "DownloadFileBuilder.h"
#include "J57Fixture.h"

namespace {

struct ListRun {
    int exitCode;
    std::string output;
};

ListRun RunList(const std::string& args) {
    ListRun run{-1, {}};
    FILE* p = popen((std::string(TESSDEC_LIST_PATH) + " " + args + " 2>&1").c_str(), "r");
    if (p == nullptr) return run;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) run.output.append(buf, n);
    const int status = pclose(p);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(TessdecListTest, ListsAFixtureToItsEnd) {
    fixtures::TempFolder dir;
    const std::string path = dir.Write("list.slmdl", tessdec_test::J57AllFramings().Bytes());
    const ListRun run = RunList("'" + path + "' --dump 4");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("Tessdec version 323"), std::string::npos);
    EXPECT_NE(run.output.find("serial \"A1234\""), std::string::npos);
    EXPECT_NE(run.output.find("line 2: \"057A1234\""), std::string::npos);
    EXPECT_NE(run.output.find("@ 1: \" Site north gate\""), std::string::npos);
    for (const char* kind : {"kind 7 site 12", "kind 51 site 12", "kind 54 site 12", "kind 50 site 0"})
        EXPECT_NE(run.output.find(kind), std::string::npos) << kind;
    EXPECT_NE(run.output.find("status -318 kind 15"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("    0000: 0f 00"), std::string::npos) << run.output;
    // Every data record of the fixture is translated on the way.
    for (int kind : {1, 3, 4, 5, 9, 10, 11, 12, 13, 16, 21, 56, 57})
        EXPECT_NE(run.output.find("status 0 kind " + std::to_string(kind) + " "), std::string::npos) << kind;
}

TEST(TessdecListTest, FailsOnAFileThatCannotBeTranslated) {
    fixtures::TempFolder dir;
    const ListRun missing = RunList("'" + dir.Path() + "/none.slmdl'");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find("Start: status -302"), std::string::npos);
    EXPECT_EQ(RunList("").exitCode, 2);
}

}  // namespace
