// The setup lines of models other than the J46 and the J57: their
// measurement summary, kind 8. Lines are applied in file order; where two
// lines write the same bytes (R 98 over R 90, R 91 and the first R 60 slot),
// the later one wins.
#include "SetupLines.h"
#include "Text.h"
#include "Translators.h"

namespace tessdec {

namespace {

constexpr size_t kLineMax = 255;
constexpr size_t kSummaryClear = 728;

using F = Form;
// Texts whose slot would run into the next field are cut at that field.
const LineField kFields[] = {
    {5, 516, F::Span, 0}, {7, 520, F::Span, 0}, {8, 548, F::DateTime, 0}, {9, 624, F::Decimal, 0},
    {10, 632, F::TextSkipBlanks, 8}, {11, 628, F::Decimal, 0}, {12, 640, F::TextSkipBlanks, 8},
    {13, 524, F::Decimal, 0}, {14, 528, F::Decimal, 0},
    {15, 376, F::Decimal, 0}, {16, 384, F::DateTime, 0}, {17, 380, F::Decimal, 0}, {18, 388, F::DateTime, 0},
    {19, 360, F::Decimal, 0}, {20, 368, F::DateTime, 0}, {21, 364, F::Decimal, 0}, {22, 372, F::DateTime, 0},
    {23, 432, F::Decimal, 0}, {24, 444, F::DateTime, 0}, {25, 436, F::Decimal, 0}, {26, 448, F::DateTime, 0},
    {27, 648, F::Decimal, 0}, {28, 660, F::DateTime, 0}, {29, 652, F::Decimal, 0}, {30, 664, F::DateTime, 0},
    {31, 504, F::Int32, 0}, {32, 508, F::Int32, 0}, {33, 440, F::Int32, 0}, {34, 656, F::Int32, 0},
    {35, 420, F::Int32, 0}, {36, 424, F::Int32, 0}, {37, 428, F::Span, 0},
    {44, 152, F::Decimal, 0}, {45, 156, F::Decimal, 0}, {46, 456, F::Decimal, 0}, {47, 460, F::Decimal, 0},
    {48, 296, F::Decimal, 0}, {49, 304, F::Decimal, 0}, {50, 316, F::Decimal, 0}, {51, 308, F::Decimal, 0},
    {52, 320, F::TextSkipBlanks, 8}, {57, 332, F::Decimal, 0}, {62, 328, F::Decimal, 0}, {65, 144, F::Decimal, 0},
    {68, 172, F::Decimal, 0}, {69, 176, F::Span, 0}, {70, 108, F::Decimal, 0},
    {72, 12, F::Decimal, 0}, {77, 16, F::Decimal, 0}, {82, 20, F::Decimal, 0},
    {73, 36, F::Decimal, 0}, {78, 40, F::Decimal, 0}, {83, 44, F::Decimal, 0},
    {74, 48, F::Decimal, 0}, {79, 52, F::Decimal, 0}, {84, 56, F::Decimal, 0},
    {75, 24, F::Int32, 0}, {80, 28, F::Int32, 0}, {85, 32, F::Int32, 0},
    {86, 116, F::Text, 8}, {87, 124, F::Text, 4}, {88, 612, F::Decimal, 0}, {89, 532, F::Text, 8},
    {90, 180, F::Decimal, 0}, {91, 184, F::Int32, 0}, {92, 500, F::Int32, 0}, {93, 484, F::Int32, 0},
    {94, 492, F::Int32, 0}, {95, 488, F::Int32, 0}, {96, 476, F::Int32, 0}, {97, 472, F::Int32, 0},
    {104, 128, F::DateTime, 0}, {105, 132, F::DateTime, 0}, {106, 140, F::Decimal, 0}, {107, 136, F::Decimal, 0},
    {118, 668, F::Decimal, 0}, {119, 704, F::Decimal, 0}, {121, 712, F::DateTime, 0}, {123, 720, F::Decimal, 0},
    {150, 512, F::Int32, 0}, {151, 452, F::Text, 4}, {156, 112, F::Span, 0}, {158, 620, F::Int32, 0},
    {161, 496, F::Int32, 0}, {162, 540, F::Decimal, 0}, {163, 604, F::Decimal, 0}, {164, 608, F::Decimal, 0},
};

const SharedLineFields kShared = {336, 300, 188, 160, 32, 708};

}  // namespace

int32_t TranslateSetupOther(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(kSummaryClear);
    out.U16(148, w.summaryA[1]);
    out.U16(150, w.summaryB[1]);
    out.U16(616, w.summaryA[0]);
    out.U16(618, w.summaryB[0]);
    out.U16(294, w.q54);
    out.U16(312, w.q53);
    PutLnPercents(out, w, 396);
    out.F32(724, w.q147);
    SharedLineState st;
    ReadSetupLines(w, kLineMax, [&](int r, std::string_view value, std::string_view line) {
        if (ApplyTableOrSharedLine(out, w, kFields, kShared, st, r, value, line)) return;
        switch (r) {
        case 3: out.Text(552, 51, value); break;
        case 6: {
            const uint32_t t = ApplyStartLine(w, value);
            out.U32(544, t);
            out.U32(4, t);
            break;
        }
        case 124: {
            // Only the eight slots of the field: k from 1 to 8.
            const long k = LeadingInt(value);
            const size_t comma = value.find(',');
            if (comma == std::string_view::npos || k < 1 || k > 8) break;
            const size_t at = comma + 4;
            out.I32(672 + 4 * static_cast<size_t>(k - 1),
                    static_cast<int32_t>(at < value.size() ? LeadingInt(value.substr(at)) : 0));
            break;
        }
        case 170:
            if (IsJ46(w)) {
                ApplyVoltage(out, 116, 124, 4, value);
            } else {
                out.I32(464, static_cast<int32_t>(LeadingInt(value)));
            }
            break;
        case 171:
            if (!IsJ46(w)) out.I32(468, static_cast<int32_t>(LeadingInt(value)));
            break;
        case 179: case 181:
            if (IsJ46(w)) out.I32(r == 179 ? 284 : 480, static_cast<int32_t>(LeadingInt(value)));
            break;
        case 180:
            if (IsJ46(w)) out.Text(288, 6, value);
            break;
        default: break;
        }
    });
    out.U16(10, SummaryFlags(w, st.lnLines));
    PutChannelTexts(out, w, 60, 90);
    out.U16(392, w.model);
    out.U16(716, w.slmSummaryFlag);
    FinishSetupRecord(out, w, 8);
    return 0;
}

}  // namespace tessdec
