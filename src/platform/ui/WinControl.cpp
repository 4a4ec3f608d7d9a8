#include <QApplication>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

#include "platform/ui/FloatingWindow.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/QtControls.h"

namespace {

TWinControl* gFocused = nullptr;

// A floating window never takes the focus (a drop-down's keyboard stays with its edit), so
// a control inside one that asks for the focus, as a grid does on every press, keeps
// working without it.
bool InFloatingWindow(const TControl* control)
{
    while (control->Parent()) control = control->Parent();
    return dynamic_cast<const TFloatingWindow*>(control) != nullptr;
}

}  // namespace

TWinControl* FocusedControl() { return gFocused; }

void SetKeyboardFocus(TWinControl* control)
{
    if (gFocused == control) return;
    TWinControl* old = gFocused;
    gFocused = control;
    if (old) old->Perform(WM_KILLFOCUS, reinterpret_cast<WPARAM>(control));
    if (!control || gFocused != control) return;
    QWidget* w = control->Impl().Widget();
    if (!w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
    if (gFocused == control) control->Perform(WM_SETFOCUS, reinterpret_cast<WPARAM>(old));
}

bool NativeKeyDefault(TControlPrivate& d, TMessage& m, LRESULT dialogCode)
{
    const Qt::KeyboardModifiers modifiers = QtModifiersOf(KeyDataToShiftState(m.LParam));
    switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = dialogCode; return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        // The keys that type a control character act through that character.
        const Word key = static_cast<Word>(m.WParam);
        if (key == VK_BACK || key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_PACKET) return true;
        QKeyEvent event(QEvent::KeyPress, QtKeyOf(key), modifiers);
        d.bridge->NativeKey(&event);
        return true;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        QKeyEvent event(QEvent::KeyRelease, QtKeyOf(static_cast<Word>(m.WParam)), modifiers);
        d.bridge->NativeKey(&event);
        return true;
    }
    case WM_CHAR: {
        const auto ch = static_cast<char32_t>(m.WParam);
        int key = Qt::Key_unknown;
        switch (ch) {
        case 8: key = Qt::Key_Backspace; break;
        case 9: key = Qt::Key_Tab; break;
        case 13: key = Qt::Key_Return; break;
        case 27: key = Qt::Key_Escape; break;
        default:
            if (ch < 32) return true;
        }
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString::fromUcs4(&ch, 1));
        d.bridge->NativeKey(&event);
        return true;
    }
    default: return false;
    }
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    TWinControl::Destroying();
    if (TCustomForm* form = GetParentForm(this); form && form != this) form->DefocusControl(this, true);
    if (ContainsControl(gFocused)) gFocused = nullptr;
    while (!controls_.empty()) delete controls_.back();
    // Leaves the parent's tab order while still a windowed control; TControl's destructor
    // no longer knows that it was one.
    if (Parent()) Parent()->RemoveControl(this);
}

bool TWinControl::HandlingEvent() const
{
    return TControl::HandlingEvent() ||
           std::any_of(controls_.begin(), controls_.end(), [](const TControl* c) { return c->HandlingEvent(); });
}

void TWinControl::Destroying()
{
    TControl::Destroying();
    for (TControl* c : controls_) c->Destroying();
}

void TWinControl::InsertControl(TControl* control)
{
    control->parent_ = this;
    controls_.push_back(control);
    if (auto* win = dynamic_cast<TWinControl*>(control)) tabList_.push_back(win);
}

void TWinControl::RemoveControl(TControl* control)
{
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(win, true);
        std::erase(tabList_, win);
    }
    std::erase(controls_, control);
    control->parent_ = nullptr;
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (; control; control = control->Parent())
        if (control == this) return true;
    return false;
}

bool TWinControl::Focused() const { return gFocused == this; }

bool TWinControl::CanFocus() const
{
    const TCustomForm* form = GetParentForm(this);
    if (!form) return false;
    for (const TControl* c = this; c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus()
{
    TCustomForm* form = GetParentForm(this);
    if (!form && InFloatingWindow(this)) return;
    if (!form) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    form->FocusControl(this);
}

int TWinControl::TabOrder() const
{
    if (!Parent()) return -1;
    const auto& list = Parent()->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    std::erase(list, this);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const int count = static_cast<int>(list.size());
    int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == count) start = goForward ? count - 1 : 0;
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* c = list[i];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this)) return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

