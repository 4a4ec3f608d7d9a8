#include <gtest/gtest.h>

#include "EdsSnippet.h"
#include "editors/ethernetip/EdsIdentity.h"

namespace {
struct DeviceLineCase {
    const char* line;
    int32_t vendCode;
};

class DeviceValue : public testing::TestWithParam<DeviceLineCase> {};

TEST_P(DeviceValue, ReadsTheKeyInAnyWritingUpToTheSemicolon)
{
    const DeviceLineCase c = GetParam();
    const TEdsDocument eds = EdsFromText(std::string("[Device]\n") + c.line + "\nVendName = \"x\";");
    EXPECT_EQ(ReadDeviceIdentity(eds).VendCode, c.vendCode) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceValue,
    testing::Values(DeviceLineCase{"VendCode=1;", 1}, DeviceLineCase{"VendCode    = 1;", 1},
                    DeviceLineCase{"VendCode =12;", 12},
                    DeviceLineCase{"\tvendcode\t=\t0x0001 ; $ vendor", 1},
                    DeviceLineCase{"VENDCODE = 0X2a;", 42}, DeviceLineCase{"VendCode =\n 7;", 7},
                    // Without its semicolon the entry runs into the next one.
                    DeviceLineCase{"VendCode = 1", 0}, DeviceLineCase{"VendCode = one;", 0},
                    DeviceLineCase{"MyVendCode = 3;", 0}, DeviceLineCase{"VendCode = 65537;", 1},
                    // Eight hexadecimal digits at most, leading zeros counted.
                    DeviceLineCase{"VendCode = 0x00000010;", 16}, DeviceLineCase{"VendCode = 0x000000010;", 0}));

TEST(DeviceIdentity, ReadsTheFiveValuesOfTheDeviceSectionOnly)
{
    const TEdsDocument eds =
        EdsFromText("[File]\nProdCode = 99;\n[device]\nVendCode = 808;\nProdType = 12;\n"
                    "ProdCode = 131;\nMajRev = 3;\nMinRev = 7;\n[Device Classification]\n"
                    "MajRev = 9;");
    const TEdsIdentity id = ReadDeviceIdentity(eds);
    EXPECT_EQ(id.VendCode, 808);
    EXPECT_EQ(id.ProdType, 12);
    EXPECT_EQ(id.ProdCode, 131);
    EXPECT_EQ(id.MajRev, 3);
    EXPECT_EQ(id.MinRev, 7);
    EXPECT_TRUE(id.IsKnown());
    EXPECT_FALSE(ReadDeviceIdentity(EdsFromText("[Params]")).IsKnown());
}

// A product name with an escaped quote must not swallow the revision after it.
TEST(DeviceIdentity, ReadsTheRevisionAfterANameWithAnEscapedQuote)
{
    const TEdsDocument eds = EdsFromText("[Device]\nVendCode = 1;\nProdName = \"Valve 1/2\\\" DN15\";\n"
                                         "MajRev = 2;\nMinRev = 3;\n");
    const TEdsIdentity id = ReadDeviceIdentity(eds);
    EXPECT_EQ(id.MajRev, 2);
    EXPECT_EQ(id.MinRev, 3);
    EXPECT_EQ(id.ElectronicKeyText(), "0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x82, 0x03");
}

TEST(DeviceIdentity, WritesTheElectronicKeyBytes)
{
    TEdsIdentity id;
    id.VendCode = 0x0328;
    id.ProdType = 12;
    id.ProdCode = 0xB3C4;
    id.MajRev = 2;
    id.MinRev = 35;
    EXPECT_EQ(id.ElectronicKeyText(), "0x28, 0x03, 0x0C, 0x00, 0xC4, 0xB3, 0x82, 0x23");
    // The revision has seven bits; a larger one must not spill into a three-digit byte.
    id.MajRev = 130;
    EXPECT_EQ(id.ElectronicKeyText(), "0x28, 0x03, 0x0C, 0x00, 0xC4, 0xB3, 0x82, 0x23");
    for (const auto& [majRev, keyByte] :
         {std::pair{127, "0xFF"}, std::pair{128, "0x80"}, std::pair{255, "0xFF"}}) {
        id.MajRev = static_cast<uint8_t>(majRev);
        EXPECT_EQ(id.ElectronicKeyText().substr(36, 4), keyByte) << majRev;
    }
}
} // namespace
