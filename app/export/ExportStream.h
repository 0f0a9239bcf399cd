#pragma once
// The stream every export is written into, and the file it becomes. The
// stream formats numbers in the classic locale and rounds ties away from
// zero, as the report view does; the file gets CR LF line ends and is
// written whole or not at all.
#include <sstream>
#include <string>

class ExportStream : public std::ostringstream {
public:
    ExportStream();
};

// The text with every line feed as CR LF (a CR LF already there stays one).
std::string ToCrLf(const std::string& text);

// Writes the stream's text to path with CR LF line ends through a temporary
// file beside it. False when the stream failed or the file could not be
// written whole; an existing file is then left as it was.
bool SaveExport(const ExportStream& stream, const std::string& path);
