#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Graphics.h"

// The names under which the cell stream writes colours: a value goes out under the first
// name whose value equals it, other values as numbers.
std::optional<std::string> ColorToIdent(TColor Value);
std::optional<TColor> IdentToColor(const std::string& Name);

// The value names of one enumeration, in the order of its values.
class TIdentNames {
public:
    explicit TIdentNames(std::vector<std::string> Names) : FNames(std::move(Names)) {}
    // The name of an ordinal; an ordinal without one raises, as it cannot be written.
    const std::string& Name(int Ordinal) const;
    // The ordinal of a name; a name the enumeration lacks raises EReadError.
    int Ordinal(const std::string& Name) const;
    template <typename E>
    E Value(const std::string& Name) const
    {
        return static_cast<E>(Ordinal(Name));
    }

private:
    std::vector<std::string> FNames;
};

const TIdentNames& AlignmentNames();
const TIdentNames& VAlignmentNames();
const TIdentNames& BrushStyleNames();
const TIdentNames& GradientDirectionNames();
const TIdentNames& EditorTypeNames();
const TIdentNames& FontStyleNames();
const TIdentNames& CellTypeNames();
const TIdentNames& CellVAlignNames();
const TIdentNames& CellHAlignNames();
const TIdentNames& CheckBoxStateNames();
