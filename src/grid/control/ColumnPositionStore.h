#pragma once
#include <cstdint>
#include <memory>
#include <string>

class TColumnSize;

// Named integers under one section of a settings store: an INI file or a registry key.
class TColumnPositionStore {
public:
    virtual ~TColumnPositionStore() = default;
    virtual int32_t ReadInteger(const std::string& Name, int32_t Default) const = 0;
    virtual void WriteInteger(const std::string& Name, int32_t Value) = 0;
    // Writes the store out; an INI file that was missing then exists.
    virtual void Flush() {}
};

// Section Section of the INI file FileName.
std::unique_ptr<TColumnPositionStore> IniPositionStore(const std::string& FileName,
                                                       const std::string& Section);
// The key Key\Section below the current user's registry hive.
std::unique_ptr<TColumnPositionStore> RegistryPositionStore(const std::string& Key,
                                                            const std::string& Section);
// The place ColumnSize names: its INI file or its registry key.
std::unique_ptr<TColumnPositionStore> ColumnSizeStore(const TColumnSize& Settings);
