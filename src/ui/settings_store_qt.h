#pragma once
// The per-user settings store on QSettings (INI format). Keys are read by
// their explicit names, never listed, so the order of a section is ours.

#include "ui/settings.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace vantrel {

class SettingsStoreQt final : public SettingsStore {
public:
    // The user's own store (~/.config/Vantrel/Vantrel.ini).
    SettingsStoreQt();
    // A store in the given INI file (tests use a temporary one).
    explicit SettingsStoreQt(const QString& iniPath);

    std::optional<std::string> read(const std::string& section, const std::string& key) const override;
    void write(const std::string& section, const std::string& key, const std::string& value) override;

    QString fileName() const { return settings_->fileName(); }

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace vantrel
