#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One keyword entry of an EDS section: "Key = value;" over one or more lines.
struct TEdsEntry {
    std::string Key;    // as written
    std::string Value;  // up to the terminating ";", comments removed, lines joined by a blank, trimmed
};

class TEdsSection {
public:
    explicit TEdsSection(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    const std::vector<TEdsEntry>& Entries() const { return entries_; }
    // The first entry of that key, letter case ignored; nullptr when there is none.
    const TEdsEntry* Find(const std::string& key) const;
    void Add(TEdsEntry entry);

private:
    std::string name_;
    std::vector<TEdsEntry> entries_;
    std::unordered_map<std::string, size_t> index_;  // upper-cased key -> first entry
};

// An EDS file read once into its sections and entries, so that every lookup afterwards
// costs one hash probe instead of a scan of the file. An entry runs from its "=" to the
// first ";" outside quoted strings, over as many lines as it takes; a line "[Name]"
// starts a section, and a section named twice gathers the entries of both places.
class TEdsDocument {
public:
    // The text of a whole file; lines end at CR, LF or CR LF.
    static TEdsDocument FromText(std::string_view text);
    // A missing file gives an empty document; an unreadable one raises EFOpenError.
    static TEdsDocument LoadFromFile(const std::string& fileName);

    // Letter case ignored; nullptr when the file has no such section.
    const TEdsSection* Section(const std::string& name) const;
    const TEdsEntry* Find(const std::string& section, const std::string& key) const;

private:
    class TParser;
    TEdsSection& OpenSection(const std::string& name);

    std::vector<TEdsSection> sections_;
    std::unordered_map<std::string, size_t> index_;  // upper-cased name -> section
};
