#include <QTimer>

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "platform/QtRuntime.h"
#include "platform/ui/Component.h"
#include "platform/ui/Forms.h"

// An error box opened inside the Qt handler that failed would run a nested event loop in
// the middle of that handler (a paint event repainting itself, a half-done mouse press).
// The handler therefore only notes the error; the box is shown on the next turn of the
// loop, once per distinct message while it waits or is shown.

namespace {

struct TPostedError {
    std::exception_ptr error;
    std::string text;
};

class TPostedErrors {
public:
    void Add(std::exception_ptr error)
    {
        std::string text = TextOf(error);
        if (text == shownText_) return;
        for (const TPostedError& posted : pending_)
            if (posted.text == text) return;
        pending_.push_back({error, std::move(text)});
        if (scheduled_) return;
        scheduled_ = true;
        EnsureQtApplication();
        QTimer::singleShot(0, [this] { ShowPending(); });
    }

    // A box runs its own loop, which may come here again: the outer call shows the rest.
    void ShowPending()
    {
        scheduled_ = false;
        if (shownText_) return;
        while (!pending_.empty()) {
            TPostedError next = std::move(pending_.front());
            pending_.erase(pending_.begin());
            shownText_ = next.text;
            try {
                std::rethrow_exception(next.error);
            } catch (...) {
                try {
                    Application->HandleException(nullptr);
                } catch (...) {
                    // Nothing may escape into Qt, not even a failing error box.
                }
            }
            shownText_.reset();
        }
    }

private:
    static std::string TextOf(const std::exception_ptr& error)
    {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            return e.what();
        } catch (...) {
            return {};
        }
    }

    std::vector<TPostedError> pending_;
    std::optional<std::string> shownText_;
    bool scheduled_ = false;
};

TPostedErrors& PostedErrors()
{
    static TPostedErrors errors;
    return errors;
}

} // namespace

void GuardedCall(const std::function<void()>& call)
{
    // Qt still uses the widget after the call: what falls due waits for the loop.
    const TEventScope event(nullptr, false);
    try {
        call();
    } catch (...) {
        PostedErrors().Add(std::current_exception());
    }
}

void ShowPostedErrors() { PostedErrors().ShowPending(); }
