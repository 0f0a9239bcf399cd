#include "SetupTypes.h"

#include <array>

namespace {
// Index: instrument mode number 0 SSA, 1 ISM, 2 LOG, 3 ENV, 4 RTA, 5 FFT,
// 6 AUD, 7 TAL, 8 VIB.
constexpr std::array<int, 9> kTypeOfMode = {
    SetupType::kSsa, SetupType::kIsm, SetupType::kLog, SetupType::kEnv, SetupType::kRta,
    SetupType::kFft, SetupType::kAud, SetupType::kTal, SetupType::kVib,
};

struct TypeFiles {
    int type;
    const char* extension;
    const char* filter;  // nullptr: only "All Files"
};

constexpr TypeFiles kTypeFiles[] = {
    {SetupType::kSlm, ".slm", nullptr},
    {SetupType::kSsm, ".ssm", nullptr},
    {SetupType::kOba, ".oba", nullptr},
    {SetupType::kSsa, ".ssa", "Ssa (*.ssa) Simple Sound Analyzer Setup|*.ssa|"},
    {SetupType::kIsm, ".ism", "Ism (*.ism) Integr. Sound Level Meter Setup|*.ism|"},
    {SetupType::kLog, ".log", "Log (*.log) Logging Sound Level Meter Setup|*.log|"},
    {SetupType::kTal, ".tal", "Tal (*.tal) ZU-Reru Analyzer Setup|*.tal|"},
    {SetupType::kFft, ".fft", "Fft (*.fft) FFT Analyzer Setup|*.fft|"},
    {SetupType::kRta, ".rta", "Rta (*.rta) Real-Time Analyzer Setup|*.rta|"},
    {SetupType::kEnv, ".env", "Env (*.env) Environmental Analyzer Setup|*.env|"},
    {SetupType::kAud, ".aud", nullptr},
    {SetupType::kVib, ".vib", "Vib (*.vib) Vibration Analyzer Setup|*.vib|"},
};

const TypeFiles* FindType(int type)
{
    for (const auto& entry : kTypeFiles)
        if (entry.type == type)
            return &entry;
    return nullptr;
}
}  // namespace

int SetupTypeFromMode(int modeNumber)
{
    if (modeNumber < 0 || modeNumber >= static_cast<int>(kTypeOfMode.size()))
        return -1;
    return kTypeOfMode[static_cast<size_t>(modeNumber)];
}

const std::string& GetSetupFileExtension(int type, std::string& out)
{
    const TypeFiles* entry = FindType(type);
    out = entry ? entry->extension : "";
    return out;
}

const std::string& GetSetupFileFilter(int type, std::string& out)
{
    const TypeFiles* entry = FindType(type);
    out = (entry && entry->filter) ? entry->filter : "";
    out += "All Files (*.*)|*.*||";
    return out;
}
