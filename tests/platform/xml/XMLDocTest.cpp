#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/xml/XMLDoc.h"
#include "support/TestFiles.h"

TEST(XMLDoc, WritesUtf8WithoutDeclarationOrIndentation)
{
    TXMLDocument doc;
    TXMLNode root = doc.AddChild("Par_Gen");
    root.AddChild("IP_1").SetText("192");
    root.AddChild("Name").SetText("Größe & <x>");
    TXMLNode row = root.AddChild("row");
    row.SetAttribute("Index", "0x2000");
    doc.AddComment("SW_VERSION = 1.002");
    EXPECT_EQ(doc.SaveToXML(),
              "<Par_Gen><IP_1>192</IP_1><Name>Größe &amp; &lt;x&gt;</Name><row Index=\"0x2000\"/></Par_Gen>"
              "<!--SW_VERSION = 1.002-->");
}

TEST(XMLDoc, RootIsTheFirstElementWhateverComesBefore)
{
    TXMLDocument doc;
    doc.LoadFromXML("<?xml version=\"1.0\"?>\n<!-- saved by a tool -->\n<Other>\n  <a>1</a>\n  <b/>\n</Other>");
    TXMLNode root = doc.DocumentElement();
    ASSERT_TRUE(root);
    EXPECT_EQ(root.NodeName(), "Other");
    EXPECT_EQ(root.Child("a").Text(), "1");
    EXPECT_EQ(root.Child("b").Text(), "");
    EXPECT_FALSE(root.FindNode("c"));
    EXPECT_THROW(root.Child("c"), EXMLDocError);
    EXPECT_EQ(root.FindNode("c").Attribute("x"), "");
}

TEST(XMLDoc, LoadErrorsRaise)
{
    TempDir dir;
    TXMLDocument doc;
    EXPECT_THROW(doc.LoadFromFile(dir.File("none.xml")), EXMLDocError);
    WriteTestFile(dir.File("bad.xml"), "<a><b></a>");
    EXPECT_THROW(doc.LoadFromFile(dir.File("bad.xml")), EXMLDocError);
    EXPECT_FALSE(doc.DocumentElement());
}
