#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A settings file of "[Section]" headers and "Name=Value" lines. Section and value names
// are compared without regard to letter case. Each write goes to the file at once, as the
// system's profile functions do, replacing the file in one step; a file that is missing
// reads as empty, and one that cannot be read (not a regular file, no right to read it)
// raises EFOpenError naming it.
class TIniFile {
public:
    explicit TIniFile(std::string FileName);

    const std::string& FileName() const { return FFileName; }
    std::string ReadString(const std::string& Section, const std::string& Ident,
                           const std::string& Default) const;
    // Default when the value is missing or is no number.
    int32_t ReadInteger(const std::string& Section, const std::string& Ident, int32_t Default) const;
    bool ValueExists(const std::string& Section, const std::string& Ident) const;
    // Raises EFCreateError naming the file when it cannot be written; the file stays as it was.
    void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value);
    void WriteInteger(const std::string& Section, const std::string& Ident, int32_t Value);
    // Writes the file as it stands, creating it when it is missing; raises EFCreateError.
    void UpdateFile() const { Save(); }

private:
    struct TSection {
        std::string Name;
        std::vector<std::pair<std::string, std::string>> Values;
    };
    void Load();
    void Save() const;
    const TSection* FindSection(const std::string& Section) const;
    const std::string* FindValue(const std::string& Section, const std::string& Ident) const;

    std::string FFileName;
    std::vector<TSection> FSections;
};
