#pragma once
// The instrument's texts and the download file's texts are Windows-1252
// bytes and stay so where they are stored. These turn them into UTF-8 where
// they become text of the program or of an export file, and back. The Qt
// pair FromAnsi / ToAnsi goes through the same table.
#include <string>
#include <string_view>

namespace platform {

// The character of a Windows-1252 byte (the five bytes that name no
// character there keep their own code, as Latin-1 control characters).
char32_t AnsiCharacter(unsigned char byte);

// The Windows-1252 byte of a character; '?' for one it cannot hold.
char AnsiByte(char32_t character);

// Appends the UTF-8 form of a Windows-1252 text.
void AppendAnsiAsUtf8(std::string& out, std::string_view ansi);
std::string AnsiToUtf8(std::string_view ansi);

// A UTF-8 text as Windows-1252 bytes; characters it cannot hold, and bytes
// that are not UTF-8, become '?'.
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace platform
