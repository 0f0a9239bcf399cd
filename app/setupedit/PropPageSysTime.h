#pragma once
// The date and time page of the system settings: shows the connected
// instrument's clock, read once a second while the page is in front, and sets
// that clock from the computer's clock or from a typed date and time. It
// stores nothing in the setup: it acts on the instrument at once.
#include <ctime>
#include <memory>
#include <vector>

#include "SysSetupPage.h"

class DayEdit;
class MonthEdit;
class QRadioButton;
class YearEdit;

// What the page needs of the document to read and set the instrument's clock.
class InstrumentClock {
public:
    virtual ~InstrumentClock() = default;
    virtual bool IsSetupViewActive() const = 0;
    // The link's result; -6 while no instrument is connected.
    virtual int Get(int& year, int& month, int& day, int& hour, int& minute, int& second) const = 0;
    virtual int Set(std::time_t localTime) = 0;
    virtual int SetFromPC() = 0;
};

class PropPageSysTime : public SysSetupPage {
    Q_OBJECT
public:
    PropPageSysTime();
    ~PropPageSysTime() override;

    // Ticks the computer-time choice; the setup itself is never read.
    void Load() override;
    bool Save() override { return true; }

    // Reads the clock through clock instead of the sheet's document.
    void SetClock(std::unique_ptr<InstrumentClock> clock);
    // One tick of the clock read-out.
    void OnClockTick();

protected:
    void OnInitDialog() override;
    void timerEvent(QTimerEvent* event) override;

private:
    void OnComputerTimeClicked();
    void OnManualClicked();
    void OnSetClicked();
    void EnableFields(bool on);

    static constexpr int kNotConnected = -6;

    CPageToolTip toolTip_;
    std::unique_ptr<InstrumentClock> clock_;
    QLabel* date_;
    QLabel* time_;
    QRadioButton* computerTime_;
    QRadioButton* manual_;
    YearEdit* year_;
    MonthEdit* month_;
    DayEdit* day_;
    DayEdit* hour_;
    DayEdit* minute_;
    DayEdit* second_;
    CMappedBitmapButton* set_;
    // The fields with their labels and group boxes, greyed together.
    std::vector<QWidget*> fieldGroup_;
    int timerId_ = 0;
    int lastSecond_ = -1;
    int lastDay_ = -1;
    bool busy_ = false;
};
