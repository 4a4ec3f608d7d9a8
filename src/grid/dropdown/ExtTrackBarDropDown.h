#pragma once
#include "grid/dropdown/ExtDropDown.h"

class TTrackBar;

// A pick-only drop-down for an integer in a range: the popup holds a track bar, the edit
// shows its position. Up and Down step the position by Frequency (Up lowers it); dragging the
// mouse across the closed edit moves it by one per PageSize pixels.
class TExtTrackBarDropDown : public TExtCustomDropDown {
public:
    explicit TExtTrackBarDropDown(TComponent* owner);

    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value);
    // At least 1: it divides the mouse drag.
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value);
    TTrackBar* TrackBar() const { return FTrackBar; }

    TNotifyEvent OnTrackChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Change() override;

private:
    void TrackChanged();

    TTrackBar* FTrackBar = nullptr;
    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    int FPageSize = 2;
    bool FDragging = false;
    int FDragX = 0;
};
