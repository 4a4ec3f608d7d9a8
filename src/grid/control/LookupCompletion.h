#pragma once
#include <functional>
#include <string>

#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

// Completion of typed text from a list, as the grid's editors offer it.

// The index of the first of Count items (read through ItemAt) that starts with Typed, letter
// case ignored unless CaseSensitive; -1 when none does or Typed is empty.
int FindCompletion(int Count, const std::function<std::string(int)>& ItemAt, const std::string& Typed,
                   bool CaseSensitive);

// The editor shows Typed as typed followed by the rest of Item (at most 255 characters of
// it), with that rest selected.
template <typename TEditor>
void ShowCompletion(TEditor& Editor, const std::string& Typed, const std::string& Item)
{
    const int typedLength = Length(Typed);
    Editor.SetText(Typed + Copy(Item, typedLength + 1, 255));
    Editor.SetSelStart(typedLength);
    Editor.SetSelLength(Length(Editor.Text()) - typedLength);
}

// Completes the text up to the caret from a list, when nothing is selected.
template <typename TEditor>
void CompleteFromList(TEditor& Editor, const TStringList& Items, bool CaseSensitive)
{
    if (Editor.SelLength() != 0) return;
    const std::string typed = Copy(Editor.Text(), 1, Editor.SelStart());
    const int found = FindCompletion(
        Items.Count(), [&Items](int i) { return Items.Strings(i); }, typed, CaseSensitive);
    if (found >= 0) ShowCompletion(Editor, typed, Items.Strings(found));
}
