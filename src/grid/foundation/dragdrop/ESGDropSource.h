#pragma once
#include "platform/ui/DragDrop.h"

// The source side of a drag that the grid starts. The hooks do nothing here; the grid's own
// source moves its feedback in them.
class TESGDropSource : public IDropSource {
public:
    HRESULT QueryContinueDrag(bool escapePressed, DWORD keyState) override;
    HRESULT GiveFeedback(DWORD effect) override;
    // The last feedback granted no effect.
    bool LastEffectNone() const { return FNoEffect; }

protected:
    // The drag ended by a release of the button or by Escape.
    virtual void DragFinished() {}
    virtual void CurrentEffect(DWORD /*dwEffect*/) {}
    // Called after every decision whether to go on.
    virtual void QueryDrag() {}

private:
    bool FNoEffect = false;
};
