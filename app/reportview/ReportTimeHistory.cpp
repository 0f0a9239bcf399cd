// The time-history reports of LOG (type 8), SSA (19) and TAL (21)
// measurements: one line per sample, with the columns that the setup chose to
// store beside the Leq, and the run/stop entries of the time history.
#include <functional>
#include <vector>

#include "CDataReport.h"
#include "DirectionText.h"
#include "ReportText.h"
#include "SetupValueTexts.h"

// Where the three setup records keep the fields the report reads.
struct CDataReport::ThFields {
    int type;
    size_t otherLevel;
    size_t first[3];   // first selection bytes of A, C, F
    size_t second[3];  // second selection bytes
    bool wind;
    size_t windScale;
    size_t windUnits;
    size_t directionUnits;
};

namespace {

constexpr int kMaxPosition = 9;  // at most six columns beyond the four fixed
constexpr int kAdvanced = 4;
const char kLetters[3] = {'A', 'C', 'F'};

struct ThColumn {
    std::string heading;
    std::function<std::string(const ThRec&)> cell;
};

std::string Level(float value)
{
    return FormatReportNumber(value, 1, 0);
}

// The columns a setup record gives a time history, in position order from
// position 4.
std::vector<ThColumn> ColumnPlan(const RecordView& setup, const CDataReport::ThFields& f)
{
    std::vector<ThColumn> plan;
    if (setup.IsEmpty())
        return plan;
    const int code = setup.I16(f.otherLevel);
    if (code >= 1 && code <= 3) {
        std::string heading;
        LOGValueTexts::OtherLevelText(code, heading);
        plan.push_back(
            {heading, [](const ThRec& r) { return r.HasSecondLevel() ? Level(r.GetSecondValue()) : std::string(); }});
        return plan;
    }
    if (code != kAdvanced)
        return plan;

    // A sample of a time-history stream stores none of these values: its
    // cells stay empty.
    auto add = [&plan](std::string heading, std::function<std::string(const ThRec&)> cell) {
        if (static_cast<int>(plan.size()) < kMaxPosition - kAdvanced + 1)
            plan.push_back({std::move(heading), [cell = std::move(cell)](const ThRec& r) {
                                return r.HasDetectorLevels() ? cell(r) : std::string();
                            }});
    };
    static const char* const kFirstHeads[8] = {"%c-TWA",    "%c-Peak",   "%cMaxSlw", "%cMaxFst",
                                               "%cMaxImp",  "%cMinSlw",  "%cMinFst", "%cMinImp"};
    static const char* const kSecondHeads[3] = {"%cLivSlw", "%cLivFst", "%cLivImp"};
    for (int w = 0; w < 3; ++w) {
        const char letter = kLetters[w];
        const int firstByte = setup.U8(f.first[w]);
        const int secondByte = setup.U8(f.second[w]);
        for (int b = 0; b < 8; ++b) {
            const int bit = 0x80 >> b;
            if (!IsFlagSet(firstByte, bit))
                continue;
            const char* head = (b == 0 && f.type == 21) ? "L%ceq" : kFirstHeads[b];
            add(Printf(head, letter), [bit, letter](const ThRec& r) { return Level(r.GetDetectorLevel(bit, letter)); });
        }
        for (int b = 0; b < 3; ++b) {
            const int bit = 0x80 >> b;
            if (IsFlagSet(secondByte, bit))
                add(Printf(kSecondHeads[b], letter),
                    [bit, letter](const ThRec& r) { return Level(r.GetDetectorLevel2(bit, letter)); });
        }
    }
    const int secondA = setup.U8(f.second[0]);
    const int secondC = setup.U8(f.second[1]);
    const int secondF = setup.U8(f.second[2]);
    if (IsFlagSet(secondA, 0x04))
        add("LAFTM5", [](const ThRec& r) { return Level(r.GetAuxA(4)); });
    if (f.wind) {
        const float scale = setup.F32(f.windScale);
        const int units = setup.U8(f.directionUnits);
        if (IsFlagSet(secondA, 0x02))
            add(Printf("Wind %s", setup.Text(f.windUnits, 4).c_str()),
                [scale](const ThRec& r) { return FormatFixed(r.GetAuxA(2) * scale, 1); });
        if (IsFlagSet(secondA, 0x01))
            add("Wind Dir.",
                [units](const ThRec& r) { return FormatDirectionText(static_cast<int>(r.GetAuxA(1)), units); });
    }
    if (f.type == 21 && IsFlagSet(secondF, 0x04))
        add("LAIeq", [](const ThRec& r) { return Level(r.GetAuxF(4)); });
    const struct {
        int bit;
        const char* heading;
    } kAux[] = {{0x04, "Battery"}, {0x02, "Extern"}, {0x01, "Temp"}};
    for (const auto& aux : kAux)
        if (IsFlagSet(secondC, aux.bit))
            add(aux.heading,
                [bit = aux.bit](const ThRec& r) { return FormatFixed(r.GetAuxC(bit), 2); });
    return plan;
}

}  // namespace

CDataReport::ThFields CDataReport::LogThFields() const
{
    return {8, 236, {298, 300, 302}, {306, 308, 310}, true, 220, 224, 312};
}

