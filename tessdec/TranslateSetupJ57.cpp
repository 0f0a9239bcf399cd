// The J57's setup lines ("R" group at the end of the file): the measurement
// summary, kind 55.
#include <cmath>

#include "SetupLines.h"
#include "Text.h"
#include "Translators.h"

namespace tessdec {

namespace {

constexpr size_t kLineMax = 2998;
constexpr size_t kSummaryClear = 5316;
constexpr float kNoLevel = 999.0f;

using F = Form;
const LineField kFields[] = {
    {4, 0x0154, F::DecimalList, 9}, {5, 0x034C, F::Span, 0}, {7, 0x0144, F::Span, 0},
    {8, 0x0178, F::DateTime, 0}, {9, 0x0364, F::DecimalList, 3}, {10, 0x0370, F::TextSkipBlanks, 8},
    {11, 0x0180, F::DecimalList, 3}, {12, 0x018C, F::TextSkipBlanks, 8}, {13, 0x0350, F::DecimalList, 3},
    {14, 0x0148, F::DecimalList, 3}, {15, 0x02E8, F::DecimalList, 9}, {16, 0x030C, F::DateTimeList, 9},
    {17, 0x00E0, F::DecimalList, 9}, {18, 0x0104, F::DateTimeList, 9}, {19, 0x02A0, F::DecimalList, 9},
    {20, 0x02C4, F::DateTimeList, 9}, {21, 0x0098, F::DecimalList, 9}, {22, 0x00BC, F::DateTimeList, 9},
    {23, 0x0330, F::DecimalList, 3}, {24, 0x033C, F::DateTimeList, 3}, {25, 0x0128, F::DecimalList, 3},
    {26, 0x0134, F::DateTimeList, 3}, {27, 0x0378, F::DecimalList, 3}, {28, 0x0384, F::DateTimeList, 3},
    {29, 0x0194, F::DecimalList, 3}, {30, 0x01A0, F::DateTimeList, 3}, {31, 0x03C4, F::Int32, 0},
    {32, 0x03C8, F::Int32, 0}, {33, 0x039C, F::Int32, 0}, {34, 0x0E24, F::Int32, 0}, {35, 0x0390, F::Int32, 0},
    {36, 0x0394, F::Int32, 0}, {37, 0x0398, F::Span, 0}, {44, 0x0290, F::Decimal, 0}, {45, 0x0094, F::Decimal, 0},
    {46, 0x0348, F::Decimal, 0}, {47, 0x0140, F::Decimal, 0}, {48, 0x0234, F::Decimal, 0},
    {49, 0x023C, F::Decimal, 0}, {50, 0x0248, F::Decimal, 0}, {51, 0x0240, F::Decimal, 0},
    {52, 0x024C, F::TextSkipBlanks, 8}, {57, 0x029C, F::Decimal, 0}, {62, 0x0298, F::Decimal, 0},
    {65, 0x0288, F::Decimal, 0}, {68, 0x01B8, F::Decimal, 0}, {69, 0x01BC, F::Span, 0}, {70, 0x006C, F::Decimal, 0},
    {72, 0x000C, F::Decimal, 0}, {73, 0x0024, F::Decimal, 0}, {74, 0x0030, F::Decimal, 0}, {75, 0x0018, F::Int32, 0},
    {77, 0x0010, F::Decimal, 0}, {78, 0x0028, F::Decimal, 0}, {79, 0x0034, F::Decimal, 0}, {80, 0x001C, F::Int32, 0},
    {82, 0x0014, F::Decimal, 0}, {83, 0x002C, F::Decimal, 0}, {84, 0x0038, F::Decimal, 0}, {85, 0x0020, F::Int32, 0},
    {86, 0x0074, F::Text, 8}, {87, 0x007C, F::Text, 4}, {88, 0x0E1C, F::Decimal, 0}, {89, 0x0A64, F::Text, 8},
    {90, 0x01C0, F::Decimal, 0}, {91, 0x01C4, F::Int32, 0}, {92, 0x03C0, F::Int32, 0}, {93, 0x03B0, F::Int32, 0},
    {94, 0x03B8, F::Int32, 0}, {95, 0x03B4, F::Int32, 0}, {96, 0x03A8, F::Int32, 0}, {97, 0x03A4, F::Int32, 0},
    {104, 0x0080, F::DateTime, 0}, {105, 0x0088, F::DateTime, 0}, {106, 0x008C, F::Decimal, 0},
    {107, 0x0084, F::Decimal, 0}, {118, 0x0E28, F::Decimal, 0}, {119, 0x0E4C, F::Decimal, 0},
    {121, 0x0E54, F::DateTime, 0}, {122, 0x0E60, F::Int32, 0}, {123, 0x0E5C, F::Decimal, 0},
    {139, 0x03CC, F::Span, 0}, {150, 0x0A60, F::Int32, 0}, {151, 0x03A0, F::Text, 4}, {156, 0x0070, F::Span, 0},
    {158, 0x0E20, F::Int32, 0}, {161, 0x03BC, F::Int32, 0}, {162, 0x0A6C, F::Decimal, 0},
    {163, 0x0DD4, F::DecimalList, 9}, {164, 0x0DF8, F::DecimalList, 9}, {175, 0x0294, F::DateTime, 0},
    {176, 0x14C0, F::DateTime, 0}, {179, 0x0228, F::Int32, 0}, {180, 0x022C, F::Text, 6}, {181, 0x03AC, F::Int32, 0},
    {208, 0x054C, F::Float, 0}, {209, 0x0550, F::Text, 5}, {211, 0x0488, F::Float, 0}, {212, 0x048C, F::Text, 5},
    {215, 0x0A5A, F::Text, 6}, {216, 0x0780, F::Int16, 0}, {217, 0x09BC, F::Int32, 0}, {223, 0x08FC, F::Float, 0},
    {224, 0x08F4, F::Int16, 0}, {225, 0x08F6, F::Text, 6}, {227, 0x0E64, F::Int32, 0}, {228, 0x0E68, F::Int32, 0},
    {229, 0x0E6C, F::Float, 0}, {230, 0x0E70, F::Float, 0}, {232, 0x0E74, F::Float, 0}, {233, 0x0E78, F::Span, 0},
    {240, 0x0D88, F::DecimalList, 6},
};

// The eight spectra: 34 third-octave values, then 12 octave values.
constexpr size_t kSpectrum[8] = {0x03D0, 0x0494, 0x0558, 0x0610, 0x06C8, 0x0784, 0x083C, 0x0900};
constexpr size_t kThirds = 34;
constexpr size_t kOctaveAt = 4 * kThirds;

// Reads up to 34 comma-separated items into the third-octave slots; an item
// whose fourth character is "-" has no value. Returns the count.
size_t ThirdOctaves(OutRecord& out, size_t at, std::string_view value) {
    size_t count = 0, pos = 0;
    while (count < kThirds) {
        const size_t comma = value.find(',', pos);
        const std::string_view item = value.substr(pos, comma == std::string_view::npos ? value.size() - pos : comma - pos);
        const bool none = item.size() > 3 && item[3] == '-';
        out.F32(at + 4 * count++, none ? kNoLevel : LeadingFloat(value.substr(pos)));
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
    return count;
}

float Slot(const OutRecord& out, size_t at) {
    float v;
    std::memcpy(&v, const_cast<OutRecord&>(out).Data() + at, 4);
    return v;
}

// First form: third octaves, and octaves summed from each three of them.
void SpectrumSummed(OutRecord& out, size_t at, std::string_view value) {
    ThirdOctaves(out, at, value);
    for (size_t j = 0; j < 11; ++j) {
        double sum = 0;
        bool none = false;
        for (size_t i = 3 * j; i < 3 * j + 3; ++i) {
            const float v = Slot(out, at + 4 * i);
            none = none || v == kNoLevel;
            sum += std::pow(10.0, v / 10.0);
        }
        out.F32(at + kOctaveAt + 4 * j, none ? kNoLevel : static_cast<float>(10.0 * std::log10(sum)));
    }
}

// Second form: a short value (below 130 characters) holds octave values.
void SpectrumPlain(OutRecord& out, size_t at, std::string_view value, bool markEnd) {
    const size_t count = ThirdOctaves(out, at, value);
    if (markEnd && (count == 33 || count == 11)) out.F32(at + 4 * count, kNoLevel);
    if (value.size() < 130) {
        for (size_t i = 0; i < 12; ++i) out.F32(at + kOctaveAt + 4 * i, Slot(out, at + 4 * i));
    }
}

void NoSpectrum(OutRecord& out, size_t at) {
    for (size_t i = 0; i < kThirds + 12; ++i) out.F32(at + 4 * i, kNoLevel);
}

// R 218: seven texts of 21 characters from the fifth character on.
void SevenTexts(OutRecord& out, std::string_view value) {
    constexpr size_t kAt = 0x09C0;
    if (value.size() < 2 || value[1] != 'N') {
        out.U8(kAt, 0);
        return;
    }
    size_t pos = 4;
    for (size_t k = 0; k < 7; ++k) {
        out.Text(kAt + 22 * k, 22, pos < value.size() ? value.substr(pos, 21) : std::string_view());
        pos += k == 5 ? 22 : 21;
    }
}

// R 124: up to eight items, each the integer after a three-character prefix.
void WindDirections(OutRecord& out, std::string_view value) {
    size_t pos = 0;
    for (size_t k = 0; k < 8 && !value.empty(); ++k) {
        const size_t comma = value.find(',', pos);
        const std::string_view item = value.substr(pos, comma == std::string_view::npos ? value.size() - pos : comma - pos);
        out.I32(0x0E2C + 4 * k, static_cast<int32_t>(item.size() > 3 ? LeadingInt(item.substr(3)) : 0));
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
}

const SharedLineFields kShared = {0x0254, 0x0238, 0x01C8, 0x01AC, 8, 0x0E50};

}  // namespace

int32_t TranslateSetupJ57(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(kSummaryClear);
    PutLnPercents(out, w, 0x0270);
    out.U16(0x0360, w.summaryA[0]);
    out.U16(0x028C, w.summaryA[1]);
    out.U16(0x017C, w.summaryB[0]);
    out.U16(0x0090, w.summaryB[1]);
    out.U16(0x0244, w.q53);
    out.U16(0x0232, w.q54);
    SharedLineState st;
    ReadSetupLines(w, kLineMax, [&](int r, std::string_view value, std::string_view line) {
        if (ApplyTableOrSharedLine(out, w, kFields, kShared, st, r, value, line)) return;
        switch (r) {
        case 3: out.Text(0x0DA0, 51, value); break;
        case 6: {
            const uint32_t t = ApplyStartLine(w, value);
            out.U32(0x035C, t);
            out.U32(0x0004, t);
            break;
        }
        case 124: WindDirections(out, value); break;
        case 170: ApplyVoltage(out, 0x0074, 0x007C, 4, value); break;
        case 172: SpectrumSummed(out, kSpectrum[0], value); break;
        case 171: SpectrumSummed(out, kSpectrum[1], value); break;
        case 188: SpectrumSummed(out, kSpectrum[2], value); break;
        case 206: SpectrumSummed(out, kSpectrum[3], value); break;
        case 173: SpectrumSummed(out, kSpectrum[4], value); break;
        case 210: SpectrumPlain(out, kSpectrum[0], value, false); break;
        case 207: SpectrumPlain(out, kSpectrum[1], value, false); break;
        case 213: SpectrumPlain(out, kSpectrum[2], value, false); break;
        case 214: SpectrumPlain(out, kSpectrum[3], value, false); break;
        case 219: SpectrumPlain(out, kSpectrum[7], value, true); break;
        case 221: NoSpectrum(out, kSpectrum[5]); break;
        case 222: NoSpectrum(out, kSpectrum[6]); break;
        case 203: PutFloatList(out, 0x0E7C, 401, value); break;
        case 218: SevenTexts(out, value); break;
        case 220: {
            float v = LeadingFloat(value);
            if (!value.empty() && value.back() == 'K') v *= 1024.0f;
            if (!value.empty() && value.back() == 'M') v *= 1048576.0f;
            out.F32(0x09B8, v);
            break;
        }
        case 234: case 235: case 236: case 237: case 238: case 239:
            ApplyForm(out, {0, static_cast<uint16_t>(0x0A70 + 132 * (r - 234)), Form::DecimalList, 33}, value);
            break;
        default: break;  // a line this model does not know
        }
    });
    out.U16(0x026C, w.model);
    out.U16(0x000A, SummaryFlags(w, st.lnLines));
    PutChannelTexts(out, w, 0x003C, 0x005A);
    out.U16(0x0E58, w.slmSummaryFlag);
    FinishSetupRecord(out, w, 55);
    return 0;
}

}  // namespace tessdec
