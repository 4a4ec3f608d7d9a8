#pragma once
#include "grid/foundation/model/SettingsNotify.h"
#include "platform/ui/Graphics.h"

enum TProgressStyle { psXP, psClassic };

// The levelled progress bars in cells. A bar takes the colours of level 0 up to
// Level1Perc, of level 1 up to Level2Perc, then of level 2 (level 3 when stacked).
// Every writer tells the grid (OnChange) only when the value really changes.
class TGridProgressAppearance : public TPersistent {
public:
    TColor UnCompleteFontColor() const { return FValues.UnCompleteFontColor; }
    void SetUnCompleteFontColor(TColor Value) { Change(FValues.UnCompleteFontColor, Value); }
    TColor CompleteColor() const { return FValues.CompleteColor; }
    void SetCompleteColor(TColor Value) { Change(FValues.CompleteColor, Value); }
    // clNone: the grid's brush colour.
    TColor UnCompleteColor() const { return FValues.UnCompleteColor; }
    void SetUnCompleteColor(TColor Value) { Change(FValues.UnCompleteColor, Value); }
    TColor CompleteFontColor() const { return FValues.CompleteFontColor; }
    void SetCompleteFontColor(TColor Value) { Change(FValues.CompleteFontColor, Value); }
    bool Stacked() const { return FValues.Stacked; }
    void SetStacked(bool Value) { Change(FValues.Stacked, Value); }
    bool ShowPercentage() const { return FValues.ShowPercentage; }
    void SetShowPercentage(bool Value) { Change(FValues.ShowPercentage, Value); }
    bool ShowBorder() const { return FValues.ShowBorder; }
    void SetShowBorder(bool Value) { Change(FValues.ShowBorder, Value); }
    bool CompletionSmooth() const { return FValues.CompletionSmooth; }
    void SetCompletionSmooth(bool Value) { Change(FValues.CompletionSmooth, Value); }
    bool ShowGradient() const { return FValues.ShowGradient; }
    void SetShowGradient(bool Value) { Change(FValues.ShowGradient, Value); }
    int Level2Perc() const { return FValues.Level2Perc; }
    void SetLevel2Perc(int Value) { Change(FValues.Level2Perc, Value); }
    int Level1Perc() const { return FValues.Level1Perc; }
    void SetLevel1Perc(int Value) { Change(FValues.Level1Perc, Value); }
    int Steps() const { return FValues.Steps; }
    void SetSteps(int Value) { Change(FValues.Steps, Value); }
    TColor Level3Color() const { return FValues.Level3Color; }
    void SetLevel3Color(TColor Value) { Change(FValues.Level3Color, Value); }
    TColor Level1Color() const { return FValues.Level1Color; }
    void SetLevel1Color(TColor Value) { Change(FValues.Level1Color, Value); }
    TColor Level0Color() const { return FValues.Level0Color; }
    void SetLevel0Color(TColor Value) { Change(FValues.Level0Color, Value); }
    TColor Level3ColorTo() const { return FValues.Level3ColorTo; }
    void SetLevel3ColorTo(TColor Value) { Change(FValues.Level3ColorTo, Value); }
    TColor Level2ColorTo() const { return FValues.Level2ColorTo; }
    void SetLevel2ColorTo(TColor Value) { Change(FValues.Level2ColorTo, Value); }
    TColor Level0ColorTo() const { return FValues.Level0ColorTo; }
    void SetLevel0ColorTo(TColor Value) { Change(FValues.Level0ColorTo, Value); }
    TColor Level1ColorTo() const { return FValues.Level1ColorTo; }
    void SetLevel1ColorTo(TColor Value) { Change(FValues.Level1ColorTo, Value); }
    TColor BorderColor() const { return FValues.BorderColor; }
    void SetBorderColor(TColor Value) { Change(FValues.BorderColor, Value); }
    TColor Level2Color() const { return FValues.Level2Color; }
    void SetLevel2Color(TColor Value) { Change(FValues.Level2Color, Value); }
    TProgressStyle Style() const { return FValues.Style; }
    void SetStyle(TProgressStyle Value) { Change(FValues.Style, Value); }

    TNotifyEvent OnChange;

    void Changed();
    // From another progress look: every value, then one OnChange.
    void Assign(const TPersistent& Source) override;

private:
    template <typename T> void Change(T& Field, T Value) { StoreChanged(Field, Value, OnChange, this); }

    struct TValues {
        TColor UnCompleteFontColor = clWindowText;
        TColor CompleteColor = clRed;
        TColor UnCompleteColor = clNone;
        TColor CompleteFontColor = clBlue;
        bool Stacked = false;
        bool ShowPercentage = true;
        bool ShowBorder = false;
        bool CompletionSmooth = true;
        bool ShowGradient = true;
        int Level2Perc = 90;
        int Level1Perc = 70;
        int Steps = 11;
        TColor Level3Color = clRed;
        TColor Level1Color = clYellow;
        TColor Level0Color = clLime;
        TColor Level3ColorTo = 0xCACAFF;
        TColor Level2ColorTo = 0xA8D3FF;
        TColor Level0ColorTo = 0xE1FFE1;
        TColor Level1ColorTo = 0xCAFFFF;
        TColor BorderColor = clBlack;
        TColor Level2Color = 0x53A9FF;
        TProgressStyle Style = psXP;
    };
    TValues FValues;
};
