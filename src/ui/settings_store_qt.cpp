#include "ui/settings_store_qt.h"

namespace vantrel {

namespace {

QString keyPath(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

} // namespace

SettingsStoreQt::SettingsStoreQt()
        : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vantrel"),
                                                QStringLiteral("Vantrel")))
{ }

SettingsStoreQt::SettingsStoreQt(const QString& iniPath)
        : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{ }

std::optional<std::string> SettingsStoreQt::read(const std::string& section, const std::string& key) const
{
    const QVariant value = settings_->value(keyPath(section, key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

void SettingsStoreQt::write(const std::string& section, const std::string& key, const std::string& value)
{
    settings_->setValue(keyPath(section, key), QString::fromStdString(value));
    settings_->sync();
}

} // namespace vantrel
