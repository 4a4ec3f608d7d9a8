#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/services/RowOrder.h"

namespace {

int SignOf(int Value) { return (Value > 0) - (Value < 0); }

TEST(RowOrderTest, CompareSortTextsByStyle)
{
    const struct {
        const char* A;
        const char* B;
        TSortStyle Style;
        bool IgnoreCase;
        int Sign;
    } cases[] = {
        {"9", "10", ssAutomatic, false, -1},        {"9", "10", ssAlphabetic, false, 1},
        {"2.5", "2.50", ssNumeric, false, 0},       {"10", "1a", ssAutomatic, false, -1},
        {"1a", "9", ssAutomatic, false, 1},         {"apple", "Banana", ssAutomatic, false, 1},
        {"apple", "Banana", ssAutomatic, true, -1}, {"Äpfel", "äpfel", ssAlphaNoCase, false, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SignOf(CompareSortTexts(c.A, c.B, c.Style, c.IgnoreCase)), c.Sign) << c.A << " " << c.B;
}

TEST(RowOrderTest, SortsStablyAndRestoresTheOrderBeforeTheFirstSort)
{
    // Each row is its sort key followed by its original position.
    const std::vector<std::string> original{"b0", "a1", "c2", "a3"};
    std::vector<std::string> rows = original;
    const auto apply = [&rows](const std::vector<int>& Perm) {
        std::vector<std::string> moved;
        for (int from : Perm)
            moved.push_back(rows[static_cast<size_t>(from)]);
        rows = moved;
    };
    const auto key = [&rows](int Index) { return rows[static_cast<size_t>(Index)][0]; };
    TRowOrder order;
    order.Reset(4);
    apply(order.Sort([&](int A, int B) { return key(A) < key(B); }));
    EXPECT_EQ(rows, (std::vector<std::string>{"a1", "a3", "b0", "c2"}));
    apply(order.Sort([&](int A, int B) { return key(A) > key(B); }));
    EXPECT_EQ(rows, (std::vector<std::string>{"c2", "b0", "a1", "a3"}));
    apply(order.Restore());
    EXPECT_EQ(rows, original);
}

} // namespace