CDataReport::ThFields CDataReport::SsaThFields() const
{
    return {19, 172, {214, 216, 218}, {222, 224, 226}, true, 260, 264, 276};
}

CDataReport::ThFields CDataReport::TalThFields() const
{
    return {21, 90, {98, 100, 102}, {106, 108, 110}, false, 0, 0, 0};
}

void CDataReport::DrawThNote(ReportDC& dc, int line, const ThFields& f)
{
    const RecordView setup = data_.SetupView();
    if (setup.IsEmpty() || setup.I16(f.otherLevel) != kAdvanced)
        return;
    PrinterFontScope font(dc);
    int count = 0;
    for (int w = 0; w < 3; ++w)
        count += CountFlagBits(setup.U8(f.first[w])) + CountFlagBits(setup.U8(f.second[w]));
    const int secondF = setup.U8(f.second[2]);
    std::string note;
    if (count > 6)
        note = Printf("  6 of %d Adv TH Columns - Use 'File/Export' for remaining columns", count);
    else if (f.type != 8 && IsFlagSet(secondF, 0x02))
        note = Printf("  %d Adv TH Columns - Use 'File/Export' for RTA Leq spectrum", count);
    else if (f.type != 8 && IsFlagSet(secondF, 0x01))
        note = Printf("  %d Adv TH Columns - Use 'File/Export' for RTA Live spectrum", count);
    else
        note = Printf("  %d Advanced Time History Columns", count);
    dc.TextOut(columns_[kAdvanced], LineY(dc, line), note);
}

void CDataReport::DrawThHeadings(ReportDC& dc, int line, const ThFields& f)
{
    PrinterFontScope font(dc);
    const int y = LineY(dc, line);
    dc.TextOut(left_, y, "Rec #");
    dc.TextOut(columns_[1], y, "Date");
    dc.TextOut(columns_[2], y, "Time");
    dc.TextOut(columns_[3], y, "Leq");
    int position = kAdvanced;
    for (const ThColumn& column : ColumnPlan(data_.SetupView(), f))
        dc.TextOut(columns_[position++], y, column.heading);
}

void CDataReport::DrawThRow(ReportDC& dc, unsigned index, int line, const ThFields& f)
{
    PrinterFontScope font(dc);
    const int y = LineY(dc, line);
    const ThMgr& mgr = data_.Records().timeHistory;
    const ThRec* rec = index < static_cast<unsigned>(mgr.GetCount()) ? mgr.GetAt(static_cast<int>(index)) : nullptr;
    if (!rec)
        return;
    dc.TextOut(left_, y, Printf("%ld", static_cast<long>(static_cast<int32_t>(rec->GetRecordNumber()))));
    dc.TextOut(columns_[1], y, TimeText(rec->GetTime(), "%d-%b-%Y"));
    dc.TextOut(columns_[2], y, TimeText(rec->GetTime(), "%H:%M:%S"));
    if (rec->IsLevelSample()) {
        dc.TextOut(columns_[3], y, Level(rec->GetLeq()));
        int position = kAdvanced;
        for (const ThColumn& column : ColumnPlan(data_.SetupView(), f)) {
            const std::string cell = column.cell(*rec);
            if (!cell.empty())
                dc.TextOut(columns_[position], y, cell);
            ++position;
        }
        return;
    }
    std::string state, cause;
    rec->GetStateText(state);
    const int causeCode = static_cast<int16_t>(rec->GetCauseCode());
    if (state == "Mark")
        state = Printf("%s%d", state.c_str(), causeCode == 0 ? 0 : causeCode - 10);
    if (causeCode >= 11 && causeCode <= 16)
        cause = MarkerName(causeCode - 10);
    else
        rec->GetCauseText(cause);
    dc.TextOut(columns_[3], y, Printf("%s:%s", state.c_str(), cause.c_str()));
}

void CDataReport::DrawLogThNote(ReportDC& dc, int line) { DrawThNote(dc, line, LogThFields()); }
void CDataReport::DrawSsaThNote(ReportDC& dc, int line) { DrawThNote(dc, line, SsaThFields()); }
void CDataReport::DrawTalThNote(ReportDC& dc, int line) { DrawThNote(dc, line, TalThFields()); }
void CDataReport::DrawLogThHeadings(ReportDC& dc, int line) { DrawThHeadings(dc, line, LogThFields()); }
void CDataReport::DrawSsaThHeadings(ReportDC& dc, int line) { DrawThHeadings(dc, line, SsaThFields()); }
void CDataReport::DrawTalThHeadings(ReportDC& dc, int line) { DrawThHeadings(dc, line, TalThFields()); }
void CDataReport::DrawLogThRow(ReportDC& dc, unsigned index, int line) { DrawThRow(dc, index, line, LogThFields()); }
void CDataReport::DrawSsaThRow(ReportDC& dc, unsigned index, int line) { DrawThRow(dc, index, line, SsaThFields()); }
void CDataReport::DrawTalThRow(ReportDC& dc, unsigned index, int line) { DrawThRow(dc, index, line, TalThFields()); }
