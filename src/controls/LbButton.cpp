#include "controls/LbButton.h"

#include "controls/LbButtonBitmaps.h"
#include "controls/LbButtonColors.h"
#include "controls/LbButtonFace.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ImgList.h"

namespace {
constexpr int FadeTimerId = 1;
constexpr int FadeInterval = 30; // milliseconds per fade step

struct TKindEntry {
    TLbButtonKind Kind;
    TModalResult Result;
    const char* Resource;
    const char* Caption;
};

const TKindEntry Kinds[] = {
    {bkOK, mrOk, "LBOK", "OK"},
    {bkCancel, mrCancel, "LBCANCEL", "Abbrechen"},
    {bkHelp, mrNone, "LBHELP", "Hilfe"},
    {bkYes, mrYes, "LBYES", "Ja"},
    {bkNo, mrNo, "LBNO", "Nein"},
    {bkClose, mrNone, "LBCLOSE", "Schließen"},
    {bkAbort, mrAbort, "LBABORT", "Abbrechen"},
    {bkRetry, mrRetry, "LBRETRY", "Wiederholen"},
    {bkIgnore, mrIgnore, "LBIGNORE", "Ignorieren"},
    {bkAll, mrAll, "LBALL", "Alle"},
};

TCustomForm* OwnerForm(const TComponent* component)
{
    for (TComponent* owner = component->Owner(); owner; owner = owner->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(owner)) return form;
    return nullptr;
}
} // namespace

TLbButton::TLbButton(TComponent* owner)
    : TCustomControl(owner), glyph_(std::make_unique<TBitmap>()), hotTrackFont_(std::make_unique<TFont>())
{
    // The button clicks on its own terms (release anywhere after a press), not the control's.
    SetControlStyle(ControlStyle() - csClickEvents);
    SetBounds(Left(), Top(), 100, 23);
    SetTabStop(true);
    SetColor(clBtnFace);
    if (auto* form = dynamic_cast<TCustomForm*>(owner)) hotTrackFont_->Assign(*form->Font());
}

TLbButton::~TLbButton() { StopFade(); }

void TLbButton::SetColorStyle(TLbColorStyle style)
{
    const TLbColorPreset* preset = FindLbColorPreset(style);
    if (!preset) return;
    SetColor(preset->Color);
    lightColor_ = preset->LightColor;
    shadowColor_ = preset->ShadowColor;
    colorWhenDown_ = preset->ColorWhenDown;
    hotTrackColor_ = preset->HotTrackColor;
    flat_ = preset->Flat;
    Font()->SetColor(preset->FontColor);
    SetStyle(preset->Shape);
    Repaint();
}

void TLbButton::SetGlyph(const TBitmap* glyph)
{
    if (glyph)
        glyph_->Assign(*glyph);
    else
        glyph_->SetSize(0, 0);
    numGlyphs_ = glyph_->Empty() || glyph_->Height() == 0 ? 0 : glyph_->Width() / glyph_->Height();
    kind_ = bkCustom;
    Invalidate();
}

void TLbButton::SetKind(TLbButtonKind kind)
{
    for (const TKindEntry& entry : Kinds) {
        if (entry.Kind != kind) continue;
        numGlyphs_ = 2;
        modalResult_ = entry.Result;
        LoadLbButtonBitmap(entry.Resource, *glyph_);
        SetCaption(entry.Caption);
        break;
    }
    kind_ = kind;
    Invalidate();
}

void TLbButton::SetModalResult(TModalResult result)
{
    modalResult_ = result;
    kind_ = bkCustom;
}

void TLbButton::SetNumGlyphs(int count)
{
    numGlyphs_ = count;
    Invalidate();
}

void TLbButton::SetSlowDecease(bool slow)
{
    if (!slow && slowDecease_) {
        hotTrackStep_ = 0;
        StopFade();
    }
    slowDecease_ = slow;
    Invalidate();
}

void TLbButton::SetStyle(TLbButtonStyle style)
{
    style_ = style;
    // The shapes that leave their corners or background out let the parent show through.
    if (IsTransparentLbStyle(style))
        SetControlStyle(ControlStyle() + csParentBackground);
    else
        SetControlStyle(ControlStyle() - csParentBackground);
    Invalidate();
}

