#include <gtest/gtest.h>

#include "grid/foundation/painting/OfficeTheme.h"
#include "grid/foundation/painting/VisualStyles.h"
#include "platform/os/Registry.h"
#include "platform/os/SystemProfile.h"

namespace {

const char* const kCommon14 = "Software\\Microsoft\\Office\\14.0\\Common";
const char* const kCommon12 = "Software\\Microsoft\\Office\\12.0\\Common";

// A registry and a system profile of the test's own, restored afterwards.
class ThemeTest : public testing::Test {
protected:
    void SetUp() override
    {
        savedStore_ = RegistryStore();
        savedProfile_ = SystemProfile();
        SetRegistryStore(store_);
    }
    void TearDown() override
    {
        SetRegistryStore(savedStore_);
        SystemProfile() = savedProfile_;
    }
    void Office(const char* key, const TRegData& theme)
    {
        store_->WriteValue(HKEY_CURRENT_USER, key, "Theme", theme);
        store_->CreateKey(HKEY_CURRENT_USER, std::string(key) + "\\General");
    }
    void ClassicDesktop() { SystemProfile().ThemeActive = false; }

    std::shared_ptr<TRegistryStore> store_ = std::make_shared<TRegistryStore>();

private:
    std::shared_ptr<TRegistryStore> savedStore_;
    TSystemProfile savedProfile_;
};

struct OfficeCase {
    const char* name;
    int theme2010; // -1: no value
    int theme2007;
    TOfficeTheme expected;
};

class OfficeThemeTable : public ThemeTest, public testing::WithParamInterface<OfficeCase> {};

TEST_P(OfficeThemeTable, TheNewestOfficeThemeValueDecides)
{
    ClassicDesktop();
    if (GetParam().theme2010 >= 0) Office(kCommon14, GetParam().theme2010);
    if (GetParam().theme2007 >= 0) Office(kCommon12, GetParam().theme2007);
    EXPECT_EQ(GetOfficeTheme(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, OfficeThemeTable,
                         testing::Values(OfficeCase{"Office2010Blue", 1, 3, ot2010Blue},
                                         OfficeCase{"Office2010Silver", 2, 1, ot2010Silver},
                                         OfficeCase{"Office2010Black", 3, -1, ot2010Black},
                                         OfficeCase{"Office2010Other", 5, 2, ot2003Blue},
                                         OfficeCase{"Office2010Zero", 0, -1, ot2003Blue},
                                         OfficeCase{"Office2007Blue", -1, 1, ot2007Blue},
                                         OfficeCase{"Office2007Silver", -1, 2, ot2007Silver},
                                         OfficeCase{"Office2007Black", -1, 3, ot2007Black},
                                         OfficeCase{"Office2007Other", -1, 9, ot2003Blue},
                                         OfficeCase{"NoOffice", -1, -1, ot2003Classic}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ThemeTest, AThemeValueThatIsNoIntegerCountsAsMissing)
{
    ClassicDesktop();
    Office(kCommon14, std::string("2"));
    Office(kCommon12, 3);
    EXPECT_EQ(GetOfficeTheme(), ot2007Black);
}

TEST_F(ThemeTest, AKeyWithoutThemeValueFallsThroughToTheNextSource)
{
    store_->CreateKey(HKEY_CURRENT_USER, std::string(kCommon14) + "\\General");
    EXPECT_EQ(GetOfficeTheme(), ot2003Blue); // the desktop's "NormalColor" scheme
}

TEST_F(ThemeTest, OfficeVersionIsTheHighestInstalled)
{
    EXPECT_EQ(GetOfficeVersion(), 0);
    store_->CreateKey(HKEY_CURRENT_USER, "Software\\Microsoft\\Office\\11.0\\Common\\General");
    EXPECT_EQ(GetOfficeVersion(), 0);
    Office(kCommon12, 1);
    EXPECT_EQ(GetOfficeVersion(), 1);
    Office(kCommon14, 1);
    EXPECT_EQ(GetOfficeVersion(), 2);
    SetRegistryStore(nullptr);
    EXPECT_EQ(GetOfficeVersion(), 0);
    EXPECT_EQ(GetOfficeTheme(), ot2003Blue);
}

struct SchemeCase {
    const char* colorName;
    int scheme;
    TOfficeTheme theme;
};

class XPColorScheme : public ThemeTest, public testing::WithParamInterface<SchemeCase> {};

TEST_P(XPColorScheme, TheStyleColourNameDecidesWithoutOffice)
{
    SystemProfile().ThemeColorName = GetParam().colorName;
    EXPECT_EQ(GetXPColorScheme(), GetParam().scheme);
    EXPECT_EQ(GetOfficeTheme(), GetParam().theme);
}

INSTANTIATE_TEST_SUITE_P(Cases, XPColorScheme,
                         testing::Values(SchemeCase{"NormalColor", 1, ot2003Blue},
                                         SchemeCase{"HomeStead", 2, ot2003Olive},
                                         SchemeCase{"Metallic", 3, ot2003Silver},
                                         SchemeCase{"Royale", 0, ot2003Classic}));

TEST_F(ThemeTest, TheFixedProfileHasActiveStylesAndTheNewerFont)
{
    EXPECT_TRUE(ThemeLibraryLoaded());
    EXPECT_TRUE(IsThemeActive());
    EXPECT_EQ(GetXPColorScheme(), 1);
    EXPECT_EQ(GetDefaultUIFontName(), "Segoe UI");
}

TEST_F(ThemeTest, TheClassicBranches)
{
    SystemProfile().HasLocaleInfoEx = false;
    EXPECT_EQ(GetDefaultUIFontName(), "Tahoma");

    for (auto classic : {+[](TSystemProfile& p) { p.ThemeLibraryLoaded = false; },
                         +[](TSystemProfile& p) { p.ThemeActive = false; },
                         +[](TSystemProfile& p) { p.ComCtlMajorVersion = 5; },
                         +[](TSystemProfile& p) { p.MajorVersion = 5, p.MinorVersion = 0; }}) {
        const TSystemProfile modern = SystemProfile();
        classic(SystemProfile());
        EXPECT_EQ(GetXPColorScheme(), 0);
        EXPECT_EQ(GetOfficeTheme(), ot2003Classic);
        SystemProfile() = modern;
    }
    SystemProfile().MajorVersion = 5;
    SystemProfile().MinorVersion = 1;
    EXPECT_EQ(GetXPColorScheme(), 1); // Windows XP itself
}

} // namespace
