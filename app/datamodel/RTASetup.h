#pragma once
// Setup of the real-time analyser mode, over a block three bytes shorter than
// the other measurement setups. Besides the shared accessors (MeasurementSetup)
// it holds the analyser's detector and its event logic: an arm, a trigger and
// an end condition, each with a mode, a level, a time and a sample count, what
// follows the end, and which logic outputs follow which state.
#include "MeasurementSetup.h"
#include "SetupValueTexts.h"

class RTASetup : public MeasurementSetup, public RTAValueTexts {
public:
    RTASetup() = default;
    RTASetup(const RTASetup&) = default;
    RTASetup& operator=(const RTASetup&) = default;

    size_t BlockSize() const override { return 216; }
    const char* FileKey() const override { return "CVJ57SetupRta"; }

    // Byte 41.
    int GetExpStoreRate() const;          // bit 5: 1/8, else 1/2 (set for non-zero)
    void SetExpStoreRate(int rate);
    int GetDetector() const;              // bit 6: exponential, else linear (non-zero)
    void SetDetector(int exponential);
    int GetBandwidth() const;             // bit 7: 1/3 octave, else 1/1
    void SetBandwidth(int third);

    // Byte 48 (the end and trigger logic are shared with the LOG blocks).
    int GetRunOnInput() const;            // bit 2
    void SetRunOnInput(int on);
    int GetRunLogic() const;              // bit 3: high, else low
    void SetRunLogic(int high);
    int GetArmLogic() const;              // bit 5 (set with SetExceedanceTime)
    int GetTriggeringEnabled() const;     // bit 7 (set with SetExceedanceHistoryEnabled)

    // Detector and AutoStore.
    float GetLinDetectorTime() const;     // 74-76, seconds, to 0.0025 s
    void SetLinDetectorTime(float seconds);
    int GetExpDetectorTime() const;       // 77: index of 1/32 s to 64 s
    void SetExpDetectorTime(int index);   //   unchecked
    int GetPretriggerCount() const;       // 78-79
    void SetPretriggerCount(int count);   //   unchecked
    // Logic output map, bytes 80-81: 15 bits, each tying one output to one
    // analyser state as the editor's Logic Out page lays them out.
    int GetLogicOutMap() const;
    void SetLogicOutMap(int map);         //   unchecked
    // True when every bit of mask is set in the map.
    bool TestLogicOutBits(int mask) const;
    // on 1 sets the mask bits; otherwise they are cleared, but only when all
    // of them are set.
    void SetLogicOutBits(int mask, int on);
    int GetTriggerSource() const;         // 94: band 0 to 32 (12.5 Hz to 20 kHz), 33 flat
    void SetTriggerSource(int source);    //   unchecked

    // Arm (95-102), trigger (103-110) and end (111-118). Modes: 0 now,
    // 1 L <, 2 L =, 3 L >, 4 input, 5 time, 6 count; stored 0 to 6, else 0.
    // Samples: 0 to 65535, else 10.
    int GetArmMode() const;
    void SetArmMode(int mode);
    float GetArmLevel() const;
    void SetArmLevel(float db);
    float GetArmTime() const;
    void SetArmTime(float seconds);
    int GetArmSamples() const;
    void SetArmSamples(int samples);
    int GetTriggerMode() const;
    void SetTriggerMode(int mode);
    float GetTriggerLevel() const;
    void SetTriggerLevel(float db);
    float GetTriggerTime() const;
    void SetTriggerTime(float seconds);
    int GetTriggerSamples() const;
    void SetTriggerSamples(int samples);
    int GetEndMode() const;
    void SetEndMode(int mode);
    float GetEndLevel() const;
    void SetEndLevel(float db);
    float GetEndTime() const;
    void SetEndTime(float seconds);
    int GetEndSamples() const;
    void SetEndSamples(int samples);

    int GetEndThen() const;               // 119: 0 stop, 1 repeat, 2 average
    void SetEndThen(int action);          //   0 to 3, else 0
    int GetRepeatCount() const;           // 120
    void SetRepeatCount(int count);       //   0 to 255, else 10
    int GetAverageCount() const;          // 121
    void SetAverageCount(int count);      //   unchecked
    int GetRt60DbDown() const;            // 130: index of the editor's list
    void SetRt60DbDown(int index);        //   unchecked

private:
    // One condition (arm, trigger or end) from the offset of its mode byte.
    void SetConditionMode(size_t at, int mode);
    void SetConditionSamples(size_t at, int samples);
};
