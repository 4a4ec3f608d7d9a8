#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "GridOnForm.h"

namespace {

class TValidationProbeGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    // An edit of the cell is open, as the editors leave it when they validate.
    void BeginEditOf(int ACol, int ARow)
    {
        StoreOldCellValue(ACol, ARow);
        FEditSession.Begin(edNormal);
    }
};

class ExtGridValidationTest : public GridOnFormOf<TValidationProbeGrid> {
protected:
    void SetUp() override
    {
        GridOnFormOf::SetUp();
        FillCoordinates();
        grid->SetOptions(grid->Options() + goEditing);
        grid->OnCellsChanged = [this](TObject*, const TRect& R) { changes.push_back(R); };
    }
    std::vector<TRect> changes;
};

struct ValidationCase {
    const char* what;
    bool alwaysValidate;
    // Empty: no OnCellValidate handler.
    std::function<void(std::string& Value, bool& Valid)> handler;
    std::string typed;
    bool accepted;
    std::string cellAfter;
    bool modified;
    int validateCalls;
    int changeNotices;
};

TEST_F(ExtGridValidationTest, ValidationDecidesTheStoredTextAndWhatIsAnnounced)
{
    const ValidationCase cases[] = {
        {"unchanged text", false, {}, "1,2", true, "1,2", false, 0, 0},
        {"unchanged text, always validated", true, [](std::string&, bool&) {}, "1,2", true, "1,2", false, 1,
         0},
        {"accepted change", false, [](std::string&, bool&) {}, "new", true, "new", true, 1, 1},
        {"corrected by the handler", false, [](std::string& v, bool&) { v = "fixed"; }, "new", true, "fixed",
         true, 1, 1},
        {"changed back to the old text by the handler", false, [](std::string& v, bool&) { v = "1,2"; },
         "new", true, "1,2", false, 1, 1},
        {"refused without a correction", false, [](std::string&, bool& ok) { ok = false; }, "bad", false,
         "bad", false, 1, 0},
        {"refused with a correction", false,
         [](std::string& v, bool& ok) {
             v = "other";
             ok = false;
         },
         "bad", false, "1,2", false, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FillCoordinates();
        grid->SetModified(false);
        grid->SetRowModified(2, false);
        changes.clear();
        int calls = 0;
        grid->AlwaysValidate = c.alwaysValidate;
        grid->OnCellValidate = nullptr;
        if (c.handler)
            grid->OnCellValidate = [&](TObject*, int ACol, int ARow, std::string& Value, bool& Valid) {
                ++calls;
                EXPECT_EQ(ACol, 1);
                EXPECT_EQ(ARow, 2);
                c.handler(Value, Valid);
            };
        grid->SetFocus();
        grid->MoveCurrentCell(1, 2);
        grid->BeginEditOf(1, 2);

        EXPECT_EQ(grid->ValidateCell(c.typed), c.accepted);
        EXPECT_EQ(grid->Cells(1, 2), c.cellAfter);
        EXPECT_EQ(grid->Modified(), c.modified);
        EXPECT_EQ(grid->RowModified(2), c.modified);
        EXPECT_EQ(calls, c.validateCalls);
        EXPECT_EQ(static_cast<int>(changes.size()), c.changeNotices);
        EXPECT_EQ(grid->LastValidation(), c.accepted);
        if (!c.accepted) {
            // The editor opens again on the kept cell.
            EXPECT_TRUE(grid->EditorMode());
            EXPECT_EQ(grid->Col(), 1);
            EXPECT_EQ(grid->Row(), 2);
            grid->HideInplaceEdit();
        }
    }
}

TEST_F(ExtGridValidationTest, ValueForAMergedCellGoesToTheCellAndItsBase)
{
    grid->MergeCells(1, 1, 2, 1);
    grid->BeginEditOf(2, 1);
    EXPECT_TRUE(grid->ValidateCell("merged"));
    EXPECT_EQ(grid->GridCells(2, 1), "merged");
    EXPECT_EQ(grid->GridCells(1, 1), "merged");
}

TEST_F(ExtGridValidationTest, NestedValidationAnswersAtOnceAndChangesNothing)
{
    bool nested = false;
    grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) {
        nested = grid->ValidateCell("inner");
    };
    grid->BeginEditOf(1, 2);
    EXPECT_TRUE(grid->ValidateCell("outer"));
    EXPECT_TRUE(nested);
    EXPECT_EQ(grid->Cells(1, 2), "outer");
}

