#include "grid/control/ComponentStream.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Streams.h"

namespace {

constexpr char kSignature[] = "TPF0";

[[noreturn]] void InvalidValue()
{
    throw EReadError("Invalid property value");
}

bool HasHighByte(const std::string& Text)
{
    return std::any_of(Text.begin(), Text.end(), [](char c) { return static_cast<uint8_t>(c) >= 0x80; });
}

} // namespace

// ---- writing

void TComponentWriter::Signature()
{
    FStream.Write(kSignature, 4);
}

void TComponentWriter::Byte(uint8_t Value)
{
    FStream.Write(&Value, 1);
}

void TComponentWriter::RawInt32(int32_t Value)
{
    uint8_t bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(static_cast<uint32_t>(Value) >> (8 * i));
    FStream.Write(bytes, 4);
}

void TComponentWriter::ShortString(const std::string& Value)
{
    const size_t length = std::min<size_t>(Value.size(), 255);
    Byte(static_cast<uint8_t>(length));
    FStream.Write(Value.data(), length);
}

void TComponentWriter::Integer(int32_t Value)
{
    if (Value >= -128 && Value <= 127) {
        Byte(vaInt8);
        Byte(static_cast<uint8_t>(Value));
    } else if (Value >= -32768 && Value <= 32767) {
        Byte(vaInt16);
        const auto bits = static_cast<uint16_t>(Value);
        Byte(static_cast<uint8_t>(bits));
        Byte(static_cast<uint8_t>(bits >> 8));
    } else {
        FixedInt32(Value);
    }
}

void TComponentWriter::FixedInt32(int32_t Value)
{
    Byte(vaInt32);
    RawInt32(Value);
}

void TComponentWriter::Boolean(bool Value)
{
    Byte(Value ? vaTrue : vaFalse);
}

// A text whose UTF-8 form takes at least two bytes per UTF-16 unit is smaller as UTF-16.
void TComponentWriter::Text(const std::string& Value)
{
    const std::string wide = Utf8ToUtf16Le(Value);
    if (Value.size() >= wide.size()) {
        Byte(vaWString);
        RawInt32(static_cast<int32_t>(wide.size() / 2));
        FStream.Write(wide.data(), wide.size());
    } else if (HasHighByte(Value)) {
        UTF8Text(Value);
    } else if (Value.size() > 255) {
        Byte(vaLString);
        RawInt32(static_cast<int32_t>(Value.size()));
        FStream.Write(Value.data(), Value.size());
    } else {
        Byte(vaString);
        ShortString(Value);
    }
}

void TComponentWriter::UTF8Text(const std::string& Value)
{
    Byte(vaUTF8String);
    RawInt32(static_cast<int32_t>(Value.size()));
    FStream.Write(Value.data(), Value.size());
}

void TComponentWriter::Ident(const std::string& Value)
{
    Byte(vaIdent);
    ShortString(Value);
}

void TComponentWriter::Set(const std::vector<std::string>& Members)
{
    Byte(vaSet);
    for (const std::string& member : Members)
        ShortString(member);
    Byte(0);
}

void TComponentWriter::Binary(const std::string& Bytes)
{
    Byte(vaBinary);
    RawInt32(static_cast<int32_t>(Bytes.size()));
    FStream.Write(Bytes.data(), Bytes.size());
}

void TComponentWriter::Extended(double Value)
{
    uint8_t bytes[10];
    DoubleToExtended(Value, bytes);
    Byte(vaExtended);
    FStream.Write(bytes, 10);
}

// ---- reading

void TComponentReader::Signature()
{
    char signature[4];
    if (FStream.Read(signature, 4) != 4 || std::string(signature, 4) != kSignature)
        throw EReadError("Invalid stream format");
}

uint8_t TComponentReader::Byte()
{
    uint8_t value = 0;
    Bytes(&value, 1);
    return value;
}

int32_t TComponentReader::RawInt32()
{
    uint8_t bytes[4];
    Bytes(bytes, 4);
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(bytes[i]) << (8 * i);
    return static_cast<int32_t>(value);
}

std::string TComponentReader::ShortString()
{
    return Chars(Byte());
}

size_t TComponentReader::Remaining() const
{
    return FStream.Position() >= FStream.Size() ? 0 : FStream.Size() - FStream.Position();
}

int32_t TComponentReader::Integer(uint8_t Type)
{
    switch (Type) {
    case vaInt8:
        return static_cast<int8_t>(Byte());
    case vaInt16: {
        const uint8_t low = Byte();
        return static_cast<int16_t>(static_cast<uint16_t>(low | (Byte() << 8)));
    }
    case vaInt32:
        return RawInt32();
    default:
        InvalidValue();
    }
}

bool TComponentReader::Boolean(uint8_t Type)
{
    if (Type != vaFalse && Type != vaTrue) InvalidValue();
    return Type == vaTrue;
}

std::string TComponentReader::Text(uint8_t Type)
{
    switch (Type) {
    case vaString:
        return Win1252ToUtf8(ShortString());
    case vaLString:
        return Win1252ToUtf8(Chars(CheckedLength()));
    case vaUTF8String:
        return Chars(CheckedLength());
    case vaWString: {
        const int32_t units = RawInt32();
        if (units < 0 || static_cast<size_t>(units) > Remaining() / 2) InvalidValue();
        return Utf16LeToUtf8(Chars(static_cast<size_t>(units) * 2));
    }
    default:
        InvalidValue();
    }
}

std::string TComponentReader::Ident(uint8_t Type)
{
    if (Type != vaIdent) InvalidValue();
    return ShortString();
}

