#include "support/FakeDialogs.h"

namespace {
// The fake in charge: the innermost one that lives. A test's own fake stands in front of
// the one every test gets, and hands back to it when it goes.
TFakeDialogs* current = nullptr;
} // namespace

TFakeDialogs::TFakeDialogs() : previous_(current)
{
    current = this;
    SetDialogService(this);
}

TFakeDialogs::~TFakeDialogs()
{
    current = previous_;
    SetDialogService(previous_);
}

void TFakeDialogs::AnswerMessage(int modalResult) { messageAnswers_.push_back(modalResult); }

void TFakeDialogs::AnswerFile(const std::string& fileName) { fileAnswers_.emplace_back(fileName); }

void TFakeDialogs::CancelFile() { fileAnswers_.emplace_back(std::nullopt); }

void TFakeDialogs::OnModal(std::function<void(TCustomForm& form)> action) { modalActions_.push_back(std::move(action)); }

int TFakeDialogs::MessageBox(const TMessageBoxRequest& request)
{
    messages_.push_back({request.Text, request.Caption, request.Type, request.Buttons});
    if (messageAnswers_.empty()) return ModalResultOf(DefaultButtonOf(request.Buttons));
    const int answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    return answer;
}

std::optional<std::string> TFakeDialogs::FileDialog(const TFileDialogRequest& request)
{
    fileRequests_.push_back(request);
    if (fileAnswers_.empty()) return std::nullopt;
    std::optional<std::string> answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
}

void TFakeDialogs::RunModal(TCustomForm& form)
{
    modalForms_.push_back(form.ClassName());
    TWeakRef<TCustomForm> ref(&form);
    if (!modalActions_.empty()) {
        auto action = std::move(modalActions_.front());
        modalActions_.pop_front();
        action(form);
    }
    if (!ref || form.ModalFinished()) return;
    // A form left open is closed as by its close box; one that refuses even that returns mrNone.
    form.SetModalResult(mrCancel);
    form.ModalFinished();
}

std::vector<std::string> TFakeDialogs::TextsSince(size_t count) const
{
    std::vector<std::string> texts;
    for (size_t i = count; i < messages_.size(); ++i)
        texts.push_back(messages_[i].Text);
    return texts;
}
