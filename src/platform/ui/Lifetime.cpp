// Deferred freeing: one rule for every component, like Qt's deleteLater. A free asked for
// while events run waits until the event loop is back below the events that were running
// when it was asked, so no handler ever returns into a freed object.
#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <vector>

#include "platform/QtRuntime.h"
#include "platform/ui/Component.h"

namespace {

struct TPendingFree {
    TWeakRef<TComponent> component;
    int depth;  // the events running when the free was asked
};

std::vector<TPendingFree> gPending;
int gEventDepth = 0;
bool gPassPosted = false;

bool Due(const TPendingFree& entry)
{
    TComponent* c = entry.component.Get();
    return c && !c->HandlingEvent() && (gEventDepth == 0 || gEventDepth < entry.depth);
}

// Frees what is due; what is not waits for the end of the events it waits for.
void FreeDue()
{
    while (true) {
        auto due = std::find_if(gPending.begin(), gPending.end(), Due);
        if (due == gPending.end()) break;
        TComponent* c = due->component.Get();
        gPending.erase(due);
        delete c;  // may release more: the search starts again
    }
    std::erase_if(gPending, [](const TPendingFree& entry) { return !entry.component; });
}

void PostFreePass()
{
    if (gPassPosted) return;
    EnsureQtApplication();
    gPassPosted = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            gPassPosted = false;
            FreeDue();
        },
        Qt::QueuedConnection);
}

bool Waiting(const TComponent* component)
{
    return std::any_of(gPending.begin(), gPending.end(),
                       [component](const TPendingFree& entry) { return entry.component.Get() == component; });
}

}  // namespace

void TComponent::Release()
{
    if (!Waiting(this)) gPending.push_back({TWeakRef<TComponent>(this), gEventDepth});
    PostFreePass();
}

void TComponent::operator delete(TComponent* component, std::destroying_delete_t)
{
    // Freed with its owner or parent: that free cannot wait, and nothing runs on it any more.
    const bool withOwner = component->ComponentState().Contains(csDestroying);
    if (!withOwner && component->HandlingEvent()) {
        component->Release();
        return;
    }
    std::erase_if(gPending, [component](const TPendingFree& entry) { return entry.component.Get() == component; });
    component->BeforeDestruction();
    void* whole = dynamic_cast<void*>(component);
    component->~TComponent();
    ::operator delete(whole);
}

TEventScope::TEventScope(TComponent* target, bool freeAtEnd) : target_(target), freeAtEnd_(freeAtEnd)
{
    ++gEventDepth;
    if (target) ++target->eventDepth_;
}

TEventScope::~TEventScope()
{
    --gEventDepth;
    if (TComponent* target = target_.Get()) --target->eventDepth_;
    if (gPending.empty()) return;
    if (gEventDepth == 0 && freeAtEnd_)
        FreeDue();
    else
        PostFreePass();
}
