#pragma once
// The text helpers that turn the download page's file name into the names of
// several download files: a '*' in a name marks where the number of each
// measurement goes.
#include <string>

// The name when it holds a '*'; else '*' before the last '.'; else the name
// followed by '*'.
std::string AddWildcard(std::string name);
// The name with its last '*' removed.
std::string RemoveWildcard(std::string name);
// "site.slmdl", 5 -> "site_005.slmdl"; "name", 5 -> "name_005".
std::string NumberedFileName(const std::string& name, int number);
// The path up to and including its last '/' (the program's one path
// splitter); the whole path without one.
std::string FolderOfPath(const std::string& path);
