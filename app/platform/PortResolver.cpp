#include "PortResolver.h"

#include <cctype>

namespace platform {

std::string PortResolver::Resolve(const std::string& name) const
{
    if (!name.empty() && name[0] == '/')
        return name;
    if (name.size() < 4 || name.size() > 5)
        return {};
    for (int i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i])
            return {};
    int number = 0;
    for (size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return {};
        number = number * 10 + (name[i] - '0');
    }
    if (number < 1)
        return {};
    std::string key = "COM" + std::to_string(number);
    std::string device = profile_.GetProfileString("Ports", key, "");
    if (!device.empty())
        return device;
    return "/dev/ttyS" + std::to_string(number - 1);
}

}  // namespace platform
