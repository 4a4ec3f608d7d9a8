#include "grid/dropdown/WatchGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
int RoundHalfEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }
} // namespace

TRect WatchDialRect(TSize Client, int Size)
{
    int Side = Size > 0 ? std::min(std::min(Size, Client.cy), Client.cx) : std::min(Client.cx, Client.cy) - 20;
    const int Left = (Client.cx - Side) / 2, Top = (Client.cy - Side) / 2;
    return TRect{Left, Top, Left + Side, Top + Side};
}

int MinuteAtPoint(TPoint Centre, int X, int Y)
{
    const int Dx = std::max(std::abs(Centre.X - X), 1), Dy = std::max(std::abs(Centre.Y - Y), 1);
    const int F = RoundHalfEven(std::atan(static_cast<double>(Dy) / Dx) * 180 / std::numbers::pi / 6);
    int Minute;
    if (X >= Centre.X && Y >= Centre.Y) Minute = F + 15;
    else if (X <= Centre.X && Y >= Centre.Y) Minute = 45 - F;
    else if (X <= Centre.X && Y <= Centre.Y) Minute = F + 45;
    else Minute = 15 - F;
    return Minute < 0 || Minute > 59 ? 0 : Minute;
}

int HourAtPoint(TPoint Centre, int X, int Y, bool AM)
{
    const int C = RoundHalfEven(MinuteAtPoint(Centre, X, Y) / 5.0);
    if (C <= 0) return AM ? 0 : 12;
    const int Hour = AM ? C : C + 12;
    return Hour == 24 ? 0 : Hour;
}

TRect AMPMBoxRect(TPoint Centre, int Radius, TSize Label)
{
    const int Width = Label.cx + 8;
    const int Top = Centre.Y + RoundHalfEven((Radius - Label.cy) / 3.0);
    const int Left = Centre.X - Width / 2;
    return TRect{Left, Top, Left + Width, Top + Label.cy};
}

TPoint PointAt(TPoint Centre, double Degrees, double Distance)
{
    const double Radians = Degrees * std::numbers::pi / 180;
    return TPoint{RoundHalfEven(Centre.X + Distance * std::sin(Radians)), RoundHalfEven(Centre.Y - Distance * std::cos(Radians))};
}
