#pragma once
#include <string>

#include "platform/rtl/Classes.h"
#include "platform/ui/Types.h"

// Small text and number helpers shared by the grid, its editors and its services.
// Positions count characters from 1; 0 means "not found".

int MaxOfTwo(int a, int b);
int MinOfTwo(int a, int b);
// The value unchanged when both bounds are equal; otherwise raised to a positive lower
// bound and lowered to a positive upper bound (each tested on the value passed in).
int ClampToLimits(int Value, int Lower, int Upper);

// The position of Sub in the upper-cased text (Sub itself is taken as it stands).
int PosInUpper(const std::string& Sub, const std::string& S);
int PosWithOut(const std::string& Sub, const std::string& S, int& Position);
int CharPosition(char32_t Ch, const std::string& S);
// As CharPosition; Position is left alone when the character is missing.
int FirstCharPosOut(char32_t Ch, const std::string& S, int& Position);
int CountCharOccurrences(char32_t Ch, const std::string& S);
int WidePos(const std::string& Sub, const std::string& S);

// The text before the first Delimiter, which S loses together with the delimiter; the
// empty text, with S unchanged, when there is no delimiter.
std::string CutBeforeDelimiter(std::string& S, const std::string& Delimiter);
// The text up to the first CR (a LF right after it is dropped). S keeps what follows only
// when KeepRest is set; otherwise it becomes empty.
std::string ExtractFirstLine(std::string& S, bool KeepRest);
int CountLines(const std::string& S, bool MultiLine);
std::string JoinAllStrings(const TStringList& List);
// Every character of S replaced by Ch.
void FillWithChar(std::string& S, char32_t Ch);
// Whether the cell lies in a rectangle of cells (Right and Bottom included).
bool PointInGridRect(const TRect& GridRect, int Col, int Row);

// The separators of the format settings, as characters.
char32_t DecimalSeparatorChar();
char32_t ThousandSeparatorChar();

inline bool IsDigitChar(char32_t Ch) { return Ch >= '0' && Ch <= '9'; }
// A text of decimal digits only, at least one.
bool IsDigitsOnly(const std::string& S);
bool IsDigitOrMinus(char32_t Ch);
// Digits, the separators of the format settings, "e" and "E".
bool IsNumberChar(char32_t Ch);
bool IsSignedNumberChar(char32_t Ch);
// Digits, "-", ".", "e", "E" and "+".
bool IsFloatChar(char32_t Ch);
