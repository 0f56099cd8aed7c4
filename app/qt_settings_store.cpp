#include "app/qt_settings_store.h"

#include <QCoreApplication>
#include <QStringList>

#include "app/qt_text.h"

namespace kelvo {

namespace {

QString RootGroup(SettingsRoot root) {
    return root == SettingsRoot::ClassesRoot ? QStringLiteral("ClassesRoot")
                                             : QStringLiteral("CurrentUser");
}

bool SameName(const QString& stored, std::string_view name) {
    return SameSettingsName(ToUtf8(stored), name);
}

// Native stores other than the registry keep every value as text; the type is read back from it.
SettingsValue ValueOf(const QVariant& stored) {
    switch (stored.typeId()) {
        case QMetaType::Bool:
            return stored.toBool();
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return static_cast<std::int32_t>(stored.toLongLong());
        default:
            break;
    }
    const QString text = stored.toString();
    if (text == QLatin1String("true")) {
        return true;
    }
    if (text == QLatin1String("false")) {
        return false;
    }
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber) {
        return static_cast<std::int32_t>(number);
    }
    return ToUtf8(text);
}

QVariant VariantOf(const SettingsValue& value) {
    if (const bool* flag = std::get_if<bool>(&value)) {
        return QVariant(*flag);
    }
    if (const std::int32_t* number = std::get_if<std::int32_t>(&value)) {
        return QVariant(static_cast<int>(*number));
    }
    return QVariant(ToQString(std::get<std::string>(value)));
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QCoreApplication::organizationName(),
                                            QCoreApplication::applicationName())) {}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QString QtSettingsStore::GroupOf(SettingsRoot root, const std::vector<std::string>& path) const {
    QString group = RootGroup(root);
    for (const std::string& name : path) {
        settings_->beginGroup(group);
        const QStringList children = settings_->childGroups();
        settings_->endGroup();
        QString spelling = ToQString(name);
        for (const QString& child : children) {
            if (SameName(child, name)) {
                spelling = child;
                break;
            }
        }
        group += QLatin1Char('/') + spelling;
    }
    return group;
}

QString QtSettingsStore::StoredValueName(const QString& group, std::string_view name) const {
    settings_->beginGroup(group);
    const QStringList keys = settings_->childKeys();
    settings_->endGroup();
    for (const QString& key : keys) {
        if (SameName(key, name)) {
            return key;
        }
    }
    return ToQString(name);
}

bool QtSettingsStore::GroupExists(const QString& group) const {
    if (createdKeys_.count(group.toLower()) > 0) {
        return true;
    }
    settings_->beginGroup(group);
    const bool exists = !settings_->childKeys().isEmpty() || !settings_->childGroups().isEmpty();
    settings_->endGroup();
    return exists;
}

std::optional<SettingsKey> QtSettingsStore::OpenKey(SettingsRoot root, std::string_view path,
                                                    OpenMode mode) {
    SettingsKey key{root, SplitKeyPath(path)};
    const QString group = GroupOf(root, key.path);
    if (GroupExists(group)) {
        if (mode == OpenMode::CreateIfMissing && !settings_->isWritable()) {
            return std::nullopt;
        }
        return key;
    }
    if (mode == OpenMode::OpenExisting || !settings_->isWritable()) {
        return std::nullopt;
    }
    createdKeys_.insert(group.toLower());
    return key;
}

bool QtSettingsStore::ValueExists(const SettingsKey& key, std::string_view name) const {
    const QString group = GroupOf(key.root, key.path);
    return settings_->contains(group + QLatin1Char('/') + StoredValueName(group, name));
}

std::optional<SettingsValue> QtSettingsStore::ReadValue(const SettingsKey& key,
                                                        std::string_view name) const {
    const QString group = GroupOf(key.root, key.path);
    const QString fullName = group + QLatin1Char('/') + StoredValueName(group, name);
    if (!settings_->contains(fullName)) {
        return std::nullopt;
    }
    return ValueOf(settings_->value(fullName));
}

bool QtSettingsStore::WriteValue(const SettingsKey& key, std::string_view name,
                                 const SettingsValue& value) {
    if (!settings_->isWritable()) {
        return false;
    }
    const QString group = GroupOf(key.root, key.path);
    if (!GroupExists(group)) {
        return false;  // the key was deleted since it was opened
    }
    settings_->setValue(group + QLatin1Char('/') + StoredValueName(group, name), VariantOf(value));
    return settings_->status() == QSettings::NoError;
}

bool QtSettingsStore::DeleteKey(SettingsRoot root, std::string_view path) {
    const std::vector<std::string> names = SplitKeyPath(path);
    if (names.empty() || !settings_->isWritable()) {
        return false;
    }
    const QString group = GroupOf(root, names);
    if (!GroupExists(group)) {
        return false;
    }
    const QString prefix = group.toLower() + QLatin1Char('/');
    for (auto it = createdKeys_.begin(); it != createdKeys_.end();) {
        it = (*it == group.toLower() || it->startsWith(prefix)) ? createdKeys_.erase(it) : ++it;
    }
    settings_->remove(group);
    return true;
}

bool QtSettingsStore::Flush() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

}  // namespace kelvo
