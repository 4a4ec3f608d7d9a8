#include <gtest/gtest.h>

#include "platform/xml/XMLDoc.h"

TEST(XMLNodeWalk, VisitsEveryChildInOrderThenStops)
{
    TXMLDocument document;
    document.LoadFromXML("<root><a/><!--note-->text<b x=\"1\"/></root>");
    std::string seen;
    for (TXMLNode node = document.DocumentElement().FirstChild(); node; node = node.NextSibling())
        seen += node.NodeType() == TXMLNodeType::ntElement ? node.NodeName() + ";" : node.Text() + ";";
    EXPECT_EQ(seen, "a;note;text;b;");
    EXPECT_TRUE(document.DocumentElement().FindNode("a").FirstChild().IsNull());
    EXPECT_TRUE(TXMLNode().FirstChild().IsNull());
    EXPECT_TRUE(TXMLNode().NextSibling().IsNull());
}
