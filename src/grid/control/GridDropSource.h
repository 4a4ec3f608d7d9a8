#pragma once
#include "grid/foundation/dragdrop/ESGDropSource.h"

class TExtStringGrid;

// The source side of a drag that the grid starts: it moves the grid's drag feedback with
// the pointer, removes it when the drag ends, and notes the effect the target grants.
class TGridDropSource : public TESGDropSource {
public:
    explicit TGridDropSource(TExtStringGrid* Grid) : FGrid(Grid) {}
    DWORD LastEffect() const { return FLastEffect; }

protected:
    void DragFinished() override;
    void CurrentEffect(DWORD dwEffect) override { FLastEffect = dwEffect; }
    void QueryDrag() override;

private:
    TExtStringGrid* FGrid;
    DWORD FLastEffect = DROPEFFECT_NONE;
};
