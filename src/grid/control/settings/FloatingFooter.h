#pragma once
#include <functional>
#include <string>

#include "grid/foundation/model/GridEnums.h"
#include "platform/ui/Graphics.h"

class TExtStringGrid;

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// What changed in the floating footer, so that the grid updates only what depends on it:
// the panel's look, its hint flag, its visibility, the footer style or its height.
enum TFloatingFooterChange { ffcLook, ffcShowHint, ffcVisible, ffcStyle, ffcHeight };

using TCalcFooterEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;

// The panel docked along the grid's bottom edge that stays while the rows scroll. The
// writers tell the grid (OnChange) what to update; the panel itself belongs to the grid.
class TFloatingFooter : public TPersistent {
public:
    explicit TFloatingFooter(TExtStringGrid* Grid = nullptr) : FGrid(Grid) {}

    // Calculations also count hidden rows.
    bool CalculateHiddenRows = true;
    // Off: the grid computes no footer values.
    bool EnableCalculation = true;
    TCalcFooterEvent OnCalcFooter;

    // The panel's look: repainted when changed.
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Store(FColor, Value, ffcLook); }
    // The column that fsColumnPreview shows and fsCustomPaint is given.
    int Column() const { return FColumn; }
    void SetColumn(int Value) { Store(FColumn, Value, ffcLook); }
    // The HTML template of fsCustomPreview.
    const std::string& CustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const std::string& Value) { Store(FCustomTemplate, Value, ffcLook); }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value) { Store(FShowHint, Value, ffcShowHint); }
    // With fsFixedLastRow and Visible, the grid's last row leaves the scrolling area.
    TFooterStyle FooterStyle() const { return FFooterStyle; }
    void SetFooterStyle(TFooterStyle Value) { Store(FFooterStyle, Value, ffcStyle); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { Store(FVisible, Value, ffcVisible); }
    // The grid keeps it equal to its default row height; the panel is one pixel lower.
    int Height() const { return FHeight; }
    void SetHeight(int Value) { Store(FHeight, Value, ffcHeight); }

    std::function<void(TFloatingFooter* Sender, TFloatingFooterChange Change)> OnChange;

    // A column's calculation, kept in the cell properties of the grid's last row: acNONE
    // where that cell has none. Setting one computes the column's footer value anew.
    TColumnCalcType GetColumnCalc(int Col) const;
    void SetColumnCalc(int Col, TColumnCalcType Calc);
    // Repaints the panel.
    void Invalidate()
    {
        if (OnChange) OnChange(this, ffcLook);
    }

    // From another floating footer: the look, column, template and style, Visible through
    // its writer and ShowHint quietly; BorderColor, Height, EnableCalculation and
    // OnCalcFooter stay.
    void Assign(const TPersistent& Source) override;

private:
    template <typename T> void Store(T& Field, const T& Value, TFloatingFooterChange Change)
    {
        Field = Value;
        if (OnChange) OnChange(this, Change);
    }

    TExtStringGrid* FGrid;
    int FHeight = 0;
    bool FVisible = false;
    TColor FColor = clBtnFace;
    TFooterStyle FFooterStyle = fsFixedLastRow;
    int FColumn = 0;
    std::string FCustomTemplate;
    bool FShowHint = false;
    TColor FBorderColor = clNone;
};
