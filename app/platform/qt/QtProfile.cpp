#include "QtProfile.h"

#include <QSettings>

namespace platform {

namespace {
QString Path(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + "/" + QString::fromStdString(key);
}
}  // namespace

QtProfile::QtProfile()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Morvek-Audio",
                                            "J57 Utility"))
{
}

QtProfile::QtProfile(const std::string& iniPath)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(iniPath), QSettings::IniFormat))
{
}

QtProfile::~QtProfile() = default;

int QtProfile::GetProfileInt(const std::string& section, const std::string& key, int def) const
{
    QVariant v = settings_->value(Path(section, key));
    if (!v.isValid())
        return def;
    bool ok = false;
    int value = v.toString().trimmed().toInt(&ok);
    return ok ? value : def;
}

std::string QtProfile::GetProfileString(const std::string& section, const std::string& key,
                                        const std::string& def) const
{
    QVariant v = settings_->value(Path(section, key));
    return v.isValid() ? v.toString().toStdString() : def;
}

bool QtProfile::WriteProfileInt(const std::string& section, const std::string& key, int value)
{
    settings_->setValue(Path(section, key), value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

bool QtProfile::WriteProfileString(const std::string& section, const std::string& key,
                                   const std::string& value)
{
    settings_->setValue(Path(section, key), QString::fromStdString(value));
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

std::string QtProfile::FileName() const { return settings_->fileName().toStdString(); }

}  // namespace platform
