#pragma once
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Controls.h"

// Forms (top-level windows), the application object and the screen.
//
// A form class builds its components in its constructor; Application->CreateForm(ref)
// creates it, sets `ref`, makes the first form created the main form, ends the building
// state of every component (Loaded) and fires OnCreate.

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 8;
constexpr TModalResult mrHelp = 9;
constexpr TModalResult mrAll = 12;
constexpr TModalResult mrNoToAll = 13;
constexpr TModalResult mrYesToAll = 14;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Ends the building of the form's components and fires OnCreate (CreateForm calls it).
    void AfterConstruction();

    TCanvas* Canvas() const { return ControlCanvas(); }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool preview) { keyPreview_ = preview; }

    TWinControl* ActiveControl() const { return activeControl_; }
    // Raises EInvalidOperation when the control cannot take the focus.
    void SetActiveControl(TWinControl* control);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result);
    bool Modal() const { return modal_; }
    bool Active() const { return active_; }

    // Shows the form and runs the event loop until ModalResult is set and the form agrees to
    // close, or the form is released or freed; returns the modal result (mrCancel for a
    // form that went without one). The form is not freed before ShowModal returns: a free
    // asked for meanwhile, and a close with caFree, release it.
    TModalResult ShowModal();
    // The form's modal loop asks this after each turn: true once the form closes (a set
    // ModalResult that CloseQuery and OnClose let stand) or is released.
    bool ModalFinished();
    // Frees the form from the event loop; a modal form's loop ends first.
    void Release() override;
    // The modal loop waiting for this form; setting ModalResult wakes it.
    void SetModalWake(std::function<void()> wake) { modalWake_ = std::move(wake); }
    void Close();
    virtual bool CloseQuery();

    // Focus inside the form.
    void FocusControl(TWinControl* control);
    bool SetFocusedControl(TWinControl* control);
    void DefocusControl(TWinControl* control, bool removing);
    // Makes this form the active one and gives the focus to its active control.
    void Activate();

    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    void Paint() override;
    void BeforeDestruction() override;
    void CMVisibleChanged(TMessage& message) override;
    void CMDialogKey(TMessage& message) override;

private:
    void ShowWindow();
    void HideWindow();
    void ApplyWindowFlags();
    void PlaceWindow();
    void SetWindowFocus();
    void CloseModal();
    void EndModal();

    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDefaultPosOnly;
    bool keyPreview_ = false;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    int focusCount_ = 0;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool active_ = false;
    bool created_ = false;
    bool released_ = false;
    TCloseAction modalCloseAction_ = caHide;
    std::function<void()> modalWake_;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize();
    template <class T>
    void CreateForm(T*& reference)
    {
        T* form = new T(this);
        reference = form;
        FormCreated(form);
    }
    TCustomForm* MainForm() const { return mainForm_; }
    // Shows the main form and runs the event loop until it closes, then frees every form.
    void Run();
    // Start-up work that can wait until the main form is on screen: ShowMainForm does it
    // then, in the order given, before the loop takes any input.
    void DeferUntilShown(std::function<void()> work) { untilShown_.push_back(std::move(work)); }
    // Shows the main form and does the work deferred until it is on screen (Run begins so).
    void ShowMainForm();
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Shows the message of the exception being handled in an error box; call it in a catch block.
    void HandleException(TObject* sender);
    void ShowException(const std::exception& e);
    // The program's name, the caption of its message boxes.
    std::string Title() const;
    void SetTitle(const std::string& title) { title_ = title; }

    // Hints (kept by the hint manager): whether they show, how long the mouse rests before
    // one shows and how long it stays (milliseconds), their colour.
    bool ShowHint() const;
    void SetShowHint(bool show);
    int HintPause() const;
    void SetHintPause(int milliseconds);
    int HintHidePause() const;
    void SetHintHidePause(int milliseconds);
    TColor HintColor() const;
    void SetHintColor(TColor color);
    // The class of every hint window; empty: THintWindow. A control may still pick its own
    // for one hint.
    const THintWindowClass& HintWindowClass() const;
    void SetHintWindowClass(THintWindowClass windowClass);
    // Hides the hint shown now; the next rest of the mouse shows one again.
    void CancelHint();

protected:
    // A freed main form is no longer the main form.
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FormCreated(TCustomForm* form);
    void WaitUntilOnScreen(TCustomForm* form);

    TCustomForm* mainForm_ = nullptr;
    std::vector<std::function<void()>> untilShown_;
    bool terminated_ = false;
    std::string title_;
};

extern TApplication* const Application;

class TScreen {
public:
    int Width() const;
    int Height() const;
    TCursor Cursor() const { return cursor_; }
    // A cursor other than crDefault is shown over the whole program.
    void SetCursor(TCursor cursor);
    TCustomForm* ActiveForm() const;
    TWinControl* ActiveControl() const { return FocusedControl(); }
    // The font of hint windows.
    TFont* HintFont() const;
    // A cursor drawn from a picture (clear where the picture is transparent), registered
    // under its number; controls and SetCursor show it like the built-in ones.
    void SetCursorImage(TCursor Number, const TBitmap& Image, TPoint HotSpot);
    // The picture of a registered cursor, or nullptr.
    const TBitmap* CursorImage(TCursor Number, TPoint& HotSpot) const;

private:
    struct TCursorImage {
        std::shared_ptr<TBitmap> Image;
        TPoint HotSpot;
    };
    TCursor cursor_ = crDefault;
    std::map<TCursor, TCursorImage> cursorImages_;
};

extern TScreen* const Screen;
