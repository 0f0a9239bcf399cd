#include "AppCommandLineInfo.h"

#include <algorithm>

namespace {

const char kUpgradeSwitch[] = "upgrade";

bool HoldsPath(const std::string& word)
{
    return word.find('/') != std::string::npos || word.find('\\') != std::string::npos;
}

}  // namespace

void AppCommandLineInfo::Parse(const std::vector<std::string>& args)
{
    // An absolute path means the upgrade path only when the switch is given,
    // wherever it stands on the line; so look for the switch first.
    const bool upgrade = std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return a == std::string("-") + kUpgradeSwitch || a == std::string("/") + kUpgradeSwitch;
    });
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool last = i + 1 == args.size();
        if (word.size() > 1 && word[0] == '-') {
            ParseParam(word.substr(1), true, last);
        } else if (word == std::string("/") + kUpgradeSwitch) {
            ParseParam(kUpgradeSwitch, true, last);
        } else if (upgrade && !word.empty() && word[0] == '/' && upgradePath.empty()) {
            upgradePath = word;
        } else {
            ParseParam(word, false, last);
        }
    }
}

void AppCommandLineInfo::ParseParam(const std::string& param, bool isFlag, bool /*isLast*/)
{
    if (isFlag && param == kUpgradeSwitch) {
        upgradeFlag = true;
        return;
    }
    if (isFlag && HoldsPath(param)) {
        upgradePath = param;
        return;
    }
    ParseStandard(param, isFlag);
}

void AppCommandLineInfo::ParseStandard(const std::string& param, bool isFlag)
{
    // Switches of the standard handling have no use in this program: ignored.
    if (isFlag || param.empty() || !fileName.empty())
        return;
    fileName = param;
    shellCommand = ShellCommand::FileOpen;
}
