#include "i18n/settings_store.h"

#include <algorithm>
#include <utility>

namespace kelvo {

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::optional<bool> SettingsStore::ReadBool(const SettingsKey& key, std::string_view name) const {
    const auto value = ReadInt(key, name);
    if (!value) {
        return std::nullopt;
    }
    return *value != 0;
}

std::optional<std::int32_t> SettingsStore::ReadInt(const SettingsKey& key,
                                                   std::string_view name) const {
    const auto value = ReadValue(key, name);
    if (!value) {
        return std::nullopt;
    }
    if (const auto* number = std::get_if<std::int32_t>(&*value)) {
        return *number;
    }
    if (const auto* flag = std::get_if<bool>(&*value)) {
        return *flag ? 1 : 0;
    }
    return std::nullopt;
}

std::optional<std::string> SettingsStore::ReadString(const SettingsKey& key,
                                                     std::string_view name) const {
    const auto value = ReadValue(key, name);
    if (!value) {
        return std::nullopt;
    }
    if (const auto* text = std::get_if<std::string>(&*value)) {
        return *text;
    }
    return std::nullopt;
}

bool SettingsStore::WriteBool(const SettingsKey& key, std::string_view name, bool value) {
    return WriteValue(key, name, SettingsValue{value});
}

bool SettingsStore::WriteInt(const SettingsKey& key, std::string_view name, std::int32_t value) {
    return WriteValue(key, name, SettingsValue{value});
}

bool SettingsStore::WriteString(const SettingsKey& key, std::string_view name,
                                std::string_view value) {
    return WriteValue(key, name, SettingsValue{std::string(value)});
}

std::vector<std::string> SplitKeyPath(std::string_view path) {
    std::vector<std::string> names;
    while (!path.empty()) {
        const auto separator = path.find('\\');
        const auto name = path.substr(0, separator);
        if (!name.empty()) {
            names.emplace_back(name);
        }
        if (separator == std::string_view::npos) {
            break;
        }
        path.remove_prefix(separator + 1);
    }
    return names;
}

bool SameSettingsName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

bool SettingsNameLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(LowerAscii(x)) <
               static_cast<unsigned char>(LowerAscii(y));
    });
}

MemorySettingsStore::MemorySettingsStore() = default;
MemorySettingsStore::~MemorySettingsStore() = default;

void MemorySettingsStore::SetWritable(SettingsRoot root, bool writable) {
    RootOf(root).writable = writable;
}

bool MemorySettingsStore::KeyExists(SettingsRoot root, std::string_view path) const {
    return FindNode(root, SplitKeyPath(path)) != nullptr;
}

std::optional<SettingsKey> MemorySettingsStore::OpenKey(SettingsRoot root, std::string_view path,
                                                        OpenMode mode) {
    SettingsKey key{root, SplitKeyPath(path)};
    if (mode == OpenMode::OpenExisting) {
        return FindNode(root, key.path) ? std::optional(std::move(key)) : std::nullopt;
    }
    Root& store = RootOf(root);
    if (!store.writable) {
        return std::nullopt;
    }
    Node* node = &store.node;
    for (const auto& name : key.path) {
        auto& child = node->children[name];
        if (!child) {
            child = std::make_unique<Node>();
        }
        node = child.get();
    }
    return key;
}

bool MemorySettingsStore::ValueExists(const SettingsKey& key, std::string_view name) const {
    const Node* node = FindNode(key.root, key.path);
    return node && node->values.find(name) != node->values.end();
}

std::optional<SettingsValue> MemorySettingsStore::ReadValue(const SettingsKey& key,
                                                            std::string_view name) const {
    const Node* node = FindNode(key.root, key.path);
    if (!node) {
        return std::nullopt;
    }
    const auto found = node->values.find(name);
    if (found == node->values.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool MemorySettingsStore::WriteValue(const SettingsKey& key, std::string_view name,
                                     const SettingsValue& value) {
    Node* node = FindNode(key.root, key.path);
    if (!node || !RootOf(key.root).writable) {
        return false;
    }
    const auto found = node->values.find(name);
    if (found != node->values.end()) {
        found->second = value;
    } else {
        node->values.emplace(std::string(name), value);
    }
    return true;
}

bool MemorySettingsStore::DeleteKey(SettingsRoot root, std::string_view path) {
    auto names = SplitKeyPath(path);
    if (names.empty() || !RootOf(root).writable) {
        return false;  // the root itself is never deleted
    }
    const std::string last = names.back();
    names.pop_back();
    Node* parent = FindNode(root, names);
    if (!parent) {
        return false;
    }
    const auto found = parent->children.find(last);
    if (found == parent->children.end()) {
        return false;
    }
    parent->children.erase(found);
    return true;
}

MemorySettingsStore::Root& MemorySettingsStore::RootOf(SettingsRoot root) {
    return root == SettingsRoot::ClassesRoot ? classesRoot_ : currentUser_;
}

const MemorySettingsStore::Root& MemorySettingsStore::RootOf(SettingsRoot root) const {
    return root == SettingsRoot::ClassesRoot ? classesRoot_ : currentUser_;
}

const MemorySettingsStore::Node* MemorySettingsStore::FindNode(
    SettingsRoot root, const std::vector<std::string>& path) const {
    const Node* node = &RootOf(root).node;
    for (const auto& name : path) {
        const auto found = node->children.find(name);
        if (found == node->children.end()) {
            return nullptr;
        }
        node = found->second.get();
    }
    return node;
}

MemorySettingsStore::Node* MemorySettingsStore::FindNode(SettingsRoot root,
                                                         const std::vector<std::string>& path) {
    return const_cast<Node*>(std::as_const(*this).FindNode(root, path));
}

}  // namespace kelvo
