#pragma once
// The arm, trigger and end pages of a real-time analyser setup. A triggered
// run passes three conditions, each a mode with the level, time, sample
// count and logic level that the modes use; the three pages are one design
// over three runs of block bytes.
#include "RtaSetupPage.h"

class FloatEdit;
class RangeEdit;

class RtaConditionPage : public RtaSetupPage {
    Q_OBJECT
public:
    // The accessors of one condition.
    struct Fields {
        int (RTASetup::*getMode)() const;
        void (RTASetup::*setMode)(int);
        int (RTASetup::*getLogic)() const;
        void (RTASetup::*setLogic)(int);
        float (RTASetup::*getLevel)() const;
        void (RTASetup::*setLevel)(float);
        float (RTASetup::*getTime)() const;
        void (RTASetup::*setTime)(float);
        int (RTASetup::*getSamples)() const;
        void (RTASetup::*setSamples)(int);
    };

    RtaConditionPage(const QString& caption, int dialogId, const Fields& fields);

    void Load() override;
    bool Save() override;
    void EnableAdvanced(bool enabled) override;

protected:
    void OnInitDialog() override;

private:
    // The mode chosen enables the parameters it uses.
    void OnModeSelChange();

    const Fields& fields_;
    QLabel* modeLabel_;
    QComboBox* mode_;
    QLabel* logicLabel_;
    QComboBox* logic_;
    QLabel* levelLabel_;
    FloatEdit* level_;
    QLabel* timeLabel_;
    FloatEdit* time_;
    QLabel* samplesLabel_;
    RangeEdit* samples_;
};

class PropPageRtaArm : public RtaConditionPage {
    Q_OBJECT
public:
    PropPageRtaArm();
};

class PropPageRtaTrigger : public RtaConditionPage {
    Q_OBJECT
public:
    PropPageRtaTrigger();
};

class PropPageRtaEnd : public RtaConditionPage {
    Q_OBJECT
public:
    PropPageRtaEnd();
};
