#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/ui/Dialogs.h"
#include "platform/ui/QtControls.h"

namespace {

TCustomForm* gActiveForm = nullptr;
std::vector<TCustomForm*> gModalForms;

QRect AvailableScreen()
{
    EnsureQtApplication();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner)
{
    SetComponentState(csLoading, true);
    visible_ = false;
    EnsureQtApplication();
    auto* window = new TBridge<QWidget>(this, nullptr, Qt::Window);
    window->setFocusPolicy(Qt::StrongFocus);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    Impl().Attach(window, window);
    CreateControlCanvas();
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    TCustomForm::SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    std::erase(gModalForms, this);
    if (gActiveForm == this) gActiveForm = nullptr;
}

void TCustomForm::AfterConstruction()
{
    if (created_) return;
    created_ = true;
    EndLoading();
    Realign();
    DoCreate();
}

void TCustomForm::BeforeDestruction()
{
    if (OnDestroy) OnDestroy(this);
}

void TCustomForm::DoCreate()
{
    if (OnCreate) OnCreate(this);
}

void TCustomForm::DoShow()
{
    if (OnShow && !Quiet()) OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide && !Quiet()) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose && !Quiet()) OnClose(this, action);
}

void TCustomForm::Paint()
{
    if (OnPaint && !Quiet()) OnPaint(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    borderStyle_ = style;
    if (style == bsDialog) borderIcons_ -= TBorderIcons{biMinimize, biMaximize};
    ApplyWindowFlags();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons)
{
    borderIcons_ = icons;
    ApplyWindowFlags();
}

void TCustomForm::ApplyWindowFlags()
{
    QWidget* w = Impl().Widget();
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (borderStyle_ == bsNone) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::WindowTitleHint;
        if (borderIcons_.Contains(biSystemMenu)) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (borderIcons_.Contains(biMinimize) && borderStyle_ != bsDialog) flags |= Qt::WindowMinimizeButtonHint;
        if (borderIcons_.Contains(biMaximize) && borderStyle_ != bsDialog) flags |= Qt::WindowMaximizeButtonHint;
    }
    if (w->windowFlags() != flags) {
        const bool shown = w->isVisible();
        w->setWindowFlags(flags);
        if (shown) w->show();
    }
    // Single and dialog borders cannot be resized by the user.
    const bool fixed = borderStyle_ == bsSingle || borderStyle_ == bsDialog || borderStyle_ == bsToolWindow;
    if (fixed)
        w->setFixedSize(std::max(1, Width()), std::max(1, Height()));
    else {
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

void TCustomForm::SetBounds(int left, int top, int width, int height)
{
    const bool fixed = borderStyle_ == bsSingle || borderStyle_ == bsDialog || borderStyle_ == bsToolWindow;
    if (fixed) Impl().Widget()->setFixedSize(std::max(1, width), std::max(1, height));
    const bool moved = left != Left() || top != Top();
    TWinControl::SetBounds(left, top, width, height);
    if (moved && Impl().widget->isVisible()) Impl().widget->move(left, top);
}

void TCustomForm::PlaceWindow()
{
    const QRect screen = AvailableScreen();
    int left = Left(), top = Top();
    const TCustomForm* over = nullptr;
    if (position_ == poMainFormCenter) over = Application->MainForm();
    if (position_ == poOwnerFormCenter) over = dynamic_cast<TCustomForm*>(Owner());
    if (over == this || (over && !over->Visible())) over = nullptr;
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
        left = screen.left() + (screen.width() - Width()) / 2;
        top = screen.top() + (screen.height() - Height()) / 2;
        break;
    case poMainFormCenter:
    case poOwnerFormCenter:
        if (over) {
            left = over->Left() + (over->Width() - Width()) / 2;
            top = over->Top() + (over->Height() - Height()) / 2;
        } else {
            left = screen.left() + (screen.width() - Width()) / 2;
            top = screen.top() + (screen.height() - Height()) / 2;
        }
        break;
    case poDesigned: break;
    default: return;  // the window manager places the window
    }
    left_ = left;
    top_ = top;
    Impl().Widget()->move(left, top);
}

void TCustomForm::CMVisibleChanged(TMessage&)
{
    if (Visible())
        ShowWindow();
    else
        HideWindow();
}

void TCustomForm::ShowWindow()
{
    if (!created_) AfterConstruction();
    HandleNeeded();
    DoShow();
    if (!Visible()) return;
    ApplyWindowFlags();
    PlaceWindow();
    QWidget* w = Impl().Widget();
    if (modal_ && gActiveForm && gActiveForm != this) {
        w->winId();
        gActiveForm->Impl().Widget()->winId();
        if (w->windowHandle() && gActiveForm->Impl().widget->windowHandle())
            w->windowHandle()->setTransientParent(gActiveForm->Impl().widget->windowHandle());
    }
    w->show();
    w->activateWindow();
    Activate();
}

static void CollectUnderPointer(TControl* control, std::vector<TWeakRef<TControl>>& inside)
{
    if (control->Impl().mouseInside) inside.emplace_back(control);
    if (auto* win = dynamic_cast<TWinControl*>(control))
        for (int i = 0; i < win->ControlCount(); ++i)
            CollectUnderPointer(win->Controls(i), inside);
}

// The window system tells no control that the pointer left it when its window hides, so a
// control would still take itself for hot when the window shows again elsewhere under the
// pointer: the form says it for them.
static void LeaveControlsUnderPointer(TControl* form)
{
    std::vector<TWeakRef<TControl>> inside;
    CollectUnderPointer(form, inside);
    for (const TWeakRef<TControl>& ref : inside)
        if (TControl* control = ref.Get()) control->Perform(CM_MOUSELEAVE);
}

void TCustomForm::HideWindow()
{
    LeaveControlsUnderPointer(this);
    DoHide();
    if (ContainsControl(FocusedControl())) SetKeyboardFocus(nullptr);
    Impl().Widget()->hide();
    if (gActiveForm == this) {
        gActiveForm = nullptr;
        active_ = false;
        Perform(CM_DEACTIVATE);
        TCustomForm* main = Application->MainForm();
        if (!modal_ && main && main != this && main->Visible()) main->Activate();
    }
}

void TCustomForm::Activate()
{
    if (gActiveForm == this && active_) return;
    TCustomForm* old = gActiveForm;
    gActiveForm = this;
    if (old && old != this) {
        old->active_ = false;
        old->Perform(CM_DEACTIVATE);
    }
    active_ = true;
    Perform(CM_ACTIVATE);
    if (gActiveForm != this) return;
    if (!activeControl_) {
        if (TWinControl* first = FindNextControl(nullptr, true, true, false)) activeControl_ = first;
    }
    SetWindowFocus();
}

void TCustomForm::SetWindowFocus()
{
    if (activeControl_ && activeControl_->CanFocus())
        SetKeyboardFocus(activeControl_);
    else
        SetKeyboardFocus(this);
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (control == activeControl_) {
        if (control && active_ && !control->Focused()) SetWindowFocus();
        return;
    }
    if (control && (control == this || GetParentForm(control) != this ||
                    (!ComponentState().Contains(csLoading) && !control->CanFocus())))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (!ComponentState().Contains(csLoading) && active_) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* control) { SetActiveControl(control); }

bool TCustomForm::SetFocusedControl(TWinControl* control)
{
    const int count = ++focusCount_;
    activeControl_ = control == this ? nullptr : control;
    if (!focusedControl_) focusedControl_ = this;
    if (focusedControl_ == control) return true;
    while (focusedControl_ && !focusedControl_->ContainsControl(control)) {
        TWinControl* leaving = focusedControl_;
        focusedControl_ = leaving->Parent();
        leaving->Perform(CM_EXIT);
        if (focusCount_ != count) return false;
    }
    while (focusedControl_ != control) {
        TWinControl* next = control;
        while (next->Parent() != focusedControl_) next = next->Parent();
        focusedControl_ = next;
        next->Perform(CM_ENTER);
        if (focusCount_ != count) return false;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
    return true;
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing)
{
    if (removing && control->ContainsControl(focusedControl_)) focusedControl_ = control->Parent();
    if (control->ContainsControl(activeControl_)) activeControl_ = nullptr;
}

void TCustomForm::SetModalResult(TModalResult result)
{
    modalResult_ = result;
    if (modal_ && result != mrNone && modalWake_) modalWake_();
}

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    if (!Enabled()) throw EInvalidOperation("Cannot make a disabled window modal");
    // The modal loop is the form's own event: whatever frees the form meanwhile ends the
    // loop, and the free waits until ShowModal has returned.
    const TEventScope event(this, false);
    TWeakRef<TCustomForm> previous(gActiveForm);
    modalResult_ = mrNone;
    modalCloseAction_ = caHide;
    modal_ = true;
    gModalForms.push_back(this);
    Impl().Widget()->setWindowModality(Qt::ApplicationModal);
    const auto reactivatePrevious = [&previous] {
        if (TCustomForm* p = previous.Get(); p && p->Visible()) p->Activate();
    };
    try {
        SetVisible(true);
        DialogService().RunModal(*this);
    } catch (...) {
        EndModal();
        reactivatePrevious();
        throw;
    }
    const TModalResult result = modalResult_;
    EndModal();
    reactivatePrevious();
    if (modalCloseAction_ == caFree) Release();
    return result;
}

void TCustomForm::EndModal()
{
    SetVisible(false);
    modal_ = false;
    modalWake_ = nullptr;
    std::erase(gModalForms, this);
    Impl().Widget()->setWindowModality(Qt::NonModal);
}

bool TCustomForm::ModalFinished()
{
    if (Application->Terminated() || (released_ && modalResult_ == mrNone)) modalResult_ = mrCancel;
    if (released_) return true;
    if (modalResult_ == mrNone) return false;
    CloseModal();
    return modalResult_ != mrNone;
}

void TCustomForm::CloseModal()
{
    try {
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (action == caNone) modalResult_ = mrNone;
        modalCloseAction_ = action;
    } catch (...) {
        modalResult_ = mrNone;
        Application->HandleException(this);
    }
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery && !Quiet()) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (modal_) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application->MainForm() == this)
        Application->Terminate();
    else if (action == caFree)
        Release();
    else
        SetVisible(false);
}

