#include "grid/control/GridRegistrations.h"

#include "platform/ui/DragDrop.h"
#include "platform/ui/Messages.h"

const TGridRegistrations& GridRegistrations()
{
    static const TGridRegistrations registrations{RegisterWindowMessage("DTPShiftFocus"),
                                                  RegisterClipboardFormat("TExtStringGrid Cells")};
    return registrations;
}
