#pragma once
// Seconds since 1970 in local time, and the time stamps of records with the
// daylight-saving window that makes the repeated autumn hour unambiguous.
#include <cstdint>
#include <ctime>
#include <string_view>

namespace tessdec {

// The date texts of header line 5 and the setup lines ("09Mar2003" with
// selector 0), with an optional "hh:mm:ss" time; 0 when not convertible.
uint32_t DateToSecs(std::string_view date, std::string_view time, bool hasTime, int selector);

// Local conversion with the system deciding daylight saving; 0 when the time
// cannot be converted or lies before 1970.
uint32_t LocalSecs(std::tm tm);

// Converting a record's time stamp under the kept daylight-saving state and
// window. prev, when given, is the caller's previous time stamp.
uint32_t StampSecs(const std::tm& tm, uint32_t* prev);
// Notes a daylight-saving transition from a run/stop time stamp whose event
// field (bits 4 to 6) is 0 or 64.
void NoteTransition(const std::tm& tm, int event);
// Forgets the window (before a record count walks a file).
void ResetDstWindow();
// Forgets the hours whose conversion the time stamps reuse (at the start of
// a translation, as the time zone may have changed since the last).
void ForgetKeptHours();

}  // namespace tessdec
