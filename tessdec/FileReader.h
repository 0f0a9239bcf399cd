#pragma once
// Reading the open download file of a work buffer: lines, bytes, positions,
// record lengths and bodies, and the header, "@" line and trailer readers.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "WorkState.h"

namespace tessdec {

// Reads a line of at most maxChars characters, like fgets: it stops after a
// line feed or when maxChars characters were read. buf holds maxChars + 1
// bytes. Returns false at the end of the file when nothing was read.
bool ReadLine(WorkState& w, char* buf, size_t maxChars);
// The next byte, or -1 at the end of the file.
inline int ReadByte(WorkState& w) { return w.file->Get(); }
// Puts back the byte that ReadByte just returned.
inline void UnreadByte(WorkState& w) { w.file->Unget(); }
inline long Tell(WorkState& w) { return w.file->Tell(); }
// Every record call seeks to where the last one ended, which is mostly where
// the file already stands: that costs nothing.
inline bool Seek(WorkState& w, long offset) { return w.file->Seek(offset); }
bool SeekEnd(WorkState& w, long& size);

// A 2-byte length, high byte first; false at the end of the file.
bool ReadLength16(WorkState& w, uint32_t& length);
// Reads length bytes into the body. Above 6200: -312. A short read leaves
// the body length at what came, so decoders meet its end instead of stale bytes.
int32_t ReadBody(WorkState& w, uint32_t length);

// The 2-byte length and the body after a type byte; the resume offset after
// the body.
int32_t ReadFramedBody(WorkState& w);

// Opens the work buffer's path for reading; false when it cannot be opened.
bool OpenFile(WorkState& w);
void CloseFile(WorkState& w);

// Header reader: fills block (498 bytes) when given. Status 0, -314 or -317.
int32_t ReadHeader(WorkState& w, uint8_t* block);
// Trailer reader: start time and level offset from the setup lines at the
// end of the file (runs the header reader first).
int32_t ReadTrailer(WorkState& w);

// The mode index of a mode line for the file's model (0 when none matches).
uint16_t ModeIndexOf(uint16_t model, std::string_view line);

}  // namespace tessdec
