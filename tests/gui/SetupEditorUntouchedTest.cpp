// A setup from the instrument is the user's field configuration: the editor
// changes its bytes only where the user edited a field. Random blocks of every
// setup type the sheet shows, with list codes in and out of the lists and
// numbers at the edges of their encodings, go through everything a user does
// without editing; then single edits change only their own bytes.
#include <algorithm>
#include <cstring>
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTabWidget>

#include "PropPageOba.h"
#include "PropPageObaTimer.h"
#include "ScriptedPrompter.h"
#include "SetupEditorTestSupport.h"
#include "SystemSetupFields.h"

using namespace setupedittest;
using Id = PropSheetSetup::PageId;
using testsupport::ScriptedPrompter;

namespace {

// Byte values at the edges of the encodings: small list codes and the first
// codes past the lists, packed-BCD digits and non-digits, the ends of signed
// and unsigned bytes.
const uint8_t kEdges[] = {0,    1,    2,    3,    4,    5,    6,    7,    8,    9,    10,   0x0F, 0x10, 0x12, 0x19,
                          0x23, 0x24, 0x31, 0x32, 0x59, 0x5A, 0x60, 0x63, 0x64, 0x7F, 0x80, 0x99, 0x9A, 0xFE, 0xFF};

struct Kind {
    const char* name;
    int type;
    size_t size;
    int mode;  // byte 39 of a measurement block; -1 for the system block
};

const Kind kKinds[] = {
    {"LOG", 7, 219, 2}, {"SSA", 5, 219, 0}, {"ISM", 6, 219, 1}, {"TAL", 8, 219, 7},
    {"FFT", 9, 219, 5}, {"RTA", 10, 216, 4}, {"System", 1, 226, -1},
};

std::vector<uint8_t> RandomBlock(const Kind& kind, std::mt19937& rng)
{
    std::vector<uint8_t> bytes(kind.size);
    for (uint8_t& b : bytes)
        b = rng() % 2 ? kEdges[rng() % std::size(kEdges)] : static_cast<uint8_t>(rng());
    if (kind.mode >= 0) {
        bytes[SetupBlock::kVersion] = static_cast<uint8_t>(3 + rng() % 3);  // formats 3 to 5: 5 has the wind input
        bytes[SetupBlock::kMode] = static_cast<uint8_t>(kind.mode);
    }
    return bytes;
}

std::unique_ptr<SetupRec> MakeSetup(int type, const std::vector<uint8_t>& bytes)
{
    auto record = std::make_unique<SetupRec>();
    record->SetType(type);
    const uint8_t* p = bytes.data();
    const size_t n = bytes.size();
    switch (type) {
    case 1: record->LoadSYSSetup(p, n); break;
    case 5: record->LoadSSASetup(p, n); break;
    case 6: record->LoadISMSetup(p, n); break;
    case 7: record->LoadLOGSetup(p, n); break;
    case 8: record->LoadTALSetup(p, n); break;
    case 9: record->LoadFFTSetup(p, n); break;
    case 10: record->LoadRTASetup(p, n); break;
    default: record->LoadOBASetup(p, n); break;
    }
    return record;
}

const SetupObject* BlockOf(const SetupRec& record)
{
    switch (record.GetType()) {
    case 1: return record.GetSYSSetup();
    case 5: return record.GetSSASetup();
    case 6: return record.GetISMSetup();
    case 7: return record.GetLOGSetup();
    case 8: return record.GetTALSetup();
    case 9: return record.GetFFTSetup();
    case 10: return record.GetRTASetup();
    default: return record.GetOBASetup();
    }
}

// The block and the noise floor the calibration page edits beside it.
std::vector<uint8_t> Stored(const SetupRec& record)
{
    std::vector<uint8_t> bytes = BlockBytes(BlockOf(record));
    const float floor = record.GetParam207();
    uint8_t raw[sizeof floor];
    std::memcpy(raw, &floor, sizeof floor);
    bytes.insert(bytes.end(), raw, raw + sizeof floor);
    return bytes;
}

bool IsField(QWidget* w)
{
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w);
}

// The focus enters and leaves every field the user can reach, by the tab key.
void TabThrough(QWidget* page)
{
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!IsField(w) || !w->isVisible() || !w->isEnabled())
            continue;
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(w, &in);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w, &out);
    }
}

// Every tab and every tab of the advanced page's inner sheet, the focus
// through every field of each; back to the first tab.
void VisitEverything(PropSheetSetup& sheet)
{
    for (int i = 0; i < sheet.count(); ++i) {
        sheet.setCurrentIndex(i);
        QWidget* page = sheet.currentWidget();
        if (auto* inner = page->findChild<QTabWidget*>("advancedSheet")) {
            for (int j = 0; j < inner->count(); ++j) {
                inner->setCurrentIndex(j);
                TabThrough(inner->currentWidget());
            }
        } else {
            TabThrough(page);
        }
    }
    sheet.setCurrentIndex(0);
}

}  // namespace

