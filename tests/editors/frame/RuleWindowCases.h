#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/canopen/RuleWindowHarness.h"

// Tables of cases for the rule windows: the messages OK shows for the rows a case fills,
// and the file OK writes, which the next show reads back into the same cells.

using Rule_Rows = std::vector<std::vector<std::string>>;

// The row with the text of column Col (from 1) replaced.
inline std::vector<std::string> With_Cell(std::vector<std::string> Row, size_t Col, const std::string& Text)
{
    Row.at(Col - 1) = Text;
    return Row;
}

struct TRuleCheckCase {
    int Table;
    Rule_Rows Rules;
    std::string Expected; // the one message OK shows; "" when OK passes
};

template <class TWindow>
void Expect_Rule_Checks(TRuleWindowHarness<TWindow>& h, const std::vector<TRuleCheckCase>& Cases)
{
    for (size_t i = 0; i < Cases.size(); ++i) {
        const TRuleCheckCase& c = Cases[i];
        TModalResult result = mrNone;
        const auto shown = h.Check(c.Table, c.Rules, &result);
        EXPECT_EQ(shown,
                  c.Expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Expected})
            << "case " << i;
        EXPECT_EQ(result, c.Expected.empty() ? mrOk : mrCancel) << "case " << i;
    }
}

// Fills the tables (one list of rows per table), presses OK, compares the file with the
// golden one, then shows the window again and expects the same cells, with Reloaded
// standing for the rows whose cells the loading completes.
template <class TWindow>
void Expect_Golden_And_Reload(TRuleWindowHarness<TWindow>& h, const std::vector<Rule_Rows>& Tables,
                              const std::string& Golden, const std::vector<Rule_Rows>& Reloaded = {})
{
    TModalResult result = mrNone;
    const auto shown = h.Ok_Messages(
        [&](TWindow& w) {
            for (size_t t = 0; t < Tables.size(); ++t)
                for (size_t r = 0; r < Tables[t].size(); ++r)
                    Fill_Row(*w.Grids[t], static_cast<int>(r) + 1, Tables[t][r]);
        },
        &result);
    EXPECT_TRUE(shown.empty()) << (shown.empty() ? "" : shown[0]);
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(ReadTestFile(h.File), ReadTestFile(std::string(TEST_DATA_DIR) + "/" + Golden));

    const std::vector<Rule_Rows>& expected = Reloaded.empty() ? Tables : Reloaded;
    h.Show([&](TWindow& w) {
        for (size_t t = 0; t < expected.size(); ++t)
            for (size_t r = 0; r < expected[t].size(); ++r)
                EXPECT_EQ(All_Cells(*w.Grids[t], static_cast<int>(r) + 1), expected[t][r])
                    << "table " << t << ", row " << r + 1;
    });
    EXPECT_TRUE(h.Messages().empty());
}

// Shows the window on the file's content and returns the messages shown; Look sees the
// window while it is shown.
template <class TWindow>
std::vector<std::string> Show_File(TRuleWindowHarness<TWindow>& h, const std::string& Xml,
                                   std::function<void(TWindow&)> Look)
{
    WriteTestFile(h.File, Xml);
    TFakeDialogs answers;
    answers.OnModal([&](TCustomForm& shown) { Look(static_cast<TWindow&>(shown)); });
    h.window->ShowModal();
    return TRuleWindowHarness<TWindow>::Texts(answers);
}
