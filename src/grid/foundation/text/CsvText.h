#pragma once
#include <string>

// Helpers for quoted fields of CSV texts.

// Every double quote doubled.
std::string DoubleQuoteChars(const std::string& S);
// When the text holds Ch: every two Ch directly after each other become one.
std::string CollapseDoubledChar(char32_t Ch, const std::string& S);
// The position of the quote that closes a quoted field whose opening quote is already
// cut off: a quote that ends the text, or the last quote of a run of odd length followed
// by another character (a run of even length is doubled quotes). Also written to
// Position; 0 when there is none.
int FindClosingQuote(char32_t Quote, const std::string& S, int& Position);
// How many closing quotes FindClosingQuote finds when the text is cut after each one.
int CountClosingQuotes(char32_t Quote, const std::string& S);
