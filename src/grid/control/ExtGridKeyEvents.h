#pragma once
#include <functional>

class TObject;

// Events of the grid's keyboard, Enter advance and wheel handling.
using TAutoAddRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TAutoInsertColEvent = std::function<void(TObject* Sender, int ACol)>;
using TAutoAdvanceEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;