void TLbButton::SetPopupMenu(TPopupMenu* menu)
{
    popupMenu_ = menu;
    Invalidate();
}

void TLbButton::SetAction(TAction* action)
{
    if (!action) {
        actionLink_.reset();
        return;
    }
    if (!actionLink_) actionLink_ = std::make_unique<TControlActionLink>(this);
    actionLink_->SetAction(action);
    ActionChange();
}

void TLbButton::ActionChange()
{
    const TAction* action = Action();
    const TActionList* list = action ? action->ActionList() : nullptr;
    const TCustomImageList* images = list ? list->Images() : nullptr;
    if (!glyph_->Empty() || !images || action->ImageIndex() < 0 || action->ImageIndex() >= images->Count()) return;
    glyph_->SetSize(images->Width(), images->Height());
    glyph_->Canvas()->Brush()->SetColor(LbTransparentColor);
    glyph_->Canvas()->FillRect(Rect(0, 0, images->Width(), images->Height()));
    images->Draw(glyph_->Canvas(), 0, 0, action->ImageIndex());
    numGlyphs_ = 1;
    Repaint();
}

void TLbButton::SetEnabled(bool enabled)
{
    if (!enabled) down_ = false;
    TCustomControl::SetEnabled(enabled);
}

// The control's own Click is left out: it would fire OnClick a second time.
void TLbButton::Click()
{
    // A click called by code is the button's event as much as one from the mouse: a
    // handler that frees the button's window frees it after the click.
    const TEventScope event(this);
    const TWeakRef<TLbButton> self(this);
    down_ = true;
    ClickAction();
    // What the click started may have untied the action (or ended the button's window).
    if (self && actionLink_) actionLink_->Execute();
}

void TLbButton::ClickAction()
{
    if (!Visible() || !Enabled() || !down_) return;
    down_ = false;
    if (OnClick) OnClick(this);
    if (modalResult_ != mrNone)
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    if (TPopupMenu* menu = PopupMenu()) {
        const TPoint corner = ClientToScreen({0, Height()});
        menu->Popup(corner.X, corner.Y);
    }
}

bool TLbButton::ReadyForInput() const { return Enabled() && Visible() && Parent() && Parent()->Showing(); }

void TLbButton::Paint()
{
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying) || !Visible()) return;
    const int width = Width();
    const int height = Height();
    const bool focused = Focused();
    TFont font;
    font.Assign((cursorOnButton_ || focused) && useHotTrackFont_ ? *hotTrackFont_ : *Font());

    TLbFaceParams p;
    p.Alignment = alignment_;
    p.Caption = Caption();
    p.Layout = layout_;
    p.Font = &font;
    p.ShadowColor = shadowColor_;
    p.LightColor = lightColor_;
    p.HotTrackColor = hotTrackColor_;
    p.ColorWhenDown = colorWhenDown_;
    p.Color = Color();
    p.Style = style_;
    p.HasPopupMenu = PopupMenu() != nullptr;
    p.WordWrap = wordWrap_;
    p.Flat = flat_;
    p.Enabled = Enabled();
    p.Hot = cursorOnButton_ || focused;
    p.Pressed = down_;
    p.Glyph = glyph_.get();
    p.NumGlyphs = numGlyphs_;
    p.HotTrackStep = hotTrackStep_;

    TBitmap buffer(width, height);
    if (IsTransparentLbStyle(style_)) {
        buffer.SetTransparentMode(tmFixed);
        buffer.SetTransparentColor(LbTransparentColor);
        buffer.SetTransparent(true);
        buffer.Canvas()->Brush()->SetColor(LbTransparentColor);
        buffer.Canvas()->FillRect(Rect(0, 0, width, height));
    }
    if (focused && style_ == bsOld) {
        // A focused old-style button sits one pixel inside a black frame.
        if (down_ && p.Enabled) p.LightColor = shadowColor_;
        TBitmap inner(width - 2, height - 2);
        DrawLbButtonFace(*inner.Canvas(), width - 2, height - 2, p);
        buffer.Canvas()->Draw(1, 1, &inner);
        buffer.Canvas()->Brush()->SetColor(clBlack);
        buffer.Canvas()->FrameRect(Rect(0, 0, width, height));
    } else {
        DrawLbButtonFace(*buffer.Canvas(), width, height, p);
    }
    Canvas()->Draw(0, 0, &buffer);
    if (focused && Enabled() && style_ != bsShape) Canvas()->DrawFocusRect(Rect(4, 4, width - 4, height - 4));
}

void TLbButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled()) return;
    down_ = true;
    if (CanFocus()) SetFocus();
    Repaint();
}

void TLbButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (down_) Click();
    down_ = false;
    Repaint();
}

void TLbButton::KeyDown(Word& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (!Enabled() || (key != VK_RETURN && key != VK_SPACE)) return;
    down_ = true;
    pressingKey_ = key;
    Repaint();
}

void TLbButton::KeyUp(Word& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    // The release of a key pressed elsewhere (the Enter that closed a message box) must not
    // click the button that has the focus afterwards.
    if ((key == VK_RETURN || key == VK_SPACE) && key == pressingKey_) {
        pressingKey_ = 0;
        Click();
    }
    Repaint();
}

// The button has its own enter and exit events, fired only while it can be used.
void TLbButton::CMMouseEnter(TMessage&)
{
    if (!ReadyForInput()) return;
    cursorOnButton_ = true;
    hotTrackStep_ = LbHotTrackSteps;
    StopFade(); // a fade still running would wash the colour out under the mouse
    Repaint();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TLbButton::CMMouseLeave(TMessage&)
{
    cursorOnButton_ = false;
    // A button whose window hides has nobody to fade for: it is cold when the window shows.
    if (slowDecease_ && Showing()) {
        StartFade();
    } else {
        StopFade();
        hotTrackStep_ = 0;
        Repaint();
    }
    if (ReadyForInput() && OnMouseExit) OnMouseExit(this);
}

void TLbButton::CMTextChanged(TMessage& message)
{
    TCustomControl::CMTextChanged(message);
    Invalidate();
}

void TLbButton::CMDialogChar(TMessage& message)
{
    if (IsAccel(static_cast<char32_t>(message.WParam), Caption()) && ReadyForInput()) {
        down_ = true;
        Click();
        message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(message);
}

bool TLbButton::ActiveControlIsPushButton() const
{
    const TCustomForm* form = OwnerForm(this);
    const TWinControl* active = form ? form->ActiveControl() : nullptr;
    if (!active) return false;
    const std::string name = UpperCase(active->ClassName());
    return Pos("BUTTON", name) > 0 && Pos("RADIOBUTTON", name) == 0;
}

void TLbButton::CMDialogKey(TMessage& message)
{
    const Word key = static_cast<Word>(message.WParam);
    const TShiftState shift = KeyDataToShiftState(message.LParam);
    const bool taken = ((key == VK_RETURN && default_) || (key == VK_ESCAPE && cancel_)) &&
                       (shift * TShiftState{ssShift, ssAlt, ssCtrl}).Empty() && Visible() && Enabled();
    // A focused push button answers Enter itself.
    if (!taken || ActiveControlIsPushButton()) {
        TCustomControl::CMDialogKey(message);
        return;
    }
    down_ = true;
    Click();
    message.Result = 1;
}

void TLbButton::WMSetFocus(TMessage& message)
{
    TCustomControl::WMSetFocus(message);
    Invalidate();
}

void TLbButton::WMKillFocus(TMessage& message)
{
    TCustomControl::WMKillFocus(message);
    Invalidate();
}

void TLbButton::WMTimer(TMessage& message)
{
    if (message.WParam == FadeTimerId)
        FadeStep();
    else
        TCustomControl::WMTimer(message);
}

void TLbButton::StartFade()
{
    if (fading_) return;
    fading_ = true;
    SetTimer(FadeTimerId, FadeInterval);
}

void TLbButton::StopFade()
{
    if (!fading_) return;
    fading_ = false;
    KillTimer(FadeTimerId);
}

void TLbButton::FadeStep()
{
    if (ComponentState().Contains(csDestroying)) return;
    if (--hotTrackStep_ <= 0) {
        StopFade();
        hotTrackStep_ = 0;
    }
    Repaint();
}
