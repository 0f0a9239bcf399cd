#pragma once
// The program's profile: QSettings in INI form under "Morvek-Audio"/"J57 Utility".
#include <memory>

#include "Profile.h"

class QSettings;

namespace platform {

class QtProfile : public Profile {
public:
    QtProfile();                                   // the user's profile
    explicit QtProfile(const std::string& iniPath);  // a given file (tests)
    ~QtProfile() override;

    int GetProfileInt(const std::string& section, const std::string& key, int def) const override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) const override;
    bool WriteProfileInt(const std::string& section, const std::string& key, int value) override;
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;
    std::string FileName() const;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace platform
