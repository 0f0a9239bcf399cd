#include "Profile.h"

#include <charconv>

namespace platform {

int MemoryProfile::GetProfileInt(const std::string& section, const std::string& key, int def) const
{
    auto it = values_.find({section, key});
    if (it == values_.end())
        return def;
    int value = 0;
    const std::string& s = it->second;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || ptr == s.data())
        return def;
    return value;
}

std::string MemoryProfile::GetProfileString(const std::string& section, const std::string& key,
                                            const std::string& def) const
{
    auto it = values_.find({section, key});
    return it == values_.end() ? def : it->second;
}

bool MemoryProfile::WriteProfileInt(const std::string& section, const std::string& key, int value)
{
    values_[{section, key}] = std::to_string(value);
    return true;
}

bool MemoryProfile::WriteProfileString(const std::string& section, const std::string& key,
                                       const std::string& value)
{
    values_[{section, key}] = value;
    return true;
}

namespace {
MemoryProfile g_builtin;
Profile* g_profile = nullptr;
}  // namespace

Profile& AppProfile() { return g_profile ? *g_profile : g_builtin; }
void SetAppProfile(Profile* profile) { g_profile = profile; }

}  // namespace platform
