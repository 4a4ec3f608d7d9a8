#include <gtest/gtest.h>

#include <functional>

#include "DescriptionProject.h"
#include "artefacts/descriptions/UBACnet_EDE_File.h"
#include "artefacts/descriptions/UProfibus_GSD.h"
#include "artefacts/descriptions/UProfinetXML.h"
#include "artefacts/descriptions/USNMP_MIB.h"
#include "artefacts/descriptions/UXmlLines.h"
#include "platform/rtl/Exceptions.h"

namespace {
class DescriptionFiles : public DescriptionProject {};

TEST_F(DescriptionFiles, AFileThatCannotBeCreatedIsReported)
{
    const std::pair<const char*, std::function<void(const std::string&)>> writers[] = {
        {"GSDML", Write_GSDML_File},
        {"GSD", Write_GSD_File},
        {"MIB", Write_MIB_File},
        {"EDE", Create_BACnet_EDE},
    };
    for (const auto& [kind, write] : writers)
        EXPECT_THROW(write(dir.File("missing/out")), EFCreateError) << kind;
}

TEST(XmlEscape, KeepsValuesInsideTheirQuotes)
{
    EXPECT_EQ(Xml_Escape("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e&apos;f");
    EXPECT_EQ(Xml_Escape(std::string("x\x01y\tz\x1F")), "xy\tz");
    EXPECT_EQ(Xml_Escape("Línea"), "Línea");
}
} // namespace
