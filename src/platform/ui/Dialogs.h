#pragma once
#include <optional>
#include <string>

#include "platform/ui/Forms.h"

// Message boxes, file dialogs and the modal loop go through one replaceable dialog service,
// so that tests can answer them.

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
inline const TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// Shows a message box and returns the modal result of the button pressed (mrYes ...).
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx);
void ShowMessage(const std::string& text);

// The modal result of a message-box button.
TModalResult ModalResultOf(TMsgDlgBtn button);
// The button that Enter presses in a message box with these buttons.
TMsgDlgBtn DefaultButtonOf(TMsgDlgButtons buttons);

struct TMessageBoxRequest {
    std::string Text;
    std::string Caption;
    TMsgDlgType Type = mtCustom;
    TMsgDlgButtons Buttons;
    int HelpCtx = 0;
};

enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofEnableSizing,
};
using TOpenOptions = TSet<TOpenOption>;

struct TFileDialogRequest {
    bool Save = false;
    std::string Title;
    std::string Filter;  // "Description|*.ext|Description|*.a;*.b"
    int FilterIndex = 1;
    std::string DefaultExt;  // without the dot
    std::string InitialDir;
    std::string FileName;
    TOpenOptions Options;
};

class TDialogService {
public:
    virtual ~TDialogService() = default;
    // Returns the modal result of the button pressed.
    virtual int MessageBox(const TMessageBoxRequest& request) = 0;
    // The file chosen, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> FileDialog(const TFileDialogRequest& request) = 0;
    // Runs the modal loop of a form that has just been shown, until form.ModalFinished().
    virtual void RunModal(TCustomForm& form) = 0;
};

TDialogService& DialogService();
// The desktop's own service, for a stand-in that lets some requests through (a test that
// needs the real modal loop).
TDialogService& RealDialogService();
// Replaces the dialog service; nullptr restores the real one. Error boxes still waiting are
// shown first, by the service in force when their errors happened.
void SetDialogService(TDialogService* service);

// The open-file dialog. Execute shows it and returns true when the user chose a file.
class TOpenDialog : public TComponent {
public:
    using TComponent::TComponent;
    bool Execute();

    std::string Filter;
    int FilterIndex = 1;
    std::string DefaultExt;
    std::string InitialDir;
    std::string FileName;
    std::string Title;
    TOpenOptions Options{ofHideReadOnly, ofEnableSizing};

protected:
    virtual bool Saving() const { return false; }
};

// The save-file dialog; with ofOverwritePrompt it asks before an existing file is chosen.
class TSaveDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;

protected:
    bool Saving() const override { return true; }
};
