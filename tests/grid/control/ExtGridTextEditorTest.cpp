#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "GridOnForm.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {

// The text editor driven by real key events on a grid whose current cell is (1, 1).
class ExtGridTextEditorTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        SetBeeper([this] { ++beeps; });
        grid->SetOptions(grid->Options() + goEditing);
        grid->SetFocus();
        grid->MoveCurrentCell(1, 1);
    }
    void TearDown() override { SetBeeper(nullptr); }

    // F2 on the current cell, holding Text, with editor kind Kind.
    TInplaceEdit* OpenEditor(const std::string& Text, TEditorType Kind = edNormal)
    {
        grid->SetCells(1, 1, Text);
        grid->OnGetEditorType = [Kind](TObject*, int, int, TEditorType& AEditor) { AEditor = Kind; };
        SendKey(VK_F2);
        EXPECT_TRUE(grid->EditorMode());
        return grid->InplaceEditor();
    }

    int beeps = 0;
};

TEST_F(ExtGridTextEditorTest, TypedCharactersAreFilteredByLimitAndKind)
{
    const struct {
        const char* what;
        TEditorType kind;
        int maxLength;
        const char* typed;
        const char* shown;
        int beeps;
    } cases[] = {
        {"length limit", edNormal, 3, "abcd", "abc", 0},
        {"numeric", edNumeric, 0, "-1-2a", "-12", 2},
        {"upper case", edUpperCase, 0, "ab", "AB", 0},
        {"mixed case", edMixedCase, 0, "mc donald", "Mc Donald", 0},
        {"length limit counts characters", edNormal, 2, "\u00e9\u00e8x", "\u00e9\u00e8", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        beeps = 0;
        grid->SetMaxEditLength(c.maxLength);
        TInplaceEdit* editor = OpenEditor("", c.kind);
        SendText(c.typed);
        EXPECT_EQ(editor->Text(), c.shown);
        EXPECT_EQ(beeps, c.beeps);
        SendKey(VK_ESCAPE);
    }
}

TEST_F(ExtGridTextEditorTest, LookupCompletesAndBackspaceTakesTheCompletionAway)
{
    grid->Lookup = true;
    grid->LookupItems()->Add("Alpha");
    grid->LookupItems()->Add("Beta");
    auto* editor = static_cast<TCustomEdit*>(OpenEditor(""));
    SendText("B");
    EXPECT_EQ(editor->Text(), "Beta");
    EXPECT_EQ(editor->SelStart(), 1);
    EXPECT_EQ(editor->SelLength(), 3);
    SendKey(VK_BACK);
    EXPECT_EQ(editor->Text(), "B");
    EXPECT_EQ(editor->SelLength(), 0);
}

TEST_F(ExtGridTextEditorTest, EscapeRestoresTheCellAndClosesInOnePress)
{
    OpenEditor("orig");
    SendText("xyz");
    SendKey(VK_ESCAPE);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "orig");
    EXPECT_FALSE(grid->Modified());
}

// Check boxes and plain buttons are used in place and get no editor; a cell with a glyph
// button is no such control cell, and F2 edits its text.
TEST_F(ExtGridTextEditorTest, F2EditsABitButtonCellButNoControlCell)
{
    TBitmap glyph(8, 8);
    const struct {
        const char* Kind;
        std::function<void()> Add;
        bool Edits;
    } cases[] = {
        {"check box", [&] { grid->AddCheckBox(1, 1, false, false); }, false},
        {"button", [&] { grid->AddButton(1, 1, 30, 14, "go", haLeft, vaTop); }, false},
        {"bit button", [&] { grid->AddBitButton(1, 1, 30, 14, "go", &glyph, haLeft, vaTop); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Kind);
        grid->SetCells(1, 1, "text");
        c.Add();
        SendKey(VK_F2);
        EXPECT_EQ(grid->IsEditMode(), c.Edits);
        SendKey(VK_ESCAPE);
        grid->RemoveCellGraphic(1, 1);
    }
}

TEST_F(ExtGridTextEditorTest, TheCellFollowsTheTypingUntilEscapePutsItBack)
{
    OpenEditor("orig");
    SendText("ab");
    EXPECT_EQ(grid->Cells(1, 1), "origab");
    EXPECT_FALSE(grid->Modified()) << "nothing is accepted yet";
    SendKey(VK_ESCAPE);
    EXPECT_EQ(grid->Cells(1, 1), "orig");

    // Typed away and back again, the text still stands for the markup the editor hides.
    OpenEditor("Pump<1>");
    SendText("x");
    EXPECT_EQ(grid->Cells(1, 1), "Pumpx");
    SendKey(VK_BACK);
    EXPECT_EQ(grid->Cells(1, 1), "Pump<1>");
    SendKey(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "Pump<1>");
}

TEST_F(ExtGridTextEditorTest, AFocusLossWhileAltBackspaceIsHeldNeitherValidatesNorEndsTheEdit)
{
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    int validations = 0, editingDone = 0;
    grid->OnEditingDone = [&](TObject*) { ++editingDone; };
    grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) { ++validations; };
    const auto leave = [&](bool AltBackspaceHeld) {
        TInplaceEdit* editor = OpenEditor("orig");
        SendText("x");
        if (AltBackspaceHeld) DeliverKeyDown(editor, VK_BACK, {ssAlt}, U"");
        other->SetFocus();
        if (AltBackspaceHeld) DeliverKeyUp(editor, VK_BACK, {ssAlt});
        grid->SetFocus();
    };
    leave(true);
    EXPECT_EQ(validations, 0);
    EXPECT_EQ(editingDone, 0);
    leave(false);
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(editingDone, 1);
}

