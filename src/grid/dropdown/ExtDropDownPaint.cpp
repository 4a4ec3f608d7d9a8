#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/ExtDropDown.h"
#include "grid/foundation/painting/VisualStyles.h"
#include "platform/ui/WindowCanvas.h"

bool TExtCustomDropDown::Hot() const { return FMouseInControl || Screen->ActiveControl() == this; }

void TExtCustomDropDown::WMPaint(TMessage& message)
{
    TCustomMaskEdit::WMPaint(message);
    DrawFocus();
    if (FFocusBorderColor != clNone || FBorderColor != clNone || (!Enabled() && FDisabledBorder)) RefreshFrame();
}

void TExtCustomDropDown::RefreshFrame()
{
    if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
    DrawBorder();
    FButton->Button()->SetFocused(ComponentState().Contains(csDesigning) ? Enabled() : Hot());
}

void TExtCustomDropDown::DrawBorder()
{
    if (ComponentState().Contains(csDesigning)) return;
    TWindowCanvas Canvas(this);
    Canvas.Brush()->SetStyle(bsClear);
    const TRect R{0, 0, Width(), Height()};
    const auto Frame = [&](TColor Color) {
        Canvas.Pen()->SetColor(Color);
        Canvas.Rectangle(R);
    };
    if (!Enabled() && IsThemeActive() && FDisabledBorder) Frame(0xC0C0C0);
    else if (FBorderColor != clNone && (!Focused() || FFocusBorderColor == clNone)) Frame(FBorderColor);
    else if (FFocusBorderColor != clNone) {
        if (Focused()) Frame(FFocusBorderColor);
    } else if (Hot()) {
        // Hot: a sunken outer edge, the button face inside it.
        TRect Edge = R;
        Frame3D(&Canvas, Edge, clBtnShadow, clBtnHighlight, 1);
        Frame3D(&Canvas, Edge, clBtnFace, clBtnFace, 1);
    } else {
        const TColor ParentColor = Parent() ? Parent()->Color() : clBtnFace;
        Frame(ParentColor);
        Canvas.Pen()->SetColor(ParentColor);
        Canvas.Rectangle(InflateRect(R, -1, -1));
    }
}

// A focused pick-only edit reads as a highlighted bar.
void TExtCustomDropDown::DrawFocus()
{
    if (FEditorEnabled || !Focused() || !FFocusDraw || ComponentState().Contains(csDesigning)) return;
    TWindowCanvas Canvas(this);
    const TRect Bar{2, 2, Width() - FButtonWidth - 1, Height() - 2};
    Canvas.Pen()->SetColor(clBlack);
    Canvas.Brush()->SetColor(clHighlight);
    Canvas.Rectangle(Bar);
    Canvas.Font()->Assign(*Font());
    Canvas.Font()->SetColor(clHighlightText);
    Canvas.Brush()->SetStyle(bsClear);
    TRect TextRect{Bar.Left + 2, Bar.Top, Bar.Right - 3, Bar.Bottom};
    DrawText(&Canvas, ShownText(), TextRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}
