#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Collections.h"

namespace {

class TNamedItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    void Assign(const TPersistent& Source) override { Text = dynamic_cast<const TNamedItem&>(Source).Text; }
    void Touch() { Changed(false); }
    std::string Text;
};

// Notes every Update: "*" for the whole collection, else the item's text.
class TNotingCollection : public TCollection {
public:
    std::vector<std::string> Updates;
    TNamedItem* Item(int Index) const { return static_cast<TNamedItem*>(Items(Index)); }

protected:
    std::unique_ptr<TCollectionItem> CreateItem() override { return std::make_unique<TNamedItem>(this); }
    void Update(TCollectionItem* Item) override
    {
        Updates.push_back(Item ? static_cast<TNamedItem*>(Item)->Text : "*");
    }
};

TEST(CollectionsTest, ChangesAreReportedOnceABracketCloses)
{
    TNotingCollection list;
    list.Add();
    list.BeginUpdate();
    list.Add();
    list.Add();
    list.BeginUpdate();
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(list.Updates.size(), 1u);
    list.EndUpdate();
    EXPECT_EQ(list.Updates.size(), 2u);
    list.Item(1)->Text = "b";
    list.Item(1)->Touch();
    EXPECT_EQ(list.Updates.back(), "b");
}

TEST(CollectionsTest, ItemsKnowTheirIndexAndMoveWithinTheCollection)
{
    TNotingCollection list;
    for (const char* text : {"a", "b", "c"})
        static_cast<TNamedItem*>(list.Add())->Text = text;
    TNamedItem* c = list.Item(2);
    c->SetIndex(0);
    EXPECT_EQ(c->Index(), 0);
    EXPECT_EQ(list.Item(1)->Text, "a");
    EXPECT_EQ(static_cast<TNamedItem*>(list.Insert(1))->Index(), 1);
    EXPECT_THROW(c->SetIndex(4), EListError);
    EXPECT_THROW(list.Delete(4), EListError);

    TNotingCollection copy;
    copy.Add();
    copy.Assign(list);
    ASSERT_EQ(copy.Count(), 4);
    EXPECT_EQ(copy.Item(0)->Text, "c");
    EXPECT_EQ(copy.Item(3)->Text, "b");
    EXPECT_EQ(copy.Updates.back(), "*");
}

} // namespace
