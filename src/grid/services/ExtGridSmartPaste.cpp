// The smart paste into the selection: one cell fills it, a pair continues as a series, a
// pattern repeats, and a pasted row or column repeats across the selection.
#include <cmath>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/control/settings/BalloonSettings.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"

namespace {
bool HasChar(const std::string& Text, char C) { return Text.find(C) != std::string::npos; }

// A date, a time, or a date and a time split by a blank, in the format settings.
bool TrySmartPasteDateTime(const std::string& Text, TDateTime& Value)
{
    const std::string text = Trim(Text);
    const size_t blank = text.find(' ');
    TDateTime date = 0, time = 0;
    if (blank != std::string::npos) {
        if (!TryStrToDate(text.substr(0, blank), date) || !TryStrToTime(Trim(text.substr(blank + 1)), time))
            return false;
        Value = date + time;
        return true;
    }
    if (TryStrToDate(text, date)) {
        Value = date;
        return true;
    }
    if (TryStrToTime(text, time)) {
        Value = time;
        return true;
    }
    return false;
}

// A date text, or a text with the time separator: a lone number is no time here.
bool IsSmartPasteDate(const std::string& Text)
{
    TDateTime unused;
    return TryStrToDate(Trim(Text), unused) || HasChar(Text, FormatSettings().TimeSeparator);
}

// The next value of a date series: by whole days, months or years when only that part
// differs between the first two, else by the plain difference.
struct TDateStep {
    TDateTime Step = 0;
    int Years = 0, Months = 0, Days = 0;
    TDateTime Next(TDateTime Value) const
    {
        if (Years == 0 && Months == 0 && Days != 0) return Value + Days;
        if (Years != 0 && Months == 0 && Days == 0) return IncMonth(Value, 12 * Years);
        if (Years == 0 && Months != 0 && Days == 0) return IncMonth(Value, Months);
        return Value + Step;
    }
};
} // namespace

bool TExtStringGrid::PasteSmartText(int ACol, int ARow, std::string Text, bool CheckAllowAlways)
{
    const bool writable = IsEditable(ACol, ARow) || (CheckAllowAlways && Navigation()->AllowClipboardAlways);
    if (!writable) return false;
    bool allow = true;
    if (OnClipboardBeforePasteCell) OnClipboardBeforePasteCell(this, ACol, ARow, Text, allow);
    if (allow) PasteCellText(ACol, ARow, Text);
    return allow;
}

void TExtStringGrid::SmartFill(const TGridRect& S)
{
    const int realLeft = RealColIndex(S.Left);
    std::string text = TextAt({TDisplCol(S.Left), TDisplRow(S.Top)});
    if (HasCheckBox(realLeft, S.Top)) {
        TCheckBoxState state = cbUnchecked;
        GetCheckBoxState(realLeft, S.Top, state);
        state == cbChecked ? GetCheckTrue(realLeft, S.Top, text) : GetCheckFalse(realLeft, S.Top, text);
    }
    BeginPaste();
    for (int c = S.Left; c <= S.Right; ++c)
        for (int r = S.Top; r <= S.Bottom; ++r) {
            const bool topLeft = c == S.Left && r == S.Top;
            if (!IsEditable(c, r) && !Navigation()->AllowClipboardAlways) continue;
            bool allow = true;
            std::string value = text;
            if (!topLeft && OnClipboardBeforePasteCell) OnClipboardBeforePasteCell(this, c, r, value, allow);
            if (allow) PasteCellText(c, r, value);
            SetRowModifiedFlag(FClipOrigin, TRect{c, r, c, r}, coCopy);
            if (!topLeft && OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, c, r, value);
        }
    EndPaste();
}

