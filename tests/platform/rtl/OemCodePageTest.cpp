#include <gtest/gtest.h>

#include "platform/rtl/CodePage.h"

TEST(OemCodePage, EveryByteComesBackThroughUtf8)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToOem(OemToUtf8(all)), all);
}

TEST(OemCodePage, MapsTheWesternLettersAndReplacesTheRest)
{
    EXPECT_EQ(OemToUtf8("\x80\x81\x9C\xB5\xD5\xE1\xF0\xFE\xFF"), "Çü£Áıß\u00AD■\u00A0");
    EXPECT_EQ(Utf8ToOem("é€x"), "\x82?x");
}
