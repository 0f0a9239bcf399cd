// Parameter lines ("Q"): the instrument's numbered parameters, read as one
// group into an output record of kind 7. They also set the translation values
// that later records depend on; for models without a settings record they are
// the only source of them.
#include <cmath>
#include <cstring>
#include <string>

#include "FileReader.h"
#include "Numbers.h"
#include "OutRecord.h"
#include "Text.h"
#include "TimeConv.h"
#include "Translators.h"

namespace tessdec {

namespace {

constexpr size_t kParamLine = 80;
constexpr size_t kParamClear = 688;

enum class Conv { None, Text, Int, Decimal };

struct Field {
    Conv conv = Conv::None;
    size_t offset = 0;
    size_t slot = 0;  // text slot in bytes
};

Field Text(size_t off, size_t slot) { return {Conv::Text, off, slot}; }
Field Int(size_t off) { return {Conv::Int, off, 2}; }
Field Dec(size_t off) { return {Conv::Decimal, off, 4}; }

// Where a parameter goes in the kind-7 record. Values with effects beyond
// their field are handled in ApplyEffects.
Field FieldOf(int q, bool j57) {
    if (q >= 2 && q <= 5) return Text(22 + 32 * static_cast<size_t>(q - 2), 32);
    if (q >= 9 && q <= 21) return Int(176 + 2 * static_cast<size_t>(q - 9));
    if (q >= 24 && q <= 28) return Text(222 + 10 * static_cast<size_t>(q - 24), 10);
    if (q >= 29 && q <= 34) return Int(272 + 2 * static_cast<size_t>(q - 29));
    if (q >= 39 && q <= 43) return Int(306 + 2 * static_cast<size_t>(q - 39));
    if (q >= 45 && q <= 60) return Int(320 + 2 * static_cast<size_t>(q - 45));
    if (q >= 62 && q <= 69) return Int(356 + 2 * static_cast<size_t>(q - 62));
    if (q >= 71 && q <= 74) return Int(374 + 2 * static_cast<size_t>(q - 71));
    if (q >= 76 && q <= 84) return Int(388 + 2 * static_cast<size_t>(q - 76));
    if (q >= 121 && q <= 144) {
        const size_t ch = static_cast<size_t>(q - 121) / 8;  // channel 0 to 2
        switch ((q - 121) % 8) {
        case 0: return Text(416 + 10 * ch, 10);
        case 1: return Dec(448 + 4 * ch);
        case 2: return Dec(460 + 4 * ch);
        case 3: return Text(472 + 6 * ch, ch == 2 ? 8 : 6);
        case 4: return Dec(492 + 4 * ch);
        case 5: return Int(504 + 2 * ch);
        case 6: return Int(510 + 2 * ch);
        default: return Int(516 + 2 * ch);
        }
    }
    if (q >= 161 && q <= 165) {
        if (j57) return Text(640 + 9 * static_cast<size_t>(q - 161), 9);
        return q == 161 ? Text(620, 6) : Int(626 + 2 * static_cast<size_t>(q - 162));
    }
    switch (q) {
    case 6: return Text(150, 10);
    case 7: return Text(160, 12);
    case 35: return Dec(284);
    case 36: return Text(288, 10);
    case 37: return Int(298);
    case 38: return Text(300, 6);
    case 44: return Dec(316);
    case 61: return Dec(352);
    case 75: return Text(382, 6);
    case 87: return Int(406);
    case 88: return Int(408);
    case 145: return Int(522);
    case 146: return Int(524);
    case 147: return Dec(528);
    case 148: return Dec(532);
    case 149: return Dec(536);
    case 150: return Int(540);
    case 153: case 154: case 155: return Int(542 + 2 * static_cast<size_t>(q - 153));
    case 156: return Text(548, 32);
    case 157: return Int(580);
    case 158: return Text(582, 32);
    case 159: return Int(614);
    case 160: return Dec(616);
    case 209: return Int(636);
    case 210: return Int(638);
    default: return {};
    }
}

// Day of the month, month index (January when no name matches) and year of
// a date such as "09Mar2003".
struct ParamDate {
    int day;
    int month;  // 0 to 11, -1 when no name matches
    int year;
};

ParamDate DateOf(std::string_view v) {
    return {static_cast<int>(IntAt(v, 0)), v.size() > 2 ? MonthIndex(v.substr(2), false) : -1,
            static_cast<int>(IntAt(v, 5))};
}

int DayIndex(std::string_view v) {
    static const char* const kDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int i = 0; i < 7; ++i)
        if (v.substr(0, 3) == kDays[i]) return i;
    return 0;
}

class ParamTranslator {
public:
    explicit ParamTranslator(WorkState& w) : w_(w), out_(w.out) {}

