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

template <typename T> int Sign(T difference) { return (difference > 0) - (difference < 0); }

// The operand of a comparison, read once as a date, a number and characters.
struct TOperand {
    std::optional<TDateTime> date;
    std::optional<double> number;
    std::u32string chars; // at most the first 255 characters: texts compare on those only

    explicit TOperand(const std::string& text) : chars(utf8::Decode(text))
    {
        TDateTime operandDate = 0;
        if (ParseDateTimeText(text, operandDate)) date = operandDate;
        double operandNumber = 0;
        if (ReadFilterNumber(text, operandNumber)) number = operandNumber;
        if (chars.size() > 255) chars.resize(255);
    }

    // Numbers compare as numbers and dates as dates; anything else as text.
    int CompareWith(const TFilterValue& value) const
    {
        if (!value.Date() && !date && value.Number() && number) return Sign(*value.Number() - *number);
        if (value.Date() && date) return Sign(*value.Date() - *date);
        return std::u32string_view(value.Chars()).substr(0, 255).compare(chars);
    }
};

// ">", ">=" (sign '>') or "<", "<=" (sign '<') of a term, when it has one.
class TComparison {
public:
    TComparison(const std::string& term, char sign) : sign_(sign)
    {
        const size_t at = term.find(sign);
        if (at == std::string::npos) return;
        orEqual_ = at + 1 < term.size() && term[at + 1] == '=';
        operand_.emplace(ReadOperand(term, at + 1 + orEqual_, sign == '<'));
    }

    bool Present() const { return operand_.has_value(); }

    bool Holds(const TFilterValue& value) const
    {
        if (!operand_) return false;
        const int order = operand_->CompareWith(value);
        return sign_ == '>' ? (orEqual_ ? order >= 0 : order > 0) : (orEqual_ ? order <= 0 : order < 0);
    }

private:
    char sign_;
    bool orEqual_ = false;
    std::optional<TOperand> operand_;
};

// "*" matches any run (also none), "?" one character; double quotes are left out and a
// "!" anywhere turns the answer round.
class TWildcard {
public:
    explicit TWildcard(const std::string& term)
    {
        for (char32_t c : utf8::Decode(term)) {
            if (c == U'!')
                negated_ = true;
            else if (c != U'"')
                pattern_ += c;
        }
    }

    bool Matches(const std::u32string& text) const
    {
        size_t p = 0;
        size_t t = 0;
        size_t starAt = std::u32string::npos;
        size_t resumeAt = 0;
        while (t < text.size()) {
            if (p < pattern_.size() && pattern_[p] == U'*') {
                starAt = p++;
                resumeAt = t;
            } else if (p < pattern_.size() && (pattern_[p] == U'?' || pattern_[p] == text[t])) {
                ++p;
                ++t;
            } else if (starAt != std::u32string::npos) {
                p = starAt + 1;
                t = ++resumeAt;
            } else {
                return negated_;
            }
        }
        while (p < pattern_.size() && pattern_[p] == U'*')
            ++p;
        return (p == pattern_.size()) != negated_;
    }

private:
    std::u32string pattern_;
    bool negated_ = false;
};

bool Holds(const std::string& text, char c) { return text.find(c) != std::string::npos; }

// One term, already upper-cased when case does not matter, read once for many values.
class TTerm {
public:
    explicit TTerm(const std::string& term)
        : greater_(term, '>'), less_(term, '<'), wildcard_(term), bang_(Holds(term, '!')),
          either_(Holds(term, '^')), both_(Holds(term, '&')), greaterSign_(Holds(term, '>')),
          lessSign_(Holds(term, '<'))
    {
    }

    bool Matches(const TFilterValue& value) const
    {
        const bool greaterPresent = greater_.Present() || bang_;
        const bool lessPresent = less_.Present() || bang_;
        const auto greater = [&] { return greater_.Holds(value); };
        const auto less = [&] { return less_.Holds(value); };
        if (either_ && (greaterPresent || lessPresent)) return greater() || less();
        if (both_ && greaterPresent && lessPresent) return greater() && less();
        if (greaterSign_ && greater()) return true;
        if (lessSign_ && less()) return true;
        return wildcard_.Matches(value.Chars());
    }

private:
    TComparison greater_;
    TComparison less_;
    TWildcard wildcard_;
    bool bang_;
    bool either_;
    bool both_;
    bool greaterSign_;
    bool lessSign_;
};

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

