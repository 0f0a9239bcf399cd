#include "RTASetup.h"

namespace {
constexpr size_t kModeFlags = 41;
constexpr size_t kLogicFlags = 48;
constexpr size_t kLinDetectorTime = 74;
constexpr size_t kExpDetectorTime = 77;
constexpr size_t kPretriggerCount = 78;
constexpr size_t kLogicOutMap = 80;
constexpr size_t kTriggerSource = 94;
// Each condition: mode byte, 8.8 level, 24-bit time, 16-bit sample count.
constexpr size_t kArm = 95;
constexpr size_t kTrigger = 103;
constexpr size_t kEnd = 111;
constexpr size_t kLevel = 1;
constexpr size_t kTime = 3;
constexpr size_t kSamples = 6;
constexpr size_t kEndThen = 119;
constexpr size_t kRepeatCount = 120;
constexpr size_t kAverageCount = 121;
constexpr size_t kRt60DbDown = 130;
}  // namespace

int RTASetup::GetExpStoreRate() const { return Flag(kModeFlags, 0x20); }
void RTASetup::SetExpStoreRate(int rate) { SetFlagIfNonZero(kModeFlags, 0x20, rate); }
int RTASetup::GetDetector() const { return Flag(kModeFlags, 0x40); }
void RTASetup::SetDetector(int exponential) { SetFlagIfNonZero(kModeFlags, 0x40, exponential); }
int RTASetup::GetBandwidth() const { return Flag(kModeFlags, 0x80); }
void RTASetup::SetBandwidth(int third) { SetFlagIfOne(kModeFlags, 0x80, third); }

int RTASetup::GetRunOnInput() const { return Flag(kLogicFlags, 0x04); }
void RTASetup::SetRunOnInput(int on) { SetFlagIfOne(kLogicFlags, 0x04, on); }
int RTASetup::GetRunLogic() const { return Flag(kLogicFlags, 0x08); }
void RTASetup::SetRunLogic(int high) { SetFlagIfOne(kLogicFlags, 0x08, high); }
int RTASetup::GetArmLogic() const { return Flag(kLogicFlags, 0x20); }
int RTASetup::GetTriggeringEnabled() const { return Flag(kLogicFlags, 0x80); }

float RTASetup::GetLinDetectorTime() const { return Time24(kLinDetectorTime); }
void RTASetup::SetLinDetectorTime(float seconds) { SetTime24(kLinDetectorTime, seconds); }
int RTASetup::GetExpDetectorTime() const { return Byte(kExpDetectorTime); }
void RTASetup::SetExpDetectorTime(int index) { SetByte(kExpDetectorTime, index); }
int RTASetup::GetPretriggerCount() const { return Count16(kPretriggerCount); }
void RTASetup::SetPretriggerCount(int count) { SetCount16(kPretriggerCount, count); }
int RTASetup::GetLogicOutMap() const { return Count16(kLogicOutMap); }
void RTASetup::SetLogicOutMap(int map) { SetCount16(kLogicOutMap, map); }

bool RTASetup::TestLogicOutBits(int mask) const
{
    return (GetLogicOutMap() & mask) == mask;
}

void RTASetup::SetLogicOutBits(int mask, int on)
{
    int map = GetLogicOutMap();
    if ((on & 0xFF) == 1)
        map |= mask;
    else if ((map & mask) == mask)
        map &= ~mask;
    SetLogicOutMap(map);
}

int RTASetup::GetTriggerSource() const { return Byte(kTriggerSource); }
void RTASetup::SetTriggerSource(int source) { SetByte(kTriggerSource, source); }

void RTASetup::SetConditionMode(size_t at, int mode) { SetChoice(at, mode, 6, 0); }

void RTASetup::SetConditionSamples(size_t at, int samples)
{
    SetCount16(at + kSamples, samples >= 0 && samples <= 65535 ? samples : 10);
}

int RTASetup::GetArmMode() const { return Byte(kArm); }
void RTASetup::SetArmMode(int mode) { SetConditionMode(kArm, mode); }
float RTASetup::GetArmLevel() const { return Level(kArm + kLevel); }
void RTASetup::SetArmLevel(float db) { SetLevel(kArm + kLevel, db); }
float RTASetup::GetArmTime() const { return Time24(kArm + kTime); }
void RTASetup::SetArmTime(float seconds) { SetTime24(kArm + kTime, seconds); }
int RTASetup::GetArmSamples() const { return Count16(kArm + kSamples); }
void RTASetup::SetArmSamples(int samples) { SetConditionSamples(kArm, samples); }

int RTASetup::GetTriggerMode() const { return Byte(kTrigger); }
void RTASetup::SetTriggerMode(int mode) { SetConditionMode(kTrigger, mode); }
float RTASetup::GetTriggerLevel() const { return Level(kTrigger + kLevel); }
void RTASetup::SetTriggerLevel(float db) { SetLevel(kTrigger + kLevel, db); }
float RTASetup::GetTriggerTime() const { return Time24(kTrigger + kTime); }
void RTASetup::SetTriggerTime(float seconds) { SetTime24(kTrigger + kTime, seconds); }
int RTASetup::GetTriggerSamples() const { return Count16(kTrigger + kSamples); }
void RTASetup::SetTriggerSamples(int samples) { SetConditionSamples(kTrigger, samples); }

int RTASetup::GetEndMode() const { return Byte(kEnd); }
void RTASetup::SetEndMode(int mode) { SetConditionMode(kEnd, mode); }
float RTASetup::GetEndLevel() const { return Level(kEnd + kLevel); }
void RTASetup::SetEndLevel(float db) { SetLevel(kEnd + kLevel, db); }
float RTASetup::GetEndTime() const { return Time24(kEnd + kTime); }
void RTASetup::SetEndTime(float seconds) { SetTime24(kEnd + kTime, seconds); }
int RTASetup::GetEndSamples() const { return Count16(kEnd + kSamples); }
void RTASetup::SetEndSamples(int samples) { SetConditionSamples(kEnd, samples); }

int RTASetup::GetEndThen() const { return Byte(kEndThen); }
void RTASetup::SetEndThen(int action) { SetChoice(kEndThen, action, 3, 0); }
int RTASetup::GetRepeatCount() const { return Byte(kRepeatCount); }
void RTASetup::SetRepeatCount(int count) { SetChoice(kRepeatCount, count, 255, 10); }
int RTASetup::GetAverageCount() const { return Byte(kAverageCount); }
void RTASetup::SetAverageCount(int count) { SetByte(kAverageCount, count); }
int RTASetup::GetRt60DbDown() const { return Byte(kRt60DbDown); }
void RTASetup::SetRt60DbDown(int index) { SetByte(kRt60DbDown, index); }
