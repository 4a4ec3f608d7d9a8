#pragma once
#include <string>

// Entities of the cell markup: "&lt;", "&gt;", "&amp;", "&quot;" and, on request, the named
// entities of the accented letters and signs of the Windows-1252 code page ("&eacute;" é,
// "&copy;" © ...). Entity names are matched exactly, with case.

// Replaces every entity by its character in one pass, so that an encoded "&amp;lt;" comes
// back as the text "&lt;" and is not decoded a second time.
std::string HtmlDecodeEntities(const std::string& text, bool namedEntities);

// Writes "&", the double quote, "<" and ">" (and with namedEntities the characters of the
// named entities) as entities.
std::string HtmlEncodeEntities(const std::string& text, bool namedEntities);

// Every blank written as "&nbsp;".
std::string HtmlSpaceToNbsp(const std::string& text);