TEST_F(ExtGridTextEditorTest, UnchangedTextKeepsTheMarkupTheEditorDoesNotShow)
{
    TInplaceEdit* editor = OpenEditor("Pump<1>");
    EXPECT_EQ(editor->Text(), "Pump");
    SendKey(VK_RETURN);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "Pump<1>");
    EXPECT_FALSE(grid->Modified());
    EXPECT_FALSE(grid->RowModified(1));
}

TEST_F(ExtGridTextEditorTest, EnterStoresAValidatedChangeAndARefusalKeepsTheEditorOpen)
{
    std::string refuse = "bad";
    grid->OnCellValidate = [&](TObject*, int, int, std::string& Value, bool& Valid) {
        Valid = Value != refuse;
    };
    TInplaceEdit* editor = OpenEditor("");
    SendText("bad");
    SendKey(VK_RETURN);
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "bad");
    EXPECT_FALSE(grid->Modified());

    editor->SetText("good");
    SendKey(VK_RETURN);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "good");
    EXPECT_TRUE(grid->Modified());
    EXPECT_TRUE(grid->RowModified(1));
}

} // namespace

namespace {

TEST_F(ExtGridTextEditorTest, PasteIsCheckedByKindAndLimitAndStoredInTheCell)
{
    const TFormatSettings saved = FormatSettings();
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    const struct {
        const char* what;
        TEditorType kind;
        int limit;
        const char* pasted;
        const char* shown;
    } cases[] = {
        {"positive float refuses a minus", edPositiveFloat, 0, "-12,5", "1"},
        {"positive float takes a number", edPositiveFloat, 0, "2,5\r\n", "12,5"},
        {"a paste longer than the limit is ignored", edNormal, 3, "abcd", "1"},
        {"a paste that would exceed the limit is ignored", edNormal, 3, "abc", "1"},
        {"upper case", edUpperCase, 0, "x\u00e9", "1X\u00c9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        grid->SetMaxEditLength(c.limit);
        auto* editor = static_cast<TCustomEdit*>(OpenEditor("1", c.kind));
        Clipboard()->SetAsText(c.pasted);
        editor->PasteFromClipboard();
        EXPECT_EQ(editor->Text(), c.shown);
        EXPECT_EQ(grid->Cells(1, 1), c.shown);
        SendKey(VK_ESCAPE);
    }
    FormatSettings() = saved;
}

TEST_F(ExtGridTextEditorTest, LeavingForAnotherControlValidatesStoresAndEndsTheEdit)
{
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    other->SetBounds(0, 270, 100, 20);
    int editingDone = 0, validations = 0;
    grid->OnEditingDone = [&](TObject*) { ++editingDone; };
    grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) { ++validations; };
    OpenEditor("old");
    SendText("er");
    other->SetFocus();
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "older");
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(editingDone, 1);
    EXPECT_TRUE(grid->Modified());
}

} // namespace

namespace {

TEST_F(ExtGridTextEditorTest, EditorShowsTheCellWithoutMarkupUnlessTagsAreEdited)
{
    const struct {
        bool withTags;
        const char* shown;
    } cases[] = {{false, "bold & plain"}, {true, "<b>bold</b> &amp; plain"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.withTags);
        grid->EditWithTags = c.withTags;
        EXPECT_EQ(OpenEditor("<b>bold</b> &amp; plain")->Text(), c.shown);
        SendKey(VK_ESCAPE);
        EXPECT_EQ(grid->Cells(1, 1), "<b>bold</b> &amp; plain");
    }
}

} // namespace
