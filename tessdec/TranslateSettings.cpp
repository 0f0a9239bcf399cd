// Measurement settings records ("M"): the setup block the instrument measured
// with, turned into the settings record of its mode, and the translation
// values that the data records after it depend on (periods, flags, offsets).
//
// The block is taken whole (up to the last byte the mode part reads) through
// the body reader, so a short body reads as zeros and gives -313 as reading
// byte by byte would; the fields are then placed by their block positions.
#include <cmath>
#include <cstring>

#include "BodyReader.h"
#include "OutRecord.h"
#include "Translators.h"

namespace tessdec {

namespace {

// Every settings layout ends before this (the TAL and RTA ones are cleared
// over 304 bytes, the LOG one reaches 313).
constexpr size_t kSettingsClear = 320;

// The setup block as the mode part sees it.
class Block {
public:
    explicit Block(WorkState& w) : w_(w), r_(w) {}

    // Takes the block up to byte last (inclusive).
    void LoadTo(size_t last) {
        while (loaded_ <= last && loaded_ < sizeof b_) b_[loaded_++] = r_.Byte();
    }
    int32_t Status() const { return r_.Status(); }

    uint8_t operator[](size_t i) const { return i < sizeof b_ ? b_[i] : 0; }
    bool Bit(size_t i, int bit) const { return ((*this)[i] >> bit) & 1; }
    unsigned U16(size_t i) const { return (*this)[i] * 256u + (*this)[i + 1]; }
    float Fix88(size_t i) const { return (*this)[i] + (*this)[i + 1] / 256.0f; }
    float SignedFix88(size_t i) const {
        int b0 = (*this)[i];
        if (b0 >= 192) b0 -= 256;
        return static_cast<float>(b0) + (*this)[i + 1] / 256.0f;
    }
    float Fix816(size_t i) const { return static_cast<float>((*this)[i] + U16(i + 1) / 65536.0); }
    float LevelFracNone(size_t i) const {
        if ((*this)[i + 1] == 0) return kNoValue;
        return Fix88(i) + w_.levelOffset;
    }
    // The wind scale: 65535, not 65536, in the denominator.
    float WindScale(size_t i) const { return static_cast<float>((*this)[i] + U16(i + 1) / 65535.0); }

private:
    WorkState& w_;
    BodyReader r_;
    uint8_t b_[256] = {};
    size_t loaded_ = 0;
};

// Writing a settings record from a block.
class SettingsOut {
public:
    SettingsOut(WorkState& w, const Block& b) : out_(w.out), b_(b) {}

