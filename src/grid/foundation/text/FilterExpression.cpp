#include "grid/foundation/text/FilterExpression.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

namespace {
enum class TJoin { None, And, Or, Group };

std::string RemoveBlanksOutsideQuotes(const std::string& text)
{
    std::string result;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (c == ' ' && !quoted) continue;
        result += c;
    }
    return result;
}

bool IsJoinChar(char c) { return c == '(' || c == ';' || c == '^' || c == '&' || c == '|'; }

size_t FindJoin(std::string_view condition)
{
    bool quoted = false;
    for (size_t i = 0; i < condition.size(); ++i) {
        if (condition[i] == '"')
            quoted = !quoted;
        else if (!quoted && IsJoinChar(condition[i]))
            return i;
    }
    return std::string_view::npos;
}

// The ")" that closes the "(" at the start, or npos when the group is never closed.
size_t FindGroupEnd(std::string_view condition)
{
    size_t open = 0;
    size_t close = 0;
    for (size_t i = 0; i < condition.size(); ++i) {
        if (condition[i] == '(') ++open;
        if (condition[i] == ')' && ++close == open) return i;
    }
    return std::string_view::npos;
}

TJoin JoinOf(char c)
{
    if (c == '&') return TJoin::And;
    if (c == '(') return TJoin::Group;
    return TJoin::Or;
}

void Combine(bool& result, TJoin before, bool value)
{
    switch (before) {
    case TJoin::None:
        result = value;
        break;
    case TJoin::And:
        result = result && value;
        break;
    case TJoin::Or:
        result = result || value;
        break;
    case TJoin::Group:
        break; // the empty term between a group's ")" and the next operator
    }
}

// The operand after a comparison sign: up to a blank (inside double quotes only when
// blankAlwaysEnds), the end, or "&" or "|" outside double quotes; the enclosing quotes are
// not part of it.
std::string ReadOperand(const std::string& term, size_t start, bool blankAlwaysEnds)
{
    size_t i = start;
    while (i < term.size() && term[i] == ' ')
        ++i;
    std::string operand;
    bool quoted = false;
    for (; i < term.size(); ++i) {
        const char c = term[i];
        if (c == '"') quoted = !quoted;
        if (c == ' ' && (!quoted || blankAlwaysEnds)) break;
        if (!quoted && (c == '&' || c == '|')) break;
        operand += c;
    }
    if (!operand.empty() && operand.front() == '"') operand.erase(0, 1);
    if (!operand.empty() && operand.back() == '"') operand.pop_back();
    return operand;
}

// A number in the user's notation: thousands separators are dropped and the decimal
// separator stands for the point; the whole text must be the number.
bool ReadFilterNumber(const std::string& text, double& number)
{
    const TFormatSettings& settings = FormatSettings();
    std::string plain;
    for (char c : text) {
        if (c == settings.ThousandSeparator) continue;
        plain += c == settings.DecimalSeparator ? '.' : c;
    }
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    if (first != last && *first == '+') ++first;
    if (first == last || *first == '+') return false;
    const auto [end, error] = std::from_chars(first, last, number, std::chars_format::general);
    return error == std::errc() && end == last && std::isfinite(number);
}

// The cell value of one evaluation. It is decoded, and read as a date and as a number, at
// most once however many terms test it, so that a condition costs what its terms cost and
// not its terms times the value's length.
class TFilterValue {
public:
    explicit TFilterValue(std::string text) : text_(std::move(text)) {}

    const std::u32string& Chars() const
    {
        if (!chars_) chars_ = utf8::Decode(text_);
        return *chars_;
    }

    const std::optional<TDateTime>& Date() const
    {
        if (!date_) {
            TDateTime date = 0;
            date_.emplace(ParseDateTimeText(text_, date) ? std::optional<TDateTime>(date) : std::nullopt);
        }
        return *date_;
    }

    const std::optional<double>& Number() const
    {
        if (!number_) {
            double number = 0;
            number_.emplace(ReadFilterNumber(text_, number) ? std::optional<double>(number) : std::nullopt);
        }
        return *number_;
    }

private:
    std::string text_;
    mutable std::optional<std::u32string> chars_;
    mutable std::optional<std::optional<TDateTime>> date_;
    mutable std::optional<std::optional<double>> number_;
};

