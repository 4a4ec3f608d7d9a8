#include "grid/control/ComponentStream.h"

#include "platform/rtl/Streams.h"

namespace {

// The value kinds of the format, by their codes.
enum TValueType : uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt32 = 4,
    vaFalse = 8,
    vaTrue = 9,
    vaCollection = 14,
    vaUTF8String = 20
};

constexpr char kSignature[] = "TPF0";

class TStreamWriter {
public:
    explicit TStreamWriter(TMemoryStream& Stream) : FStream(Stream) {}
    void Byte(uint8_t Value) { FStream.Write(&Value, 1); }
    void Int32(int32_t Value)
    {
        uint8_t bytes[4];
        for (int i = 0; i < 4; ++i)
            bytes[i] = static_cast<uint8_t>(static_cast<uint32_t>(Value) >> (8 * i));
        FStream.Write(bytes, 4);
    }
    // A name: one length byte, then the bytes; longer names are cut.
    void ShortString(const std::string& Value)
    {
        const size_t length = std::min<size_t>(Value.size(), 255);
        Byte(static_cast<uint8_t>(length));
        FStream.Write(Value.data(), length);
    }
    void Text(const std::string& Value)
    {
        Byte(vaUTF8String);
        Int32(static_cast<int32_t>(Value.size()));
        FStream.Write(Value.data(), Value.size());
    }
    void Value(const TStreamValue& Value)
    {
        if (const auto* number = std::get_if<int32_t>(&Value)) {
            Byte(vaInt32);
            Int32(*number);
        } else if (const auto* flag = std::get_if<bool>(&Value)) {
            Byte(*flag ? vaTrue : vaFalse);
        } else if (const auto* text = std::get_if<std::string>(&Value)) {
            Text(*text);
        } else {
            Byte(vaList);
            for (const std::string& line : std::get<std::vector<std::string>>(Value))
                Text(line);
            Byte(vaNull);
        }
    }

private:
    TMemoryStream& FStream;
};

class TStreamReader {
public:
    explicit TStreamReader(TMemoryStream& Stream) : FStream(Stream) {}
    uint8_t Byte()
    {
        uint8_t value = 0;
        Bytes(&value, 1);
        return value;
    }
    int32_t Int32()
    {
        uint8_t bytes[4];
        Bytes(bytes, 4);
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<uint32_t>(bytes[i]) << (8 * i);
        return static_cast<int32_t>(value);
    }
    std::string ShortString() { return Chars(Byte()); }
    std::string Text()
    {
        const int32_t length = Int32();
        if (length < 0 || static_cast<size_t>(length) > FStream.Size() - FStream.Position())
            throw EReadError("Invalid property value");
        return Chars(static_cast<size_t>(length));
    }
    TStreamValue Value(uint8_t Type)
    {
        switch (Type) {
        case vaInt32:
            return Int32();
        case vaFalse:
            return false;
        case vaTrue:
            return true;
        case vaUTF8String:
            return Text();
        case vaList: {
            std::vector<std::string> lines;
            for (uint8_t next = Byte(); next != vaNull; next = Byte()) {
                if (next != vaUTF8String) throw EReadError("Invalid property value");
                lines.push_back(Text());
            }
            return lines;
        }
        default:
            throw EReadError("Invalid property value");
        }
    }

private:
    void Bytes(void* Buffer, size_t Count)
    {
        if (FStream.Read(Buffer, Count) != Count) throw EReadError("Stream read error");
    }
    std::string Chars(size_t Count)
    {
        std::string text(Count, '\0');
        Bytes(text.data(), Count);
        return text;
    }

    TMemoryStream& FStream;
};

} // namespace

void WriteComponent(TMemoryStream& Stream, const TStreamedComponent& Component)
{
    TStreamWriter out(Stream);
    Stream.Write(kSignature, 4);
    out.ShortString(Component.ClassName);
    out.ShortString(Component.Name);
    out.ShortString(Component.CollectionName);
    out.Byte(vaCollection);
    for (const auto& properties : Component.Items) {
        out.Byte(vaList);
        for (const auto& [name, value] : properties) {
            out.ShortString(name);
            out.Value(value);
        }
        out.Byte(vaNull);
    }
    out.Byte(vaNull); // end of the collection
    out.Byte(vaNull); // end of the component's properties
    out.Byte(vaNull); // end of its (no) children
}

TStreamedComponent ReadComponent(TMemoryStream& Stream)
{
    TStreamReader in(Stream);
    char signature[4];
    if (Stream.Read(signature, 4) != 4 || std::string(signature, 4) != kSignature)
        throw EReadError("Invalid stream format");
    TStreamedComponent component;
    component.ClassName = in.ShortString();
    component.Name = in.ShortString();
    component.CollectionName = in.ShortString();
    if (in.Byte() != vaCollection) throw EReadError("Invalid stream format");
    for (uint8_t next = in.Byte(); next != vaNull; next = in.Byte()) {
        if (next != vaList) throw EReadError("Invalid stream format");
        TStreamedComponent::TProperties properties;
        for (std::string name = in.ShortString(); !name.empty(); name = in.ShortString())
            properties.emplace_back(name, in.Value(in.Byte()));
        component.Items.push_back(std::move(properties));
    }
    if (in.Byte() != vaNull || in.Byte() != vaNull) throw EReadError("Invalid stream format");
    return component;
}
