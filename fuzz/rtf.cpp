// Rich text as cells, files and the clipboard bring it: read, written back and read again.
// What the reader makes of a document must survive its own writer unchanged.
#include <cstdlib>

#include "FuzzInput.h"
#include "platform/ui/RichTextFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<TRichRuns> runs = ReadRtf(FuzzText(data, size));
    if (!runs) return 0;
    RichPlainText(*runs);
    if (ReadRtf(WriteRtf(*runs)) != runs) std::abort();
    return 0;
}
