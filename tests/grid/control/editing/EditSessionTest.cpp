#include <gtest/gtest.h>

#include <string>

#include "grid/control/editing/EditSession.h"
#include "grid/control/editing/EditorKinds.h"

namespace {

// The steps of an end, recorded in the order they ran.
struct Recorder {
    std::string log;
    TEditSession::TSteps Steps()
    {
        return {[this] { log += "store "; }, [this] { log += "close "; }, [this] { log += "restore "; },
                [this] { log += "done"; }};
    }
};

TEST(EditSessionTest, EachWayOfEndingRunsItsSteps)
{
    const struct {
        TEditEnd how;
        const char* steps;
    } cases[] = {{TEditEnd::Accepted, "store close done"},
                 {TEditEnd::MovedOn, "store close done"},
                 {TEditEnd::Cancelled, "close restore done"}};
    for (const auto& c : cases) {
        TEditSession session;
        Recorder recorder;
        session.Keep("1,234.50");
        session.Begin(edSpinEdit);
        EXPECT_TRUE(session.Open());
        EXPECT_TRUE(session.End(c.how, recorder.Steps()));
        EXPECT_EQ(recorder.log, c.steps);
        EXPECT_FALSE(session.Open());
        EXPECT_EQ(session.TextBefore(), "1,234.50");
    }
}

// Closing an editor moves the focus, and its loss ends the edit once more: that second end,
// and any end without an open edit, runs nothing.
TEST(EditSessionTest, AnEndSetOffByTheEndRunsNothing)
{
    TEditSession session;
    EXPECT_FALSE(session.End(TEditEnd::Accepted, {}));
    session.Keep("X");
    session.Begin(edComboList);
    std::string log;
    bool nested = true;
    session.End(TEditEnd::Cancelled, {.Close = [&] {
                                          EXPECT_TRUE(session.Ending());
                                          nested = session.End(TEditEnd::MovedOn, {.Store = [&] { log += "store"; }});
                                      }});
    EXPECT_FALSE(nested);
    EXPECT_EQ(log, "");
    EXPECT_FALSE(session.Ending());
}

TEST(EditSessionTest, AStepThatThrowsLeavesTheSessionEnded)
{
    TEditSession session;
    session.Keep("a");
    session.Begin(edEditBtn);
    EXPECT_THROW(session.End(TEditEnd::Accepted, {.Store = [] { throw 1; }}), int);
    EXPECT_FALSE(session.Open());
    EXPECT_FALSE(session.Ending());
}

// A refused value ends the edit too, also after its editor closed while the value is
// validated; the editor opens again in Done as an edit still awaiting its verdict, and the
// reopened editor's cell text does not replace what Escape brings back.
TEST(EditSessionTest, ARefusalClosesRestoresAndReopens)
{
    TEditSession session;
    session.Keep("old");
    session.Begin(edEditBtn);
    Recorder recorder;
    EXPECT_TRUE(session.End(TEditEnd::MovedOn, recorder.Steps()));
    EXPECT_TRUE(session.AwaitsVerdict());
    EXPECT_FALSE(session.End(TEditEnd::Refused, {})) << "nothing is validated";
    session.Settle();
    const auto validating = session.HoldValidating();
    std::string log;
    EXPECT_TRUE(session.End(TEditEnd::Refused, {.Store = [&] { log += "store "; },
                                                .Close = [&] { log += "close "; },
                                                .Restore = [&] { log += "restore "; },
                                                .Done = [&] {
                                                    EXPECT_FALSE(session.Validating());
                                                    EXPECT_FALSE(session.Ending());
                                                    session.Keep("refused");
                                                    session.Begin(edEditBtn);
                                                    log += "reopen";
                                                }}));
    EXPECT_EQ(log, "close restore reopen");
    EXPECT_TRUE(session.Validating()) << "the validation goes on after the reopen";
    EXPECT_TRUE(session.Open());
    EXPECT_TRUE(session.AwaitsVerdict());
    EXPECT_FALSE(session.LastAccepted());
    EXPECT_EQ(session.TextBefore(), "old");
    session.End(TEditEnd::Cancelled, {});
    EXPECT_TRUE(session.LastAccepted());
    EXPECT_FALSE(session.AwaitsVerdict()) << "a cancelled value needs no verdict";
}

TEST(EditSessionTest, OnlyASpecialEditorHoldsTheEditExclusively)
{
    const struct {
        TEditorType kind;
        bool special;
    } cases[] = {{edNormal, false}, {edPassword, false}, {edSpinEdit, true}, {edCustom, true}};
    for (const auto& c : cases) {
        TEditSession session;
        session.Begin(c.kind);
        EXPECT_EQ(session.SpecialEditorOpen(), c.special) << static_cast<int>(c.kind);
        session.End(TEditEnd::Accepted, {});
        EXPECT_FALSE(session.SpecialEditorOpen());
    }
}

// Each state the grid's handlers ask about holds for its scope only, also nested.
TEST(EditSessionTest, EachHeldStateLastsForItsScope)
{
    using THold = TValueHold<bool> (TEditSession::*)();
    using TState = bool (TEditSession::*)() const;
    const struct {
        const char* what;
        THold hold;
        TState state;
    } cases[] = {{"validating", &TEditSession::HoldValidating, &TEditSession::Validating},
                 {"loading", &TEditSession::HoldLoading, &TEditSession::Loading},
                 {"refocusing", &TEditSession::HoldRefocus, &TEditSession::Refocusing},
                 {"focus from an editor", &TEditSession::HoldFocusFromEditor, &TEditSession::FocusFromEditor}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TEditSession session;
        EXPECT_FALSE((session.*c.state)());
        {
            const auto outer = (session.*c.hold)();
            {
                const auto inner = (session.*c.hold)();
                EXPECT_TRUE((session.*c.state)());
            }
            EXPECT_TRUE((session.*c.state)());
        }
        EXPECT_FALSE((session.*c.state)());
    }
}

TEST(EditorKindsTest, EveryKindHasItsFamily)
{
    using enum TEditorFamily;
    const struct {
        TEditorType kind;
        TEditorFamily family;
        bool followed;
    } cases[] = {
        {edNormal, Text, true},          {edPassword, Text, true},
        {edValidChars, Text, true},      {edPositiveFloat, Text, true},
        {edSpinEdit, Spin, true},        {edDateSpinEdit, Spin, true},
        {edComboEdit, Combo, false},     {edComboList, Combo, false},
        {edEditBtn, EditBtn, true},      {edMaskEditBtn, EditBtn, true},
        {edUnitEditBtn, UnitEditBtn, false}, {edFloatUnitEditBtn, UnitEditBtn, false},
        {edCheckBox, CheckBox, false},   {edButton, Button, false},
        {edTimeEdit, DatePicker, false}, {edDateTimeEdit, DateTimePicker, false},
        {edRichEdit, RichEdit, false},   {edCustom, Custom, false},
        {edMemoDropDown, DropDown, false}, {edExtGridDropDown, DropDown, false},
        {edDataCheckBox, None, false},   {edNone, None, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        EXPECT_EQ(EditorKindOf(c.kind).Family, c.family);
        EXPECT_EQ(EditorKindOf(c.kind).FollowedWhileTyped, c.followed);
    }
}

} // namespace