void TCustomForm::Release()
{
    released_ = true;
    TWinControl::Release();
    if (modal_ && modalWake_) modalWake_();
}

void TCustomForm::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_ACTIVATE:
        if (OnActivate && !Quiet()) OnActivate(this);
        return;
    case CM_DEACTIVATE:
        if (OnDeactivate && !Quiet()) OnDeactivate(this);
        return;
    case WM_CLOSE: Close(); return;
    default: TWinControl::WndProc(message);
    }
}

// Tab moves the focus in Tab order and the arrows among the neighbours of the focused
// control; other dialog keys go to every control of the form (a default button takes Enter).
void TCustomForm::CMDialogKey(TMessage& m)
{
    const TShiftState shift = KeyDataToShiftState(m.LParam);
    if (!shift.Contains(ssAlt)) {
        switch (m.WParam) {
        case VK_TAB:
            if (shift.Contains(ssCtrl)) break;
            SelectNext(activeControl_, !shift.Contains(ssShift), true);
            m.Result = 1;
            return;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (activeControl_ && activeControl_->Parent()) {
                activeControl_->Parent()->SelectNext(activeControl_, m.WParam == VK_RIGHT || m.WParam == VK_DOWN,
                                                     false);
                m.Result = 1;
            }
            return;
        default: break;
        }
    }
    TWinControl::CMDialogKey(m);
}

