#pragma once
#include <array>
#include <functional>
#include <memory>

#include "grid/foundation/model/SettingsNotify.h"
#include "platform/ui/Graphics.h"

class THeaderAppearance;
class TFooterAppearance;

// The gradients of fixed cells: plain, hovered and pressed. The grid keeps its own copy of
// each (its suite gradient colours), which the control look's writers update.
enum TFixedGradient {
    fgFrom,
    fgTo,
    fgMirrorFrom,
    fgMirrorTo,
    fgHoverFrom,
    fgHoverTo,
    fgHoverMirrorFrom,
    fgHoverMirrorTo,
    fgHoverBorder,
    fgDownFrom,
    fgDownTo,
    fgDownMirrorFrom,
    fgDownMirrorTo,
    fgDownBorder
};
constexpr int FixedGradientCount = fgDownBorder + 1;

// How the grid draws its in-cell controls and the hover and down looks of fixed cells.
class TControlLook : public TPersistent {
public:
    enum TControlStyle { csClassic, csFlat, csWinXP, csBorland, csSuite, csGlyph, csTheme };

    TControlLook();
    ~TControlLook() override;

    // Plain values: nothing to repaint.
    TColor ProgressBorderColor = clGray;
    bool FixedDropDownButton = false;
    bool CheckAlwaysActive = false;
    bool RadioAlwaysActive = false;
    int DropDownCount = 8;
    int HintMaxWidth = 0;

