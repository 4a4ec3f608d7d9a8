#include <gtest/gtest.h>

#include "platform/os/Registry.h"

namespace {
// Puts a store of the test's own in place and restores the previous one.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = RegistryStore();
        store_ = std::make_shared<TRegistryStore>();
        SetRegistryStore(store_);
    }
    void TearDown() override { SetRegistryStore(saved_); }

    std::shared_ptr<TRegistryStore> store_;
    std::shared_ptr<TRegistryStore> saved_;
};
} // namespace

TEST_F(RegistryTest, KeysExistWithEveryLevelAboveAndIgnoreLetterCase)
{
    store_->WriteValue(HKEY_CURRENT_USER, "Software\\Maker\\App", "Size", 3);
    TRegistry reg;
    EXPECT_TRUE(reg.KeyExists("software\\MAKER\\app"));
    EXPECT_TRUE(reg.KeyExists("\\Software\\Maker"));
    EXPECT_FALSE(reg.KeyExists("Software\\Maker\\Ap"));
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.KeyExists("Software\\Maker\\App"));
}

TEST_F(RegistryTest, ReadsIntegersAndTextsOfTheOpenKey)
{
    store_->WriteValue(HKEY_CURRENT_USER, "K", "Count", 7);
    store_->WriteValue(HKEY_CURRENT_USER, "K", "Name", std::string("grün"));
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("K"));
    EXPECT_EQ(reg.ReadInteger("count"), 7);
    EXPECT_EQ(reg.ReadString("NAME"), "grün");
    EXPECT_EQ(reg.ReadString("Missing"), "");
    EXPECT_THROW(reg.ReadInteger("Name"), ERegistryException);
    EXPECT_THROW(reg.ReadInteger("Missing"), ERegistryException);
    EXPECT_THROW(reg.ReadString("Count"), ERegistryException);
    EXPECT_FALSE(reg.OpenKeyReadOnly("Other"));
    EXPECT_FALSE(reg.ValueExists("Count"));
}

TEST_F(RegistryTest, WithoutARegistryNoKeyExists)
{
    SetRegistryStore(nullptr);
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("K"));
    EXPECT_FALSE(reg.OpenKeyReadOnly("K"));
    EXPECT_THROW(reg.ReadInteger("Count"), ERegistryException);
}

TEST_F(RegistryTest, AChangeNotificationReportsOneChangeOfItsKind)
{
    auto event = std::make_shared<TEvent>();
    store_->NotifyChangeKeyValue(HKEY_CURRENT_USER, "Watched", true, REG_NOTIFY_CHANGE_LAST_SET, event);
    store_->CreateKey(HKEY_CURRENT_USER, "Watched\\Sub"); // a new key: not a value change
    store_->WriteValue(HKEY_CURRENT_USER, "Other", "V", 1);
    EXPECT_FALSE(event->IsSet());
    store_->WriteValue(HKEY_CURRENT_USER, "watched\\sub", "V", 1);
    EXPECT_TRUE(event->IsSet());
    event->ResetEvent();
    store_->WriteValue(HKEY_CURRENT_USER, "Watched", "V", 2);
    EXPECT_FALSE(event->IsSet()); // used up by the change it reported
}

TEST_F(RegistryTest, WithoutSubtreeOnlyTheKeyItselfCounts)
{
    auto event = std::make_shared<TEvent>();
    store_->NotifyChangeKeyValue(HKEY_CURRENT_USER, "Watched", false, REG_NOTIFY_ALL, event);
    store_->WriteValue(HKEY_CURRENT_USER, "Watched\\Sub", "V", 1); // creates Watched too
    EXPECT_TRUE(event->IsSet());
    event->ResetEvent();
    store_->NotifyChangeKeyValue(HKEY_CURRENT_USER, "Watched", false, REG_NOTIFY_ALL, event);
    store_->WriteValue(HKEY_CURRENT_USER, "Watched\\Sub", "V", 2);
    store_->WriteValue(HKEY_CURRENT_USER, "WatchedToo", "V", 2);
    EXPECT_FALSE(event->IsSet());
    store_->WriteValue(HKEY_CURRENT_USER, "Watched", "V", 2);
    EXPECT_TRUE(event->IsSet());
}
