#pragma once
#include <map>
#include <string>

#include "platform/rtl/Exceptions.h"

class EResNotFound : public Exception {
    using Exception::Exception;
};

// The raw-data resources of a module, by name (letter case ignored, as resource names
// are) or by number. The program registers its own at start-up.
class TResourceModule {
public:
    void AddResource(const std::string& name, std::string bytes);
    void AddResource(int id, std::string bytes);
    // The bytes of a resource, or nullptr when the module has none of that name or number.
    const std::string* FindResource(const std::string& name) const;
    const std::string* FindResource(int id) const;
    // Like FindResource by number, but raises EResNotFound ("Resource 7 not found").
    const std::string& LoadResource(int id) const;

private:
    std::map<std::string, std::string> named_;
    std::map<int, std::string> numbered_;
};

// The program's own module.
TResourceModule& HInstance();
