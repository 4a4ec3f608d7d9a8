#include "support/CleanState.h"

#include "platform/net/HttpClient.h"
#include "platform/net/IcmpEcho.h"
#include "platform/os/Programs.h"
#include "platform/os/SerialPorts.h"
#include "platform/os/Shell.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Forms.h"
#include "platform/ui/PopupCommandMenu.h"
#include "support/FakeDialogs.h"

namespace {
void ResetServices()
{
    SetShellOpener(nullptr);
    SetProgramStarter(nullptr);
    SetHttpGet(nullptr);
    SetIcmpEcho(nullptr);
    SetClock(nullptr);
    SetSerialPortProbe(nullptr);
    SetBeeper(nullptr);
    SetPopupMenuTracker(nullptr);
    FormatSettings() = TFormatSettings();
}

// Frees the forms a test left with the application and runs what it left to the loop.
void FreeLeftovers()
{
    Application->DestroyComponents();
    Application->ProcessMessages();
}
} // namespace

TCleanApplicationState::TCleanApplicationState() = default;
TCleanApplicationState::~TCleanApplicationState() = default;

void TCleanApplicationState::OnTestStart(const testing::TestInfo&)
{
    ResetServices();
    dialogs_ = std::make_unique<TFakeDialogs>();
}

void TCleanApplicationState::OnTestEnd(const testing::TestInfo&)
{
    FreeLeftovers();
    for (const TFakeDialogs::TShownMessage& message : dialogs_->Messages())
        ADD_FAILURE() << "a message box that the test did not answer: \"" << message.Text << "\"";
    for (const std::string& form : dialogs_->ModalForms())
        ADD_FAILURE() << "a modal form that the test did not answer: " << form;
    dialogs_.reset();
    ResetServices();
}