    int32_t Run() {
        out_.Clear(kParamClear);
        if (!IsJ57(w_)) {
            for (float& p : w_.lnPercent) p = -1.0f;
        }
        std::string line(kParamLine + 1, '\0');
        bool have = ReadLine(w_, line.data(), kParamLine);
        while (have && line[0] != 'Q') have = ReadLine(w_, line.data(), kParamLine);
        while (have && line[0] == 'Q') {
            w_.resumeOffset = static_cast<int32_t>(Tell(w_));
            const std::string_view text = CutLineEnd(line.c_str());
            Apply(static_cast<int>(LeadingInt(text.substr(1))), text.size() > 5 ? text.substr(5) : std::string_view());
            have = ReadLine(w_, line.data(), kParamLine);
        }
        Finish();
        return 0;
    }

private:
    void Apply(int q, std::string_view v) {
        const Field f = FieldOf(q, IsJ57(w_));
        int value = static_cast<int>(LeadingInt(v));
        double dec = 0;
        const bool decOk = ParseDecimal(v, dec) == 0;
        switch (f.conv) {
        case Conv::Text: out_.Text(f.offset, f.slot, v); break;
        case Conv::Int: out_.U16(f.offset, static_cast<unsigned>(value)); break;
        case Conv::Decimal:
            if (decOk) out_.F32(f.offset, static_cast<float>(dec));
            break;
        case Conv::None: break;
        }
        ApplyEffects(q, v, value, dec, decOk);
    }

    void ApplyEffects(int q, std::string_view v, int value, double dec, bool decOk) {
        const bool version = w_.versionFlag != 0;
        switch (q) {
        case 2: FillSummaryText(TESSDEC_SUM_NOTE1, v); break;
        case 3: FillSummaryText(TESSDEC_SUM_NOTE2, v); break;
        case 5: FillSummaryText(TESSDEC_SUM_LOCATION, v); break;
        case 6:
            haveTime_ = true;
            hour_ = static_cast<int>(IntAt(v, 0)), minute_ = static_cast<int>(IntAt(v, 3)), second_ = static_cast<int>(IntAt(v, 6));
            break;
        case 7:
            haveDate_ = true;
            date_ = DateOf(v);
            break;
        case 8: out_.U32(172, static_cast<uint32_t>(DayIndex(v))); break;
        case 22:
        case 23: {
            // Formatted bounded: an arbitrary year or day cannot run past the slot.
            const ParamDate d = DateOf(v);
            int yy = d.year - 1900;
            if (yy >= 100) yy -= 100;
            out_.Format(q == 22 ? 202 : 212, 10, "%02d/%02d/%02d", d.month + 1, d.day, yy);
            break;
        }
        case 46: w_.summaryB[0] = static_cast<uint16_t>(value); break;
        case 47: w_.summaryB[1] = static_cast<uint16_t>(value); break;
        case 49: w_.summaryA[0] = static_cast<uint16_t>(value); break;
        case 50: w_.summaryA[1] = static_cast<uint16_t>(value); break;
        case 53: w_.q53 = static_cast<uint16_t>(value); break;
        case 54: w_.q54 = static_cast<uint16_t>(value); break;
        case 55: case 56: case 57: case 58: case 59: case 60:
            w_.lnPercent[q - 55] = static_cast<float>(static_cast<int16_t>(value));
            break;
        case 61:
            w_.exceedLevel1 = decOk ? static_cast<float>(dec) : 65.0f;
            if (!decOk) out_.F32(352, 65.0f);
            break;
        case 62: w_.exceedLevel2 = static_cast<uint16_t>(value); break;
        case 69: w_.exceedThFlag = static_cast<uint16_t>(value); break;
        case 70:
            if (decOk) w_.exceedValue16 = static_cast<float>(dec);
            out_.U16(372, static_cast<unsigned>(SaturatingCast<int>(w_.exceedValue16)));
            break;
        case 71: w_.eventFlag1 = static_cast<uint16_t>(value); break;
        case 77: w_.intervalLnFlag = static_cast<uint16_t>(value); break;
        case 78: w_.eventFlag2 = static_cast<uint16_t>(value); break;
        case 81: w_.singleByteLevel = static_cast<uint16_t>(value); break;
        case 82: w_.thFormatCode = static_cast<uint16_t>(value); break;
        case 83: SetPeriod(static_cast<double>(value)); break;
        case 84:
            if (value == 0) SetPeriod(w_.periodSecs / 32.0);
            else if (value == 2) SetPeriod(w_.periodSecs * 10.0);
            else if (value == 3) SetPeriod(w_.periodSecs * 60.0);
            break;
        case 118: case 119: case 120: {
            const uint16_t kept = version ? static_cast<uint16_t>(value) : 0;
            out_.U16(410 + 2 * static_cast<size_t>(q - 118), kept);
            (q == 118 ? w_.dayOptionA : q == 119 ? w_.channelOption : w_.dayOptionB) = kept;
            break;
        }
        case 121: case 129: case 137: CopyCut(w_.channelName[(q - 121) / 8], 10, v); break;
        case 122: case 130: case 138:
            if (decOk) w_.channelFactor1[(q - 122) / 8] = static_cast<float>(dec);
            break;
        case 123: case 131: case 139:
            if (decOk) w_.channelFactor2[(q - 123) / 8] = static_cast<float>(dec);
            break;
        case 124: case 132: case 140: CopyCut(w_.channelUnit[(q - 124) / 8], 8, v); break;
        case 145: w_.windFlag = static_cast<uint16_t>(value); break;
        case 146: w_.slmSummaryFlag = static_cast<uint16_t>(value); break;
        case 147:
            if (decOk) w_.q147 = static_cast<float>(dec);
            break;
        case 157:
            w_.siteNumber = static_cast<uint16_t>(value);
            PutSummaryU16(w_, TESSDEC_SUM_SITE, static_cast<unsigned>(value));
            break;
        case 162:
            if (!IsJ57(w_)) {
                w_.q162Flag = 0;
                if (value == 1) w_.exceedTimeFlag = 1;
                if (value == 2) w_.q162Flag = 1;
            }
            break;
        case 163:
            if (!IsJ57(w_) && value == 1) w_.exceedTimeFlag = 1;
            break;
        case 206:
            if (version) {
                w_.dailyLnFlag = static_cast<uint16_t>(value);
                out_.U16(634, static_cast<unsigned>(value));
            } else {
                w_.dailyHistFlag = static_cast<uint16_t>(value);
            }
            break;
        case 209: w_.q209 = static_cast<uint16_t>(value); break;
        case 210:
            w_.intervalHistFlag = value & 1;
            if (version) w_.dailyHistFlag = (value >> 4) & 1;
            break;
        case 227:
            if (decOk) w_.levelOffset = IsPlausibleLevelOffset(dec) ? static_cast<float>(dec) : 0.0f;
            break;
        default: break;
        }
    }

