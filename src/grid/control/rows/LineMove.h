#pragma once

// A block of Count lines that moves so that its first line, at From, stands at To; the
// lines it passes shift by Count the other way.
struct TLineMove {
    int From = 0;
    int Count = 1;
    int To = 0;

    // Where Line stands after the move.
    constexpr int Map(int Line) const
    {
        if (Line >= From && Line < From + Count) return To + (Line - From);
        if (From < To && Line >= From + Count && Line < To + Count) return Line - Count;
        if (To < From && Line >= To && Line < From) return Line + Count;
        return Line;
    }
};