TEST(SetupEditorUntouchedTest, EverySetupTypeComesBackByteForByteWithoutEdits)
{
    ScriptedPrompter prompter;  // no message may come up
    const auto other = BareSetup(2);
    for (const Kind& kind : kKinds) {
        std::mt19937 rng(1000 + kind.type);
        for (int round = 0; round < 6; ++round) {
            const auto a = MakeSetup(kind.type, RandomBlock(kind, rng));
            const auto b = MakeSetup(kind.type, RandomBlock(kind, rng));
            a->SetParam207(static_cast<float>(rng() % 6000) / 100.0f);
            const std::vector<uint8_t> aBefore = Stored(*a);
            const std::vector<uint8_t> bBefore = Stored(*b);
            {
                ShownSheet s;
                s.sheet.ShowSetup(a.get());
                VisitEverything(s.sheet);
                s.sheet.ShowSetup(b.get());
                VisitEverything(s.sheet);
                s.sheet.ShowSetup(a.get());
                VisitEverything(s.sheet);
                EXPECT_TRUE(s.sheet.SaveAll()) << kind.name << ' ' << round;
                s.sheet.ShowSetup(other.get());  // a type change saves the set once more
            }
            EXPECT_EQ(Stored(*a), aBefore) << kind.name << ' ' << round;
            EXPECT_EQ(Stored(*b), bBefore) << kind.name << ' ' << round;
        }
    }
    EXPECT_TRUE(prompter.Boxes().empty());
}

TEST(SetupEditorUntouchedTest, ObaPagesLeaveUntouchedBlocksAlone)
{
    ScriptedPrompter prompter;
    const Kind oba{"OBA", 0, 154, -1};
    std::mt19937 rng(4);
    for (int round = 0; round < 6; ++round) {
        auto a = MakeSetup(0, RandomBlock(oba, rng));
        auto b = MakeSetup(0, RandomBlock(oba, rng));
        const std::vector<uint8_t> aBefore = BlockBytes(a->GetOBASetup());
        const std::vector<uint8_t> bBefore = BlockBytes(b->GetOBASetup());
        PropPageOba main;
        PropPageObaTimer timer;
        for (SetupPage* page : std::initializer_list<SetupPage*>{&main, &timer}) {
            page->SetSetup(a.get());
            page->show();
            TabThrough(page);
            page->Commit();
            page->SetSetup(b.get());
            TabThrough(page);
            page->SetSetup(a.get());
            TabThrough(page);
            EXPECT_TRUE(page->Save());
        }
        EXPECT_EQ(BlockBytes(a->GetOBASetup()), aBefore) << round;
        EXPECT_EQ(BlockBytes(b->GetOBASetup()), bBefore) << round;
    }
    EXPECT_TRUE(prompter.Boxes().empty());
}

namespace {

struct EditCase {
    const char* what;
    int type;
    Id page;
    const char* inner;  // a tab of the advanced page, or null
    const char* field;
    const char* input;  // typed text; a row number for a list; ignored for a box
    std::vector<std::pair<size_t, uint8_t>> fixed;  // bytes that make the field editable
    std::vector<size_t> own;                         // the bytes the field may change
    const char* shownAgain;                          // the field's text loaded anew, or null
};

QWidget* OpenField(ShownSheet& s, const EditCase& c)
{
    QWidget* page = s.Open(c.page);
    if (c.inner) {
        auto* inner = page->findChild<QTabWidget*>("advancedSheet");
        for (int i = 0; i < inner->count(); ++i)
            if (inner->tabText(i) == c.inner)
                inner->setCurrentIndex(i);
        page = inner->currentWidget();
    }
    return Control<QWidget>(page, c.field);
}

void Edit(QWidget* field, const char* input)
{
    if (auto* box = qobject_cast<QAbstractButton*>(field))
        box->click();
    else if (auto* list = qobject_cast<QComboBox*>(field))
        PickEntry(list, QString(input).toInt());
    else
        Retype(static_cast<QLineEdit*>(field), input);
    LoseFocus(field);
}

}  // namespace

