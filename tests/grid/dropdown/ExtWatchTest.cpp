#include <gtest/gtest.h>

#include <set>

#include "grid/dropdown/ExtWatch.h"
#include "grid/dropdown/WatchGeometry.h"
#include "platform/rtl/Exceptions.h"

namespace {
struct HM {
    int Hour, Minute;
};

HM Shown(const TExtWatch& Watch)
{
    int H = 0, M = 0, S = 0, Ms = 0;
    DecodeTime(Watch.Time(), H, M, S, Ms);
    return {H, M};
}

// Runs the animation to its end, noting every minute the hand passes.
std::vector<int> RunAnimation(TExtWatch& Watch)
{
    std::vector<int> Minutes;
    for (int Tick = 0; Tick < 200 && Watch.Animating(); ++Tick) {
        Watch.AnimationTimerTick();
        Minutes.push_back(Shown(Watch).Minute);
    }
    return Minutes;
}
} // namespace

TEST(WatchGeometry, DialMinutesAndHours)
{
    EXPECT_EQ(WatchDialRect(TSize{180, 180}, 0), (TRect{10, 10, 170, 170}));
    EXPECT_EQ(WatchDialRect(TSize{200, 100}, 500), (TRect{50, 0, 150, 100}));
    const TPoint C{90, 90};
    EXPECT_EQ(MinuteAtPoint(C, 90, 10), 0); // straight up
    EXPECT_EQ(MinuteAtPoint(C, 170, 90), 15);
    EXPECT_EQ(MinuteAtPoint(C, 90, 170), 30);
    EXPECT_EQ(MinuteAtPoint(C, 10, 90), 45);
    EXPECT_EQ(HourAtPoint(C, 90, 10, true), 0);
    EXPECT_EQ(HourAtPoint(C, 90, 10, false), 12);
    // The 59-minute position rounds to 12 on the dial.
    const TPoint Late = PointAt(C, 59 * 6, 60);
    EXPECT_EQ(HourAtPoint(C, Late.X, Late.Y, true), 12);
    EXPECT_EQ(HourAtPoint(C, Late.X, Late.Y, false), 0);
}

TEST(ExtWatch, KeysWrapAroundTheHour)
{
    TExtWatch Watch(nullptr);
    Watch.Animation = false;
    Watch.SetTime(EncodeTime(23, 59, 0, 0));
    Watch.WatchKeyDown(VK_RIGHT);
    EXPECT_EQ(Shown(Watch).Hour, 0);
    EXPECT_EQ(Shown(Watch).Minute, 0);
    Watch.WatchKeyDown(VK_LEFT);
    EXPECT_EQ(Shown(Watch).Hour, 23);
    EXPECT_EQ(Shown(Watch).Minute, 59);
    Watch.WatchKeyDown(VK_HOME);
    EXPECT_EQ(Shown(Watch).Hour, 12);
    Watch.WatchKeyDown('A');
    EXPECT_EQ(Shown(Watch).Hour, 0);
    EXPECT_TRUE(Watch.AM());
    EXPECT_THROW(Watch.SetMinute(60), Exception);
}

TEST(ExtWatch, AnimatedMinutesTakeTheShortWayAroundZero)
{
    TExtWatch Watch(nullptr);
    int Changes = 0;
    Watch.OnChange = [&](TObject*) { ++Changes; };
    Watch.SetTime(EncodeTime(5, 45, 0, 0));
    Watch.SetMinute(0);
    RunAnimation(Watch);
    EXPECT_EQ(Shown(Watch).Hour, 6) << "forward through 59 moves the hour on";
    EXPECT_EQ(Shown(Watch).Minute, 0);
    EXPECT_EQ(Changes, 1);

    Watch.SetTime(EncodeTime(5, 10, 0, 0));
    Watch.SetMinute(0);
    RunAnimation(Watch);
    EXPECT_EQ(Shown(Watch).Hour, 5) << "backward to 0 keeps the hour";

    Watch.SetTime(EncodeTime(5, 50, 0, 0));
    Watch.SetMinute(5);
    const std::vector<int> Passed = RunAnimation(Watch);
    EXPECT_EQ(Shown(Watch).Minute, 5);
    EXPECT_TRUE(std::any_of(Passed.begin(), Passed.end(), [](int M) { return M > 5 && M < 30; }))
        << "from 50 to 5 the hand runs backward through 30";
}

TEST(ExtWatch, PresetLooks)
{
    TExtWatch Watch(nullptr);
    Watch.SetStyle(wsClassic);
    EXPECT_EQ(Watch.Appearance()->HourMarkLength(), 0) << "the style is already stored";
    Watch.SetComponentStyle(tsOffice2007Luna);
    Watch.SetStyle(wsSuperNova);
    EXPECT_EQ(Watch.Appearance()->HourMarkLength(), 40);
    EXPECT_EQ(Watch.Appearance()->MinuteMarkLength(), 60);
    EXPECT_EQ(Watch.Appearance()->BackgroundColor(), TColor(0xFFFFFF)) << "the preset starts from the defaults";
    Watch.SetStyle(wsSports);
    EXPECT_EQ(Watch.Appearance()->CenterPointSize(), 50);
    Watch.SetShowAMPM(true);
    Watch.SetStyle(wsTower);
    EXPECT_TRUE(Watch.ShowAMPM()) << "the tower leaves the AM/PM box as it was";
    EXPECT_FALSE(Watch.ShowNumbers());
    Watch.SetStyle(wsClassic);
    EXPECT_EQ(Watch.Appearance()->HourMarkLength(), 8);
}
