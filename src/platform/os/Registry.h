#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Threads.h"

// The registry: keys below root keys, each key holding named integer and text values. Our
// platform keeps it in a store of its own instead of a system database. The process-wide
// store starts empty, as on a machine where no program has written anything; tests put a
// store with their own keys in its place, or none at all.

using HKEY = uint32_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

using TRegData = std::variant<int32_t, std::string>;

class ERegistryException : public Exception {
    using Exception::Exception;
};

// What a change notification reports, as the registry's filter bits.
constexpr unsigned REG_NOTIFY_CHANGE_NAME = 1;     // a key created
constexpr unsigned REG_NOTIFY_CHANGE_LAST_SET = 4; // a value written
constexpr unsigned REG_NOTIFY_ALL = 15;

// Keys and values in memory. Key paths separate their levels with "\" and, like value
// names, are compared without regard to letter case. Any thread may use the store.
class TRegistryStore {
public:
    // Creates the key with every missing level above it.
    void CreateKey(HKEY root, const std::string& key);
    bool KeyExists(HKEY root, const std::string& key) const;
    // Creates the key when it is missing.
    void WriteValue(HKEY root, const std::string& key, const std::string& name, const TRegData& data);
    // The value; nothing when the key or the value is missing.
    std::optional<TRegData> ReadValue(HKEY root, const std::string& key, const std::string& name) const;

    // Asks for one notification: the event is set at the next change of the kinds in
    // Filter to the key, or with WatchSubtree to a key below it. As with the registry, a
    // request is used up by the change it reports. The store holds the event weakly.
    void NotifyChangeKeyValue(HKEY root, const std::string& key, bool watchSubtree, unsigned filter,
                              const std::shared_ptr<TEvent>& event);

private:
    using TKeyName = std::pair<HKEY, std::string>;
    struct TWatch {
        TKeyName key;
        bool subtree;
        unsigned filter;
        std::weak_ptr<TEvent> event;
    };
    void CreateKeyLocked(const TKeyName& key);
    void Changed(const TKeyName& key, unsigned kind);

    mutable std::mutex mutex_;
    std::map<TKeyName, std::map<std::string, TRegData>> keys_;
    std::vector<TWatch> watches_;
};

// The store that TRegistry reads; nullptr when the process has no registry.
std::shared_ptr<TRegistryStore> RegistryStore();
void SetRegistryStore(std::shared_ptr<TRegistryStore> store);

// Reads the keys of the process-wide store, as the runtime library's registry class does.
// Key paths are taken from the root key; a leading "\" is allowed.
class TRegistry {
public:
    TRegistry();

    HKEY RootKey() const { return root_; }
    void SetRootKey(HKEY root);
    bool KeyExists(const std::string& key) const;
    // False when the key is missing (or there is no registry); the current key is then closed.
    bool OpenKeyReadOnly(const std::string& key);
    void CloseKey();

    // The values of the current key.
    bool ValueExists(const std::string& name) const;
    // Raises ERegistryException when the value is missing or holds no integer.
    int32_t ReadInteger(const std::string& name) const;
    // The empty text when the value is missing; raises ERegistryException when it holds no text.
    std::string ReadString(const std::string& name) const;

private:
    std::optional<TRegData> Find(const std::string& name) const;

    std::shared_ptr<TRegistryStore> store_;
    HKEY root_ = HKEY_CURRENT_USER;
    std::string path_;
    bool open_ = false;
};
