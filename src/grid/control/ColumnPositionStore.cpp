#include "grid/control/ColumnPositionStore.h"

#include "grid/control/settings/ColumnSize.h"
#include "platform/os/IniFiles.h"
#include "platform/os/Registry.h"
#include "platform/rtl/SysUtils.h"

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
    void Flush() override { FFile.UpdateFile(); }

private:
    TIniFile FFile;
    std::string FSection;
};

// A process without a registry reads every default and keeps nothing. A value that some
// program stored as text stays text, in decimal.
class TRegistryPositionStore : public TColumnPositionStore {
public:
    explicit TRegistryPositionStore(std::string Key) : FStore(RegistryStore()), FKey(std::move(Key)) {}
    int32_t ReadInteger(const std::string& Name, int32_t Default) const override
    {
        if (!FStore) return Default;
        const std::optional<TRegData> value = FStore->ReadValue(HKEY_CURRENT_USER, FKey, Name);
        if (!value) return Default;
        if (const auto* number = std::get_if<int32_t>(&*value)) return *number;
        return StrToIntDef(std::get<std::string>(*value), Default);
    }
    void WriteInteger(const std::string& Name, int32_t Value) override
    {
        if (!FStore) return;
        const std::optional<TRegData> old = FStore->ReadValue(HKEY_CURRENT_USER, FKey, Name);
        if (old && std::holds_alternative<std::string>(*old))
            FStore->WriteValue(HKEY_CURRENT_USER, FKey, Name, std::to_string(Value));
        else
            FStore->WriteValue(HKEY_CURRENT_USER, FKey, Name, Value);
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

std::unique_ptr<TColumnPositionStore> ColumnSizeStore(const TColumnSize& Settings)
{
    if (Settings.Location == clIniFile) return IniPositionStore(Settings.Key, Settings.Section);
    return RegistryPositionStore(Settings.Key, Settings.Section);
}
