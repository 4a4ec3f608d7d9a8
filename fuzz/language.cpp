// A language file as the user may drop it into LANGUAGE: any bytes, any code page.
#include "FuzzInput.h"
#include "workspace/ULanguage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = FuzzFilePath("Fuzz.lng");
    WriteTestFile(path, FuzzText(data, size));
    Load_Default_Texts();
    Tolerating([&] { Read_Language_File(path); });
    return 0;
}