void TWinControl::SelectFirst()
{
    TCustomForm* form = GetParentForm(this);
    if (!form) return;
    TWinControl* first = FindNextControl(nullptr, true, true, false);
    if (!first) first = FindNextControl(nullptr, true, false, false);
    if (first) form->SetActiveControl(first);
}

void TWinControl::Broadcast(TMessage& message)
{
    for (TControl* c : std::vector<TControl*>(controls_)) {
        c->WndProc(message);
        if (message.Result != 0) return;
    }
}

void TWinControl::HandleNeeded()
{
    if (handleCreated_) return;
    Impl().Widget();
    handleCreated_ = true;
    CreateWnd();
    for (TWinControl* c : std::vector<TWinControl*>(tabList_)) c->HandleNeeded();
}

void TWinControl::Realign()
{
    TRect r = ClientRect();
    AlignControls(r);
}

namespace {

// The sort key of an aligned control: nearest to its edge first.
int AlignOrder(const TControl* c)
{
    switch (c->Align()) {
    case alTop: return c->Top();
    case alBottom: return -(c->Top() + c->Height());
    case alLeft: return c->Left();
    case alRight: return -(c->Left() + c->Width());
    default: return 0;
    }
}

// One side of an anchored control: its start and length after the parent's size changed by `delta`.
void Anchor(bool nearSide, bool farSide, int delta, int& start, int& length)
{
    if (farSide && nearSide)
        length += delta;
    else if (farSide)
        start += delta;
    else if (!nearSide)
        start += delta / 2;
}

}  // namespace

void TWinControl::AlignControls(TRect& rect)
{
    if (aligning_) return;
    aligning_ = true;
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->Align() == align && c->Visible()) list.push_back(c);
        std::stable_sort(list.begin(), list.end(),
                         [](const TControl* a, const TControl* b) { return AlignOrder(a) < AlignOrder(b); });
        for (TControl* c : list) {
            const int w = c->Width(), h = c->Height();
            switch (align) {
            case alTop: c->SetBounds(rect.Left, rect.Top, rect.Width(), h), rect.Top += h; break;
            case alBottom: c->SetBounds(rect.Left, rect.Bottom - h, rect.Width(), h), rect.Bottom -= h; break;
            case alLeft: c->SetBounds(rect.Left, rect.Top, w, rect.Height()), rect.Left += w; break;
            case alRight: c->SetBounds(rect.Right - w, rect.Top, w, rect.Height()), rect.Right -= w; break;
            default: c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height()); break;
            }
        }
    }
    const TRect client = ClientRect();
    for (TControl* c : controls_) {
        const TControlPrivate& d = c->Impl();
        const TAnchors a = c->Anchors();
        if (c->Align() != alNone || !d.anchorKnown || a == TAnchors{akLeft, akTop}) continue;
        TRect b = d.anchorBounds;
        int left = b.Left, width = b.Width(), top = b.Top, height = b.Height();
        Anchor(a.Contains(akLeft), a.Contains(akRight), client.Width() - d.anchorParentSize.cx, left, width);
        Anchor(a.Contains(akTop), a.Contains(akBottom), client.Height() - d.anchorParentSize.cy, top, height);
        c->SetBounds(left, top, width, height);
    }
    aligning_ = false;
}

TRect TWinControl::ClientRect() const
{
    const TControlPrivate& d = Impl();
    int w = Width(), h = Height();
    if (d.bars[SB_VERT] && d.barShown[SB_VERT]) w -= d.bars[SB_VERT]->width();
    if (d.bars[SB_HORZ] && d.barShown[SB_HORZ]) h -= d.bars[SB_HORZ]->height();
    return Rect(0, 0, std::max(0, w), std::max(0, h));
}

namespace {

// Our scroll-bar model on a Qt bar: Windows positions run Min to Max - Page + 1.
void ApplyScrollInfo(QScrollBar* bar, const TScrollInfo& info)
{
    QSignalBlocker block(bar);
    bar->setRange(info.Min, std::max(info.Min, info.Page > 0 ? info.Max - info.Page + 1 : info.Max));
    bar->setPageStep(std::max(1, info.Page));
    bar->setSingleStep(1);
    bar->setValue(info.Pos);
    bar->setSliderPosition(info.Pos);
}

}  // namespace

