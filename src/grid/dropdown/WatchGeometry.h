#pragma once
#include "platform/ui/Types.h"

// Where an analogue clock's dial stands and what its points mean.

// The dial square: Size capped by the client area, or 20 pixels less than the smaller client
// side when Size is 0 or less; centred.
TRect WatchDialRect(TSize Client, int Size);
// The minute (0..59) that a point shows, seen from the centre.
int MinuteAtPoint(TPoint Centre, int X, int Y);
// The hour (0..23) that a point shows in the given half of the day.
int HourAtPoint(TPoint Centre, int X, int Y, bool AM);
// The AM/PM box: the label's width plus 8 by its height, centred below the centre point.
TRect AMPMBoxRect(TPoint Centre, int Radius, TSize Label);
// The point at a distance from the centre in a direction given clockwise from 12 o'clock.
TPoint PointAt(TPoint Centre, double Degrees, double Distance);
