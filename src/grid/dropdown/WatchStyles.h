#pragma once
#include <optional>

#include "grid/dropdown/WatchAppearance.h"
#include "grid/foundation/painting/OfficeTheme.h"

enum TWatchStyle {
    wsClassic,
    wsTower,
    wsFluorescent,
    wsEmerald,
    wsBlueStar,
    wsFuchsia,
    wsBlack,
    wsBlackWhite,
    wsGray,
    wsSuperNova,
    wsSports,
    wsSmooth
};

// What a preset look sets on the clock itself besides its appearance; empty: unchanged.
struct TWatchPresetFlags {
    std::optional<bool> ShowAMPM;
    std::optional<bool> ShowNumbers;
    std::optional<bool> Animation;
    std::optional<int> AnimationFactor;
};

// Resets the appearance and loads a preset look; some presets size their marks from the
// clock's client size.
TWatchPresetFlags ApplyWatchPreset(TWatchAppearance& A, TWatchStyle Style, TSize ClientSize);

// Recolours an appearance to match a colour style.
void ApplyWatchColorStyle(TWatchAppearance& A, TSuiteStyle Style);
