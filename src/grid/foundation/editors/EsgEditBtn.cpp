#include "grid/foundation/editors/EsgEditBtn.h"

#include "platform/rtl/SysUtils.h"
#include "platform/ui/PopupCommandMenu.h"
#include "platform/ui/WindowCanvas.h"

namespace {

// The height of the desktop's system font, which bounds the space kept under the text.
constexpr int kSystemFontHeight = 16;

bool IsClipboardShortcut(Word key, TShiftState shift)
{
    const bool ctrl = shift.Contains(ssCtrl);
    return (ctrl && (key == 'V' || key == 'X')) ||
           (shift.Contains(ssShift) && (key == VK_INSERT || key == VK_DELETE));
}

} // namespace

TEsgEditBtn::TEsgEditBtn(TComponent* owner) : TCustomMaskEdit(owner)
{
    button_ = new TEsgEditButton(this);
    button_->SetBounds(0, 0, 18, 18);
    button_->SetVisible(true);
    button_->SetParent(this);
    button_->SetFocusControl(this);
    button_->OnClick = [this](TObject* sender) { ButtonClick(sender); };
    SetText("0");
    SetControlStyle(ControlStyle() - csSetCaption);
    PlaceButton();
}

TEsgEditBtn::~TEsgEditBtn() { button_ = nullptr; }

void TEsgEditBtn::SetRightAlign(bool right)
{
    rightAlign_ = right;
    SetAlignment(right ? taRightJustify : taLeftJustify);
}

void TEsgEditBtn::SetButtonWidth(int width)
{
    buttonWidth_ = width;
    button_->SetWidth(width);
    PlaceButton();
}

void TEsgEditBtn::SetUnitSpaceWidth(int width)
{
    unitSpace_ = width;
    UpdateEditRect();
    Invalidate();
}

int TEsgEditBtn::MinHeight() const
{
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(*Font());
    const int fontHeight = measure.Canvas()->TextHeight("Wg");
    return fontHeight + std::min(fontHeight, kSystemFontHeight) / 4;
}

void TEsgEditBtn::SetBounds(int left, int top, int width, int height)
{
    if (button_ && height < MinHeight()) height = MinHeight();
    TCustomMaskEdit::SetBounds(left, top, width, height);
    PlaceButton();
}

void TEsgEditBtn::CreateWnd()
{
    TCustomMaskEdit::CreateWnd();
    UpdateEditRect();
}

void TEsgEditBtn::PlaceButton()
{
    if (!button_) return;
    const int bordered = BorderStyle() == bsNone ? 4 : 0;
    const int offset = FrameOffset();
    button_->SetBounds(Width() - button_->Width() - 5 + bordered + offset, offset, button_->Width(),
                       Height() - 5 + bordered);
    UpdateEditRect();
}

// The text keeps clear of the unit and the button.
void TEsgEditBtn::UpdateEditRect()
{
    if (!button_) return;
    const int offset = FrameOffset();
    const int clientWidth = Width() - 2 * offset, clientHeight = Height() - 2 * offset;
    const int start = BorderStyle() == bsNone ? 3 : 1;
    int right = clientWidth - (button_->Width() + unitSpace_ + 5);
    if (unitSpace_ > 0) right -= 3;
    SetEditRect(OffsetRect(Rect(start, start, right, clientHeight + 1), offset, offset));
}

void TEsgEditBtn::ButtonClick(TObject* Sender)
{
    if (OnClickBtn) OnClickBtn(Sender);
}

void TEsgEditBtn::KeyDown(Word& key, TShiftState shift)
{
    TCustomMaskEdit::KeyDown(key, shift);
    // Without the editor the keys that change the text are dropped as typing is; the
    // clipboard keys go through the checked cut and paste.
    if (IsClipboardShortcut(key, shift)) {
        Perform(key == 'V' || key == VK_INSERT ? WM_PASTE : WM_CUT);
        key = 0;
    } else if (key == VK_DELETE && !editorEnabled_) {
        key = 0;
    }
    if (key == VK_F4 && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) ButtonClick(this);
}

void TEsgEditBtn::WMChar(TMessage& message)
{
    if (editorEnabled_) TCustomMaskEdit::WMChar(message);
}

void TEsgEditBtn::WndProc(TMessage& message)
{
    if ((message.Msg == WM_CUT || message.Msg == WM_PASTE) && (!editorEnabled_ || ReadOnly())) return;
    TCustomMaskEdit::WndProc(message);
}

TEsgUnitEditBtn::TEsgUnitEditBtn(TComponent* owner) : TEsgEditBtn(owner)
{
    SetUnitSpaceWidth(20);
    SetRightAlign(true);
}

void TEsgUnitEditBtn::SetUnits(const TStringList* units)
{
    if (units) units_ = *units;
}

void TEsgUnitEditBtn::SetUnitID(const std::string& unit)
{
    unitID_ = unit;
    Invalidate();
}

void TEsgUnitEditBtn::SetTextAndUnit(const std::string& value)
{
    for (const std::string& unit : units_.Items()) {
        const int at = Pos(unit, value);
        if (at > 0 && at == Length(value) - Length(unit) + 1) {
            SetText(Copy(value, 1, at - 1));
            SetUnitID(unit);
            return;
        }
    }
}

void TEsgUnitEditBtn::ButtonClick(TObject*)
{
    TEsgEditBtn::ButtonClick(this);
    TPopupCommandMenu menu;
    for (int i = 0; i < units_.Count(); ++i)
        menu.Append(i + 1, units_[i]);
    const int offset = FrameOffset();
    menu.Track(ClientToScreen(Point(Width() - offset - 15, Height() - offset)), this);
}

void TEsgUnitEditBtn::WndProc(TMessage& message)
{
    if (message.Msg == WM_COMMAND && HIWORD(message.WParam) != EN_CHANGE) {
        UnitPicked(LOWORD(message.WParam));
        return;
    }
    TEsgEditBtn::WndProc(message);
}

void TEsgUnitEditBtn::UnitPicked(int id)
{
    if (id < 1 || id > units_.Count()) return;
    const std::string previous = unitID_;
    SetUnitID(units_[id - 1]);
    if (unitID_ != previous && OnUnitChanged) OnUnitChanged(this, unitID_);
}

void TEsgUnitEditBtn::WMPaint(TMessage& message)
{
    TEsgEditBtn::WMPaint(message);
    if (unitID_.empty()) return;
    const int offset = FrameOffset();
    const int clientWidth = Width() - 2 * offset, clientHeight = Height() - 2 * offset;
    const int right = clientWidth - Button()->Width() - 3;
    TRect rect = OffsetRect(Rect(right - UnitSpace(), 2, right, clientHeight), offset, offset);
    TWindowCanvas canvas(this);
    canvas.Font()->Assign(*Font());
    canvas.Brush()->SetStyle(bsClear);
    DrawText(&canvas, unitID_, rect, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