// Nobody writes groups this deep; a condition that does is refused as unreadable instead
// of being allowed to exhaust the stack.
constexpr int kMaxGroupDepth = 100;
} // namespace

// A condition is a row of terms and groups, each joined to what stands before it, applied
// strictly from left to right. Groups are read as views of the one prepared text, so that
// nesting costs no copy of the text inside each group.
struct TFilterCondition::TSequence {
    struct TStep {
        TJoin before;
        std::optional<TTerm> term;            // a term, or
        std::unique_ptr<TSequence> group;     // a group in parentheses
    };
    std::vector<TStep> steps;

    // Empty when the condition cannot be read.
    static std::unique_ptr<TSequence> Read(std::string_view condition, int depth, bool caseSensitive)
    {
        if (depth > kMaxGroupDepth) return nullptr;
        auto sequence = std::make_unique<TSequence>();
        condition = TrimView(condition);
        if (!condition.empty() && condition[0] == '=') condition.remove_prefix(1);
        TJoin before = TJoin::None;
        for (size_t at = FindJoin(condition); at != std::string_view::npos; at = FindJoin(condition)) {
            if (condition[0] == '(') {
                const size_t end = FindGroupEnd(condition);
                if (end == std::string_view::npos) return nullptr;
                auto group = Read(condition.substr(1, end - 1), depth + 1, caseSensitive);
                if (!group) return nullptr;
                sequence->Add(before, std::move(group));
                before = TJoin::Group;
                condition.remove_prefix(end + 1);
            } else {
                sequence->Add(before, condition.substr(0, at), caseSensitive);
                before = JoinOf(condition[at]);
                condition.remove_prefix(at + 1);
            }
        }
        sequence->Add(before, condition, caseSensitive);
        return sequence;
    }

    bool Matches(const TFilterValue& value) const
    {
        bool result = false;
        for (const TStep& step : steps)
            if (step.before != TJoin::Group) // the empty term between a group's ")" and the next operator
                Combine(result, step.before, step.term ? step.term->Matches(value) : step.group->Matches(value));
        return result;
    }

private:
    void Add(TJoin before, std::unique_ptr<TSequence> group) { steps.push_back({before, std::nullopt, std::move(group)}); }

    void Add(TJoin before, std::string_view term, bool caseSensitive)
    {
        const std::string text(term);
        steps.push_back({before, TTerm(caseSensitive ? text : AnsiUpperCase(text)), nullptr});
    }
};

TFilterCondition::TFilterCondition(const std::string& condition, bool caseSensitive)
    : sequence_(TSequence::Read(RemoveBlanksOutsideQuotes(Trim(condition)), 0, caseSensitive)),
      caseSensitive_(caseSensitive)
{
}

TFilterCondition::~TFilterCondition() = default;
TFilterCondition::TFilterCondition(TFilterCondition&&) noexcept = default;
TFilterCondition& TFilterCondition::operator=(TFilterCondition&&) noexcept = default;

bool TFilterCondition::Matches(const std::string& value) const
{
    return sequence_ && sequence_->Matches(TFilterValue(caseSensitive_ ? value : AnsiUpperCase(value)));
}

const TFilterCondition& TFilterConditionCache::For(size_t item, const std::string& condition, bool caseSensitive)
{
    if (item >= entries_.size()) entries_.resize(item + 1);
    std::optional<TEntry>& entry = entries_[item];
    if (!entry || entry->condition != condition || entry->caseSensitive != caseSensitive)
        entry.emplace(TEntry{condition, caseSensitive, TFilterCondition(condition, caseSensitive)});
    return entry->read;
}

bool MatchesFilterExpression(const std::string& condition, const std::string& value, bool caseSensitive)
{
    return TFilterCondition(condition, caseSensitive).Matches(value);
}

bool MatchComparison(const std::string& term, const std::string& value)
{
    return TTerm(term).Matches(TFilterValue(value));
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