void TWinControl::SetScrollInfo(int bar, const TScrollInfo& info)
{
    TControlPrivate& d = Impl();
    if (bar != SB_HORZ && bar != SB_VERT) return;
    TScrollInfo s = info;
    const int last = s.Page > 0 ? s.Max - s.Page + 1 : s.Max;
    s.Pos = std::clamp(s.Pos, s.Min, std::max(s.Min, last));
    d.scroll[bar] = s;
    if (d.bars[bar]) ApplyScrollInfo(d.bars[bar], s);
}

TScrollInfo TWinControl::GetScrollInfo(int bar) const
{
    const TControlPrivate& d = Impl();
    if (bar != SB_HORZ && bar != SB_VERT) return {};
    TScrollInfo s = d.scroll[bar];
    s.TrackPos = d.bars[bar] ? d.bars[bar]->sliderPosition() : s.Pos;
    return s;
}

void TWinControl::ScrollWindow(int dx, int dy, const TRect& rect)
{
    Impl().ScrollBuffer(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), dx, dy);
}

int TWinControl::ScrollMessagePos(const TMessage& message) const
{
    const Word low = HIWORD(message.WParam);
    const int tracked = GetScrollInfo(message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT).TrackPos;
    if (static_cast<Word>(tracked) == low) return tracked;
    // A message sent without the bar (Perform) carries the whole position.
    return static_cast<int16_t>(low);
}

void ConnectScrollMessages(QScrollBar* b, const std::function<void(Word code, int pos)>& send)
{
    QObject::connect(b, &QAbstractSlider::actionTriggered, b, [b, send](int action) {
        // The bar moves only when the control sets its position.
        Word code = SB_ENDSCROLL;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
        case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
        case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
        case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
        case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
        case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
        default: return;
        }
        b->setSliderPosition(b->value());
        send(code, b->value());
        send(SB_ENDSCROLL, b->value());
    });
    QObject::connect(b, &QAbstractSlider::sliderMoved, b, [send](int pos) { send(SB_THUMBTRACK, pos); });
    QObject::connect(b, &QAbstractSlider::sliderReleased, b, [b, send] {
        send(SB_THUMBPOSITION, b->sliderPosition());
        send(SB_ENDSCROLL, b->sliderPosition());
    });
}

void TWinControl::ShowScrollBar(int bar, bool show)
{
    TControlPrivate& d = Impl();
    if (bar != SB_HORZ && bar != SB_VERT) return;
    if (show && !d.bars[bar]) {
        auto* b = new QScrollBar(bar == SB_HORZ ? Qt::Horizontal : Qt::Vertical, d.Widget());
        b->setFocusPolicy(Qt::NoFocus);
        b->setTracking(false);
        b->setStyleSheet(d.barStyleSheet);
        d.bars[bar] = b;
        ApplyScrollInfo(b, d.scroll[bar]);
        const UINT msg = bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
        TWeakRef<TWinControl> ref(this);
        ConnectScrollMessages(b, [ref, msg](Word code, int pos) {
            if (TWinControl* c = ref.Get())
                GuardedCall([&] { c->Perform(msg, (static_cast<WPARAM>(static_cast<Word>(pos)) << 16) | code, 0); });
        });
    }
    if (!d.bars[bar] || d.barShown[bar] == show) return;
    d.barShown[bar] = show;
    d.bars[bar]->setVisible(show);
    d.LayoutScrollBars();
    Realign();
    Invalidate();
}

