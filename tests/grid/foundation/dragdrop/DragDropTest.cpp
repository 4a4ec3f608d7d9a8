#include <gtest/gtest.h>

#include <map>

#include "grid/foundation/dragdrop/ESGDropSource.h"
#include "grid/foundation/dragdrop/ESGDropTarget.h"
#include "grid/foundation/dragdrop/EnumFormats.h"
#include "grid/foundation/dragdrop/OleDragDrop.h"
#include "grid/foundation/dragdrop/SourceDataObject.h"
#include "ForeignData.h"
#include "platform/rtl/Exceptions.h"

namespace {

using namespace std::string_literals;

const TDragDropFormatIds& Ids()
{
    RegisterDragDropFormats();
    return DragDropFormatIds();
}

// Keeps the rich-text switch as a test found it.
class RichTextSwitch {
public:
    explicit RichTextSwitch(bool on) : was_(DragDropActive()) { SetDragDropActive(on); }
    ~RichTextSwitch() { SetDragDropActive(was_); }

private:
    bool was_;
};

std::string Fetch(IDataObject& data, TClipFormat format, HRESULT* result = nullptr)
{
    TFormatEtc entry;
    entry.cfFormat = format;
    TStgMedium medium;
    const HRESULT r = data.GetData(entry, medium);
    if (result) *result = r;
    return medium.hGlobal ? *medium.hGlobal : "<none>";
}

std::vector<TClipFormat> Enumerate(IDataObject& data)
{
    std::shared_ptr<IEnumFORMATETC> e;
    EXPECT_EQ(data.EnumFormatEtc(DATADIR_GET, e), S_OK);
    std::vector<TClipFormat> list;
    TFormatEtc entry;
    uint32_t fetched = 0;
    while (e->Next(1, &entry, &fetched) == S_OK) {
        EXPECT_EQ(entry.dwAspect, DVASPECT_CONTENT);
        EXPECT_EQ(entry.lindex, -1);
        EXPECT_EQ(entry.tymed, TYMED_HGLOBAL);
        list.push_back(entry.cfFormat);
    }
    return list;
}

std::string Wide(const std::string& ascii)
{
    std::string out;
    for (char c : ascii)
        out += std::string{c, '\0'};
    return out + "\0\0"s;
}

// The dropped-file structure with wide names.
std::string DropFilesBytes(const std::vector<std::string>& names)
{
    std::string out = "\x14\0\0\0"s + std::string(12, '\0') + "\x01\0\0\0"s;
    for (const auto& n : names)
        out += Wide(n);
    return out + "\0\0"s;
}

class TRecordingTarget : public TESGDropTarget {
public:
    std::vector<std::string> Calls;
    bool RefuseMoves = false;
    TPoint LastPoint;

protected:
    void DropText(TPoint pt, const std::string& s) override { Note(pt, "Text:" + s); }
    void DropStream(TPoint pt, TMemoryStream& ms) override { Note(pt, "Stream:" + ms.Bytes()); }
    void DropCol(TPoint pt, int Col) override { Note(pt, "Col:" + std::to_string(Col)); }
    void DropRTF(TPoint pt, const std::string& s) override { Note(pt, "RTF:" + s); }
    void DropFiles(TPoint pt, TStringList& Files) override
    {
        std::string all;
        for (int i = 0; i < Files.Count(); ++i)
            all += (i ? "|" : "") + Files.Strings(i);
        Note(pt, "Files:" + all);
    }
    void DropURL(TPoint pt, const std::string& s) override { Note(pt, "URL:" + s); }
    void DragMouseMove(TPoint pt, bool& Allow, TDropFormats) override
    {
        Note(pt, Allow ? "Move" : "Move(refused)");
        if (RefuseMoves) Allow = false;
    }
    void DragMouseEnter() override { Calls.push_back("Enter"); }
    void DragMouseLeave() override { Calls.push_back("Leave"); }

private:
    void Note(TPoint pt, const std::string& call)
    {
        LastPoint = pt;
        Calls.push_back(call);
    }
};

TEST(SourceDataObject, HandsOutEachFormatInItsOwnBytes)
{
    RichTextSwitch rtf(true);
    const TMemoryStream cells("abc"s);
    TSourceDataObject data("A\xC3\xA9", "{\\rtf \xC3\xA9}", -1, &cells);
    EXPECT_EQ(Enumerate(data),
              (std::vector<TClipFormat>{CF_TEXT, CF_UNICODETEXT, Ids().RTF, Ids().GridCells}));
    EXPECT_EQ(Fetch(data, CF_TEXT), "A\xE9\0"s);
    EXPECT_EQ(Fetch(data, CF_UNICODETEXT), "A\0\xE9\0\0\0"s);
    EXPECT_EQ(Fetch(data, Ids().RTF), "{\\rtf \xE9}\0"s);
    EXPECT_EQ(Fetch(data, Ids().GridCells), "\x03\0\0\0\0\0\0\0abc"s);
    HRESULT r = S_OK;
    EXPECT_EQ(Fetch(data, Ids().GridColumn, &r), "<none>");
    EXPECT_EQ(r, DV_E_FORMATETC);
}

TEST(SourceDataObject, AColumnDragOffersFourFormatsOfWhichOnlyTheColumnCanBeFetched)
{
    RichTextSwitch rtf(true);
    TSourceDataObject data("", "", 7, nullptr);
    const std::vector<TClipFormat> offered{CF_TEXT, CF_UNICODETEXT, Ids().RTF, Ids().GridColumn};
    EXPECT_EQ(Enumerate(data), offered);
    for (TClipFormat f : offered) {
        HRESULT r = S_OK;
        const std::string bytes = Fetch(data, f, &r);
        EXPECT_EQ(r, f == Ids().GridColumn ? S_OK : DV_E_FORMATETC) << f;
        if (r == S_OK) {
            EXPECT_EQ(bytes, "\x07\0\0\0"s);
        }
    }
}

TEST(SourceDataObject, RefusesRichTextItDoesNotCarryOrMayNotOfferAndForeignMedia)
{
    {
        RichTextSwitch rtf(true);
        TSourceDataObject noRichText("text", "", -1, nullptr);
        EXPECT_EQ(noRichText.QueryGetData({Ids().RTF}), DV_E_FORMATETC);
    }
    RichTextSwitch rtf(false);
    TSourceDataObject data("text", "{\\rtf}", -1, nullptr);
    EXPECT_EQ(data.QueryGetData({Ids().RTF}), DV_E_FORMATETC);
    EXPECT_EQ(data.QueryGetData({CF_TEXT}), S_OK);
    TFormatEtc stream{CF_TEXT};
    stream.tymed = TYMED_HGLOBAL | TYMED_ISTREAM;
    EXPECT_EQ(data.QueryGetData(stream), DV_E_FORMATETC);
    TFormatEtc aspect{CF_TEXT};
    aspect.dwAspect = 4;
    EXPECT_EQ(data.QueryGetData(aspect), DV_E_FORMATETC);
    std::shared_ptr<IEnumFORMATETC> e;
    EXPECT_EQ(data.EnumFormatEtc(DATADIR_SET, e), E_NOTIMPL);
}

TEST(SourceEnumFormatEtc, NextSkipResetAndClone)
{
    TSourceEnumFormatEtc e(true, true);
    TFormatEtc entries[5];
    uint32_t fetched = 0;
    EXPECT_EQ(e.Next(2, entries, &fetched), S_OK);
    EXPECT_EQ(fetched, 2u);
    std::shared_ptr<IEnumFORMATETC> clone;
    EXPECT_EQ(e.Clone(clone), S_OK);
    EXPECT_EQ(e.Skip(2), S_OK);
    EXPECT_EQ(e.Next(5, entries, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(entries[0].cfFormat, Ids().GridCells);
    EXPECT_EQ(clone->Next(1, entries, &fetched), S_OK);
    EXPECT_EQ(entries[0].cfFormat, Ids().RTF);
    EXPECT_EQ(clone->Skip(9), S_FALSE);
    EXPECT_EQ(clone->Next(1, entries, &fetched), S_FALSE);
    e.Reset();
    EXPECT_EQ(e.Next(1, entries, &fetched), S_OK);
    EXPECT_EQ(entries[0].cfFormat, CF_TEXT);
}

TEST(DropEffect, CtrlCopiesElseMoveWhenAllowed)
{
    struct Case {
        DWORD keys, ok, effect;
    } cases[] = {
        {MK_CONTROL, DROPEFFECT_MOVE, DROPEFFECT_COPY},
        {MK_CONTROL | MK_LBUTTON, DROPEFFECT_MOVE | DROPEFFECT_COPY, DROPEFFECT_COPY},
        {MK_LBUTTON, DROPEFFECT_MOVE | DROPEFFECT_COPY, DROPEFFECT_MOVE},
        {MK_LBUTTON, DROPEFFECT_COPY, DROPEFFECT_COPY},
        {MK_SHIFT, DROPEFFECT_MOVE, DROPEFFECT_MOVE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DropEffectFor(c.keys, c.ok), c.effect) << c.keys << " " << c.ok;
}

struct DispatchCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> offered; // format name, bytes
    bool acceptText, acceptFiles, acceptCols, richText;
    DWORD keys;
    DWORD entryEffect;
    std::vector<std::string> calls; // after Enter and Move
};

TClipFormat FormatNamed(const std::string& name)
{
    if (name == "text") return CF_UNICODETEXT;
    if (name == "files") return CF_HDROP;
    return RegisterClipboardFormat(name);
}

class DropTargetDispatch : public testing::TestWithParam<DispatchCase> {};

TEST_P(DropTargetDispatch, AcceptsAndDeliversInOrder)
{
    const DispatchCase& c = GetParam();
    RichTextSwitch rtf(c.richText);
    TForeignData data;
    for (const auto& [name, bytes] : c.offered)
        data.Formats.push_back({FormatNamed(name), bytes});
    TRecordingTarget target;
    target.AcceptText = c.acceptText;
    target.AcceptFiles = c.acceptFiles;
    target.AcceptCols = c.acceptCols;
    target.AcceptURLs = true;
    DWORD effect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    EXPECT_EQ(target.DragEnter(&data, c.keys, {5, 6}, effect), S_OK);
    EXPECT_EQ(effect, c.entryEffect);
    effect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    target.DragOver(c.keys, {5, 6}, effect);
    EXPECT_EQ(effect, c.entryEffect);
    effect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    EXPECT_EQ(target.Drop(&data, c.keys, {7, 8}, effect), S_OK);
    EXPECT_EQ(effect, c.entryEffect);
    std::vector<std::string> expected{"Enter", c.entryEffect ? "Move" : "Move(refused)"};
    expected.insert(expected.end(), c.calls.begin(), c.calls.end());
    EXPECT_EQ(target.Calls, expected);
    if (!c.calls.empty()) {
        EXPECT_EQ(target.LastPoint, (TPoint{7, 8}));
    }
}

const std::string kText = Wide("hello");
const std::string kUrl = Wide("http://x.org");
const DWORD kMove = DROPEFFECT_MOVE, kCopy = DROPEFFECT_COPY, kNone = DROPEFFECT_NONE;

INSTANTIATE_TEST_SUITE_P(
    Cases, DropTargetDispatch,
    testing::Values(DispatchCase{"FilesRefused",
                                 {{"files", DropFilesBytes({"/a/b.csv"})}},
                                 true,
                                 false,
                                 false,
                                 false,
                                 0,
                                 kNone,
                                 {}},
                    DispatchCase{"FilesAccepted",
                                 {{"files", DropFilesBytes({"/a/b.csv", "/c"})}},
                                 true,
                                 true,
                                 false,
                                 false,
                                 0,
                                 kMove,
                                 {"Files:/a/b.csv|/c"}},
                    DispatchCase{"CellsAlways",
                                 {{"TExtStringGrid Cells", "\x02\0\0\0\0\0\0\0xy"s}},
                                 false,
                                 false,
                                 false,
                                 false,
                                 0,
                                 kMove,
                                 {"Stream:xy"}},
                    DispatchCase{"ColumnAlone",
                                 {{"text", kText}, {"Grid Column", "\x05\0\0\0"s}},
                                 true,
                                 true,
                                 true,
                                 false,
                                 0,
                                 kMove,
                                 {"Col:5"}},
                    DispatchCase{"TextThenFiles",
                                 {{"text", kText}, {"files", DropFilesBytes({"/f"})}},
                                 true,
                                 true,
                                 false,
                                 false,
                                 MK_CONTROL,
                                 kCopy,
                                 {"Text:hello", "Files:/f"}},
                    DispatchCase{"RichTextOnlySwitchOff",
                                 {{"Rich Text Format", "{\\rtf}\0"s}},
                                 true,
                                 true,
                                 false,
                                 false,
                                 0,
                                 kNone,
                                 {}},
                    DispatchCase{"RichTextBeforeText",
                                 {{"text", kText}, {"Rich Text Format", "{\\rtf}\0"s}},
                                 true,
                                 true,
                                 false,
                                 true,
                                 0,
                                 kMove,
                                 {"RTF:{\\rtf}"}},
                    DispatchCase{"RichTextOffIsText",
                                 {{"text", kText}, {"Rich Text Format", "{\\rtf}\0"s}},
                                 true,
                                 true,
                                 false,
                                 false,
                                 0,
                                 kMove,
                                 {"Text:hello"}},
                    DispatchCase{"TextThenUrl",
                                 {{"text", kUrl}, {"UniformResourceLocator", ""}},
                                 false,
                                 false,
                                 false,
                                 false,
                                 0,
                                 kMove,
                                 {"Text:http://x.org", "URL:http://x.org"}},
                    DispatchCase{"CellsBeforeText",
                                 {{"text", kText}, {"TExtStringGrid Cells", "\x01\0\0\0\0\0\0\0z"s}},
                                 true,
                                 true,
                                 false,
                                 false,
                                 0,
                                 kMove,
                                 {"Stream:z"}},
                    DispatchCase{"CellsCountBeyondMemory",
                                 {{"TExtStringGrid Cells", "\xFF\0\0\0\0\0\0\0z"s}},
                                 true,
                                 true,
                                 false,
                                 false,
                                 0,
                                 kMove,
                                 {}},
                    DispatchCase{
                        "TruncatedFileName",
                        {{"files", "\x14\0\0\0"s + std::string(12, '\0') + "\x01\0\0\0"s + "/\0a\0"s}},
                        true,
                        true,
                        false,
                        false,
                        0,
                        kMove,
                        {}}),
    [](const testing::TestParamInfo<DispatchCase>& info) { return std::string(info.param.name); });

TEST(DropTarget, AHookThatRefusesTheMoveTakesTheEffectAway)
{
    TForeignData data;
    data.Formats.push_back({CF_UNICODETEXT, kText});
    TRecordingTarget target;
    target.RefuseMoves = true;
    DWORD effect = kMove;
    target.DragEnter(&data, 0, {}, effect);
    EXPECT_EQ(effect, kMove);
    effect = kMove;
    target.DragOver(0, {}, effect);
    EXPECT_EQ(effect, kNone);
    target.DragLeave();
    EXPECT_EQ(target.Calls, (std::vector<std::string>{"Enter", "Move", "Leave"}));
    EXPECT_EQ(target.DropFormats(), TDropFormats{dfText});
}

TEST(DropTarget, DataThatCannotListItsFormatsStopsTheEntry)
{
    TForeignData data;
    data.CanEnumerate = false;
    TRecordingTarget target;
    DWORD effect = kMove;
    try {
        target.DragEnter(&data, 0, {}, effect);
        FAIL() << "no exception";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), "Cannot get the format enumerator");
    }
}

TEST(EnumFormats, ReadsOnlyWithinTheMemoryItIsGiven)
{
    TForeignData data;
    data.Formats = {{Ids().GridColumn, "\x05\0"s}, {CF_UNICODETEXT, "h\0i\0"s}, {CF_HDROP, "\x40\0\0\0"s}};
    TEnumFormats formats(&data);
    EXPECT_EQ(formats.Col(), -1);
    EXPECT_EQ(formats.Text(), "hi");
    EXPECT_FALSE(formats.ReadFileNames());
    EXPECT_EQ(formats.Stream(), nullptr);
    EXPECT_TRUE(formats.HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(formats.Format(), CF_UNICODETEXT);
    EXPECT_EQ(formats.Count(), 2);
}

class TRecordingSource : public TESGDropSource {
public:
    std::vector<std::string> Calls;

protected:
    void DragFinished() override { Calls.push_back("Finished"); }
    void CurrentEffect(DWORD dwEffect) override { Calls.push_back("Effect:" + std::to_string(dwEffect)); }
    void QueryDrag() override { Calls.push_back("Query"); }
};

TEST(DropSource, EndsOnEscapeOrReleaseAndAsksAfterEveryDecision)
{
    TRecordingSource source;
    EXPECT_EQ(source.QueryContinueDrag(false, MK_LBUTTON), S_OK);
    EXPECT_EQ(source.QueryContinueDrag(true, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source.QueryContinueDrag(false, MK_CONTROL), DRAGDROP_S_DROP);
    EXPECT_EQ(source.GiveFeedback(kNone), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_TRUE(source.LastEffectNone());
    source.GiveFeedback(kCopy);
    EXPECT_FALSE(source.LastEffectNone());
    EXPECT_EQ(source.Calls, (std::vector<std::string>{"Query", "Finished", "Query", "Finished", "Query",
                                                      "Effect:0", "Effect:1"}));
}

// A user's drag onto a window, step by step as the desktop delivers it: enter, one move,
// then the button is released with the keys given.
class ScriptedDragTest : public testing::Test {
protected:
    ScriptedDragTest()
    {
        window.SetBounds(0, 0, 100, 50);
        previous = SetDragLoop([this](IDataObject& data, IDropSource& source, DWORD ok, DWORD& effect) {
            const TPoint at = window.ClientToScreen({10, 20});
            DWORD granted = SendDragStep(&window, dsEnter, data, at, keys | MK_LBUTTON, ok);
            source.GiveFeedback(granted);
            source.QueryContinueDrag(false, keys | MK_LBUTTON);
            granted = SendDragStep(&window, dsOver, data, at, keys | MK_LBUTTON, ok);
            source.GiveFeedback(granted);
            const HRESULT end = source.QueryContinueDrag(false, keys);
            if (granted != DROPEFFECT_NONE)
                effect = SendDragStep(&window, dsDrop, data, at, keys, ok);
            else
                SendDragStep(&window, dsLeave, data, at, keys, ok);
            return end;
        });
        EXPECT_EQ(RegisterDragDrop(&window, target), S_OK);
    }
    ~ScriptedDragTest() override
    {
        RevokeDragDrop(&window);
        SetDragLoop(previous);
    }

    TWinControl window{nullptr};
    std::shared_ptr<TRecordingTarget> target = std::make_shared<TRecordingTarget>();
    std::shared_ptr<TRecordingSource> source = std::make_shared<TRecordingSource>();
    DWORD keys = 0;
    TDragLoop previous;
};

TEST_F(ScriptedDragTest, CellsTravelAsTheirPrivateTypeAndTextAsText)
{
    EXPECT_EQ(RegisterDragDrop(&window, target), DRAGDROP_E_ALREADYREGISTERED);
    const TMemoryStream cells("\x01\x02\0\xFF"s);
    DWORD effect = kNone;
    EXPECT_EQ(BeginTextDragDrop(source, "a\tb\xE2\x82\xAC", "", &cells, kMove | kCopy, effect),
              DRAGDROP_S_DROP);
    EXPECT_EQ(effect, kMove);
    EXPECT_EQ(target->Calls, (std::vector<std::string>{"Enter", "Move", "Stream:\x01\x02\0\xFF"s}));
    EXPECT_EQ(target->LastPoint, window.ClientToScreen({10, 20}));
    EXPECT_EQ(source->Calls,
              (std::vector<std::string>{"Effect:2", "Query", "Effect:2", "Finished", "Query"}));

    target->Calls.clear();
    keys = MK_CONTROL;
    EXPECT_EQ(BeginTextDragDrop(source, "a\tb\xE2\x82\xAC", "", nullptr, kMove | kCopy, effect),
              DRAGDROP_S_DROP);
    EXPECT_EQ(effect, kCopy);
    EXPECT_EQ(target->Calls, (std::vector<std::string>{"Enter", "Move", "Text:a\tb\xE2\x82\xAC"}));
}

TEST_F(ScriptedDragTest, AColumnIsDroppedOnlyWhereColumnsAreAccepted)
{
    DWORD effect = kMove;
    EXPECT_EQ(BeginColumnDragDrop(source, 3, kMove | kCopy, effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(target->Calls, (std::vector<std::string>{"Enter", "Move(refused)", "Leave"}));
    target->Calls.clear();
    target->AcceptCols = true;
    EXPECT_EQ(BeginColumnDragDrop(source, 3, kMove | kCopy, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(target->Calls, (std::vector<std::string>{"Enter", "Move", "Col:3"}));
}

TEST_F(ScriptedDragTest, RichTextTravelsWhileTheSwitchIsOn)
{
    RichTextSwitch rtf(true);
    DWORD effect = kNone;
    BeginTextDragDrop(source, "plain", "{\\rtf1 \xC3\xA9}", nullptr, kCopy, effect);
    EXPECT_EQ(effect, kCopy);
    EXPECT_EQ(target->Calls.back(), "RTF:{\\rtf1 \xC3\xA9}");
}

TEST_F(ScriptedDragTest, ARevokedWindowTakesNothing)
{
    EXPECT_EQ(RevokeDragDrop(&window), S_OK);
    EXPECT_EQ(RevokeDragDrop(&window), DRAGDROP_E_NOTREGISTERED);
    DWORD effect = kMove;
    EXPECT_EQ(BeginTextDragDrop(source, "x", "", nullptr, kMove, effect), DRAGDROP_S_CANCEL);
    EXPECT_TRUE(target->Calls.empty());
    EXPECT_EQ(RegisterDragDrop(&window, target), S_OK);
}

} // namespace
