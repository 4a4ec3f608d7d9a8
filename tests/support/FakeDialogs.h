#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Dialogs.h"

// Stands in for the dialog service while it lives: answers message boxes, file dialogs
// and modal forms from queues, and records what was shown. Fakes nest: when one goes, the
// one it replaced answers again.
//
//   TFakeDialogs dialogs;
//   dialogs.AnswerMessage(mrYes);
//   dialogs.OnModal([](TCustomForm& form) { ...; form.SetModalResult(mrOk); });
//   ... run the code under test ...
//   EXPECT_EQ(dialogs.Messages().at(0).Text, "Error! Project not Valid");
class TFakeDialogs : public TDialogService {
public:
    struct TShownMessage {
        std::string Text;
        std::string Caption;
        TMsgDlgType Type;
        TMsgDlgButtons Buttons;
    };

    TFakeDialogs();
    ~TFakeDialogs() override;
    TFakeDialogs(const TFakeDialogs&) = delete;
    TFakeDialogs& operator=(const TFakeDialogs&) = delete;

    // The next message box returns this result; without one queued a box returns its
    // default button (OK, else Yes).
    void AnswerMessage(int modalResult);
    // The next file dialog chooses this file, or is cancelled; without one queued it is cancelled.
    void AnswerFile(const std::string& fileName);
    void CancelFile();
    // The next form shown modally gets this action. When the action leaves ModalResult
    // unset, or no action is queued, the form closes with mrCancel as if its close box
    // were clicked (a form whose CloseQuery refuses that returns mrNone).
    void OnModal(std::function<void(TCustomForm& form)> action);

    const std::vector<TShownMessage>& Messages() const { return messages_; }
    // The texts of the message boxes shown after the first count ones.
    std::vector<std::string> TextsSince(size_t count) const;
    const std::vector<TFileDialogRequest>& FileRequests() const { return fileRequests_; }
    // The class names of the forms shown modally, in order.
    const std::vector<std::string>& ModalForms() const { return modalForms_; }

    int MessageBox(const TMessageBoxRequest& request) override;
    std::optional<std::string> FileDialog(const TFileDialogRequest& request) override;
    void RunModal(TCustomForm& form) override;

private:
    TFakeDialogs* previous_;
    std::deque<int> messageAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::deque<std::function<void(TCustomForm&)>> modalActions_;
    std::vector<TShownMessage> messages_;
    std::vector<TFileDialogRequest> fileRequests_;
    std::vector<std::string> modalForms_;
};