    // These writers store and repaint the grid (OnChange), changed or not.
    int CheckSize() const { return FCheckSize; }
    void SetCheckSize(int Value) { Repaint(FCheckSize, Value); }
    int RadioSize() const { return FRadioSize; }
    void SetRadioSize(int Value) { Repaint(FRadioSize, Value); }
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { Repaint(FControlStyle, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Repaint(FColor, Value); }
    TColor CommentColor() const { return FCommentColor; } // clNone hides the comment marks
    void SetCommentColor(TColor Value) { Repaint(FCommentColor, Value); }
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool Value) { Repaint(FFlatButton, Value); }
    int ProgressMarginX() const { return FProgressMarginX; }
    void SetProgressMarginX(int Value) { Repaint(FProgressMarginX, Value); }
    int ProgressMarginY() const { return FProgressMarginY; }
    void SetProgressMarginY(int Value) { Repaint(FProgressMarginY, Value); }
    bool ProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool Value) { Repaint(FProgressXP, Value); }
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool Value) { Repaint(FDropDownAlwaysVisible, Value); }
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool Value) { Repaint(FSpinButtonsAlwaysVisible, Value); }
    bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool Value) { Repaint(FNoDisabledCheckRadioLook, Value); }
    bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool Value) { Repaint(FNoDisabledButtonLook, Value); }

    // The csGlyph pictures, owned; the writers copy and repaint.
    TBitmap* CheckedGlyph() const { return FCheckedGlyph.get(); }
    void SetCheckedGlyph(const TBitmap& Value) { RepaintGlyph(*FCheckedGlyph, Value); }
    TBitmap* UnCheckedGlyph() const { return FUnCheckedGlyph.get(); }
    void SetUnCheckedGlyph(const TBitmap& Value) { RepaintGlyph(*FUnCheckedGlyph, Value); }
    TBitmap* RadioOnGlyph() const { return FRadioOnGlyph.get(); }
    void SetRadioOnGlyph(const TBitmap& Value) { RepaintGlyph(*FRadioOnGlyph, Value); }
    TBitmap* RadioOffGlyph() const { return FRadioOffGlyph.get(); }
    void SetRadioOffGlyph(const TBitmap& Value) { RepaintGlyph(*FRadioOffGlyph, Value); }

    // The header and footer of the drop-down editors, owned; the writers copy.
    THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
    void SetDropDownHeader(const THeaderAppearance& Value);
    TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
    void SetDropDownFooter(const TFooterAppearance& Value);

    // The writer stores and hands the colour to the grid (OnFixedGradient): the mirror
    // colours always, the others only when they are a colour (not clNone).
    TColor FixedGradient(TFixedGradient Which) const { return FFixedGradients[Which]; }
    void SetFixedGradient(TFixedGradient Which, TColor Value);
    TColor FixedGradientFrom() const { return FixedGradient(fgFrom); }
    void SetFixedGradientFrom(TColor Value) { SetFixedGradient(fgFrom, Value); }
    TColor FixedGradientTo() const { return FixedGradient(fgTo); }
    void SetFixedGradientTo(TColor Value) { SetFixedGradient(fgTo, Value); }
    TColor FixedGradientMirrorFrom() const { return FixedGradient(fgMirrorFrom); }
    void SetFixedGradientMirrorFrom(TColor Value) { SetFixedGradient(fgMirrorFrom, Value); }
    TColor FixedGradientMirrorTo() const { return FixedGradient(fgMirrorTo); }
    void SetFixedGradientMirrorTo(TColor Value) { SetFixedGradient(fgMirrorTo, Value); }
    TColor FixedGradientHoverFrom() const { return FixedGradient(fgHoverFrom); }
    void SetFixedGradientHoverFrom(TColor Value) { SetFixedGradient(fgHoverFrom, Value); }
    TColor FixedGradientHoverTo() const { return FixedGradient(fgHoverTo); }
    void SetFixedGradientHoverTo(TColor Value) { SetFixedGradient(fgHoverTo, Value); }
    TColor FixedGradientHoverMirrorFrom() const { return FixedGradient(fgHoverMirrorFrom); }
    void SetFixedGradientHoverMirrorFrom(TColor Value) { SetFixedGradient(fgHoverMirrorFrom, Value); }
    TColor FixedGradientHoverMirrorTo() const { return FixedGradient(fgHoverMirrorTo); }
    void SetFixedGradientHoverMirrorTo(TColor Value) { SetFixedGradient(fgHoverMirrorTo, Value); }
    TColor FixedGradientHoverBorder() const { return FixedGradient(fgHoverBorder); }
    void SetFixedGradientHoverBorder(TColor Value) { SetFixedGradient(fgHoverBorder, Value); }
    TColor FixedGradientDownFrom() const { return FixedGradient(fgDownFrom); }
    void SetFixedGradientDownFrom(TColor Value) { SetFixedGradient(fgDownFrom, Value); }
    TColor FixedGradientDownTo() const { return FixedGradient(fgDownTo); }
    void SetFixedGradientDownTo(TColor Value) { SetFixedGradient(fgDownTo, Value); }
    TColor FixedGradientDownMirrorFrom() const { return FixedGradient(fgDownMirrorFrom); }
    void SetFixedGradientDownMirrorFrom(TColor Value) { SetFixedGradient(fgDownMirrorFrom, Value); }
    TColor FixedGradientDownMirrorTo() const { return FixedGradient(fgDownMirrorTo); }
    void SetFixedGradientDownMirrorTo(TColor Value) { SetFixedGradient(fgDownMirrorTo, Value); }
    TColor FixedGradientDownBorder() const { return FixedGradient(fgDownBorder); }
    void SetFixedGradientDownBorder(TColor Value) { SetFixedGradient(fgDownBorder, Value); }

    TNotifyEvent OnChange;
    std::function<void(TFixedGradient Which, TColor Value)> OnFixedGradient;

    // The colours every style starts from; the four hover and down mirror colours go
    // through their writers, so the grid's copies become clNone too.
    void Init();

    // From another control look, without repainting or touching the grid's gradients;
    // FlatButton, ProgressXP, the two no-disabled looks and FixedDropDownButton stay.
    void Assign(const TPersistent& Source) override;

private:
    template <typename T> void Repaint(T& Field, T Value) { StoreAndNotify(Field, Value, OnChange, this); }
    void RepaintGlyph(TBitmap& Glyph, const TBitmap& Value);

    int FCheckSize = 15;
    std::unique_ptr<TBitmap> FUnCheckedGlyph;
    std::unique_ptr<TBitmap> FCheckedGlyph;
    TControlStyle FControlStyle = csTheme;
    TColor FColor = clBlack;
    int FRadioSize = 10;
    std::unique_ptr<TBitmap> FRadioOffGlyph;
    std::unique_ptr<TBitmap> FRadioOnGlyph;
    bool FFlatButton = false;
    int FProgressMarginY = 2;
    int FProgressMarginX = 2;
    bool FProgressXP = false;
    bool FDropDownAlwaysVisible = false;
    bool FSpinButtonsAlwaysVisible = false;
    bool FNoDisabledCheckRadioLook = false;
    bool FNoDisabledButtonLook = false;
    TColor FCommentColor = clRed;
    std::array<TColor, FixedGradientCount> FFixedGradients{};
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
};
