#include "i18n/settings.h"

#include <string>

namespace kelvo {

bool IsLanguageNumber(int number) {
    return number >= kBulgarian && number <= kEnglish;
}

int Settings::Language() const {
    const auto key = OpenProgramKey(OpenMode::OpenExisting);
    if (!key) {
        return kDefaultLanguage;
    }
    const auto stored = store_.ReadInt(*key, kLanguageValue);
    return stored && IsLanguageNumber(*stored) ? *stored : kDefaultLanguage;
}

bool Settings::WriteLanguage(int languageNumber) {
    const auto key = OpenProgramKey(OpenMode::CreateIfMissing);
    return key && store_.WriteInt(*key, kLanguageValue, languageNumber);
}

WindowSettings Settings::ReadWindowSettings() const {
    WindowSettings settings;
    const auto key = OpenProgramKey(OpenMode::OpenExisting);
    if (!key) {
        return settings;
    }
    settings.inchMode = store_.ReadBool(*key, kInchModeValue).value_or(settings.inchMode);
    settings.standardOnly =
        store_.ReadBool(*key, kStandardOnlyValue).value_or(settings.standardOnly);
    const auto resultCount = store_.ReadInt(*key, kResultCountValue);
    if (resultCount && *resultCount >= 0 && *resultCount < kResultCountItemCount) {
        settings.resultCountIndex = *resultCount;
    }
    return settings;
}

bool Settings::WriteWindowSettings(const WindowSettings& settings) {
    const auto key = OpenProgramKey(OpenMode::CreateIfMissing);
    if (!key) {
        return false;
    }
    // All three are attempted even if one fails, so that as much as possible is kept.
    const bool inch = store_.WriteBool(*key, kInchModeValue, settings.inchMode);
    const bool count = store_.WriteInt(*key, kResultCountValue, settings.resultCountIndex);
    const bool standard = store_.WriteBool(*key, kStandardOnlyValue, settings.standardOnly);
    return inch && count && standard;
}

int Settings::DefaultTemplateIndex() const {
    const auto key = OpenPrintListKey(OpenMode::OpenExisting);
    if (!key) {
        return 0;
    }
    const auto index = store_.ReadInt(*key, kDefaultTemplateValue);
    return index && *index >= 0 ? *index : 0;
}

bool Settings::WriteDefaultTemplateIndex(int index) {
    const auto key = OpenPrintListKey(OpenMode::CreateIfMissing);
    return key && store_.WriteInt(*key, kDefaultTemplateValue, index);
}

bool Settings::ProbeWritable() {
    return ProbeKey(SettingsRoot::ClassesRoot, kProbeClassesKey) &&
           ProbeKey(SettingsRoot::CurrentUser, kProbeUserKey);
}

std::optional<SettingsKey> Settings::OpenProgramKey(OpenMode mode) const {
    return store_.OpenKey(SettingsRoot::CurrentUser, kProgramSettingsKey, mode);
}

std::optional<SettingsKey> Settings::OpenPrintListKey(OpenMode mode) const {
    std::string path(kPrintListSettingsKey);
    path += '\\';
    path += kPrintListFormKey;
    return store_.OpenKey(SettingsRoot::CurrentUser, path, mode);
}

bool Settings::ProbeKey(SettingsRoot root, std::string_view path) {
    if (!store_.OpenKey(root, path, OpenMode::CreateIfMissing)) {
        return false;
    }
    store_.DeleteKey(root, path);
    return true;
}

}  // namespace kelvo
