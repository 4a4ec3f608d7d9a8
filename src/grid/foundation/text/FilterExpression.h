#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/rtl/DateUtils.h"

// The condition language of the grid's row filter and of its find with expressions: terms
// joined by "&" (and) or "|", ";", "^" (or), applied strictly from left to right, with
// parentheses for grouping. A term is a comparison (">5", "<=01.01.2012", ">b") or a
// wildcard pattern ("A*", "?b", "!*test*"); double quotes protect blanks and operators.

// A condition read once, to test many values against it: a filter pass tests every row.
// A condition that cannot be read (an unbalanced "(", or groups nested more than a
// hundred deep) matches nothing.
class TFilterCondition {
public:
    TFilterCondition(const std::string& condition, bool caseSensitive);
    ~TFilterCondition();
    TFilterCondition(TFilterCondition&&) noexcept;
    TFilterCondition& operator=(TFilterCondition&&) noexcept;

    // True when the cell value satisfies the condition.
    bool Matches(const std::string& value) const;

private:
    struct TSequence;
    std::unique_ptr<TSequence> sequence_;
    bool caseSensitive_;
};

// The conditions of a filter's items for one pass over the rows: each is read at its first
// use and again only when its text or case changes. A new pass starts with Clear, so that
// a change of the date or number format between passes is seen.
class TFilterConditionCache {
public:
    const TFilterCondition& For(size_t item, const std::string& condition, bool caseSensitive);
    void Clear() { entries_.clear(); }

private:
    struct TEntry {
        std::string condition;
        bool caseSensitive;
        TFilterCondition read;
    };
    std::vector<std::optional<TEntry>> entries_;
};

// One value against a condition read for it alone.
bool MatchesFilterExpression(const std::string& condition, const std::string& value, bool caseSensitive);

// One term against one value, both already upper-cased when case does not matter.
bool MatchComparison(const std::string& term, const std::string& value);

// A date in the order and with the separator of the short date format, optionally followed
// by a blank and a time; false when the text is no such date or names none that exists.
bool ParseDateTimeText(const std::string& text, TDateTime& value);
