#pragma once
#include "platform/ui/Graphics.h"

// Alternating row colours: PrimaryLength rows in PrimaryColor, then SecondaryLength rows
// in SecondaryColor. The colours and lengths tell the grid (OnChange) only while Active.
class TBands : public TPersistent {
public:
    bool Active() const { return FActive; }
    void SetActive(bool Value); // OnChange when changed
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor Value);
    int PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int Value);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor Value);
    int SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int Value);
    int TotalLength() const { return FPrimaryLength + FSecondaryLength; }
    bool Print = false; // the bands are printed too

    TNotifyEvent OnChange;

    // Copies the bands without firing OnChange.
    void Assign(const TPersistent& Source) override;

private:
    template <typename T> void Change(T& Field, T Value);

    bool FActive = false;
    TColor FPrimaryColor = clInfoBk;
    int FPrimaryLength = 1;
    TColor FSecondaryColor = clWindow;
    int FSecondaryLength = 1;
};
