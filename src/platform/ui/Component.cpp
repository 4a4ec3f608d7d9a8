#include "platform/ui/Component.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <typeinfo>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

std::string TObject::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = status == 0 && demangled ? demangled : mangled;
    std::free(demangled);
    const size_t scope = name.rfind("::");
    return scope == std::string::npos ? name : name.substr(scope + 2);
}

void TPersistent::Assign(const TPersistent& source)
{
    throw EConvertError("Cannot assign a " + source.ClassName() + " to a " + ClassName());
}

TComponent::TComponent(TComponent* owner) : alive_(std::make_shared<TComponent*>(this))
{
    if (owner) {
        if (owner->state_.Contains(csLoading)) state_ += csLoading;
        owner->InsertComponent(this);
    }
}

TComponent::~TComponent()
{
    TComponent::Destroying();
    *alive_ = nullptr;
    for (TComponent* c : std::vector<TComponent*>(freeNotifies_)) {
        c->RemoveFreeNotification(this);
        c->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (component->owner_) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end()) return;
    components_.erase(it);
    component->owner_ = nullptr;
    Notification(component, opRemove);
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* last = components_.back();
        RemoveComponent(last);
        delete last;
    }
}

bool TComponent::HandlingEvent() const
{
    return eventDepth_ > 0 || std::any_of(components_.begin(), components_.end(),
                                          [](const TComponent* c) { return c->HandlingEvent(); });
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this) return;
    auto& list = component->freeNotifies_;
    if (std::find(list.begin(), list.end(), this) == list.end()) list.push_back(this);
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    std::erase(freeNotifies_, component);
    std::erase(component->freeNotifies_, this);
}

void TComponent::EndLoading()
{
    if (!state_.Contains(csLoading)) return;
    state_ -= csLoading;
    for (TComponent* c : std::vector<TComponent*>(components_)) c->EndLoading();
    Loaded();
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove) std::erase(freeNotifies_, component);
    if (state_.Contains(csDestroying)) return;
    // From the last by index, without a copy of the list: a form inserting its components
    // one by one tells each of them about every new one. A reaction may shrink the list.
    for (size_t i = components_.size(); i > 0; i = std::min(i - 1, components_.size())) {
        TComponent* c = components_[i - 1];
        if (c != component) c->Notification(component, operation);
    }
}

void TComponent::Destroying()
{
    if (state_.Contains(csDestroying)) return;
    state_ += csDestroying;
    for (TComponent* c : components_) c->Destroying();
}

void TComponent::SetComponentState(TComponentStateFlag flag, bool on)
{
    if (on)
        state_ += flag;
    else
        state_ -= flag;
}