void TWinControl::SetScrollBarLook(TScrollBarLook look, TColor color, int width)
{
    TControlPrivate& d = Impl();
    if (look == sblStandard) {
        d.barStyleSheet.clear();
        d.barThickness = 0;
    } else {
        const QString track = ToQColor(color == clNone ? clWindow : color).name();
        const QString thumb = ToQColor(clBtnShadow).name();
        const QString lit = ToQColor(clHighlight).name();
        d.barThickness = std::max(1, width);
        d.barStyleSheet = QStringLiteral("QScrollBar { background: %1; border: none; }"
                                         "QScrollBar:vertical { width: %2px; }"
                                         "QScrollBar:horizontal { height: %2px; }"
                                         "QScrollBar::handle { background: %3; min-width: 12px; min-height: 12px; }"
                                         "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; }"
                                         "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
                              .arg(track)
                              .arg(d.barThickness)
                              .arg(thumb);
        if (look == sblEncarta) d.barStyleSheet += QStringLiteral("QScrollBar::handle:hover { background: %1; }").arg(lit);
    }
    for (QScrollBar* b : d.bars)
        if (b) b->setStyleSheet(d.barStyleSheet);
    d.LayoutScrollBars();
    Realign();
    Invalidate();
}

void DragThumb(TWinControl* control, int bar, int position, bool release)
{
    QScrollBar* b = (bar == SB_HORZ || bar == SB_VERT) ? control->Impl().bars[bar] : nullptr;
    if (!b || !b->isVisible()) return;
    b->setSliderDown(true);
    b->setSliderPosition(position);
    if (release) b->setSliderDown(false);
}

void TWinControl::EnableScrollBar(int bar, bool enable)
{
    TControlPrivate& d = Impl();
    if ((bar == SB_HORZ || bar == SB_VERT) && d.bars[bar]) d.bars[bar]->setEnabled(enable);
}

bool TWinControl::ScrollBarShown(int bar) const
{
    const TControlPrivate& d = Impl();
    return (bar == SB_HORZ || bar == SB_VERT) && d.bars[bar] && d.barShown[bar];
}

bool TWinControl::ScrollBarEnabled(int bar) const
{
    const TControlPrivate& d = Impl();
    return (bar == SB_HORZ || bar == SB_VERT) && d.bars[bar] && d.bars[bar]->isEnabled();
}

void TWinControl::SetTimer(int id, int milliseconds)
{
    TControlPrivate& d = Impl();
    EnsureQtApplication();
    auto& timer = d.timers[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        TWeakRef<TWinControl> ref(this);
        QObject::connect(timer.get(), &QTimer::timeout, [ref, id] {
            if (TWinControl* c = ref.Get()) GuardedCall([&] { c->Perform(WM_TIMER, static_cast<WPARAM>(id), 0); });
        });
    }
    timer->start(std::max(1, milliseconds));
}

void TWinControl::KillTimer(int id) { Impl().timers.erase(id); }

void TWinControl::WndProc(TMessage& message)
{
    if (message.Msg == WM_SETFOCUS) {
        TCustomForm* form = GetParentForm(this);
        if (form && !form->SetFocusedControl(this)) return;
    }
    TControl::WndProc(message);
}

void TWinControl::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case WM_SETFOCUS: return WMSetFocus(m);
    case WM_KILLFOCUS: return WMKillFocus(m);
    case WM_KEYDOWN: return WMKeyDown(m);
    case WM_KEYUP:
    case WM_SYSKEYUP: return WMKeyUp(m);
    case WM_CHAR: return WMChar(m);
    case WM_SYSKEYDOWN: return WMSysKeyDown(m);
    case WM_SYSCHAR: return WMSysChar(m);
    case WM_GETDLGCODE: return WMGetDlgCode(m);
    case WM_HSCROLL: return WMHScroll(m);
    case WM_VSCROLL: return WMVScroll(m);
    case WM_TIMER: return WMTimer(m);
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: return CNKeyDown(m);
    case CN_KEYUP: return CNKeyUp(m);
    case CN_CHAR: return CNChar(m);
    case CN_SYSCHAR: return CNSysChar(m);
    case CM_ENTER: return CMEnter(m);
    case CM_EXIT: return CMExit(m);
    case CM_DIALOGKEY: return CMDialogKey(m);
    case CM_DIALOGCHAR: return CMDialogChar(m);
    case CM_FOCUSCHANGED: return CMFocusChanged(m);
    default: return TControl::Dispatch(m);
    }
}

void TWinControl::DefaultHandler(TMessage& message) { TControl::DefaultHandler(message); }

// A key message goes first to a form with KeyPreview, then to the control's own handler;
// a handler that clears the key consumes it.
template <typename TKey>
bool TWinControl::PassKey(TMessage& m, bool (TWinControl::*formStep)(TMessage&),
                          const std::function<void(TKey&)>& handler)
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && (static_cast<TWinControl*>(form)->*formStep)(m)) return true;
    if (ControlStyle().Contains(csNoStdEvents)) return false;
    auto key = static_cast<TKey>(m.WParam);
    handler(key);
    m.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyDown(TMessage& m)
{
    return PassKey<Word>(m, &TWinControl::DoKeyDown,
                         [&](Word& key) { KeyDown(key, KeyDataToShiftState(m.LParam)); });
}

