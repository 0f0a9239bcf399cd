#pragma once
// What the setup pages need of the document that holds the Setup view: the
// connected instrument's active setup and its clock. The pages see the
// document only through this, so the setup editor does not depend on the
// program's shell.
#include <ctime>
#include <string>

class SetupDocument {
public:
    // The Setup view is the one shown.
    virtual bool IsSetupViewActive() const = 0;
    // The instrument as the setup pages see it.
    virtual std::string GetActiveSetupName() const = 0;
    virtual int GetInstrumentSetupType() const = 0;
    // The instrument's clock in the parts; the link's result.
    virtual int GetInstrumentClock(int& year, int& month, int& day, int& hour, int& minute, int& second) const = 0;
    virtual int SetInstrumentClock(std::time_t localTime) = 0;
    virtual int SetInstrumentClockFromPC() = 0;

protected:
    ~SetupDocument() = default;
};
