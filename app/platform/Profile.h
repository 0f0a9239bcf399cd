#pragma once
// The program's settings: sections of keys with integer or text values.
// Every read names its default, so an empty profile is valid.
#include <map>
#include <string>
#include <utility>

namespace platform {

class Profile {
public:
    virtual ~Profile() = default;
    virtual int GetProfileInt(const std::string& section, const std::string& key, int def) const = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& key,
                                         const std::string& def) const = 0;
    virtual bool WriteProfileInt(const std::string& section, const std::string& key, int value) = 0;
    virtual bool WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value) = 0;
};

// Kept in memory only; the tests' profile.
class MemoryProfile : public Profile {
public:
    int GetProfileInt(const std::string& section, const std::string& key, int def) const override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) const override;
    bool WriteProfileInt(const std::string& section, const std::string& key, int value) override;
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;
    void Clear() { values_.clear(); }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

// The profile the whole program reads, as the application object's profile
// is in the original design. Starts as an empty in-memory profile.
Profile& AppProfile();
// Installs another profile (not owned); nullptr goes back to the built-in one.
void SetAppProfile(Profile* profile);

}  // namespace platform
