#include <QSlider>

#include "platform/ui/ComCtrls.h"
#include "platform/ui/QtControls.h"

namespace {
QSlider* Slider(const TControl* control) { return static_cast<QSlider*>(control->Impl().widget); }
} // namespace

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner)
{
    EnsureQtApplication();
    auto* w = new TBridge<QSlider>(this);
    w->setOrientation(Qt::Horizontal);
    w->setTickPosition(QSlider::TicksBelow);
    w->setFocusPolicy(Qt::StrongFocus);
    w->setRange(0, 10);
    w->setTickInterval(1);
    w->setPageStep(2);
    Impl().Attach(w, w);
    Impl().windowDefault = [this](TMessage& m) { return NativeKeyDefault(Impl(), m, DLGC_WANTARROWS); };
    QObject::connect(w, &QSlider::valueChanged, w, [this] {
        GuardedCall([this] {
            if (OnChange && !Quiet()) OnChange(this);
        });
    });
    SetTabStop(true);
    SetBounds(0, 0, 150, 45);
}

int TTrackBar::Min() const { return Slider(this)->minimum(); }
void TTrackBar::SetMin(int value) { Slider(this)->setMinimum(value); }
int TTrackBar::Max() const { return Slider(this)->maximum(); }
void TTrackBar::SetMax(int value) { Slider(this)->setMaximum(value); }
int TTrackBar::Position() const { return Slider(this)->value(); }
void TTrackBar::SetPosition(int value) { Slider(this)->setValue(value); }
int TTrackBar::Frequency() const { return Slider(this)->tickInterval(); }
void TTrackBar::SetFrequency(int value) { Slider(this)->setTickInterval(value); }
int TTrackBar::PageSize() const { return Slider(this)->pageStep(); }
void TTrackBar::SetPageSize(int value) { Slider(this)->setPageStep(value); }
