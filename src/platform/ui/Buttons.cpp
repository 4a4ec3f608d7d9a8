#include <QCheckBox>
#include <QPushButton>

#include "platform/ui/QtControls.h"
#include "platform/ui/StdCtrls.h"

namespace {

QCheckBox* CheckBox(const TControl* control) { return static_cast<QCheckBox*>(control->Impl().widget); }
QPushButton* PushButton(const TControl* control) { return static_cast<QPushButton*>(control->Impl().widget); }

}  // namespace

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner)
{
    EnsureQtApplication();
    auto* w = new TBridge<QCheckBox>(this);
    w->setFocusPolicy(Qt::StrongFocus);
    Impl().Attach(w, w);
    Impl().windowDefault = [this](TMessage& m) { return NativeKeyDefault(Impl(), m, DLGC_BUTTON); };
    QObject::connect(w, &QCheckBox::clicked, w, [this] { GuardedCall([this] { Click(); }); });
    SetControlStyle({csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
}

TCheckBoxState TCheckBox::State() const
{
    switch (CheckBox(this)->checkState()) {
    case Qt::Checked: return cbChecked;
    case Qt::PartiallyChecked: return cbGrayed;
    default: return cbUnchecked;
    }
}

void TCheckBox::SetState(TCheckBoxState state)
{
    if (state == State()) return;
    CheckBox(this)->setCheckState(state == cbChecked   ? Qt::Checked
                                  : state == cbGrayed ? Qt::PartiallyChecked
                                                      : Qt::Unchecked);
    Click();
}

bool TCheckBox::AllowGrayed() const { return CheckBox(this)->isTristate(); }

void TCheckBox::SetAllowGrayed(bool allow) { CheckBox(this)->setTristate(allow); }

void TCheckBox::SetAlignment(TLeftRight alignment)
{
    alignment_ = alignment;
    CheckBox(this)->setLayoutDirection(alignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TCheckBox::SetText(const std::string& text)
{
    CheckBox(this)->setText(QString::fromStdString(text));
    TWinControl::SetText(text);
}

// The accelerator of the caption focuses the box and toggles it.
void TCheckBox::CMDialogChar(TMessage& m)
{
    if (IsAccel(static_cast<char32_t>(m.WParam), Caption()) && CanFocus()) {
        SetFocus();
        if (Focused()) {
            const TCheckBoxState s = State();
            SetState(s == cbUnchecked ? cbChecked : s == cbChecked && AllowGrayed() ? cbGrayed : cbUnchecked);
        }
        m.Result = 1;
        return;
    }
    TWinControl::CMDialogChar(m);
}

TButton::TButton(TComponent* owner) : TWinControl(owner)
{
    EnsureQtApplication();
    auto* w = new TBridge<QPushButton>(this);
    w->setFocusPolicy(Qt::StrongFocus);
    w->setAutoDefault(false);
    Impl().Attach(w, w);
    Impl().windowDefault = [this](TMessage& m) {
        return NativeKeyDefault(Impl(), m, DLGC_BUTTON | (active_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON));
    };
    QObject::connect(w, &QPushButton::clicked, w, [this] { GuardedCall([this] { Click(); }); });
    SetControlStyle({csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool isDefault)
{
    default_ = isDefault;
    const TWinControl* focused = FocusedControl();
    if (!dynamic_cast<const TButton*>(focused) || GetParentForm(focused) != GetParentForm(this)) active_ = isDefault;
    PushButton(this)->setDefault(active_);
}

void TButton::SetText(const std::string& text)
{
    PushButton(this)->setText(QString::fromStdString(text));
    TWinControl::SetText(text);
}

void TButton::Click()
{
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    TWinControl::Click();
}

// Enter presses the default button (or the focused one), Escape the cancel button.
void TButton::CMDialogKey(TMessage& m)
{
    const auto key = static_cast<Word>(m.WParam);
    if (((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) && KeyDataToShiftState(m.LParam).Empty() &&
        CanFocus()) {
        Click();
        m.Result = 1;
        return;
    }
    TWinControl::CMDialogKey(m);
}

void TButton::CMDialogChar(TMessage& m)
{
    if (IsAccel(static_cast<char32_t>(m.WParam), Caption()) && CanFocus()) {
        Click();
        m.Result = 1;
        return;
    }
    TWinControl::CMDialogChar(m);
}

void TButton::CMFocusChanged(TMessage& m)
{
    const auto* sender = reinterpret_cast<const TControl*>(m.LParam);
    active_ = dynamic_cast<const TButton*>(sender) ? sender == this : default_;
    PushButton(this)->setDefault(active_);
    TWinControl::CMFocusChanged(m);
}
