#pragma once
#include <string>

// Personal names: each word capitalised, "Mc" names ("McDonald") and Roman numbers at the
// end ("Henry III") kept right. A blank, "'", ",", "-" or "." ends a word.
std::string CapitalizeName(const std::string& S);

// The text in the OEM code page, each byte then read as a character of the ANSI code page.
void StringToOem(std::string& S);
// The reverse: the text's ANSI bytes read in the OEM code page.
void OemToString(std::string& S);
