#include "platform/os/Registry.h"

#include "platform/rtl/SysUtils.h"

namespace {

// The key path without its outer "\" and in one letter case, as the store compares it.
std::string FoldKey(const std::string& key)
{
    size_t b = 0, e = key.size();
    while (b < e && key[b] == '\\')
        ++b;
    while (e > b && key[e - 1] == '\\')
        --e;
    return AnsiUpperCase(key.substr(b, e - b));
}

std::shared_ptr<TRegistryStore>& CurrentStore()
{
    static std::shared_ptr<TRegistryStore> store = std::make_shared<TRegistryStore>();
    return store;
}

} // namespace

void TRegistryStore::CreateKeyLocked(const TKeyName& key)
{
    const std::string& path = key.second;
    for (size_t sep = 0;; ++sep) {
        sep = path.find('\\', sep);
        const TKeyName level{key.first, path.substr(0, sep)};
        if (keys_.emplace(level, std::map<std::string, TRegData>()).second)
            Changed(level, REG_NOTIFY_CHANGE_NAME);
        if (sep == std::string::npos) break;
    }
}

void TRegistryStore::Changed(const TKeyName& key, unsigned kind)
{
    const auto reports = [&](const TWatch& w) {
        if (w.key.first != key.first || !(w.filter & kind)) return false;
        const std::string& watched = w.key.second;
        if (key.second == watched) return true;
        return w.subtree && key.second.size() > watched.size() &&
               key.second.compare(0, watched.size(), watched) == 0 && key.second[watched.size()] == '\\';
    };
    std::erase_if(watches_, [&](const TWatch& w) {
        const auto event = w.event.lock();
        if (!event) return true;
        if (!reports(w)) return false;
        event->SetEvent();
        return true;
    });
}

void TRegistryStore::CreateKey(HKEY root, const std::string& key)
{
    std::lock_guard lock(mutex_);
    CreateKeyLocked({root, FoldKey(key)});
}

bool TRegistryStore::KeyExists(HKEY root, const std::string& key) const
{
    std::lock_guard lock(mutex_);
    return keys_.count({root, FoldKey(key)}) != 0;
}

void TRegistryStore::WriteValue(HKEY root, const std::string& key, const std::string& name,
                                const TRegData& data)
{
    std::lock_guard lock(mutex_);
    const TKeyName folded{root, FoldKey(key)};
    CreateKeyLocked(folded);
    keys_[folded][AnsiUpperCase(name)] = data;
    Changed(folded, REG_NOTIFY_CHANGE_LAST_SET);
}

std::optional<TRegData> TRegistryStore::ReadValue(HKEY root, const std::string& key,
                                                  const std::string& name) const
{
    std::lock_guard lock(mutex_);
    const auto k = keys_.find({root, FoldKey(key)});
    if (k == keys_.end()) return std::nullopt;
    const auto v = k->second.find(AnsiUpperCase(name));
    if (v == k->second.end()) return std::nullopt;
    return v->second;
}

void TRegistryStore::NotifyChangeKeyValue(HKEY root, const std::string& key, bool watchSubtree,
                                          unsigned filter, const std::shared_ptr<TEvent>& event)
{
    std::lock_guard lock(mutex_);
    watches_.push_back({{root, FoldKey(key)}, watchSubtree, filter, event});
}

std::shared_ptr<TRegistryStore> RegistryStore() { return CurrentStore(); }

void SetRegistryStore(std::shared_ptr<TRegistryStore> store) { CurrentStore() = std::move(store); }

TRegistry::TRegistry() : store_(RegistryStore()) {}

void TRegistry::SetRootKey(HKEY root)
{
    CloseKey();
    root_ = root;
}

bool TRegistry::KeyExists(const std::string& key) const { return store_ && store_->KeyExists(root_, key); }

bool TRegistry::OpenKeyReadOnly(const std::string& key)
{
    CloseKey();
    if (!KeyExists(key)) return false;
    path_ = key;
    open_ = true;
    return true;
}

void TRegistry::CloseKey()
{
    path_.clear();
    open_ = false;
}

std::optional<TRegData> TRegistry::Find(const std::string& name) const
{
    return open_ && store_ ? store_->ReadValue(root_, path_, name) : std::nullopt;
}

bool TRegistry::ValueExists(const std::string& name) const { return Find(name).has_value(); }

int32_t TRegistry::ReadInteger(const std::string& name) const
{
    const std::optional<TRegData> data = Find(name);
    if (!data || !std::holds_alternative<int32_t>(*data))
        throw ERegistryException("Invalid data type for '" + name + "'");
    return std::get<int32_t>(*data);
}

std::string TRegistry::ReadString(const std::string& name) const
{
    const std::optional<TRegData> data = Find(name);
    if (!data) return {};
    if (!std::holds_alternative<std::string>(*data))
        throw ERegistryException("Invalid data type for '" + name + "'");
    return std::get<std::string>(*data);
}