TEST_F(ExtGridValidationTest, RaisingHandlerLeavesTheCellAndTheNextValidationWorks)
{
    grid->OnCellValidate = [](TObject*, int, int, std::string&, bool&) {
        throw std::runtime_error("broken");
    };
    grid->BeginEditOf(1, 2);
    EXPECT_THROW(grid->ValidateCell("typed"), std::runtime_error);
    EXPECT_EQ(grid->Cells(1, 2), "1,2");
    EXPECT_FALSE(grid->Modified());

    grid->OnCellValidate = nullptr;
    grid->BeginEditOf(1, 2);
    EXPECT_TRUE(grid->ValidateCell("typed"));
    EXPECT_EQ(grid->Cells(1, 2), "typed");
}

TEST_F(ExtGridValidationTest, WithoutAnOpenEditNothingIsValidated)
{
    int calls = 0;
    grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) { ++calls; };
    EXPECT_TRUE(grid->ValidateCell("typed"));
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(grid->Cells(1, 2), "1,2");
}

class TRecordingNotifier : public TGridChangeNotifier {
public:
    TRecordingNotifier(std::vector<std::string>& Log, std::string Name) : log_(Log), name_(std::move(Name)) {}
    void CellsChanged(const TRect&) override { log_.push_back(name_); }

private:
    std::vector<std::string>& log_;
    std::string name_;
};

TEST_F(ExtGridValidationTest, ChangesAreAnnouncedToTheEventThenToTheNotifiersInOrder)
{
    std::vector<std::string> log;
    TRecordingNotifier first(log, "first"), second(log, "second");
    grid->OnCellsChanged = [&](TObject*, const TRect& R) {
        log.push_back("event");
        EXPECT_EQ(R.Left, 1);
        EXPECT_EQ(R.Top, 2);
    };
    grid->RegisterNotifier(&first);
    grid->RegisterNotifier(&second);
    grid->RegisterNotifier(&first);
    grid->BeginEditOf(1, 2);
    grid->ValidateCell("new");
    EXPECT_EQ(log, (std::vector<std::string>{"event", "first", "second"}));

    grid->UnRegisterNotifier(&first);
    log.clear();
    grid->BeginEditOf(1, 2);
    grid->ValidateCell("newer");
    EXPECT_EQ(log, (std::vector<std::string>{"event", "second"}));
}

} // namespace

namespace {

TEST_F(ExtGridValidationTest, WideValidationStoresAnAcceptedChangeOnly)
{
    grid->OnCellValidateWide = [](TObject*, int, int, std::string& Value, bool& Valid) {
        Valid = Value != "\u00e9chec";
    };
    grid->SetFocus();
    grid->MoveCurrentCell(1, 2);
    grid->BeginEditOf(1, 2);
    EXPECT_FALSE(grid->ValidateCellWide("\u00e9chec"));
    EXPECT_FALSE(grid->Modified());
    EXPECT_TRUE(changes.empty());
    grid->HideInplaceEdit();

    grid->BeginEditOf(1, 2);
    EXPECT_TRUE(grid->ValidateCellWide("\u00e9t\u00e9"));
    EXPECT_EQ(grid->Cells(1, 2), "\u00e9t\u00e9");
    EXPECT_TRUE(grid->Modified());
    EXPECT_EQ(changes.size(), 1u);
}

} // namespace
