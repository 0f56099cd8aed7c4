#pragma once
// The per-user settings store: a tree of keys under two roots, each key holding named boolean,
// integer and string values. On the home platform it is the registry; the program sees only this
// interface, so a registry, a file per user or the in-memory store below can stand behind it.
//
// Names are UTF-8. Key names and value names are compared without regard to ASCII case
// ("Default" and "DEFAULT" name the same value), as the registry does for the names used here.
// A key path is a list of names separated by backslashes; leading, trailing and doubled
// backslashes are ignored, so "\Software\Kelvo\" and "Software\Kelvo" name the same key.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kelvo {

enum class SettingsRoot {
    CurrentUser,  // everything the program keeps
    ClassesRoot,  // the start-up probe only
};

enum class OpenMode {
    OpenExisting,     // fails when the key does not exist
    CreateIfMissing,  // full access; fails when the key can be neither opened nor created
};

// An opened key. It holds no resources: closing a key is letting the object go. Operations on a
// key that has since been deleted read nothing and write nothing.
struct SettingsKey {
    SettingsRoot root = SettingsRoot::CurrentUser;
    std::vector<std::string> path;  // key names from the root down
};

using SettingsValue = std::variant<bool, std::int32_t, std::string>;

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    virtual std::optional<SettingsKey> OpenKey(SettingsRoot root, std::string_view path,
                                               OpenMode mode) = 0;
    virtual bool ValueExists(const SettingsKey& key, std::string_view name) const = 0;
    virtual std::optional<SettingsValue> ReadValue(const SettingsKey& key,
                                                   std::string_view name) const = 0;
    // Creates the value or replaces it (whatever its previous type); false when nothing was
    // written.
    virtual bool WriteValue(const SettingsKey& key, std::string_view name,
                            const SettingsValue& value) = 0;
    // Deletes the key together with all its subkeys; false when nothing was deleted.
    virtual bool DeleteKey(SettingsRoot root, std::string_view path) = 0;

    // Typed reads: nothing when the value is absent or holds a text where a number is asked for
    // (or a number where a text is asked for). Booleans and integers read as each other (any
    // non-zero integer is true), as the registry keeps both as one 32-bit number.
    std::optional<bool> ReadBool(const SettingsKey& key, std::string_view name) const;
    std::optional<std::int32_t> ReadInt(const SettingsKey& key, std::string_view name) const;
    std::optional<std::string> ReadString(const SettingsKey& key, std::string_view name) const;

    bool WriteBool(const SettingsKey& key, std::string_view name, bool value);
    bool WriteInt(const SettingsKey& key, std::string_view name, std::int32_t value);
    bool WriteString(const SettingsKey& key, std::string_view name, std::string_view value);
};

// The names of a key path, without empty names.
std::vector<std::string> SplitKeyPath(std::string_view path);

// Name comparison of the store: equal ignoring ASCII case.
bool SameSettingsName(std::string_view a, std::string_view b);

// Orders names ignoring ASCII case, so that a map keyed by it finds "DEFAULT" under "Default".
struct SettingsNameLess {
    bool operator()(std::string_view a, std::string_view b) const;
    using is_transparent = void;
};

// The store kept in memory, for tests and for running without a platform store. Values persist as
// long as the object lives, so a test can "restart" the program against the same object. It can
// play a store that refuses writes under one root, and any value can be stored with any type (a
// "Lang" written as the text "x", for instance).
class MemorySettingsStore final : public SettingsStore {
  public:
    MemorySettingsStore();
    ~MemorySettingsStore() override;

    // A root that is not writable opens existing keys for reading only: opening with
    // CreateIfMissing, writing and deleting all fail under it.
    void SetWritable(SettingsRoot root, bool writable);
    bool KeyExists(SettingsRoot root, std::string_view path) const;

    std::optional<SettingsKey> OpenKey(SettingsRoot root, std::string_view path,
                                       OpenMode mode) override;
    bool ValueExists(const SettingsKey& key, std::string_view name) const override;
    std::optional<SettingsValue> ReadValue(const SettingsKey& key,
                                           std::string_view name) const override;
    bool WriteValue(const SettingsKey& key, std::string_view name,
                    const SettingsValue& value) override;
    bool DeleteKey(SettingsRoot root, std::string_view path) override;

  private:
    struct Node {
        std::map<std::string, SettingsValue, SettingsNameLess> values;
        std::map<std::string, std::unique_ptr<Node>, SettingsNameLess> children;
    };
    struct Root {
        Node node;
        bool writable = true;
    };

    Root& RootOf(SettingsRoot root);
    const Root& RootOf(SettingsRoot root) const;
    const Node* FindNode(SettingsRoot root, const std::vector<std::string>& path) const;
    Node* FindNode(SettingsRoot root, const std::vector<std::string>& path);

    Root currentUser_;
    Root classesRoot_;
};

}  // namespace kelvo
