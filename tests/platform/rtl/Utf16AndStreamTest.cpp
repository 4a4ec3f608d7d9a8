#include <gtest/gtest.h>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Streams.h"

namespace {

using namespace std::string_literals;

TEST(Utf16Le, RoundTripsSurrogatePairsAndMendsLoneOnes)
{
    const std::string text = "A\xC3\xA9\xF0\x9F\x98\x80"; // A, e acute, U+1F600
    const std::string wide = "A\0\xE9\0\x3D\xD8\x00\xDE"s;
    EXPECT_EQ(Utf8ToUtf16Le(text), wide);
    EXPECT_EQ(Utf16LeToUtf8(wide), text);
    EXPECT_EQ(Utf16LeToUtf8("\x3D\xD8"
                            "B\0x"s),
              "\xEF\xBF\xBD"
              "B");
}

TEST(MemoryStream, ReadsWithinItsBytesAndWritesOverOrPastThem)
{
    TMemoryStream stream("abcd"s);
    char buffer[8] = {};
    stream.SetPosition(2);
    EXPECT_EQ(stream.Read(buffer, 8), 2u);
    EXPECT_EQ(std::string(buffer, 2), "cd");
    EXPECT_EQ(stream.Read(buffer, 8), 0u);
    stream.SetPosition(6);
    stream.Write("xy", 2);
    EXPECT_EQ(stream.Bytes(), "abcd\0\0xy"s);
    stream.SetPosition(1);
    stream.Write("Z", 1);
    EXPECT_EQ(stream.Bytes(), "aZcd\0\0xy"s);
    EXPECT_EQ(stream.Position(), 2u);
    stream.Clear();
    EXPECT_EQ(stream.Size(), 0u);
}

} // namespace
