#pragma once
// The program's command line.
//
//   tessavo [file]                     opens the file as the document
//   tessavo -upgrade [-path | /abs]    connects, upgrades the firmware, ends
//
// The switch "upgrade" follows '-' or '/' and is compared case-sensitively.
// A flagged word that holds a path ("-fw/J57.cvk") is the upgrade path
// without its '-'. An absolute path ("/home/me/J57.cvk") is the upgrade path
// as a whole when the switch is given, and otherwise a file to open, as a
// Linux user expects. Every other word goes to the standard handling: the
// first plain word is the file to open, unknown switches are ignored.
#include <string>
#include <vector>

class AppCommandLineInfo {
public:
    enum class ShellCommand { FileNew, FileOpen };

    // args without the program name.
    void Parse(const std::vector<std::string>& args);
    // One word, with its flag character already removed when isFlag is set.
    void ParseParam(const std::string& param, bool isFlag, bool isLast);

    bool upgradeFlag = false;
    std::string upgradePath;
    // The standard part: the document to open, if any.
    ShellCommand shellCommand = ShellCommand::FileNew;
    std::string fileName;

private:
    void ParseStandard(const std::string& param, bool isFlag);
};