TEST(SetupEditorUntouchedTest, OneEditChangesOnlyItsOwnBytes)
{
    ScriptedPrompter prompter;
    const EditCase cases[] = {
        {"timer day", 7, Id::LogTimer, nullptr, "runDay", "17", {{56, 1}}, {57}, "17"},
        {"timer year", 7, Id::LogTimer, nullptr, "runYear", "2031", {{56, 1}}, {59}, "2031"},
        {"timer stop minute", 7, Id::LogTimer, nullptr, "stop1Minute", "45", {{56, 2}}, {66}, "45"},
        {"interval minutes", 7, Id::LogIntv, nullptr, "minutes", "07", {{42, 0x80}}, {101}, "07"},
        {"criterion time", 7, Id::LogTwa, nullptr, "criterionTime", "12", {}, {83}, "12"},
        {"weighting row", 7, Id::Log, nullptr, "freqWeighting", "1", {}, {87}, nullptr},
        {"daily history box", 7, Id::Daily, nullptr, "dailyHistory", "", {}, {47}, nullptr},
        {"windy threshold", 7, Id::Advanced, "Wind/Tach", "windyThreshold", "20", {{0, 5}, {49, 0x40}}, {134, 135},
         nullptr},
        {"sound analyser interval seconds", 5, Id::SsaIntv, nullptr, "intervalSeconds", "30", {{42, 0x80}}, {102},
         "30"},
        {"ZU-Reru run minutes", 8, Id::Tal, nullptr, "runMinutes", "33", {}, {72}, "33"},
        {"auto check hour", 1, Id::SysCalib, nullptr, "checkHour", "07", {{209, 1}}, {210}, "07"},
        {"noise floor check box", 1, Id::SysCalib, nullptr, "noiseFloorCheck", "", {{209, 1}}, {209}, nullptr},
        {"engineering scale factor", 1, Id::SysCalib, nullptr, "scaleFactor", "100m", {}, {212, 213}, "100m"},
    };
    for (const EditCase& c : cases) {
        const Kind& kind = *std::find_if(std::begin(kKinds), std::end(kKinds), [&](const Kind& k) { return k.type == c.type; });
        std::mt19937 rng(77);
        for (int round = 0; round < 4; ++round) {
            std::vector<uint8_t> bytes = RandomBlock(kind, rng);
            for (auto [offset, value] : c.fixed)
                bytes[offset] = value;
            const auto setup = MakeSetup(c.type, bytes);
            const std::vector<uint8_t> before = BlockBytes(BlockOf(*setup));
            ShownSheet s;
            s.sheet.ShowSetup(setup.get());
            QWidget* field = OpenField(s, c);
            Edit(field, c.input);
            EXPECT_TRUE(s.sheet.SaveAll()) << c.what;
            if (c.shownAgain) {
                s.sheet.ShowSetup(setup.get());
                EXPECT_EQ(static_cast<QLineEdit*>(field)->text(), c.shownAgain) << c.what << ", round " << round;
            }
            const std::vector<uint8_t> after = BlockBytes(BlockOf(*setup));
            for (size_t i = 0; i < after.size(); ++i) {
                if (std::find(c.own.begin(), c.own.end(), i) == c.own.end()) {
                    EXPECT_EQ(after[i], before[i]) << c.what << ", round " << round << ": byte " << i;
                }
            }
        }
    }
}

TEST(SetupEditorUntouchedTest, ScaleFactorTextTypedBackStoresTheSameBytes)
{
    // dB as a signed byte and 256ths; the factor is 1 / 10^(dB / 20).
    const struct {
        int whole;
        int fraction;
        const char* shown;
    } cases[] = {
        {80, 128, "94.40609u"}, {100, 128, "9.440609u"}, {-20, 0, "10"}, {0, 0, "1"}, {6, 51, "489.8229m"},
        {121, 0, "1"},  // beyond the field's range: "1" shown, the stored factor kept
    };
    for (const auto& c : cases) {
        const auto sys = MakeSetup(1,
            SetupBlockBuilder(226)
                .Byte(SystemSetupFields::kEuScale, c.whole & 0xFF)
                .Byte(SystemSetupFields::kEuScale + 1, c.fraction)
                .Bytes());
        ShownSheet s;
        s.sheet.ShowSetup(sys.get());
        QWidget* page = s.Open(Id::SysCalib);
        EXPECT_EQ(Text(page, "scaleFactor"), c.shown) << c.whole;
        s.sheet.SaveAll();
        EXPECT_EQ(BlockBytes(sys->GetSYSSetup())[212], c.whole & 0xFF) << c.whole;
        EXPECT_EQ(BlockBytes(sys->GetSYSSetup())[213], c.fraction) << c.whole;
        if (QString(c.shown) == "1" && c.whole != 0)
            continue;
        Retype(page, "scaleFactor", c.shown);
        s.sheet.SaveAll();
        EXPECT_EQ(BlockBytes(sys->GetSYSSetup())[212], c.whole & 0xFF) << c.whole;
        EXPECT_EQ(BlockBytes(sys->GetSYSSetup())[213], c.fraction) << c.whole;
    }
}
