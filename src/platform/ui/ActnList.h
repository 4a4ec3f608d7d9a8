#pragma once
#include <string>
#include <vector>

#include "platform/ui/Component.h"

class TActionLink;
class TActionList;
class TControl;
class TCustomImageList;

// A command that several controls can share: every linked control shows its Caption,
// Enabled, Visible and Hint, and a linked control's click runs Execute. A change reaches
// each linked control that still shows the old value; one that was given a value of its
// own keeps it.
class TAction : public TComponent {
public:
    explicit TAction(TComponent* owner);
    ~TAction() override;

    // Runs OnExecute; false, and nothing runs, when the action is disabled or has none.
    virtual bool Execute();
    TNotifyEvent OnExecute;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    // The image of the action in its list's Images; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { imageIndex_ = value; }
    // The list the action belongs to (it does not own the action); nullptr for none.
    TActionList* ActionList() const;
    void SetActionList(TActionList* list);

private:
    friend class TActionLink;
    template <typename T, typename Arg>
    void Change(T& field, const T& value, bool (TActionLink::*linked)() const,
                void (TActionLink::*write)(Arg));

    std::vector<TActionLink*> links_;
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string hint_;
    bool checked_ = false;
    int groupIndex_ = 0;
    int imageIndex_ = -1;
    TWeakRef<TActionList> actionList_;
};

// The list that groups actions and holds the images they show.
class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* owner) : TComponent(owner) {}

    TCustomImageList* Images() const;
    void SetImages(TCustomImageList* images);

private:
    TWeakRef<TCustomImageList> images_;
};

// Ties one client to an action. The client takes every property when it is linked; later
// a property reaches it only while the Is...Linked test holds. Freeing either side unties
// them.
class TActionLink {
public:
    TActionLink() = default;
    virtual ~TActionLink();
    TActionLink(const TActionLink&) = delete;
    TActionLink& operator=(const TActionLink&) = delete;

    TAction* Action() const { return action_; }
    // Unties the old action, ties the new one (nullptr for none) and shows its properties.
    void SetAction(TAction* action);
    // The action's Execute; false without an action.
    bool Execute();

protected:
    friend class TAction;

    virtual bool IsCaptionLinked() const { return action_ != nullptr; }
    virtual bool IsEnabledLinked() const { return action_ != nullptr; }
    virtual bool IsVisibleLinked() const { return action_ != nullptr; }
    virtual bool IsHintLinked() const { return action_ != nullptr; }
    virtual bool IsCheckedLinked() const { return action_ != nullptr; }
    virtual bool IsGroupIndexLinked() const { return action_ != nullptr; }
    // Write a value to the client; the base client has nothing to show.
    virtual void WriteCaption(const std::string&) {}
    virtual void WriteEnabled(bool) {}
    virtual void WriteVisible(bool) {}
    virtual void WriteHint(const std::string&) {}
    virtual void WriteChecked(bool) {}
    virtual void WriteGroupIndex(int) {}

private:
    TAction* action_ = nullptr;
};

// The link of a control: Caption, Enabled, Visible and Hint, each linked while the control
// shows the action's value.
class TControlActionLink : public TActionLink {
public:
    explicit TControlActionLink(TControl* client) : client_(client) {}

protected:
    bool IsCaptionLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsVisibleLinked() const override;
    bool IsHintLinked() const override;
    void WriteCaption(const std::string& value) override;
    void WriteEnabled(bool value) override;
    void WriteVisible(bool value) override;
    void WriteHint(const std::string& value) override;

    TControl* client_;
};
