#pragma once
// What the report view's tests share: a scripted translation that plays
// output records made with the record builder, a download file on disk for
// it to "translate", a device that records the cells a report draws, and a
// report view made on a document of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QPrinter>

#include "CDataReport.h"
#include "CSdiDoc.h"
#include "KeptRecordFields.h"
#include "OutputRecordBuilder.h"
#include "Profile.h"
#include "ScriptedPrompter.h"
#include "StreamedRecordFields.h"
#include "Translator.h"

namespace reporttest {

using testsupport::OutputRecordBuilder;

class ScriptedTranslation : public Translator {
public:
    uint16_t model = 57;
    float version = 3.2f;
    std::string firmwareLine = "3.116 12-Mar-03";
    std::string notes[3] = {"@North gate", "@Note one", "@Note two"};
    std::vector<std::vector<uint8_t>> records;
    int32_t failure = 0;  // a status after the records instead of the end

    ScriptedTranslation& Add(const OutputRecordBuilder& record)
    {
        records.push_back(record.Bytes());
        return *this;
    }

    int32_t GetBufferSize() override { return 9984; }
    int32_t ReadFileSN(const char*, void*, uint16_t* m, char* serial, float* v) override
    {
        *m = model;
        *v = version;
        std::strcpy(serial, "A1234");
        return 0;
    }
    int32_t ReadFileHeader(const char*, void*, void* block) override
    {
        char* b = static_cast<char*>(block);
        std::memcpy(
            b + FileHeaderFields::kFirmwareLine, firmwareLine.data(), std::min<size_t>(firmwareLine.size(), 41));
        // Each note's 82-byte slot begins with its "@", a byte before the text the report reads.
        for (int i = 0; i < 3; ++i)
            std::memcpy(
                b + FileHeaderFields::kLocation - 1 + 82 * i, notes[i].data(), std::min<size_t>(notes[i].size(), 81));
        return 0;
    }
    int32_t StartTranslate(const char*, void*) override
    {
        next_ = 0;
        return 0;
    }
    int32_t TranslateNextRec(void* record, void*) override
    {
        if (next_ >= records.size())
            return failure ? failure : -318;
        std::memcpy(record, records[next_].data(), records[next_].size());
        ++next_;
        return 0;
    }
    void StopTranslate() override {}

private:
    size_t next_ = 0;
};

// The system settings record every title block needs.
inline OutputRecordBuilder SystemRecord()
{
    return OutputRecordBuilder(54)
        .I16(SystemFields::kModel, 57)
        .Text(SystemFields::kSerial, "A1234")
        .Text(SystemFields::kName, "Site meter")
        .Text(SystemFields::kDescription1, "First line")
        .Text(SystemFields::kDescription2, "Second line");
}

// Records every text a report draws, with a fixed width per character, and
// groups them by report line.
class RecordingDC : public ReportDC {
public:
    static constexpr int kCharWidth = 6;
    static constexpr int kLineHeight = 10;

    explicit RecordingDC(bool printing = false, QRect clip = QRect(0, 0, 2000, 1000000))
        : printing_(printing), clip_(clip)
    {
    }

    bool IsPrinting() const override { return printing_; }
    ReportFont SelectFont(ReportFont font) override
    {
        ReportFont previous = font_;
        font_ = font;
        return previous;
    }
    int TextWidth(const std::string& text) const override { return kCharWidth * static_cast<int>(text.size()); }
    int LineHeight() const override { return kLineHeight; }
    int PixelsPerInchX() const override { return 96; }
    int PixelsPerInchY() const override { return 96; }
    void TextOut(int x, int y, const std::string& text) override
    {
        cells[y].push_back({alignRight_ ? x - TextWidth(text) : x, text, font_});
    }
    void SetAlignRight(bool right) override { alignRight_ = right; }
    void Line(int, int y, int, int) override { rules.push_back(y); }
    QRect ClipBox() const override { return clip_; }

    struct Cell {
        int x;
        std::string text;
        ReportFont font;
    };
    // The cells at y, left to right, joined by " | ".
    std::string At(int y) const
    {
        auto it = cells.find(y);
        if (it == cells.end())
            return {};
        std::vector<Cell> row = it->second;
        std::stable_sort(row.begin(), row.end(), [](const Cell& a, const Cell& b) { return a.x < b.x; });
        std::string text;
        for (const Cell& c : row)
            text += (text.empty() ? "" : " | ") + c.text;
        return text;
    }
    std::string Line(int line, int lineHeight) const { return At(line * lineHeight); }
    ReportFont Selected() const { return font_; }

    std::map<int, std::vector<Cell>> cells;
    std::vector<int> rules;

private:
    bool printing_;
    QRect clip_;
    ReportFont font_ = ReportFont::Screen;
    bool alignRight_ = false;
};

// A report view on its own document, loading through a scripted translation
// from a real (empty) download file in the temporary folder.
class ReportFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "UTC0", 1);
        tzset();
        platform::SetAppProfile(&profile);
        CDataReport::SetTranslator(&translation);
        char name[] = "/tmp/reportviewXXXXXX";
        dir = mkdtemp(name);
        file = dir + "/Survey.slmdl";
        std::ofstream(file) << "x";
        report = std::make_unique<CDataReport>(&doc, nullptr);
        report->resize(600, 400);
        report->OnInitialUpdate();
    }
    void TearDown() override
    {
        report.reset();
        CDataReport::SetTranslator(nullptr);
        platform::SetAppProfile(nullptr);
        std::remove(file.c_str());
        std::remove(dir.c_str());
    }
    // Selects the item of the download file, as the file tree does.
    void Select(const std::string& label, const std::string& path = {})
    {
        ViewHint hint{path.empty() ? file : path, label};
        report->OnUpdate(&sender, &hint);
    }
    // The text of every report line drawn on the screen, by line number.
    std::vector<std::string> ScreenLines()
    {
        RecordingDC dc;
        report->OnDraw(dc);
        std::vector<std::string> lines;
        for (int n = 0; n < report->GetLineCount(); ++n)
            lines.push_back(dc.Line(n, report->ScreenLineHeight()));
        return lines;
    }

    // Page `page` of the report printed on a recording paper of that height.
    RecordingDC PrintedPage(int page, int height)
    {
        RecordingDC paper(true, QRect(0, 0, 1000, height));
        report->OnBeginPrinting(paper);
        report->OnPrint(paper, page, QRect(0, 0, 1000, height));
        return paper;
    }
    // Prints the report into a PDF file and returns its pages (0 when
    // printing failed).
    size_t PrintToPdfPages()
    {
        const std::string pdf = dir + "/printed.pdf";
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            if (!report->PrintReport(printer))
                return 0;
        }
        std::ifstream in(pdf, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        size_t pages = 0;
        for (size_t at = bytes.find("/Type /Page\n"); at != std::string::npos; at = bytes.find("/Type /Page\n", at + 1))
            ++pages;
        std::remove(pdf.c_str());
        return pages;
    }

    struct Sender : CView {
        Sender() : CView(nullptr) {}
        QWidget* Widget() override { return nullptr; }
    } sender;
    platform::MemoryProfile profile;
    testsupport::ScriptedPrompter prompter;
    ScriptedTranslation translation;
    CSdiDoc doc;
    std::string dir;
    std::string file;
    std::unique_ptr<CDataReport> report;
};

}  // namespace reporttest