bool TWinControl::DoKeyUp(TMessage& m)
{
    return PassKey<Word>(m, &TWinControl::DoKeyUp, [&](Word& key) { KeyUp(key, KeyDataToShiftState(m.LParam)); });
}

bool TWinControl::DoKeyPress(TMessage& m)
{
    return PassKey<char32_t>(m, &TWinControl::DoKeyPress, [&](char32_t& key) { KeyPress(key); });
}

void TWinControl::KeyDown(Word& key, TShiftState shift)
{
    if (OnKeyDown && !Quiet()) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(Word& key, TShiftState shift)
{
    if (OnKeyUp && !Quiet()) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key)
{
    if (OnKeyPress && !Quiet()) OnKeyPress(this, key);
}

void TWinControl::DoEnter()
{
    if (OnEnter && !Quiet()) OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit && !Quiet()) OnExit(this);
}

void TWinControl::WMSetFocus(TMessage& m) { DefaultHandler(m); }
void TWinControl::WMKillFocus(TMessage& m) { DefaultHandler(m); }

void TWinControl::WMKeyDown(TMessage& m)
{
    if (!DoKeyDown(m)) DefaultHandler(m);
}

void TWinControl::WMKeyUp(TMessage& m)
{
    if (!DoKeyUp(m)) DefaultHandler(m);
}

void TWinControl::WMChar(TMessage& m)
{
    if (!DoKeyPress(m)) DefaultHandler(m);
}

void TWinControl::WMSysKeyDown(TMessage& m)
{
    if (!DoKeyDown(m)) DefaultHandler(m);
}

void TWinControl::WMSysChar(TMessage& m) { DefaultHandler(m); }
void TWinControl::WMGetDlgCode(TMessage& m) { DefaultHandler(m); }
void TWinControl::WMHScroll(TMessage& m) { DefaultHandler(m); }
void TWinControl::WMVScroll(TMessage& m) { DefaultHandler(m); }
void TWinControl::WMTimer(TMessage& m) { DefaultHandler(m); }

// A key the control does not want goes to its form first, as a dialog key (Tab, the
// arrows, Enter, Escape).
void TWinControl::CNKeyDown(TMessage& m)
{
    m.Result = 1;
    const auto key = static_cast<Word>(m.WParam);
    LRESULT mask = 0;
    switch (key) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (mask && Perform(CM_WANTSPECIALKEY, key, m.LParam) == 0 && (Perform(WM_GETDLGCODE) & mask) == 0) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->Perform(CM_DIALOGKEY, key, m.LParam) != 0) return;
    }
    m.Result = 0;
}

void TWinControl::CNKeyUp(TMessage& m) { m.Result = 0; }

void TWinControl::CNChar(TMessage& m)
{
    m.Result = 1;
    if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) return;
    }
    m.Result = 0;
}

void TWinControl::CNSysChar(TMessage& m)
{
    m.Result = 0;
    if (m.WParam == ' ') return;
    if (TCustomForm* form = GetParentForm(this)) m.Result = form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
}

void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }
void TWinControl::CMDialogKey(TMessage& m) { Broadcast(m); }
void TWinControl::CMDialogChar(TMessage& m) { Broadcast(m); }
void TWinControl::CMFocusChanged(TMessage& m) { Broadcast(m); }

void TWinControl::CMFontChanged(TMessage& m)
{
    TControl::CMFontChanged(m);
    TMessage notify{CM_PARENTFONTCHANGED};
    for (TControl* c : controls_) c->WndProc(notify);
}

void TWinControl::CMColorChanged(TMessage& m)
{
    TControl::CMColorChanged(m);
    TMessage notify{CM_PARENTCOLORCHANGED};
    for (TControl* c : controls_) c->WndProc(notify);
}

void TWinControl::WMSize(TMessage& m)
{
    Impl().LayoutScrollBars();
    Realign();
    TControl::WMSize(m);
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) { CreateControlCanvas(); }

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) { CreateControlCanvas(); }
