#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// String operations on markup texts: plain text for editors and hints, and the marking of
// search hits with a tag.

// The text without its tags; "<BR>" and "<HR>" become CR LF. A "<" that no ">" follows is
// kept as text with what follows it.
std::string HtmlToPlainText(const std::string& text);

// Encloses each occurrence of the search text in the visible text (the characters outside
// tags) in "<tag>" and "</tag>", also where the occurrence crosses tags of the text. A text
// without tags becomes markup: its "&", "<" and ">" are written as entities. In a text with
// tags, stray angle brackets (a "<" that opens no tag, a ">" outside a tag) are written as
// "&lt;" and "&gt;" first, so that the inserted tags cannot pair with them.
std::string HtmlFindHighlight(const std::string& text, const std::string& search, const std::string& tag,
                              bool caseSensitive);

// Removes every "<tag>" and "</tag>" (any case). When no other tag is left, the text was
// plain before HtmlFindHighlight and its three entities are undone; a text with tags of its
// own keeps its entities (an escaped stray bracket shows as the bracket did). A text that
// holds no such tag is given back as it is.
std::string HtmlRemoveTag(const std::string& text, const std::string& tag);

// The text background and text colour of the highlight tag "<HI>", shared by every grid;
// both black until set.
void SetHtmlHighlightColors(TColor background, TColor text);
TColor HtmlHighlightColor();
TColor HtmlHighlightTextColor();