    // A period that no setting can mean is no period.
    void SetPeriod(double secs) { w_.periodSecs = IsPlausiblePeriod(secs) ? static_cast<float>(secs) : 0.0f; }

    void FillSummaryText(size_t off, std::string_view v) {
        char* slot = SummaryText(w_, off);
        if (slot[0] == '\0') CopyCut(slot, TESSDEC_HDR_AT_SLOT, v);
    }

    void Finish() {
        uint32_t start = 0;
        if (haveDate_) {
            if (w_.startTime != 0) {
                start = w_.startTime;
            } else {
                std::tm tm{};
                tm.tm_mday = date_.day;
                tm.tm_mon = date_.month < 0 ? 0 : date_.month;
                tm.tm_year = date_.year - 1900;
                if (haveTime_) tm.tm_hour = hour_, tm.tm_min = minute_, tm.tm_sec = second_;
                tm.tm_isdst = -1;
                start = StampSecs(tm, nullptr);
                // A file without a header takes its start from here.
                w_.startTime = start;
                w_.startTimeD = start;
            }
            PutSummaryU32(w_, TESSDEC_SUM_START, start);
        }
        out_.U16(0, 7);
        out_.U16(2, w_.siteNumber);
        out_.U32(4, start);
        out_.U16(8, w_.reservedWord);
        out_.U16(10, w_.model);
        PutSummaryU16(w_, TESSDEC_SUM_MODEL, w_.model);
        RaiseLatest(w_, start);
    }

    WorkState& w_;
    OutRecord out_;
    bool haveDate_ = false, haveTime_ = false;
    ParamDate date_{};
    int hour_ = 0, minute_ = 0, second_ = 0;
};

}  // namespace

int32_t TranslateParams(WorkState& w) { return ParamTranslator(w).Run(); }

}  // namespace tessdec
