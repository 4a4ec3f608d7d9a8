#include <gtest/gtest.h>

#include <string>

#include "EditingShapedGrid.h"
#include "grid/control/GridEditBtn.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Input.h"

namespace {

// Pastes by the user's keys, Ctrl+V and Shift+Insert, into the editors of the cell that
// shows "2,5" of a shaped grid. The cell holds "1" and its editor opens by F2.
class ExtGridEditorPasteTest : public EditingShapedGridTest {
protected:
    void SetUp() override
    {
        EditingShapedGridTest::SetUp();
        grid->OnClipboardPaste = [this](TObject* Sender, bool& Allow) {
            ++pastes;
            pasteSender = Sender;
            Allow = allowPaste;
        };
    }
    TWinControl* OpenOnOne(TEditorType Kind)
    {
        Open("1", Kind);
        return FocusedControl();
    }

    int pastes = 0;
    TObject* pasteSender = nullptr;
    bool allowPaste = true;
};

struct TPasteCase {
    const char* what;
    TEditorType kind;
    int maxLength;
    const char* clipboard;
    const char* shown;
};

TEST_P(ExtGridEditorPasteTest, ThePasteKeysFollowTheTextEditorsRules)
{
    const TPasteCase cases[] = {
        {"numeric refuses letters", edNumeric, 0, "abc", "1"},
        {"positive float refuses a minus", edPositiveFloat, 0, "-5", "1"},
        {"a paste longer than the limit is ignored", edNormal, 4, "123456", "1"},
        {"the final line break goes", edNormal, 0, "23\r\n", "123"},
        {"numeric takes digits", edNumeric, 0, "23", "123"},
    };
    const struct {
        Word key;
        TShiftState shift;
    } keys[] = {{'V', {ssCtrl}}, {VK_INSERT, {ssShift}}};
    for (const auto& key : keys) {
        for (const TPasteCase& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (key.key == 'V' ? ", Ctrl+V" : ", Shift+Insert"));
            grid->SetMaxEditLength(c.maxLength);
            auto* editor = dynamic_cast<TCustomEdit*>(OpenOnOne(c.kind));
            ASSERT_NE(editor, nullptr);
            editor->SetSelStart(1);
            Clipboard()->SetAsText(c.clipboard);
            pastes = 0;
            SendKey(key.key, key.shift);
            EXPECT_EQ(pastes, 1);
            EXPECT_EQ(pasteSender, editor);
            EXPECT_EQ(editor->Text(), c.shown);
            EXPECT_EQ(CurrentText(), c.shown);
            SendKey(VK_RETURN);
            EXPECT_EQ(CurrentText(), c.shown);
        }
    }
}

TEST_P(ExtGridEditorPasteTest, TheEditWithButtonPastesWhatTheEventsAllow)
{
    std::string beforePaste;
    grid->OnClipboardBeforePasteCell = [&](TObject*, int, int, std::string& Value, bool&) {
        beforePaste = Value;
        Value = "!" + Value;
    };
    const struct {
        const char* what;
        bool allow;
        const char* clipboard;
        const char* shown;
    } cases[] = {
        {"no kind check", true, "abcdef\n", "1!abcdef"},
        {"refused by OnClipboardPaste", false, "abc", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        allowPaste = c.allow;
        beforePaste.clear();
        TWinControl* editor = OpenOnOne(edNumericEditBtn);
        ASSERT_EQ(editor, grid->EditBtn());
        grid->EditBtn()->SetSelStart(1);
        Clipboard()->SetAsText(c.clipboard);
        pastes = 0;
        SendKey('V', {ssCtrl});
        EXPECT_EQ(pastes, 1);
        EXPECT_EQ(pasteSender, editor);
        EXPECT_EQ(beforePaste, c.allow ? c.clipboard : "");
        EXPECT_EQ(grid->EditBtn()->Text(), c.shown);
        EXPECT_EQ(CurrentText(), c.shown);
        SendKey(VK_RETURN);
        EXPECT_EQ(CurrentText(), c.shown);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtGridEditorPasteTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
