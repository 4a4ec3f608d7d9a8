#pragma once
#include <pugixml.hpp>

#include <string>

// What the document object makes of a text the parser stopped in.

// The damage in words a user can follow, led by the line: "line 3: start and end tags do
// not match". Never the parser's own phrase alone.
std::string Damage_In_Words(const pugi::xml_parse_result& result, const std::string& xml);

// Cuts the partly parsed document back to what was read whole: an element keeps its text
// only when its end tag was read, an element cut open keeps just its whole children (and
// goes when it has none), and a comment or tag cut short goes.
void Keep_Readable_Part(pugi::xml_document& doc, const pugi::xml_parse_result& result,
                        const std::string& xml);
