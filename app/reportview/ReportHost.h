#pragma once
// What the report view asks of the program around it, and nothing more:
// the program's document answers it, so the view needs neither the frame
// nor the application.
#include <string>

class ReportHost {
public:
    virtual ~ReportHost() = default;
    // The folder the program started in (the spreadsheet copy goes to its
    // "temp" folder); empty when no program runs.
    virtual std::string StartFolder() const = 0;
    // The loaded RTA data has third-octave (or octave) bands: the RT60
    // options offer the bands of the data shown.
    virtual void ShowRt60Bands(bool thirdOctave) = 0;
};
