#include "platform/rtl/Resources.h"

#include "platform/rtl/SysUtils.h"

void TResourceModule::AddResource(const std::string& name, std::string bytes)
{
    named_[UpperCase(name)] = std::move(bytes);
}

void TResourceModule::AddResource(int id, std::string bytes) { numbered_[id] = std::move(bytes); }

const std::string* TResourceModule::FindResource(const std::string& name) const
{
    const auto found = named_.find(UpperCase(name));
    return found == named_.end() ? nullptr : &found->second;
}

const std::string* TResourceModule::FindResource(int id) const
{
    const auto found = numbered_.find(id);
    return found == numbered_.end() ? nullptr : &found->second;
}

const std::string& TResourceModule::LoadResource(int id) const
{
    const std::string* bytes = FindResource(id);
    if (!bytes) throw EResNotFound("Resource " + IntToStr(id) + " not found");
    return *bytes;
}

TResourceModule& HInstance()
{
    static TResourceModule module;
    return module;
}