// By code points, on at most the first 255 characters of each.
int CompareTexts(const std::u32string& value, const std::string& operand)
{
    const std::u32string right = utf8::Decode(operand);
    return std::u32string_view(value).substr(0, 255).compare(std::u32string_view(right).substr(0, 255));
}

template <typename T> int Sign(T difference) { return (difference > 0) - (difference < 0); }

// Numbers compare as numbers and dates as dates; anything else as text.
int CompareFilterValues(const TFilterValue& value, const std::string& operand)
{
    TDateTime operandDate = 0;
    const bool operandIsDate = ParseDateTimeText(operand, operandDate);
    double operandNumber = 0;
    if (!value.Date() && !operandIsDate && value.Number() && ReadFilterNumber(operand, operandNumber))
        return Sign(*value.Number() - operandNumber);
    if (value.Date() && operandIsDate) return Sign(*value.Date() - operandDate);
    return CompareTexts(value.Chars(), operand);
}

struct TComparisonPart {
    bool present = false;
    bool result = false;
};

// ">", ">=" (sign '>') or "<", "<=" (sign '<') of the term, when it has one.
TComparisonPart ComparePart(const std::string& term, const TFilterValue& value, char sign)
{
    TComparisonPart part;
    const size_t at = term.find(sign);
    if (at == std::string::npos) return part;
    const bool orEqual = at + 1 < term.size() && term[at + 1] == '=';
    const int order = CompareFilterValues(value, ReadOperand(term, at + 1 + orEqual, sign == '<'));
    part.present = true;
    part.result = sign == '>' ? (orEqual ? order >= 0 : order > 0) : (orEqual ? order <= 0 : order < 0);
    return part;
}

// "*" matches any run (also none), "?" one character; double quotes are left out and a
// "!" anywhere turns the answer round.
bool MatchWildcard(const std::string& term, const std::u32string& text)
{
    std::u32string pattern;
    bool negated = false;
    for (char32_t c : utf8::Decode(term)) {
        if (c == U'!')
            negated = true;
        else if (c != U'"')
            pattern += c;
    }
    size_t p = 0;
    size_t t = 0;
    size_t starAt = std::u32string::npos;
    size_t resumeAt = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == U'*') {
            starAt = p++;
            resumeAt = t;
        } else if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (starAt != std::u32string::npos) {
            p = starAt + 1;
            t = ++resumeAt;
        } else {
            return negated;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*')
        ++p;
    return (p == pattern.size()) != negated;
}

bool Holds(const std::string& text, char c) { return text.find(c) != std::string::npos; }

bool ReadDateField(const std::string& text, int& number) { return TryStrToInt(Trim(text), number); }

bool ReadTime(const std::string& text, TDateTime& time)
{
    const char separator = FormatSettings().TimeSeparator;
    const size_t first = text.find(separator);
    if (first == std::string::npos) return false;
    int hour = 0;
    int minute = 0;
    int second = 0;
    const size_t secondAt = text.find(separator, first + 1);
    const std::string minuteText =
        text.substr(first + 1, secondAt == std::string::npos ? std::string::npos : secondAt - first - 1);
    if (!ReadDateField(text.substr(0, first), hour) || !ReadDateField(minuteText, minute)) return false;
    if (secondAt != std::string::npos && !ReadDateField(text.substr(secondAt + 1), second)) return false;
    if (hour < 0 || hour > 23 || minute < 0 || minute >= 60 || second < 0 || second >= 60) return false;
    time = EncodeTime(hour, minute, second, 0);
    return true;
}

// One term, already upper-cased when case does not matter, against the value.
bool MatchTerm(const std::string& term, const TFilterValue& value)
{
    TComparisonPart greater = ComparePart(term, value, '>');
    TComparisonPart less = ComparePart(term, value, '<');
    if (Holds(term, '!')) greater.present = less.present = true;
    if (Holds(term, '^') && (greater.present || less.present)) return greater.result || less.result;
    if (Holds(term, '&') && greater.present && less.present) return greater.result && less.result;
    if (Holds(term, '>') && greater.result) return true;
    if (Holds(term, '<') && less.result) return true;
    return MatchWildcard(term, value.Chars());
}

