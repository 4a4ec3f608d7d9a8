#include "platform/ui/Dialogs.h"

#include "platform/QtRuntime.h"

namespace {

TDialogService* gService = nullptr;

const char* CaptionOf(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    default: return "";
    }
}

}  // namespace

TDialogService& DialogService() { return gService ? *gService : RealDialogService(); }

void SetDialogService(TDialogService* service)
{
    ShowPostedErrors();
    gService = service;
}

TModalResult ModalResultOf(TMsgDlgBtn button)
{
    switch (button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrNoToAll;
    case mbYesToAll: return mrYesToAll;
    case mbHelp: return mrHelp;
    case mbClose: return mrClose;
    }
    return mrNone;
}

TMsgDlgBtn DefaultButtonOf(TMsgDlgButtons buttons)
{
    if (buttons.Contains(mbOK)) return mbOK;
    if (buttons.Contains(mbYes)) return mbYes;
    return mbRetry;
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx)
{
    TMessageBoxRequest request;
    request.Text = text;
    request.Type = type;
    request.Caption = type == mtCustom ? Application->Title() : CaptionOf(type);
    request.Buttons = buttons.Empty() ? TMsgDlgButtons{mbOK} : buttons;
    request.HelpCtx = helpCtx;
    return DialogService().MessageBox(request);
}

void ShowMessage(const std::string& text) { MessageDlg(text, mtCustom, {mbOK}, 0); }

bool TOpenDialog::Execute()
{
    TFileDialogRequest request;
    request.Save = Saving();
    request.Title = Title;
    request.Filter = Filter;
    request.FilterIndex = FilterIndex;
    request.DefaultExt = DefaultExt;
    request.InitialDir = InitialDir;
    request.FileName = FileName;
    request.Options = Options;
    const std::optional<std::string> chosen = DialogService().FileDialog(request);
    if (!chosen) return false;
    FileName = *chosen;
    return true;
}
