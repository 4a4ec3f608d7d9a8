#include "grid/dropdown/TextCompletion.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

TTextCompletion CompleteText(const std::vector<std::string>& Candidates, const std::string& Text, int Caret, bool MatchCase)
{
    const std::u32string Shown = utf8::Decode(Text);
    const int Typed = std::clamp(Caret, 0, static_cast<int>(Shown.size()));
    const std::string TypedText = utf8::Encode(Shown.substr(0, Typed));
    TTextCompletion Result{-1, TypedText, Typed};
    if (TypedText.empty()) return Result;
    const std::string Key = MatchCase ? TypedText : AnsiUpperCase(TypedText);
    for (int I = 0; I < static_cast<int>(Candidates.size()); ++I) {
        const std::string Candidate = MatchCase ? Candidates[I] : AnsiUpperCase(Candidates[I]);
        if (Candidate.rfind(Key, 0) != 0) continue;
        const std::u32string Whole = utf8::Decode(Candidates[I]);
        Result.Index = I;
        Result.Text = TypedText + utf8::Encode(Whole.substr(std::min(static_cast<size_t>(Typed), Whole.size()), 255));
        return Result;
    }
    return Result;
}
