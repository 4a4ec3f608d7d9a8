#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "grid/control/settings/SortSettings.h"
#include "grid/services/SortKeys.h"
#include "grid/services/SortRecords.h"

namespace {

using TRuns = std::vector<std::pair<size_t, size_t>>;

// The order a stable sort of the rows by CompareSortKeys gives, blanks placed as the
// settings say, and the runs of rows that tie in it.
void ExpectedOrder(const std::vector<TSortKey>& Keys, const TSortSettings& Settings, TSortDirection Direction,
                   std::vector<int>& Order, TRuns& Runs)
{
    const int before = Direction == sdAscending ? -1 : 1;
    const auto compare = [&](int A, int B) {
        const TSortKey& a = Keys[static_cast<size_t>(A)];
        const TSortKey& b = Keys[static_cast<size_t>(B)];
        return PlaceSortBlanks(CompareSortKeys(a, b), a.Empty, b.Empty, Settings, Direction);
    };
    Order.resize(Keys.size());
    std::iota(Order.begin(), Order.end(), 0);
    std::stable_sort(Order.begin(), Order.end(), [&](int A, int B) { return compare(A, B) == before; });
    Runs.clear();
    for (size_t start = 0, k = 1; k <= Order.size(); ++k)
        if (k == Order.size() || compare(Order[k - 1], Order[k]) != 0) {
            if (k - start > 1) Runs.emplace_back(start, k);
            start = k;
        }
}

std::vector<TSortKey> Texts(const std::vector<std::string>& Texts)
{
    std::vector<TSortKey> keys;
    for (const std::string& text : Texts)
        keys.push_back(TSortKey::OfText(text));
    return keys;
}

// Long lists go another way than short ones: texts that share sixteen bytes and more, end
// inside them or hold a zero byte; values of both signs, both zeros and tiny and huge ones.
std::vector<TSortKey> ManyKeys(bool AsTexts)
{
    const std::vector<std::string> words = {"", "item 1", "item 10", "item 100", std::string("item 1\0", 7),
                                            "a rather long text that goes on", "a rather long text that ends",
                                            "a rather long te", "a rather long tf", "Z", "\xc3\xa9t\xc3\xa9"};
    const std::vector<double> values = {0, -0.0, 1, -1, 1e-300, -1e-300, 1e300, -1e300, 2.5, 2.5, 1e6, -7};
    std::vector<TSortKey> keys;
    unsigned seed = 7;
    for (int k = 0; k < 300; ++k) {
        seed = seed * 1103515245u + 12345u;
        if (AsTexts)
            keys.push_back(TSortKey::OfText(words[(seed >> 16) % words.size()]));
        else
            keys.push_back(TSortKey::OfValue(values[(seed >> 16) % values.size()], true, (seed >> 8) % 5 == 0));
    }
    return keys;
}

std::vector<TSortKey> Values(const std::vector<double>& Values, bool Valid = true)
{
    std::vector<TSortKey> keys;
    for (const double value : Values)
        keys.push_back(TSortKey::OfValue(value, Valid, false));
    return keys;
}

TEST(SortRecordsTest, SortsAsAStableSortOfTheKeysAndReportsTheTies)
{
    const struct {
        const char* Name;
        std::vector<TSortKey> Keys;
    } cases[] = {
        // Texts that share their first eight bytes, end inside them, or differ only in length.
        {"texts", Texts({"item 10", "item 100", "item 1", "item 10", "", "longer text b", "longer text a", "item 10",
                         "", "Item", "\xc3\xa9t\xc3\xa9", "zebra", "item 1\x01", "item 1"})},
        {"values", Values({3, -1.5, 3, 0, 1e300, -1e300, 3, 0, 2.25})},
        // A number cell that showed nothing counts as 0, and as a blank where blanks are placed.
        {"values with a blank",
         {TSortKey::OfValue(2, true, false), TSortKey::OfValue(0, true, true), TSortKey::OfValue(-1, true, false),
          TSortKey::OfValue(0, true, false), TSortKey::OfValue(0, true, true)}},
        // Two numbers that did not convert tie whatever their digits.
        {"values that did not convert", Values({12, 3, 7, 3}, false)},
        {"one row", Texts({"only"})},
        {"many texts", ManyKeys(true)},
        {"many values", ManyKeys(false)},
        {"many values that did not convert", Values(std::vector<double>(100, 4), false)},
    };
    TSortRecords records;
    for (const auto& c : cases)
        for (const bool ignoreBlanks : {false, true})
            for (const TSortBlankPosition blanks : {blFirst, blLast})
                for (const TSortDirection direction : {sdAscending, sdDescending}) {
                    SCOPED_TRACE(std::string(c.Name) + (ignoreBlanks ? ", blanks placed " : ", blanks as keys ") +
                                 (blanks == blFirst ? "first" : "last") +
                                 (direction == sdAscending ? ", ascending" : ", descending"));
                    TSortSettings settings;
                    settings.IgnoreBlanks = ignoreBlanks;
                    settings.BlankPos = blanks;
                    // One set of records serves list after list.
                    for (int round = 0; round < 2; ++round) {
                        records.Clear(c.Keys.size());
                        for (size_t k = 0; k < c.Keys.size(); ++k)
                            ASSERT_TRUE(records.Add(c.Keys[k], static_cast<int>(k)));
                        std::vector<int> order(c.Keys.size()), expectedOrder;
                        TRuns runs, expectedRuns;
                        records.Sort(settings, direction, order, runs);
                        ExpectedOrder(c.Keys, settings, direction, expectedOrder, expectedRuns);
                        EXPECT_EQ(order, expectedOrder);
                        EXPECT_EQ(runs, expectedRuns);
                        EXPECT_EQ(records.AllTie(settings),
                                  (c.Keys.size() < 2 || expectedRuns == TRuns{{0, c.Keys.size()}}));
                    }
                }
}

// Keys of both kinds, or numbers of which only some converted, have no order of their own
// (3 and 12 that did not convert tie, while a valid 7 goes between them): such a column is
// left to the row compare.
TEST(SortRecordsTest, RefusesKeysThatDoNotOrderEveryRow)
{
    const struct {
        const char* Name;
        std::vector<TSortKey> Keys;
    } cases[] = {
        {"a text after values", {TSortKey::OfValue(1, true, false), TSortKey::OfText("a")}},
        {"a value after texts", {TSortKey::OfText("a"), TSortKey::OfValue(1, true, false)}},
        {"a number that did not convert after valid ones",
         {TSortKey::OfValue(7, true, false), TSortKey::OfValue(3, false, false)}},
        {"a value that is no number, which ties with any",
         {TSortKey::OfValue(1, true, false), TSortKey::OfValue(std::nan(""), true, false)}},
        {"a valid number after one that did not convert",
         {TSortKey::OfValue(12, false, false), TSortKey::OfValue(7, true, false)}},
    };
    for (const auto& c : cases) {
        TSortRecords records;
        records.Clear(c.Keys.size());
        EXPECT_TRUE(records.Add(c.Keys[0], 0)) << c.Name;
        EXPECT_FALSE(records.Add(c.Keys[1], 1)) << c.Name;
    }
}

} // namespace
