#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "platform/rtl/Sets.h"

// The root of the class tree: every sender of an event is a TObject.
class TObject {
public:
    virtual ~TObject() = default;
    // The class name as written in the source, for example "TLbButton".
    std::string ClassName() const;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Objects whose published state can be copied from another object of a compatible class.
class TPersistent : public TObject {
public:
    // Raises EConvertError ("Cannot assign a TX to a TY") unless a class knows the source.
    virtual void Assign(const TPersistent& source);
};

enum TComponentStateFlag { csLoading, csReading, csWriting, csDestroying, csDesigning, csUpdating };
using TComponentState = TSet<TComponentStateFlag>;

enum TOperation { opInsert, opRemove };

// A component may own others: the owner frees what it owns when it is freed itself, the
// last-created first. A component created with an owner that is still being built (a form
// in its constructor) carries csLoading until the owner calls Loaded on all of them.
//
// Lifetime: a component is never freed inside one of its own events. Release() frees it
// later, from the event loop, once the events running when it was asked have returned; a
// `delete` of a component that is handling an event (or owns or holds one that is) becomes
// such a release. Every free runs BeforeDestruction first, while the whole object still
// exists.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    // Every `delete` comes here, so that BeforeDestruction reaches the overrides and a
    // component busy with an event is released instead of freed under its feet.
    void operator delete(TComponent* component, std::destroying_delete_t);

    // Frees the component from the event loop, after the events now running have returned.
    virtual void Release();
    // True while an event is being dispatched to this component or to one it owns.
    virtual bool HandlingEvent() const;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }
    TComponentState ComponentState() const { return state_; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(index); }
    TComponent* FindComponent(const std::string& name) const;  // letter case ignored
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();

    // Asks `component` to tell this one (through Notification) when it is freed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Ends the building state of this component and of everything it owns, calling Loaded
    // on each of them.
    void EndLoading();

    // A weak reference that turns null when the component is freed.
    std::weak_ptr<TComponent*> WeakSelf() const { return alive_; }

protected:
    virtual void Loaded() {}
    // Called on every free, right before the destructors run.
    virtual void BeforeDestruction() {}
    // Called on the owner (and passed on to everything it owns) when a component is
    // inserted or removed, and on the components that asked for a free notification.
    virtual void Notification(TComponent* component, TOperation operation);
    // Marks this component and everything it owns as being destroyed.
    virtual void Destroying();
    void SetComponentState(TComponentStateFlag flag, bool on);

private:
    TComponent* owner_ = nullptr;
    std::string name_;
    intptr_t tag_ = 0;
    TComponentState state_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::shared_ptr<TComponent*> alive_;
    int eventDepth_ = 0;
    friend class TEventScope;
};

// Holds a component weakly: Get() is null once the component is freed.
template <typename T>
class TWeakRef {
public:
    TWeakRef() = default;
    TWeakRef(T* component)
    {
        if (component) ref_ = component->WeakSelf();
    }
    T* Get() const
    {
        auto p = ref_.lock();
        return p ? static_cast<T*>(*p) : nullptr;
    }
    explicit operator bool() const { return Get() != nullptr; }

private:
    std::weak_ptr<TComponent*> ref_;
};

// Marks an event being dispatched to a component (or, without one, from the event loop into
// our code) for as long as the scope lives; frees asked for inside it wait for its end. At
// the end of the outermost scope the frees due happen at once, unless `freeAtEnd` is false
// because the caller still uses the object (Qt's widget event, ShowModal's caller): then
// they wait for the event loop.
class TEventScope {
public:
    explicit TEventScope(TComponent* target, bool freeAtEnd = true);
    ~TEventScope();
    TEventScope(const TEventScope&) = delete;
    TEventScope& operator=(const TEventScope&) = delete;

private:
    TWeakRef<TComponent> target_;
    bool freeAtEnd_;
};
