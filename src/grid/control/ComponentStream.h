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

// The value kinds of the class library's binary component format, by their codes.
enum TValueType : uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaWString = 18,
    vaUTF8String = 20
};

// Writes the parts of a component record at the stream's position: the signature, names
// and typed values, integers little-endian.
class TComponentWriter {
public:
    explicit TComponentWriter(TMemoryStream& Stream) : FStream(Stream) {}
    void Signature();
    void Byte(uint8_t Value);
    void RawInt32(int32_t Value);
    // A name: one length byte, then the bytes; longer names are cut.
    void ShortString(const std::string& Value);
    // The smallest of vaInt8, vaInt16 and vaInt32 that holds the value.
    void Integer(int32_t Value);
    void FixedInt32(int32_t Value);
    void Boolean(bool Value);
    // UTF-8 text in the form its characters call for: wide, UTF-8, long or short.
    void Text(const std::string& Value);
    void UTF8Text(const std::string& Value);
    void Ident(const std::string& Value);
    void Set(const std::vector<std::string>& Members);
    void Binary(const std::string& Bytes);
    // Widened to 80-bit extended precision.
    void Extended(double Value);

private:
    TMemoryStream& FStream;
};

// Reads what TComponentWriter writes. Every length is checked against the bytes left, so a
// damaged stream raises EReadError instead of reading past its end.
class TComponentReader {
public:
    explicit TComponentReader(TMemoryStream& Stream) : FStream(Stream) {}
    // Raises "Invalid stream format" unless the next four bytes are "TPF0".
    void Signature();
    uint8_t Byte();
    int32_t RawInt32();
    std::string ShortString();
    size_t Remaining() const;
    // Each takes the value that follows the tag Type; a tag of another kind raises.
    int32_t Integer(uint8_t Type);
    bool Boolean(uint8_t Type);
    // Any of the four text forms, as UTF-8.
    std::string Text(uint8_t Type);
    std::string Ident(uint8_t Type);
    std::vector<std::string> Set(uint8_t Type);
    std::string Binary(uint8_t Type);
    double Extended(uint8_t Type);
    std::vector<std::string> TextList(uint8_t Type);

private:
    void Bytes(void* Buffer, size_t Count);
    std::string Chars(size_t Count);
    size_t CheckedLength();

    TMemoryStream& FStream;
};

// The 80-bit extended-precision form (little-endian: 64-bit mantissa with its integer bit,
// then sign and 15-bit exponent) of a double, and back; values beyond a double's range
// read as infinity or zero.
void DoubleToExtended(double Value, uint8_t (&Bytes)[10]);
double ExtendedToDouble(const uint8_t (&Bytes)[10]);

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
