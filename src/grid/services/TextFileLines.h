#pragma once
#include <string>
#include <vector>

#include "platform/rtl/Files.h"

// How the grid's text files are coded on disk.
enum class TTextFileCoding {
    Ansi,     // Windows-1252, no byte-order mark
    Oem,      // code page 850, no byte-order mark
    Utf8Bom,  // UTF-8 with byte-order mark
    Utf16Bom  // UTF-16LE with byte-order mark
};

// Splits text into lines ending at CR, LF or CR LF; an ending at the very end opens no
// further line.
std::vector<std::string> SplitTextLines(const std::string& Text);

// A file's bytes as UTF-8 text: a byte-order mark selects UTF-8 or UTF-16; otherwise
// valid UTF-8 stays and anything else is read in the 8-bit code page (OEM when asked).
std::string DecodeTextBytes(std::string Bytes, bool Oem = false);
// A file's bytes as UTF-8 lines, decoded as DecodeTextBytes does.
std::vector<std::string> DecodeTextLines(std::string Bytes, bool Oem = false);
// Raises the platform's file error for a file that cannot be read.
std::vector<std::string> ReadTextFileLines(const std::string& FileName, bool Oem = false);

// The lines, each ended by CR LF.
std::string JoinTextLines(const std::vector<std::string>& Lines);
// The lines, each ended by CR LF, in the coding.
std::string EncodeTextLines(const std::vector<std::string>& Lines, TTextFileCoding Coding);
// A UTF-8 text in the coding.
std::string EncodeText(std::string Text, TTextFileCoding Coding);
// Replaces the file in one step, so a failed write never leaves a cut-off file.
void WriteTextFileLines(const std::string& FileName, const std::vector<std::string>& Lines,
                        TTextFileCoding Coding);
void WriteTextFile(const std::string& FileName, std::string Text, TTextFileCoding Coding);

// A text file written part by part, as WriteTextFile writes it whole: parts of UTF-8 text,
// each ending on a whole character, go out in the coding behind one byte-order mark. The
// file replaces the old one at Commit only.
class TTextFileWriter {
public:
    TTextFileWriter(const std::string& FileName, TTextFileCoding Coding);
    void Write(const std::string& Text);
    void Commit() { FFile.Commit(); }

private:
    TFileReplacement FFile;
    TTextFileCoding FCoding;
};
