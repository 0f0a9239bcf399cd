// The export stream, the file it becomes and the title that opens every
// export.
#include <gtest/gtest.h>

#include <fstream>
#include <iomanip>
#include <sstream>

#include "DownloadFileBuilder.h"
#include "ExportStream.h"
#include "WriterTestSupport.h"
#include "ReportWriter.h"

namespace {
const std::time_t kTranslated = 1055160309;  // 09-Jun-2003 14:05:09 in Berlin

std::string Title(const char* title, ExportFormat format)
{
    ExportStream out;
    ReportWriter().WriteTitle(title, out, format, kTranslated);
    return writertest::Plain(out);
}
}  // namespace

TEST(ReportWriterTitle, TextLayout)
{
    const std::string rule(80, '-');
    EXPECT_EQ(Title("Interval Report", kTextFormat),
              "Interval Report                         \nTranslated: 09-Jun-2003 14:05:09\n" + rule + "\n");
    EXPECT_EQ(Title("", kTextFormat).substr(0, 41), std::string(40, ' ') + "\n");
    const std::string longTitle(45, 'T');
    EXPECT_EQ(Title(longTitle.c_str(), kTextFormat).substr(0, 46), longTitle + "\n");

    // Left alignment stays for the next writer; the fill is blank again.
    ExportStream out;
    ReportWriter().WriteTitle("T", out, kTextFormat, kTranslated);
    const size_t title = writertest::Plain(out).size();
    out << std::setw(4) << "ab" << '|';
    EXPECT_EQ(writertest::Plain(out).substr(title), "ab  |");
}

TEST(ReportWriterTitle, CsvLayoutForEveryFormatButOne)
{
    for (ExportFormat format : {0, 2, 7}) {
        // A quote in the title is doubled inside the field's quotes.
        EXPECT_EQ(Title("Say \"hi\", all", format),
                  "\"Say \"\"hi\"\", all\",\n\"Translated:\",\"09-Jun-2003\",\"14:05:09\",\n")
            << format;
        EXPECT_EQ(Title("", format).substr(0, 4), "\"\",\n");
    }
    ExportStream out;
    const auto flags = out.flags();
    ReportWriter().WriteTitle("T", out, kCsvFormat, kTranslated);
    EXPECT_EQ(out.flags(), flags);
}

TEST(ReportWriterTitle, FailedStreamGetsNothing)
{
    ExportStream out;
    out.setstate(std::ios::failbit);
    ReportWriter().WriteTitle("T", out, kTextFormat, kTranslated);
    ReportWriter().WriteTitle("T", out, kCsvFormat, kTranslated);
    EXPECT_EQ(writertest::Plain(out), "");
}

TEST(ExportStreamTest, RoundsTiesAwayFromZeroInFixedNotation)
{
    ExportStream out;
    out << std::fixed << std::setprecision(1) << 65.25f << ' ' << -65.25 << ' ' << 65.24f << ' ' << std::setprecision(2)
        << 0.125 << ' ' << std::scientific << 0.5;
    EXPECT_EQ(writertest::Plain(out), "65.3 -65.3 65.2 0.13 5.00e-01");
}

TEST(ExportStreamTest, SavedWholeWithCrLfOrNotAtAll)
{
    fixtures::TempFolder folder;
    const std::string path = folder.Write("report.txt", "old");
    ExportStream out;
    out << "line one" << std::endl << "line two\r\n" << std::endl;
    ASSERT_TRUE(SaveExport(out, path));
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "line one\r\nline two\r\n\r\n");

    ExportStream failed;
    failed << "half";
    failed.setstate(std::ios::badbit);
    EXPECT_FALSE(SaveExport(failed, path));
    EXPECT_FALSE(SaveExport(out, folder.Path() + "/missing/report.txt"));
    std::ifstream again(path, std::ios::binary);
    std::stringstream kept;
    kept << again.rdbuf();
    EXPECT_EQ(kept.str(), "line one\r\nline two\r\n\r\n");
}

// Runs of plain text are looked at in words of eight bytes: a line feed, a
// CR LF or a Windows-1252 letter is found at every place of a longer run.
TEST(ExportStreamTest, ConvertsAtEveryPlaceOfALongRun)
{
    struct Case {
        const char* inserted;
        const char* written;
    };
    const Case cases[] = {{"\n", "\r\n"}, {"\r\n", "\r\n"}, {"\xFC", "\xC3\xBC"}, {"\x80", "\xE2\x82\xAC"}};
    for (const Case& c : cases)
        for (size_t at = 0; at <= 24; ++at) {
            ExportStream out;
            out << std::string(at, 'a') << c.inserted << std::string(24 - at, 'b');
            EXPECT_EQ(out.Text(), std::string(at, 'a') + c.written + std::string(24 - at, 'b'))
                << c.written << " after " << at;
        }
}

// A stream opened on its file hands a large text to the file in pieces; the
// old file stays until SaveExport completes the new one, and stays when the
// stream is dropped without it.
TEST(ExportStreamTest, OpenedOnItsFileWritesLargeTextsInPiecesWholeOrNotAtAll)
{
    fixtures::TempFolder folder;
    const std::string path = folder.Write("report.csv", "old");
    auto contents = [&path] {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    };
    std::string expected;
    {
        ExportStream dropped(path);
        for (int i = 0; i < 100000; ++i)
            dropped << "\"row " << i << "\",\"M\xFCller\"," << std::endl;
        EXPECT_EQ(contents(), "old");
    }
    EXPECT_EQ(contents(), "old");

    ExportStream out(path);
    for (int i = 0; i < 100000; ++i) {
        out << "\"row " << i << "\",\"M\xFCller\"," << std::endl;
        expected += "\"row " + std::to_string(i) + "\",\"M\xC3\xBCller\",\r\n";
    }
    EXPECT_EQ(out.Size(), expected.size());
    EXPECT_LT(out.Text().size(), expected.size());  // most of it is already in the file
    EXPECT_FALSE(SaveExport(out, path + ".other"));
    ASSERT_TRUE(SaveExport(out, path));
    EXPECT_EQ(contents(), expected);
}
