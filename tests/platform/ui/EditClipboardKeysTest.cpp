#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {

// An edit that records the clipboard messages that reach its window procedure.
class TRecordingEdit : public TEdit {
public:
    using TEdit::TEdit;
    std::vector<UINT> commands;
    bool refusePaste = false;

    void WndProc(TMessage& Message) override
    {
        if (Message.Msg == WM_PASTE || Message.Msg == WM_COPY || Message.Msg == WM_CUT) {
            commands.push_back(Message.Msg);
            if (refusePaste && Message.Msg == WM_PASTE) return;
        }
        TEdit::WndProc(Message);
    }
};

class EditClipboardKeysTest : public testing::Test {
protected:
    EditClipboardKeysTest()
    {
        form.SetClientSize(200, 100);
        edit = new TRecordingEdit(&form);
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 150, 21);
        form.Show();
        edit->SetFocus();
    }
    TForm form{nullptr};
    TRecordingEdit* edit;
};

// The keys act through the message, so an edit that handles the message decides.
TEST_F(EditClipboardKeysTest, ClipboardKeysSendTheirMessageToTheEdit)
{
    const struct {
        const char* what;
        Word key;
        TShiftState shift;
        UINT message;
        const char* text;
        const char* clipboard;
    } cases[] = {
        {"Ctrl+V", 'V', {ssCtrl}, WM_PASTE, "abXYZ", "XYZ"},
        {"Shift+Insert", VK_INSERT, {ssShift}, WM_PASTE, "abXYZ", "XYZ"},
        {"Ctrl+C", 'C', {ssCtrl}, WM_COPY, "abcd", "cd"},
        {"Ctrl+Insert", VK_INSERT, {ssCtrl}, WM_COPY, "abcd", "cd"},
        {"Ctrl+X", 'X', {ssCtrl}, WM_CUT, "ab", "cd"},
        {"Shift+Delete", VK_DELETE, {ssShift}, WM_CUT, "ab", "cd"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Clipboard()->SetAsText("XYZ");
        edit->SetText("abcd");
        edit->SetSelStart(2);
        edit->SetSelLength(2);
        edit->commands.clear();
        SendKey(c.key, c.shift);
        EXPECT_EQ(edit->commands, std::vector<UINT>{c.message});
        EXPECT_EQ(edit->Text(), c.text);
        EXPECT_EQ(Clipboard()->AsText(), c.clipboard);
    }
}

TEST_F(EditClipboardKeysTest, AnEditThatTakesThePasteMessageKeepsItsText)
{
    edit->refusePaste = true;
    Clipboard()->SetAsText("XYZ");
    edit->SetText("ab");
    SendKey('V', {ssCtrl});
    SendKey(VK_INSERT, {ssShift});
    EXPECT_EQ(edit->Text(), "ab");
    EXPECT_EQ(edit->commands, (std::vector<UINT>{WM_PASTE, WM_PASTE}));
}

} // namespace
