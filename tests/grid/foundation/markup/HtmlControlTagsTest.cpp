#include <gtest/gtest.h>

#include "grid/foundation/markup/HtmlControlTags.h"

namespace {
const std::string kCell =
    "Name <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"x\" WIDTH=\"80\" HEIGHT=\"30\" MAXLEN=\"5\">"
    " and <control type=\"check\" id=\"c1\" value=\"TRUE\" width=\"20\"> "
    "<CONTROL TYPE=\"combo\" ID=\"e2\" VALUE=\"a&amp;b\" WIDTH=\"60\" PROP=\"p&lt;q\">!";

TEST(ControlTags, ParseReadsEveryAttribute)
{
    const THtmlControlTag tag = ParseControlTag(
        " TYPE=\"combo\" ID=\"e2\" VALUE=\"a&amp;&eacute;\" WIDTH=\"60\" HEIGHT=\"x\" PROP=\"p&lt;q\" "
        "MAXLEN=\"7\"");
    EXPECT_EQ(tag.Type, "COMBO");
    EXPECT_EQ(tag.ID, "e2");
    EXPECT_EQ(tag.Value, "a&é");
    EXPECT_EQ(tag.Width, "60");
    EXPECT_EQ(tag.Height, "x");
    EXPECT_EQ(tag.Prop, "p<q");
    EXPECT_EQ(tag.MaxLen, "7");
    EXPECT_EQ(ParseControlTag(" TYPE=\"EDIT\"").ID, "");
}

TEST(ControlTags, NamesMatchAtAWordStartOutsideValues)
{
    const THtmlControlTag tag =
        ParseControlTag(" GRID=\"g\" VALUE=\"ID=&quot;x&quot; TYPE=\" ID=\"real\" TYPE=\"EDIT\"");
    EXPECT_EQ(tag.ID, "real");
    EXPECT_EQ(tag.Type, "EDIT");
    EXPECT_EQ(tag.Value, "ID=\"x\" TYPE=");
}

TEST(ControlTags, HasControlTagInAnyCase)
{
    EXPECT_TRUE(HasControlTag("a <control type=\"EDIT\">"));
    EXPECT_FALSE(HasControlTag("a <CONTRO"));
}

TEST(ControlTags, NextEditableControlDoesNotWrap)
{
    EXPECT_EQ(GetNextEditableControl(kCell, ""), "e1");
    EXPECT_EQ(GetNextEditableControl(kCell, "e1"), "e2");
    EXPECT_EQ(GetNextEditableControl(kCell, "e2"), "");
    EXPECT_EQ(GetNextEditableControl(kCell, "unknown"), "");
    const std::string buttonsFirst = "<CONTROL TYPE=\"BUTTON\" ID=\"b\"><CONTROL TYPE=\"RADIO\" ID=\"r\">"
                                     "<CONTROL TYPE=\"CHECK\" ID=\"c\"><CONTROL TYPE=\"MASK\" ID=\"m\">";
    EXPECT_EQ(GetNextEditableControl(buttonsFirst, ""), "m");
}

TEST(ControlTags, ValuePropAndMaxLenOfAControl)
{
    std::string value;
    ASSERT_TRUE(FindControlValue(kCell, "e2", value));
    EXPECT_EQ(value, "a&b");
    EXPECT_FALSE(FindControlValue(kCell, "E2", value)); // IDs match with case
    EXPECT_EQ(GetControlProp(kCell, "e2"), "p<q");
    EXPECT_EQ(GetControlProp(kCell, "e1"), "");
    EXPECT_EQ(GetControlMaxLen(kCell, "e1"), 5);
    EXPECT_EQ(GetControlMaxLen(kCell, "e2"), 0);
    EXPECT_EQ(GetControlMaxLen(kCell, "none"), 0);
}

TEST(ControlTags, SetValueRewritesOnlyThatValue)
{
    std::string text = kCell;
    ASSERT_TRUE(SetControlValue(text, "e1", "<é>"));
    EXPECT_EQ(text,
              "Name <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"&lt;&eacute;&gt;\" WIDTH=\"80\" HEIGHT=\"30\" "
              "MAXLEN=\"5\"> and <control type=\"check\" id=\"c1\" value=\"TRUE\" width=\"20\"> "
              "<CONTROL TYPE=\"combo\" ID=\"e2\" VALUE=\"a&amp;b\" WIDTH=\"60\" PROP=\"p&lt;q\">!");
    std::string value;
    ASSERT_TRUE(FindControlValue(text, "e1", value));
    EXPECT_EQ(value, "<é>");
}

TEST(ControlTags, SetValueAddsAMissingValueAndRefusesUnknownIDs)
{
    std::string text = "<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"9\">";
    ASSERT_TRUE(SetControlValue(text, "e", "v"));
    EXPECT_EQ(text, "<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"9\" VALUE=\"v\">");
    EXPECT_FALSE(SetControlValue(text, "x", "w"));
    EXPECT_EQ(text, "<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"9\" VALUE=\"v\">");
}

TEST(ControlTags, ClearRadioControlsClearsOnlyRadios)
{
    const std::string text =
        "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\"><CONTROL TYPE=\"radio\" ID=\"r2\" "
        "VALUE=\"true\"><CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\">";
    EXPECT_EQ(ClearRadioControls(text),
              "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"FALSE\"><CONTROL TYPE=\"radio\" "
              "ID=\"r2\" VALUE=\"FALSE\"><CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\">");
}
} // namespace
