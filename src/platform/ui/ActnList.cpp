#include "platform/ui/ActnList.h"

#include <algorithm>

#include "platform/ui/Controls.h"
#include "platform/ui/ImgList.h"

TAction::TAction(TComponent* owner) : TComponent(owner) {}

TAction::~TAction()
{
    // The clients stay; they only lose their action.
    for (TActionLink* link : links_)
        link->action_ = nullptr;
}

bool TAction::Execute()
{
    if (!enabled_ || !OnExecute) return false;
    OnExecute(this);
    return true;
}

// A property tells the links before it changes, so that a link can still see whether its
// client shows the old value.
template <typename T, typename Arg>
void TAction::Change(T& field, const T& value, bool (TActionLink::*linked)() const,
                     void (TActionLink::*write)(Arg))
{
    if (value == field) return;
    for (TActionLink* link : links_)
        if ((link->*linked)()) (link->*write)(value);
    field = value;
}

void TAction::SetCaption(const std::string& value)
{
    Change(caption_, value, &TActionLink::IsCaptionLinked, &TActionLink::WriteCaption);
}

void TAction::SetEnabled(bool value)
{
    Change(enabled_, value, &TActionLink::IsEnabledLinked, &TActionLink::WriteEnabled);
}

void TAction::SetVisible(bool value)
{
    Change(visible_, value, &TActionLink::IsVisibleLinked, &TActionLink::WriteVisible);
}

void TAction::SetHint(const std::string& value)
{
    Change(hint_, value, &TActionLink::IsHintLinked, &TActionLink::WriteHint);
}

void TAction::SetChecked(bool value)
{
    Change(checked_, value, &TActionLink::IsCheckedLinked, &TActionLink::WriteChecked);
}

void TAction::SetGroupIndex(int value)
{
    Change(groupIndex_, value, &TActionLink::IsGroupIndexLinked, &TActionLink::WriteGroupIndex);
}

TActionList* TAction::ActionList() const { return actionList_.Get(); }
void TAction::SetActionList(TActionList* list) { actionList_ = list; }

TCustomImageList* TActionList::Images() const { return images_.Get(); }
void TActionList::SetImages(TCustomImageList* images) { images_ = images; }

TActionLink::~TActionLink() { SetAction(nullptr); }

void TActionLink::SetAction(TAction* action)
{
    if (action == action_) return;
    if (action_) std::erase(action_->links_, this);
    action_ = action;
    if (!action_) return;
    action_->links_.push_back(this);
    WriteCaption(action_->Caption());
    WriteEnabled(action_->Enabled());
    WriteVisible(action_->Visible());
    WriteHint(action_->Hint());
    WriteGroupIndex(action_->GroupIndex());
    WriteChecked(action_->Checked());
}

bool TActionLink::Execute() { return action_ && action_->Execute(); }

bool TControlActionLink::IsCaptionLinked() const
{
    return TActionLink::IsCaptionLinked() && client_->Caption() == Action()->Caption();
}

bool TControlActionLink::IsEnabledLinked() const
{
    return TActionLink::IsEnabledLinked() && client_->Enabled() == Action()->Enabled();
}

bool TControlActionLink::IsVisibleLinked() const
{
    return TActionLink::IsVisibleLinked() && client_->Visible() == Action()->Visible();
}

bool TControlActionLink::IsHintLinked() const
{
    return TActionLink::IsHintLinked() && client_->Hint() == Action()->Hint();
}

void TControlActionLink::WriteCaption(const std::string& value) { client_->SetCaption(value); }
void TControlActionLink::WriteEnabled(bool value) { client_->SetEnabled(value); }
void TControlActionLink::WriteVisible(bool value) { client_->SetVisible(value); }
void TControlActionLink::WriteHint(const std::string& value) { client_->SetHint(value); }