// Nobody writes groups this deep; a condition that does is refused as unreadable instead
// of being allowed to exhaust the stack.
constexpr int kMaxGroupDepth = 100;

// Evaluates a condition against one value. Groups are read as views of the one prepared
// text, so that nesting costs no copy of the text inside each group.
class TConditionEvaluator {
public:
    TConditionEvaluator(const std::string& value, bool caseSensitive)
        : value_(caseSensitive ? value : AnsiUpperCase(value)), caseSensitive_(caseSensitive)
    {
    }

    // Empty when the condition cannot be read.
    std::optional<bool> Evaluate(std::string_view condition, int depth) const
    {
        if (depth > kMaxGroupDepth) return std::nullopt;
        condition = TrimView(condition);
        if (!condition.empty() && condition[0] == '=') condition.remove_prefix(1);
        bool result = false;
        TJoin before = TJoin::None;
        for (size_t at = FindJoin(condition); at != std::string_view::npos; at = FindJoin(condition)) {
            if (condition[0] == '(') {
                const size_t end = FindGroupEnd(condition);
                if (end == std::string_view::npos) return std::nullopt;
                const auto group = Evaluate(condition.substr(1, end - 1), depth + 1);
                if (!group) return std::nullopt;
                Combine(result, before, *group);
                before = TJoin::Group;
                condition.remove_prefix(end + 1);
            } else {
                Combine(result, before, TestTerm(condition.substr(0, at)));
                before = JoinOf(condition[at]);
                condition.remove_prefix(at + 1);
            }
        }
        Combine(result, before, TestTerm(condition));
        return result;
    }

private:
    bool TestTerm(std::string_view term) const
    {
        const std::string text(term);
        return MatchTerm(caseSensitive_ ? text : AnsiUpperCase(text), value_);
    }

    TFilterValue value_; // upper-cased once when case does not matter
    bool caseSensitive_;
};
} // namespace

bool MatchesFilterExpression(const std::string& condition, const std::string& value, bool caseSensitive)
{
    const std::string prepared = RemoveBlanksOutsideQuotes(Trim(condition));
    return TConditionEvaluator(value, caseSensitive).Evaluate(prepared, 0).value_or(false);
}

bool MatchComparison(const std::string& term, const std::string& value)
{
    return MatchTerm(term, TFilterValue(value));
}

bool ParseDateTimeText(const std::string& text, TDateTime& value)
{
    const TFormatSettings& settings = FormatSettings();
    const std::string format = UpperCase(settings.ShortDateFormat);
    const size_t first = text.find(settings.DateSeparator);
    if (first == std::string::npos) return false;
    const size_t second = text.find(settings.DateSeparator, first + 1);
    if (second == std::string::npos) return false;

    std::string third = Trim(text.substr(second + 1));
    std::string timeText;
    const size_t blank = third.find(' ');
    if (blank != std::string::npos) {
        timeText = Trim(third.substr(blank + 1));
        third.erase(blank);
    }
    const std::string fields[3] = {text.substr(0, first), text.substr(first + 1, second - first - 1), third};
    int numbers[3] = {};
    for (int i = 0; i < 3; ++i)
        if (!ReadDateField(fields[i], numbers[i])) return false;

    // Day, month and year stand in the order of their letters in the format.
    const size_t at[3] = {format.find('D'), format.find('M'), format.find('Y')};
    int parts[3] = {}; // day, month, year
    for (int part = 0; part < 3; ++part) {
        int rank = 0;
        for (int other = 0; other < 3; ++other)
            rank += at[other] < at[part];
        parts[part] = numbers[rank];
    }
    const int day = parts[0];
    const int month = parts[1];
    const int year = parts[2];
    if (day > 31 || month > 12) return false;
    try {
        TDateTime time = 0;
        if (!timeText.empty() && !ReadTime(timeText, time)) return false;
        value = EncodeDate(year, month, day) + time;
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}
