#include <gtest/gtest.h>

#include "platform/ui/DragDrop.h"

namespace {

class TIdleTarget : public IDropTarget {
public:
    HRESULT DragEnter(IDataObject*, DWORD, TPoint, DWORD&) override { return S_OK; }
    HRESULT DragOver(DWORD, TPoint, DWORD&) override { return S_OK; }
    HRESULT DragLeave() override { return S_OK; }
    HRESULT Drop(IDataObject*, DWORD, TPoint, DWORD&) override { return S_OK; }
};

// A window with controls inside is registered once, whatever other child objects it holds.
TEST(DropTargetRegistration, AWindowWithChildControlsIsRegisteredOnce)
{
    TWinControl window(nullptr);
    TWinControl child(nullptr);
    child.SetParent(&window);
    const auto target = std::make_shared<TIdleTarget>();
    EXPECT_EQ(RegisterDragDrop(&window, target), S_OK);
    EXPECT_EQ(RegisterDragDrop(&window, target), DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_EQ(RevokeDragDrop(&window), S_OK);
    EXPECT_EQ(RevokeDragDrop(&window), DRAGDROP_E_NOTREGISTERED);
    child.SetParent(nullptr);
}

} // namespace
