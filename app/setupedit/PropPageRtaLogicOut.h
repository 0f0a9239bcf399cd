#pragma once
// The logic-out page of a real-time analyser setup: for each of five run
// states, which of the instrument's three outputs are active. The fifteen
// choices form one map, shown both as a grid of boxes and as a number; unlike
// the other pages this one writes the map into the setup as soon as a box is
// clicked or the number is left.
#include <array>
#include <vector>

#include "RtaSetupPage.h"

class RangeEdit;

class PropPageRtaLogicOut : public RtaSetupPage {
    Q_OBJECT
public:
    // Map bit of an output (0 Logic Out, 1 Cal Out, 2 Heater Out) in a state
    // (0 Stopped, 1 Ready, 2 Armed, 3 Triggered, 4 Ended).
    static constexpr int Bit(int state, int output) { return 3 * state + output; }

    PropPageRtaLogicOut();
    ~PropPageRtaLogicOut() override;

    void Load() override;
    bool Save() override;
    void EnableAdvanced(bool enabled) override;

    // The map into the map edit, and the map edit into the map.
    void ShowLogicOutMap(const RTASetup& rta);
    void SaveLogicOutMap(RTASetup& rta);

protected:
    void OnInitDialog() override;

private:
    void OnLogicOutCheck(int bit);
    void OnLogicOutMapKillFocus();

    // The labels, pin numbers and discs of the grid and the map edit's label.
    std::vector<QWidget*> statics_;
    // One box per map bit.
    std::array<QCheckBox*, 15> boxes_{};
    RangeEdit* map_;
};
