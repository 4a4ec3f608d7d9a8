#include "grid/control/ColumnPositionStore.h"

#include "platform/os/IniFiles.h"
#include "platform/os/Registry.h"

namespace {

class TIniPositionStore : public TColumnPositionStore {
public:
    TIniPositionStore(const std::string& FileName, std::string Section)
        : FFile(FileName), FSection(std::move(Section))
    {
    }
    int32_t ReadInteger(const std::string& Name, int32_t Default) const override
    {
        return FFile.ReadInteger(FSection, Name, Default);
    }
    void WriteInteger(const std::string& Name, int32_t Value) override
    {
        FFile.WriteInteger(FSection, Name, Value);
    }

private:
    TIniFile FFile;
    std::string FSection;
};

// A process without a registry reads every default and keeps nothing.
class TRegistryPositionStore : public TColumnPositionStore {
public:
    explicit TRegistryPositionStore(std::string Key) : FStore(RegistryStore()), FKey(std::move(Key)) {}
    int32_t ReadInteger(const std::string& Name, int32_t Default) const override
    {
        if (!FStore) return Default;
        const std::optional<TRegData> value = FStore->ReadValue(HKEY_CURRENT_USER, FKey, Name);
        const auto* number = value ? std::get_if<int32_t>(&*value) : nullptr;
        return number ? *number : Default;
    }
    void WriteInteger(const std::string& Name, int32_t Value) override
    {
        if (FStore) FStore->WriteValue(HKEY_CURRENT_USER, FKey, Name, Value);
    }

private:
    std::shared_ptr<TRegistryStore> FStore;
    std::string FKey;
};

} // namespace

std::unique_ptr<TColumnPositionStore> IniPositionStore(const std::string& FileName,
                                                       const std::string& Section)
{
    return std::make_unique<TIniPositionStore>(FileName, Section);
}

std::unique_ptr<TColumnPositionStore> RegistryPositionStore(const std::string& Key,
                                                            const std::string& Section)
{
    return std::make_unique<TRegistryPositionStore>(Key + "\\" + Section);
}
