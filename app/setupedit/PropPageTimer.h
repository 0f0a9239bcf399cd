#pragma once
// The measurement timer of a setup: the timer mode, a run and a stop date,
// and two pairs of start and stop times of day. One class serves the LOG set
// (type 7, on the LOG block) and the SSA set (type 5, on the SSA block); both
// blocks keep the timer in the same bytes.
#include <array>
#include <vector>

#include "PageControls.h"
#include "SetupPage.h"

class DayEdit;
class MonthEdit;
class NamedSetup;
class QRadioButton;
class YearEdit;

class PropPageTimer : public SetupPage {
    Q_OBJECT
public:
    explicit PropPageTimer(int setupType = 7);

    void Load() override;
    bool Save() override;
    void SetHeader() override;
    int GetSetupType() const { return type_; }

protected:
    // A timer page of another block: its dialog, picture and header prefix;
    // modeRuleOnLoad says whether loading brings the enabling in line with
    // the stored mode (otherwise only a click on a mode button does).
    PropPageTimer(int setupType, int dialogId, int bitmapId, const char* headerPrefix, bool modeRuleOnLoad);

    void OnInitDialog() override;
    // The block the page edits; null unless bound and the window exists.
    virtual NamedSetup* BoundBlock() const;

private:
    struct DateFields {
        YearEdit* year;
        MonthEdit* month;
        DayEdit* day;
    };
    struct TimeFields {
        DayEdit* hour;
        DayEdit* minute;
    };

    // Enables the dates and the first and second times as the mode needs.
    void ApplyModeRule(int mode);
    void OnModeClicked(int mode);
    void LoadDate(const DateFields& fields, int year, int month, int day);

    int type_;
    int bitmapId_;
    const char* headerPrefix_;
    bool modeRuleOnLoad_;
    CPageToolTip toolTip_;
    BitmapStatic bitmap_;
    std::array<QRadioButton*, 4> modes_;
    DateFields run_;
    DateFields stop_;
    // Start 1, stop 1, start 2, stop 2.
    std::array<TimeFields, 4> times_;
    std::vector<QWidget*> dateGroup_;
    std::vector<QWidget*> firstTimes_;
    std::vector<QWidget*> secondTimes_;
};