TApplication::TApplication() : TComponent(nullptr) {}

// Forms still alive when the process ends are left to it: the window system may already be gone.
TApplication::~TApplication()
{
    while (ComponentCount() > 0) RemoveComponent(Components(0));
}

void TApplication::Initialize() { EnsureQtApplication(); }

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == mainForm_) mainForm_ = nullptr;
}

void TApplication::FormCreated(TCustomForm* form)
{
    if (!mainForm_) mainForm_ = form;
    form->AfterConstruction();
}

void TApplication::Run()
{
    EnsureQtApplication();
    if (mainForm_) {
        ShowMainForm();
        if (!terminated_) QApplication::exec();
    }
    DestroyComponents();
    mainForm_ = nullptr;
}

void TApplication::ShowMainForm()
{
    if (!mainForm_) return;
    mainForm_->Show();
    if (untilShown_.empty()) return;
    WaitUntilOnScreen(mainForm_);
    for (const auto& work : std::exchange(untilShown_, {})) work();
}

// The window system shows the window and Qt paints it on the expose; input waits meanwhile.
// A desktop that never exposes it (a minimised start) is not waited for long.
void TApplication::WaitUntilOnScreen(TCustomForm* form)
{
    QWidget* widget = form->Impl().Widget();
    QTimer patience;  // its time-out also wakes the wait below
    patience.setSingleShot(true);
    patience.start(2000);
    while (!(widget->windowHandle() && widget->windowHandle()->isExposed()) && patience.isActive())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TApplication::ProcessMessages()
{
    EnsureQtApplication();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    ShowPostedErrors();
}

void TApplication::Terminate()
{
    terminated_ = true;
    for (TCustomForm* form : std::vector<TCustomForm*>(gModalForms)) form->SetModalResult(mrCancel);
    if (QCoreApplication::instance()) QCoreApplication::exit(0);
}

std::string TApplication::Title() const
{
    if (!title_.empty()) return title_;
    EnsureQtApplication();
    return QCoreApplication::applicationName().toStdString();
}

void TApplication::ShowException(const std::exception& e)
{
    TMessageBoxRequest request;
    request.Text = e.what();
    request.Caption = Title();
    request.Type = mtError;
    request.Buttons = {mbOK};
    DialogService().MessageBox(request);
}

void TApplication::HandleException(TObject*)
{
    try {
        throw;
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(Exception("Unknown error"));
    }
}

static TApplication ApplicationObject;
TApplication* const Application = &ApplicationObject;

static QRect WholeScreen()
{
    EnsureQtApplication();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

int TScreen::Width() const { return WholeScreen().width(); }

int TScreen::Height() const { return WholeScreen().height(); }

void TScreen::SetCursor(TCursor cursor)
{
    EnsureQtApplication();
    if (cursor_ != crDefault) QApplication::restoreOverrideCursor();
    cursor_ = cursor;
    if (cursor != crDefault) QApplication::setOverrideCursor(QtCursorOf(cursor));
}

TCustomForm* TScreen::ActiveForm() const { return gActiveForm; }

void TScreen::SetCursorImage(TCursor Number, const TBitmap& Image, TPoint HotSpot)
{
    auto copy = std::make_shared<TBitmap>();
    copy->Assign(Image);
    cursorImages_[Number] = TCursorImage{copy, HotSpot};
}

const TBitmap* TScreen::CursorImage(TCursor Number, TPoint& HotSpot) const
{
    const auto found = cursorImages_.find(Number);
    if (found == cursorImages_.end()) return nullptr;
    HotSpot = found->second.HotSpot;
    return found->second.Image.get();
}

static TScreen ScreenObject;
TScreen* const Screen = &ScreenObject;
