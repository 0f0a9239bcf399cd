// The J46's setup lines: its measurement summary, kind 37.
#include "SetupLines.h"
#include "Numbers.h"
#include "Text.h"
#include "Translators.h"

namespace tessdec {

namespace {

constexpr size_t kLineMax = 319;
constexpr size_t kSummaryClear = 1088;

using F = Form;
const LineField kFields[] = {
    {5, 0x036C, F::Span, 0}, {7, 0x0370, F::Span, 0}, {8, 0x038C, F::DateTime, 0}, {9, 0x03D8, F::Decimal, 0},
    {10, 0x03E0, F::TextSkipBlanks, 8}, {11, 0x03DC, F::Decimal, 0}, {12, 0x03E8, F::TextSkipBlanks, 8},
    {13, 0x0374, F::Decimal, 0}, {14, 0x0378, F::Decimal, 0}, {15, 0x0178, F::Decimal, 0},
    {16, 0x0180, F::DateTime, 0}, {17, 0x017C, F::Decimal, 0}, {18, 0x0184, F::DateTime, 0},
    {19, 0x0168, F::Decimal, 0}, {20, 0x0170, F::DateTime, 0}, {21, 0x016C, F::Decimal, 0},
    {22, 0x0174, F::DateTime, 0}, {23, 0x0318, F::Decimal, 0}, {24, 0x0324, F::DateTime, 0},
    {25, 0x031C, F::Decimal, 0}, {26, 0x0328, F::DateTime, 0}, {27, 0x03F0, F::Decimal, 0},
    {28, 0x03FC, F::DateTime, 0}, {29, 0x03F4, F::Decimal, 0}, {30, 0x0400, F::DateTime, 0},
    {31, 0x0360, F::Int32, 0}, {32, 0x0364, F::Int32, 0}, {33, 0x0320, F::Int32, 0}, {34, 0x03F8, F::Int32, 0},
    {35, 0x030C, F::Int32, 0}, {36, 0x0310, F::Int32, 0}, {37, 0x0314, F::Span, 0}, {44, 0x0098, F::Decimal, 0},
    {45, 0x009C, F::Decimal, 0}, {46, 0x0330, F::Decimal, 0}, {47, 0x0334, F::Decimal, 0},
    {48, 0x0128, F::Decimal, 0}, {49, 0x0130, F::Decimal, 0}, {50, 0x013C, F::Decimal, 0},
    {51, 0x0134, F::Decimal, 0}, {52, 0x0140, F::TextSkipBlanks, 8}, {57, 0x014C, F::Decimal, 0},
    {62, 0x0148, F::Decimal, 0}, {65, 0x0090, F::Decimal, 0}, {68, 0x00AC, F::Decimal, 0}, {69, 0x00B0, F::Span, 0},
    {70, 0x006C, F::Decimal, 0}, {72, 0x000C, F::Decimal, 0}, {73, 0x0024, F::Decimal, 0}, {74, 0x0030, F::Decimal, 0},
    {75, 0x0018, F::Int32, 0}, {77, 0x0010, F::Decimal, 0}, {78, 0x0028, F::Decimal, 0}, {79, 0x0034, F::Decimal, 0},
    {80, 0x001C, F::Int32, 0}, {82, 0x0014, F::Decimal, 0}, {83, 0x002C, F::Decimal, 0}, {84, 0x0038, F::Decimal, 0},
    {85, 0x0020, F::Int32, 0}, {86, 0x0074, F::Text, 8}, {87, 0x007C, F::Text, 4}, {88, 0x03CC, F::Decimal, 0},
    {89, 0x037C, F::Text, 8}, {90, 0x00B4, F::Decimal, 0}, {91, 0x00B8, F::Int32, 0}, {92, 0x035C, F::Int32, 0},
    {93, 0x034C, F::Int32, 0}, {94, 0x0354, F::Int32, 0}, {95, 0x0350, F::Int32, 0}, {96, 0x0344, F::Int32, 0},
    {97, 0x0340, F::Int32, 0}, {104, 0x0080, F::DateTime, 0}, {105, 0x0084, F::DateTime, 0},
    {107, 0x0088, F::Decimal, 0}, {118, 0x0404, F::Decimal, 0}, {119, 0x0428, F::Decimal, 0},
    {121, 0x0430, F::DateTime, 0}, {123, 0x0438, F::Decimal, 0}, {150, 0x0368, F::Int32, 0},
    {151, 0x032C, F::Text, 4}, {156, 0x0070, F::Span, 0}, {158, 0x03D4, F::Int32, 0}, {161, 0x0358, F::Int32, 0},
    {162, 0x0384, F::Decimal, 0}, {163, 0x03C4, F::Decimal, 0}, {164, 0x03C8, F::Decimal, 0},
    {179, 0x011C, F::Int32, 0}, {180, 0x0120, F::Text, 6}, {181, 0x0348, F::Int32, 0},
};

const SharedLineFields kShared = {0x0150, 0x012C, 0x00BC, 0x00A0, 8, 0x042C};

}  // namespace

int32_t TranslateSetupJ46(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(kSummaryClear);
    PutLnPercents(out, w, 0x018C);
    out.U16(0x03D0, w.summaryA[0]);
    out.U16(0x03D2, w.summaryB[0]);
    out.U16(0x0094, w.summaryA[1]);
    out.U16(0x0096, w.summaryB[1]);
    out.U16(0x0138, w.q53);
    out.U16(0x0126, w.q54);
    out.F32(0x043C, w.q147);
    SharedLineState st;
    ReadSetupLines(w, kLineMax, [&](int r, std::string_view value, std::string_view line) {
        if (ApplyTableOrSharedLine(out, w, kFields, kShared, st, r, value, line)) return;
        switch (r) {
        case 3: out.Text(0x0390, 51, value); break;
        case 6: {
            const uint32_t t = ApplyStartLine(w, value);
            out.U32(0x0388, t);
            out.U32(0x0004, t);
            break;
        }
        case 106: {
            // The offset is a byte taken as signed.
            float v = DecimalOrZero(value);
            if (v >= 128.0f) v -= 256.0f;
            out.F32(0x008C, v);
            w.levelOffset = IsPlausibleLevelOffset(v) ? v : 0.0f;
            break;
        }
        case 124: {
            const long index = LeadingInt(value) - 1;
            const size_t comma = value.find(',');
            if (comma != std::string_view::npos && index >= 0 && index < 8) {
                const size_t at = comma + 4;
                out.I32(0x0408 + 4 * static_cast<size_t>(index),
                        static_cast<int32_t>(at < value.size() ? LeadingInt(value.substr(at)) : 0));
            }
            break;
        }
        case 170: ApplyVoltage(out, 0x0074, 0x007C, 4, value); break;
        case 171: PutFloatList(out, 0x021C, 30, value); break;
        case 172: PutFloatList(out, 0x01A4, 30, value); break;
        case 173: PutFloatList(out, 0x0294, 30, value); break;
        default: break;
        }
    });
    out.U16(0x0188, w.model);
    out.U16(0x000A, SummaryFlags(w, st.lnLines));
    PutChannelTexts(out, w, 0x003C, 0x005A);
    out.U16(0x0434, w.slmSummaryFlag);
    FinishSetupRecord(out, w, 37);
    return 0;
}

}  // namespace tessdec
