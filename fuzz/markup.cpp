// A cell's markup as the grid draws, measures and hit-tests it, and the text operations
// that edit and search it. A first line, when there is one, is also the search text.
#include <cstdlib>

#include "FuzzInput.h"
#include "grid/foundation/markup/HtmlDraw.h"
#include "grid/foundation/markup/HtmlEntities.h"
#include "grid/foundation/markup/HtmlTextOps.h"
#include "grid/foundation/markup/LineBreakText.h"

namespace {
void Draw(TCanvas* canvas, const std::string& text)
{
    const TRect cell = Rect(2, 2, 198, 78);
    for (const bool wrap : {false, true}) {
        THtmlDrawParams params;
        params.WordWrap = wrap;
        params.X = 40;
        params.Y = 10;
        params.FocusLink = 0;
        params.HoverLink = 1;
        HtmlDraw(canvas, text, cell, params);
        params.MeasureOnly = true;
        HtmlDraw(canvas, text, cell, params);
    }
    THtmlDrawParams hit;
    hit.HitTestOnly = true;
    hit.X = 20;
    hit.Y = 8;
    hit.ControlID = "c";
    HtmlDraw(canvas, text, cell, hit);
}

void Edit(const std::string& text, const std::string& search)
{
    HtmlToPlainText(text);
    for (const bool named : {false, true}) HtmlEncodeEntities(HtmlDecodeEntities(text, named), named);
    HtmlSpaceToNbsp(text);
    HtmlRemoveTag(HtmlFindHighlight(text, search, "hi", false), "hi");
    HtmlFindHighlight(text, search, "hi", true);
    DecodeEscapedNewlines(EncodeNewlinesEscaped(text));
    TildeToCrLf(CrLfToTilde(text));
    TabToCr(CrToTab(text), false);
    LineBreaksToHtml(text);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TBitmap bitmap(200, 80);
    const std::string text = FuzzText(data, size);
    const std::vector<std::string> parts = FuzzParts(text, 2);
    Tolerating([&] { Draw(bitmap.Canvas(), text); });
    Tolerating([&] { Edit(text, parts.size() > 1 && !parts[0].empty() ? parts[0] : "a"); });
    return 0;
}
