#include <QScrollBar>

#include <algorithm>

#include "platform/ui/QtControls.h"
#include "platform/ui/StdCtrls.h"

namespace {
QScrollBar* Bar(const TControl* control) { return static_cast<QScrollBar*>(control->Impl().widget); }
} // namespace

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner)
{
    EnsureQtApplication();
    auto* w = new TBridge<QScrollBar>(this);
    w->setOrientation(Qt::Horizontal);
    w->setFocusPolicy(Qt::NoFocus);
    w->setTracking(false);
    Impl().Attach(w, w);
    TWeakRef<TScrollBar> ref(this);
    ConnectScrollMessages(w, [ref](Word code, int pos) {
        TScrollBar* bar = ref.Get();
        if (!bar || !bar->Parent()) return;
        const UINT msg = bar->kind_ == sbVertical ? WM_VSCROLL : WM_HSCROLL;
        GuardedCall([&] {
            bar->Parent()->Perform(msg, (static_cast<WPARAM>(static_cast<Word>(pos)) << 16) | code,
                                   reinterpret_cast<LPARAM>(bar));
        });
    });
    ApplyRange();
    TControl::SetBounds(0, 0, 121, 17);
}

void TScrollBar::SetKind(TScrollBarKind kind)
{
    if (kind == kind_) return;
    kind_ = kind;
    Bar(this)->setOrientation(kind == sbVertical ? Qt::Vertical : Qt::Horizontal);
    SetBounds(Left(), Top(), Height(), Width());
}

void TScrollBar::SetMin(int value)
{
    min_ = value;
    max_ = std::max(max_, value);
    ApplyRange();
}

void TScrollBar::SetMax(int value)
{
    max_ = value;
    min_ = std::min(min_, value);
    ApplyRange();
}

void TScrollBar::SetPageSize(int value)
{
    pageSize_ = std::clamp(value, 0, max_ - min_ + 1);
    ApplyRange();
}

int TScrollBar::Position() const { return Bar(this)->value(); }

void TScrollBar::SetPosition(int value)
{
    QScrollBar* bar = Bar(this);
    QSignalBlocker block(bar);
    bar->setValue(value);
    bar->setSliderPosition(bar->value());
    bar->update();
}

void TScrollBar::ApplyRange()
{
    QScrollBar* bar = Bar(this);
    QSignalBlocker block(bar);
    bar->setRange(min_, std::max(min_, pageSize_ > 0 ? max_ - pageSize_ + 1 : max_));
    bar->setPageStep(std::max(1, pageSize_));
    bar->setSingleStep(1);
    bar->update();
}