    OutRecord& Out() { return out_; }
    void U16(size_t off, size_t byte) { out_.U16(off, b_[byte]); }
    // One u16 field each for count consecutive bytes.
    void U16Run(size_t off, size_t firstByte, size_t count) {
        for (size_t i = 0; i < count; ++i) out_.U16(off + 2 * i, b_[firstByte + i]);
    }
    void Byte(size_t off, size_t byte) { out_.U8(off, b_[byte]); }
    void Bytes(size_t off, size_t firstByte, size_t n) {
        for (size_t i = 0; i < n; ++i) out_.U8(off + i, b_[firstByte + i]);
    }
    // Packed BCD bytes as "dd/mm/yy" style texts, in the order given.
    void Hex3(size_t off, size_t slot, const char* sep, size_t b0, size_t b1, size_t b2) {
        char fmt[32];
        std::snprintf(fmt, sizeof fmt, "%%02x%s%%02x%s%%02x", sep, sep);
        out_.Format(off, slot, fmt, b_[b0], b_[b1], b_[b2]);
    }
    void Date(size_t off, size_t firstByte) { Hex3(off, 12, "/", firstByte + 2, firstByte + 1, firstByte); }
    void HexTime(size_t off, size_t firstByte) { Hex3(off, 10, ":", firstByte, firstByte + 1, firstByte + 2); }
    void HexHm(size_t off, size_t firstByte) { out_.Format(off, 6, "%02x:%02x", b_[firstByte], b_[firstByte + 1]); }
    // Four "%02x:%02x" texts in consecutive 6-byte slots from bytes 63 to 70.
    void FourHm(size_t off) {
        for (size_t i = 0; i < 4; ++i) HexHm(off + 6 * i, 63 + 2 * i);
    }
    // The interval period bytes are plain binary.
    void DecTime(size_t off, size_t firstByte) {
        out_.Format(off, 9, "%02d:%02d:%02d", b_[firstByte], b_[firstByte + 1], b_[firstByte + 2]);
    }
    void SignedFix88Run(size_t off, size_t firstByte, size_t count) {
        for (size_t i = 0; i < count; ++i) out_.F32(off + 4 * i, b_.SignedFix88(firstByte + 2 * i));
    }

private:
    OutRecord out_;
    const Block& b_;
};

float PeriodOf(float current, unsigned count, unsigned unit) {
    switch (unit) {
    case 0: return count / 32.0f;
    case 1: return static_cast<float>(count);
    case 2: return count * 10.0f;
    case 3: return count * 60.0f;
    default: return current;
    }
}

void SetLnPercents(WorkState& w, const Block& b) {
    for (size_t i = 0; i < 6; ++i) w.lnPercent[i] = b.SignedFix88(110 + 2 * i);
}

void SetSummaryPairs(WorkState& w, unsigned a0, unsigned a1, unsigned b0, unsigned b1) {
    w.summaryA[0] = static_cast<uint16_t>(a0), w.summaryA[1] = static_cast<uint16_t>(a1);
    w.summaryB[0] = static_cast<uint16_t>(b0), w.summaryB[1] = static_cast<uint16_t>(b1);
}

// The time-history values shared by the SSA, LOG and TAL parts.
void SetHistoryValues(WorkState& w, const Block& b) {
    w.singleByteLevel = b.Bit(47, 2);
    SetLnPercents(w, b);
    w.thOtherLevel = b[140];
    w.periodSecs = PeriodOf(w.periodSecs, b[141], b[142]);
    w.setupLevelOffset = b[181];
}

void SetMasks(WorkState& w, const uint16_t (&m)[6]) { std::memcpy(w.thMask, m, sizeof m); }

// The exceedance and daily values of the LOG/ENV parts of both families.
void SetLogValues(WorkState& w, const Block& b, float exceedLevel1) {
    w.intervalLnFlag = b.Bit(42, 6);
    w.intervalHistFlag = b.Bit(42, 0);
    w.windFlag = b.Bit(49, 6);
    w.exceedLevel1 = exceedLevel1;
    w.exceedLevel2 = b[179];
    w.exceedThFlag = b.Bit(48, 6);
    w.exceedTimeFlag = b.Bit(48, 5);
    w.exceedValue16 = static_cast<float>(b.U16(175));
    w.dailyLnFlag = b.Bit(47, 7);
    w.dailyHistFlag = b.Bit(47, 5);
    w.eventFlag1 = w.eventFlag2 = 0;
    w.q162Flag = 0;
    SetSummaryPairs(w, b[78], b[79], b[75], b[76]);
}

// The timer group: timer mode (byte 56), start and stop dates, four times of
// day and the run time, from the offset of the timer mode's field.
void TimerGroup(SettingsOut& o, size_t at) {
    o.U16(at, 56);
    o.Date(at + 2, 57);
    o.Date(at + 14, 60);
    o.FourHm(at + 26);
    o.HexTime(at + 50, 71);
}

// The LOG layouts from the Ln percentages to the wind thresholds (bytes 110
// to 137); exceedance level 1 is signed on the J46.
void LnGroup(SettingsOut& o, const Block& b, size_t at, float exceedLevel1) {
    OutRecord& out = o.Out();
    o.SignedFix88Run(at, 110, 6);
    out.F32(at + 24, exceedLevel1);
    o.U16Run(at + 28, 124, 3);
    out.F32(at + 36, b.WindScale(127));
    o.Bytes(at + 40, 130, 4);
    out.U16(at + 46, b.U16(134));
    out.U16(at + 48, b.U16(136));
}

// The LOG layouts from byte 140 to byte 178.
void HistoryGroup(SettingsOut& o, const Block& b, size_t at) {
    o.U16Run(at, 140, 3);
    o.U16Run(at + 6, 145, 4);
    o.U16Run(at + 14, 153, 15);
    o.U16(at + 44, 173), o.U16(at + 46, 174);
    o.Out().U16(at + 48, b.U16(175));
    o.HexHm(at + 50, 177);
}

// --- other models (J57 and the rest) -----------------------------------------

unsigned SsaPart(WorkState& w, Block& b, SettingsOut& o) {
    b.LoadTo(218);
    const bool above201 = FwAbove(w, 2.01);
    const bool wind = above201 && FwAtLeastF(w, 3.6f);
    o.U16(62, 42);
    TimerGroup(o, 66);
    static const uint16_t kPlain[][2] = {{126, 86}, {128, 87}, {130, 89}, {132, 90}, {136, 92}, {138, 93},
                                         {140, 98}, {142, 99}, {256, 104}, {178, 145}, {180, 146},
                                         {182, 147}, {184, 148}};
    for (const auto& f : kPlain) o.U16(f[0], f[1]);
    if (FwAbove(w, 3.115)) o.U16(134, 94);
    o.DecTime(144, 100);
    SetSummaryPairs(w, 0, 0, 0, 0);
    if (!above201) return 51;
    o.U16(168, 47);
    o.U16(170, 103);
    o.SignedFix88Run(232, 110, 6);
    o.Out().F32(156, b.Fix88(122));
    o.U16Run(162, 124, 3);
    if (wind) {
        o.U16(64, 49);
        o.Out().F32(260, b.WindScale(127));
        o.Bytes(264, 130, 4);
        o.Out().U16(270, b.U16(134));
        o.Out().U16(272, b.U16(136));
        o.U16(274, 138);
        o.Byte(276, 139);
    }
    o.U16(172, 140), o.U16(174, 141), o.U16(176, 142);
    o.U16Run(186, 153, 13);
    static const uint16_t kLate[][2] = {{160, 179}, {228, 180}, {212, 181}, {214, 182}, {222, 183},
                                        {216, 184}, {224, 185}, {218, 186}, {226, 187}};
    for (const auto& f : kLate) o.U16(f[0], f[1]);

    SetHistoryValues(w, b);
    SetMasks(w, {b[182], b[184], b[186], b[183], b[185], b[187]});
    w.intervalLnFlag = b.Bit(42, 6);
    w.intervalHistFlag = b.Bit(42, 0);
    w.windFlag = FwAtLeastF(w, 3.6f) ? b.Bit(49, 6) : 0;
    w.slmSummaryFlag = 0;
    w.spectraSel = b[103];
    w.lnSpectraSel = b[104];
    SetSummaryPairs(w, 0, 0, b[99], 0);
    return 51;
}

unsigned IsmPart(WorkState& w, Block& b, SettingsOut& o) {
    b.LoadTo(218);
    o.U16(62, 74), o.U16(64, 75);
    o.U16Run(66, 86, 7);
    o.U16Run(80, 145, 3);
    w.intervalHistFlag = 0;
    w.slmSummaryFlag = 1;
    w.exceedTimeFlag = 0;
    w.dailyLnFlag = 0;
    w.dailyHistFlag = 0;
    w.q162Flag = 0;
    return 52;
}

unsigned LogPart(WorkState& w, Block& b, SettingsOut& o) {
    const bool above201 = FwAbove(w, 2.01);
    const bool from36 = FwAtLeastF(w, 3.6f);
    b.LoadTo(above201 ? 187 : 185);
    o.U16(62, 42);
    o.U16Run(64, 46, 4);
    TimerGroup(o, 72);
    o.U16Run(132, 74, 10);
    o.Out().F32(152, b.LevelFracNone(84));
    o.U16(156, 86), o.U16(158, 87);
    o.U16Run(160, 89, 4);
    o.U16(168, 98), o.U16(170, 99);
    o.DecTime(172, 100);
    LnGroup(o, b, 184, b.Fix88(122));
    if (from36) {
        o.U16(234, 138);
        o.Byte(312, 139);
    } else {
        o.Out().U16(234, b.U16(138));
    }
    HistoryGroup(o, b, 236);
    o.U16Run(292, 179, 4);
    if (above201) {
        o.U16(300, 184), o.U16(302, 186), o.U16(306, 183), o.U16(308, 185), o.U16(310, 187);
    } else {
        o.U16(300, 183), o.U16(302, 184), o.U16(308, 185);
    }
    SetHistoryValues(w, b);
    const OutRecord& out = o.Out();
    SetMasks(w, {out.GetU16(298), out.GetU16(300), out.GetU16(302), out.GetU16(306), out.GetU16(308),
                 out.GetU16(310)});
    SetLogValues(w, b, b.Fix88(122));
    w.slmSummaryFlag = 0;
    return 53;
}

unsigned TalPart(WorkState& w, Block& b, SettingsOut& o) {
    const bool above201 = FwAbove(w, 2.01);
    b.LoadTo(above201 ? 189 : 218);
    o.DecTime(62, 71);
    o.U16(72, 86), o.U16(74, 87), o.U16(76, 93);
    o.DecTime(78, 100);
    SetSummaryPairs(w, 0, 0, 0, 0);
    if (!above201) return 60;
    o.U16(88, 47);
    o.SignedFix88Run(112, 110, 6);
    o.U16Run(90, 140, 3);
    static const uint16_t kLate[][2] = {{96, 181}, {98, 182}, {106, 183}, {100, 184},
                                        {108, 185}, {102, 186}, {110, 187}};
    for (const auto& f : kLate) o.U16(f[0], f[1]);
    o.Byte(136, 188), o.Byte(137, 189);
    SetHistoryValues(w, b);
    SetMasks(w, {b[182], b[184], b[186], b[183], b[185], b[187]});
    return 60;
}

unsigned RtaPart(WorkState& w, Block& b, SettingsOut& o) {
    b.LoadTo(130);
    OutRecord& out = o.Out();
    out.U8(60, w.modeFlags);
    o.Byte(61, 42);
    o.Byte(62, 48);
    // The linear detector time, rounded as the instrument's display shows it.
    long n = static_cast<long>(b.Fix816(74) * 100000.0);
    if (n % 10 >= 5) n += 10;
    out.F32(64, static_cast<float>(n / 100000.0));
    o.Byte(68, 77);
    out.U16(70, b.U16(78));
    out.U16(72, b.U16(80));
    o.Byte(74, 93), o.Byte(75, 94), o.Byte(76, 95);
    out.F32(84, b.SignedFix88(96));
    out.F32(96, b.Fix816(98));
    out.U16(106, b.U16(101));
    o.Byte(77, 103);
    out.F32(80, b.SignedFix88(104));
    out.F32(92, b.Fix816(106));
    out.U16(104, b.U16(109));
    o.Byte(78, 111);
    out.F32(88, b.SignedFix88(112));
    out.F32(100, b.Fix816(114));
    out.U16(108, b.U16(117));
    o.Byte(110, 119), o.Byte(111, 120), o.Byte(112, 121);
    o.Bytes(114, 122, 8);
    out.U8(122, 0);
    // Below 3.112 the RT60 dB-down index counts the four-entry list.
    unsigned dbDown = b[130];
    if (FwBelowF(w, 3.112f)) dbDown = dbDown == 2 ? 3 : dbDown == 3 ? 5 : dbDown;
    out.U8(113, dbDown);
    w.rtaThirdOctave = b.Bit(41, 7) ? 128 : 0;
    return 70;
}

unsigned FftPart(WorkState& w, Block& b, SettingsOut& o) {
    b.LoadTo(93);
    OutRecord& out = o.Out();
    if (FwAtMost(w, 3.115)) {
        out.U16(64, b[47] & 128);
        out.U16(66, b[47] & 64);
    } else {
        o.U16(64, 78);
    }
    o.U16(60, 75);
    out.U16(68, b.U16(76));
    o.U16(62, 93);
    return 63;
}

// --- J46 -----------------------------------------------------------------------

unsigned ObaPart(WorkState&, Block& b, SettingsOut& o) {
    b.LoadTo(185);
    o.U16(62, 42);
    TimerGroup(o, 64);
    o.U16Run(124, 86, 6);
    o.U16(136, 98), o.U16(138, 99);
    o.HexTime(140, 100);
    o.U16Run(150, 110, 33);
    o.U16Run(216, 145, 4);
    o.U16Run(224, 153, 33);
    return 33;
}

unsigned SslmPart(WorkState& w, Block& b, SettingsOut& o) {
    b.LoadTo(185);
    o.U16Run(62, 74, 3);
    o.U16Run(68, 86, 7);
    o.U16Run(82, 145, 3);
    SetSummaryPairs(w, b[75], b[76], b[75], b[76]);
    return 34;
}

unsigned IslmPart(WorkState& w, Block& b, SettingsOut& o) {
    b.LoadTo(185);
    OutRecord& out = o.Out();
    o.U16(62, 42);
    o.U16Run(64, 46, 5);
    TimerGroup(o, 74);
    o.U16Run(134, 74, 10);
    out.F32(156, b.LevelFracNone(84));
    o.U16Run(160, 86, 6);
    o.U16(172, 98), o.U16(174, 99);
    o.DecTime(176, 100);
    LnGroup(o, b, 188, b.SignedFix88(122));
    out.U16(238, b.U16(138));
    HistoryGroup(o, b, 240);
    o.U16(296, 179), o.U16(298, 180);

    w.singleByteLevel = b.Bit(47, 2);
    SetLnPercents(w, b);
    w.thFormatCode = b[140];
    w.periodSecs = PeriodOf(w.periodSecs, b[141], b[142]);
    SetLogValues(w, b, b.SignedFix88(122));
    w.slmSummaryFlag = 1;
    return 35;
}

using Part = unsigned (*)(WorkState&, Block&, SettingsOut&);

Part PartOf(const WorkState& w, unsigned mode) {
    if (IsJ46(w)) {
        static const Part kJ46[] = {ObaPart, SslmPart, IslmPart, IslmPart};
        return mode < 4 ? kJ46[mode] : nullptr;
    }
    static const Part kOthers[] = {SsaPart, IsmPart, LogPart, LogPart, RtaPart, FftPart, nullptr, TalPart};
    return mode < 8 ? kOthers[mode] : nullptr;
}

}  // namespace

int32_t TranslateSettings(WorkState& w) {
    OutRecord out(w.out);
    out.Clear(kSettingsClear);
    PutFrame(out, w, 0);
    out.U16(10, w.model);
    Block b(w);
    b.LoadTo(41);
    out.U16(12, b[0]);
    for (size_t i = 0; i < 8; ++i) out.U8(14 + i, b[1 + i]);
    for (size_t i = 0; i < 30; ++i) out.U8(24 + i, b[9 + i]);
    out.U16(56, b[39]);
    out.U16(58, b[40]);
    out.U16(60, b[41]);
    w.modeFlags = b[41];
    const Part part = PartOf(w, b[39]);
    if (part == nullptr) return b.Status();  // a mode without settings: kind 0
    SettingsOut o(w, b);
    out.U16(0, part(w, b, o));
    return b.Status();
}

}  // namespace tessdec