std::vector<std::string> TComponentReader::Set(uint8_t Type)
{
    if (Type != vaSet) InvalidValue();
    std::vector<std::string> members;
    for (std::string member = ShortString(); !member.empty(); member = ShortString())
        members.push_back(member);
    return members;
}

std::string TComponentReader::Binary(uint8_t Type)
{
    if (Type != vaBinary) InvalidValue();
    return Chars(CheckedLength());
}

double TComponentReader::Extended(uint8_t Type)
{
    if (Type != vaExtended) return Integer(Type);
    uint8_t bytes[10];
    Bytes(bytes, 10);
    return ExtendedToDouble(bytes);
}

std::vector<std::string> TComponentReader::TextList(uint8_t Type)
{
    if (Type != vaList) InvalidValue();
    std::vector<std::string> lines;
    for (uint8_t next = Byte(); next != vaNull; next = Byte())
        lines.push_back(Text(next));
    return lines;
}

void TComponentReader::Bytes(void* Buffer, size_t Count)
{
    if (FStream.Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

std::string TComponentReader::Chars(size_t Count)
{
    std::string text(Count, '\0');
    Bytes(text.data(), Count);
    return text;
}

size_t TComponentReader::CheckedLength()
{
    const int32_t length = RawInt32();
    if (length < 0 || static_cast<size_t>(length) > Remaining()) InvalidValue();
    return static_cast<size_t>(length);
}

// ---- 80-bit extended precision

void DoubleToExtended(double Value, uint8_t (&Bytes)[10])
{
    const auto bits = std::bit_cast<uint64_t>(Value);
    const bool negative = bits >> 63;
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
    uint64_t mantissa = 0;
    int extendedExponent = 0;
    if (exponent == 0x7FF) {
        extendedExponent = 0x7FFF;
        mantissa = (uint64_t{1} << 63) | (fraction << 11);
    } else if (exponent != 0) {
        extendedExponent = exponent - 1023 + 16383;
        mantissa = (uint64_t{1} << 63) | (fraction << 11);
    } else if (fraction != 0) {
        // A subnormal double is a normal extended value.
        extendedExponent = 1 - 1023 + 16383;
        mantissa = fraction << 11;
        while (!(mantissa >> 63)) {
            mantissa <<= 1;
            --extendedExponent;
        }
    }
    for (int i = 0; i < 8; ++i)
        Bytes[i] = static_cast<uint8_t>(mantissa >> (8 * i));
    Bytes[8] = static_cast<uint8_t>(extendedExponent);
    Bytes[9] = static_cast<uint8_t>((extendedExponent >> 8) | (negative ? 0x80 : 0));
}

double ExtendedToDouble(const uint8_t (&Bytes)[10])
{
    uint64_t mantissa = 0;
    for (int i = 0; i < 8; ++i)
        mantissa |= static_cast<uint64_t>(Bytes[i]) << (8 * i);
    const int exponent = ((Bytes[9] & 0x7F) << 8) | Bytes[8];
    const double sign = (Bytes[9] & 0x80) ? -1.0 : 1.0;
    if (exponent == 0x7FFF)
        return (mantissa << 1) == 0 ? sign * HUGE_VAL : std::nan("");
    return sign * std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
}

// ---- the column stream's collection component

namespace {

void WriteStreamValue(TComponentWriter& Out, const TStreamValue& Value)
{
    if (const auto* number = std::get_if<int32_t>(&Value)) {
        Out.FixedInt32(*number);
    } else if (const auto* flag = std::get_if<bool>(&Value)) {
        Out.Boolean(*flag);
    } else if (const auto* text = std::get_if<std::string>(&Value)) {
        Out.UTF8Text(*text);
    } else {
        Out.Byte(vaList);
        for (const std::string& line : std::get<std::vector<std::string>>(Value))
            Out.UTF8Text(line);
        Out.Byte(vaNull);
    }
}

TStreamValue ReadStreamValue(TComponentReader& In, uint8_t Type)
{
    switch (Type) {
    case vaInt8:
    case vaInt16:
    case vaInt32:
        return In.Integer(Type);
    case vaFalse:
    case vaTrue:
        return In.Boolean(Type);
    case vaList:
        return In.TextList(Type);
    default:
        return In.Text(Type);
    }
}

} // namespace

void WriteComponent(TMemoryStream& Stream, const TStreamedComponent& Component)
{
    TComponentWriter out(Stream);
    out.Signature();
    out.ShortString(Component.ClassName);
    out.ShortString(Component.Name);
    out.ShortString(Component.CollectionName);
    out.Byte(vaCollection);
    for (const auto& properties : Component.Items) {
        out.Byte(vaList);
        for (const auto& [name, value] : properties) {
            out.ShortString(name);
            WriteStreamValue(out, value);
        }
        out.Byte(vaNull);
    }
    out.Byte(vaNull); // end of the collection
    out.Byte(vaNull); // end of the component's properties
    out.Byte(vaNull); // end of its (no) children
}

TStreamedComponent ReadComponent(TMemoryStream& Stream)
{
    TComponentReader in(Stream);
    in.Signature();
    TStreamedComponent component;
    component.ClassName = in.ShortString();
    component.Name = in.ShortString();
    component.CollectionName = in.ShortString();
    if (in.Byte() != vaCollection) throw EReadError("Invalid stream format");
    for (uint8_t next = in.Byte(); next != vaNull; next = in.Byte()) {
        if (next != vaList) throw EReadError("Invalid stream format");
        TStreamedComponent::TProperties properties;
        for (std::string name = in.ShortString(); !name.empty(); name = in.ShortString())
            properties.emplace_back(name, ReadStreamValue(in, in.Byte()));
        component.Items.push_back(std::move(properties));
    }
    if (in.Byte() != vaNull || in.Byte() != vaNull) throw EReadError("Invalid stream format");
    return component;
}
