#pragma once
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "platform/rtl/Exceptions.h"

class TMemoryStream;

class EReadError : public Exception {
    using Exception::Exception;
};

// A property value in a component stream: integers (enumerations and sets by their
// ordinal and bit values), Booleans, texts and lists of texts.
using TStreamValue = std::variant<int32_t, bool, std::string, std::vector<std::string>>;

// One component of the class library's binary component format: the signature "TPF0",
// the class name, the component name, its properties, then one collection property whose
// items each hold a list of named values.
struct TStreamedComponent {
    using TProperties = std::vector<std::pair<std::string, TStreamValue>>;
    std::string ClassName;
    std::string Name;
    std::string CollectionName;
    std::vector<TProperties> Items;
};

void WriteComponent(TMemoryStream& Stream, const TStreamedComponent& Component);
// Raises EReadError for a stream that is not such a component.
TStreamedComponent ReadComponent(TMemoryStream& Stream);
