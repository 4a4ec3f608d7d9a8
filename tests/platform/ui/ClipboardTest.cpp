#include <gtest/gtest.h>

#include "platform/rtl/CodePage.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"

namespace {

// Counts the change notifications while it lives.
class TChangeCounter {
public:
    TChangeCounter() : id_(Clipboard()->Watch([this](TObject*) { ++count; })) {}
    ~TChangeCounter() { Clipboard()->Unwatch(id_); }
    int count = 0;

private:
    int id_;
};

const std::string kCellBytes("\x01\x00\x02\xFF\x00tail", 9);

TEST(ClipboardTest, TextRoundTripsAsEveryTextFormat)
{
    const std::string text = "Zähler\tWert\r\n1\t€\r\n";
    Clipboard()->SetAsText(text);
    EXPECT_EQ(Clipboard()->AsText(), text);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(Clipboard()->GetBuffer(CF_UNICODETEXT), Utf8ToUtf16Le(text) + std::string(2, '\0'));
    EXPECT_EQ(Clipboard()->GetBuffer(CF_TEXT), Utf8ToWin1252(text) + '\0');
}

TEST(ClipboardTest, WritesBetweenOpenAndCloseAddUpToOneChange)
{
    const TClipFormat cells = RegisterClipboardFormat("TExtStringGrid Cells");
    Clipboard()->SetAsText("old");
    TChangeCounter changes;
    Clipboard()->Open();
    Clipboard()->SetAsText("a\tb");
    Clipboard()->SetBuffer(cells, kCellBytes);
    EXPECT_EQ(changes.count, 0) << "the desktop sees nothing before the last Close";
    EXPECT_EQ(Clipboard()->AsText(), "a\tb") << "what is being put reads back";
    Clipboard()->Close();
    Application->ProcessMessages();
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(Clipboard()->AsText(), "a\tb");
    EXPECT_TRUE(Clipboard()->HasFormat(cells));
    EXPECT_EQ(Clipboard()->GetBuffer(cells), kCellBytes) << "private bytes travel unchanged, zeros included";
    const std::vector<TClipFormat> formats = Clipboard()->Formats();
    EXPECT_NE(std::find(formats.begin(), formats.end(), cells), formats.end());
}

TEST(ClipboardTest, AWriteOutsideOpenReplacesTheWholeClipboard)
{
    const TClipFormat cells = RegisterClipboardFormat("TExtStringGrid Cells");
    Clipboard()->SetAsText("text");
    Clipboard()->SetBuffer(cells, kCellBytes);
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_EQ(Clipboard()->AsText(), "");
    Clipboard()->Clear();
    EXPECT_TRUE(Clipboard()->Formats().empty());
    EXPECT_EQ(Clipboard()->GetBuffer(cells), "");
}

TEST(ClipboardTest, AnUnwatchedHandlerHearsNoMore)
{
    int heard = 0;
    const int id = Clipboard()->Watch([&heard](TObject*) { ++heard; });
    Clipboard()->SetAsText("one");
    Clipboard()->Unwatch(id);
    Clipboard()->SetAsText("two");
    Application->ProcessMessages();
    EXPECT_EQ(heard, 1);
}

// "HTML Format" carries the clipboard header; other programs get the document it points at.
TEST(ClipboardTest, HtmlFormatIsOfferedAsTheDocumentOfItsHeader)
{
    const std::string document = "<html><body><table><tr><td>Caf\xE9</td></tr></table></body></html>";
    struct Case {
        const char* name;
        std::string bytes;
        std::string html;
    };
    const auto header = [](int start, int end) {
        char text[128];
        std::snprintf(text, sizeof text, "Version:0.9\r\nStartHTML:%08d\r\nEndHTML:%08d\r\n", start, end);
        return std::string(text);
    };
    const int start = static_cast<int>(header(0, 0).size());
    const int end = start + static_cast<int>(document.size());
    const Case cases[] = {
        {"well formed", header(start, end) + document, Win1252ToUtf8(document)},
        {"end beyond the bytes", header(start, end + 50) + document, ""},
        {"no offsets", "Version:0.9\r\n" + document, ""},
    };
    const TClipFormat html = RegisterClipboardFormat("HTML Format");
    for (const Case& c : cases) {
        Clipboard()->SetBuffer(html, c.bytes);
        EXPECT_EQ(Clipboard()->AsHtml(), c.html) << c.name;
        EXPECT_EQ(Clipboard()->GetBuffer(html), c.bytes) << c.name;
    }
}

TEST(ClipboardTest, HtmlAndTextGoTogether)
{
    Clipboard()->Open();
    Clipboard()->SetAsHtml("<b>Größe</b>");
    Clipboard()->SetAsText("Größe");
    Clipboard()->Close();
    EXPECT_EQ(Clipboard()->AsHtml(), "<b>Größe</b>");
    EXPECT_EQ(Clipboard()->AsText(), "Größe");
}

} // namespace
