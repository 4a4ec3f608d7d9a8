#pragma once
#include <string>
#include <vector>

// A grid's column layout as one text: "n#widths#order#visibility", e.g.
// "4#64,80,80,120#0,1,2,3#1,1,1,1".
struct TColumnStates {
    int Count = 0;
    // By display position.
    std::vector<int> Widths;
    // For each display position, the real column shown there; empty: none was moved.
    std::vector<int> Order;
    // By real column.
    std::vector<bool> Visible;

    std::string ToString() const;
    // Raises EConvertError, before anything is used, for a text whose counts, numbers or
    // order cannot describe Count columns: a broken layout must not resize the grid.
    static TColumnStates Parse(const std::string& Text);
    int HiddenCount() const;
};
