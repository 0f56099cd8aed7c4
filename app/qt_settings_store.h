#pragma once
// The settings store of the program on this platform: QSettings in its native format (a file per
// user on Linux, the registry on Windows). The two roots become two top-level groups of the same
// store, so the start-up probe under the classes root tests the same file the program writes.
//
// QSettings names are case-sensitive on Linux, while the store's key and value names are not: a
// name is looked up among the existing children ignoring ASCII case and, when found, used in its
// stored spelling ("DEFAULT" written, "Default" read, one value).

#include <QSettings>
#include <memory>
#include <set>

#include "i18n/settings_store.h"

namespace kelvo {

class QtSettingsStore final : public SettingsStore {
  public:
    // The per-user store of the program (organisation and application name of QCoreApplication).
    QtSettingsStore();
    // A store in a given file, in INI format (for tests and tools).
    explicit QtSettingsStore(const QString& iniFile);

    std::optional<SettingsKey> OpenKey(SettingsRoot root, std::string_view path,
                                       OpenMode mode) override;
    bool ValueExists(const SettingsKey& key, std::string_view name) const override;
    std::optional<SettingsValue> ReadValue(const SettingsKey& key,
                                           std::string_view name) const override;
    bool WriteValue(const SettingsKey& key, std::string_view name,
                    const SettingsValue& value) override;
    bool DeleteKey(SettingsRoot root, std::string_view path) override;

    // Writes pending changes to the file; false when the file cannot be written.
    bool Flush();

  private:
    // The group path of a key, each name in its stored spelling where it exists.
    QString GroupOf(SettingsRoot root, const std::vector<std::string>& path) const;
    QString StoredValueName(const QString& group, std::string_view name) const;
    bool GroupExists(const QString& group) const;

    std::unique_ptr<QSettings> settings_;
    // Keys created in this run that hold no value yet: QSettings keeps no empty groups.
    std::set<QString> createdKeys_;
};

}  // namespace kelvo
