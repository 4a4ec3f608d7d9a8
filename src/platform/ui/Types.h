#pragma once
#include <algorithm>

// Points, sizes and rectangles in pixels. A rectangle holds its left and top edges and
// excludes its right and bottom edges: Rect(0, 0, 10, 5) covers 10 x 5 pixels.

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int x, int y) { return {x, y}; }
inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

inline bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }
inline TRect OffsetRect(TRect r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }
inline TRect InflateRect(TRect r, int dx, int dy) { return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy}; }

// The common part of two rectangles; false (and an empty result) when they do not meet.
inline bool IntersectRect(TRect& result, const TRect& a, const TRect& b)
{
    result = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
              std::min(a.Bottom, b.Bottom)};
    if (result.IsEmpty()) {
        result = {};
        return false;
    }
    return true;
}

// The smallest rectangle holding both; an empty rectangle adds nothing.
inline TRect UnionRect(const TRect& a, const TRect& b)
{
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// Horizontal and vertical placement of text and content.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
using TLeftRight = TAlignment;  // taLeftJustify or taRightJustify
enum TTextLayout { tlTop, tlCenter, tlBottom };