// Runs a date, decimal or integer series through S; false when the first two cells hold
// no such pair.
bool TExtStringGrid::SmartSeries(const TGridRect& S)
{
    const bool singleRow = S.Top == S.Bottom;
    const TSelectedCell first{TDisplCol(S.Left), TDisplRow(S.Top)};
    const std::string c1 = TextAt(first);
    const std::string c2 = TextAt(singleRow ? TSelectedCell{TDisplCol(S.Left + 1), first.Row} : TSelectedCell{first.Col, first.Row + 1});
    // Every cell of S in order, given its text; Written says whether it took it.
    const auto run = [&](auto&& TextOf, bool AfterEveryEditable) {
        for (int c = S.Left; c <= S.Right; ++c)
            for (int r = S.Top; r <= S.Bottom; ++r) {
                std::string text;
                if (!TextOf(text)) return;
                const bool editable = IsEditable(c, r);
                const bool written = editable && PasteSmartText(c, r, text, false);
                if (written || (editable && AfterEveryEditable)) {
                    SetRowModifiedFlag(FClipOrigin, TRect{c, r, c, r}, coCopy);
                    if (OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, c, r, TextAt({TDisplCol(c), TDisplRow(r)}));
                }
            }
    };
    const TFormatSettings& fs = FormatSettings();
    if (IsSmartPasteDate(c1) && IsSmartPasteDate(c2)) {
        TDateTime d1 = 0, d2 = 0;
        if (!TrySmartPasteDateTime(c1, d1) || !TrySmartPasteDateTime(c2, d2)) return true;
        TDateStep step;
        step.Step = d2 - d1;
        int y1, m1, dd1, y2, m2, dd2;
        DecodeDate(d1, y1, m1, dd1);
        DecodeDate(d2, y2, m2, dd2);
        step.Years = y2 - y1;
        step.Months = m2 - m1;
        step.Days = dd2 - dd1;
        const bool asDate = HasChar(c1, fs.DateSeparator);
        TDateTime value = d1;
        run(
            [&](std::string& Text) {
                Text = asDate ? DateToStr(value) : FormatDateTime(fs.LongTimeFormat, value);
                try {
                    value = step.Next(value);
                } catch (const Exception&) {
                    return false;
                }
                return true;
            },
            true);
        return true;
    }
    if (HasChar(c1, fs.DecimalSeparator) || HasChar(c2, fs.DecimalSeparator)) {
        double v1 = 0, v2 = 0;
        if (!TryStrToFloat(c1, v1) || !TryStrToFloat(c2, v2)) return true;
        double value = v1;
        run(
            [&](std::string& Text) {
                Text = Format(FloatFormat, {value});
                value += v2 - v1;
                return true;
            },
            false);
        return true;
    }
    int32_t i1 = 0, i2 = 0;
    if (!TryStrToInt(c1, i1) || !TryStrToInt(c2, i2)) return false;
    int64_t value = i1;
    run(
        [&](std::string& Text) {
            Text = std::to_string(value);
            value += int64_t{i2} - i1;
            return true;
        },
        false);
    return true;
}

void TExtStringGrid::SmartRepeat(const TGridRect& S, int Pasted)
{
    const bool singleColumn = S.Left == S.Right;
    if (singleColumn) {
        for (int r = S.Top + Pasted - 1; r <= S.Bottom; ++r)
            PasteSmartText(S.Left, r, TextAt({TDisplCol(S.Left), TDisplRow(r - Pasted + 1)}), false);
        SetRowModifiedFlag({S.Left, S.Top}, TRect{S.Left, S.Top + Pasted - 1, S.Right, S.Bottom}, coCopy);
    } else {
        for (int c = S.Left + Pasted - 1; c <= S.Right; ++c)
            PasteSmartText(c, S.Top, TextAt({TDisplCol(c - Pasted + 1), TDisplRow(S.Top)}), false);
        SetRowModifiedFlag({S.Left, S.Top}, TRect{S.Left + Pasted - 1, S.Top, S.Right, S.Bottom}, coCopy);
    }
}

void TExtStringGrid::PasteBlockRepeat(const TGridRect& S, int Rows, int Cols)
{
    if (S.Top == S.Bottom || S.Left == S.Right) return;
    int rows = 0, cols = 0;
    if (Rows == 1)
        for (int r = S.Top + 1; r <= S.Bottom; ++r) {
            SetRow(r);
            PasteFromClipboardAt(S.Left, r, rows, cols);
        }
    else if (Cols == 1)
        for (int c = S.Left + 1; c <= S.Right; ++c) {
            SetCol(c);
            PasteFromClipboardAt(c, S.Top, rows, cols);
        }
    SetSelection(S);
}

void TExtStringGrid::PasteSelectionFromClipboard()
{
    ImportNotification(0, -1);
    FPasteAll = false;
    ExpandSelectionToMerges();
    const TGridRect S = Selection();
    int rows = 0, cols = 0;
    const int left = Options().Contains(goRowSelect) ? FixedCols() : S.Left;
    const int n = PasteFromClipboardAt(left, S.Top, rows, cols);
    if (!Navigation()->AllowSmartClipboard) return;
    const int cells = (S.Right - S.Left + 1) * (S.Bottom - S.Top + 1);
    if (n == cells + 1) return;
    const TRect area{S.Left, S.Top, S.Right, S.Bottom};
    if (n == 1 && cells > 1) {
        SmartFill(S);
    } else if (n > 1 && (S.Left == S.Right || S.Top == S.Bottom)) {
        if (SmartSeries(S)) {
            DoCellsChanged(area);
            return;
        }
        SmartRepeat(S, n);
    }
    PasteBlockRepeat(S, rows, cols);
    ImportNotification(2, -1);
    DoCellsChanged(area);
    ColumnsChanged();
}
