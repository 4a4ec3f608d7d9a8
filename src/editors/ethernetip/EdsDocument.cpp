#include "editors/ethernetip/EdsDocument.h"

#include "editors/ethernetip/EdsText.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/SysUtils.h"

namespace {
bool IsSectionHeader(std::string_view text)
{
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}
} // namespace

// Gathers the entries line by line; one entry may span lines and one line may hold
// several entries.
class TEdsDocument::TParser {
public:
    explicit TParser(TEdsDocument& document) : document_(document) {}

    void Line(std::string_view line)
    {
        std::string_view text = StripEdsComment(line);
        if (text.empty()) return;
        if (IsSectionHeader(text)) {
            FinishEntry();
            section_ = &document_.OpenSection(std::string(TrimView(text.substr(1, text.size() - 2))));
            return;
        }
        // A string left open at the end of a line ends there; only such a rare line is copied.
        // A backslash at its end would escape one closing quote, so a second one follows.
        std::string closed;
        if (EndsInsideQuote(text)) {
            closed = std::string(text) + '"';
            if (EndsInsideQuote(closed)) closed += '"';
            text = closed;
        }
        // The line is cut through a view: copying its rest for each entry would cost the
        // square of its length when one line holds thousands of entries.
        std::string_view rest = text;
        while (!rest.empty()) {
            if (!open_ && !StartEntry(rest)) return;
            const size_t end = FindUnquoted(rest, ";");
            Append(rest.substr(0, end));
            if (end == std::string_view::npos) return;
            FinishEntry();
            rest = TrimView(rest.substr(end + 1));
        }
    }

    // An entry still open when its section or the file ends is kept as it stands.
    void FinishEntry()
    {
        if (!open_) return;
        open_ = false;
        entry_.Value = Trim(entry_.Value);
        if (section_) section_->Add(std::move(entry_));
        entry_ = TEdsEntry();
    }

private:
    // Takes the key of a new entry off the text; false when the text starts none.
    bool StartEntry(std::string_view& text)
    {
        const size_t equals = FindUnquoted(text, "=");
        if (equals == std::string_view::npos) return false;
        entry_.Key = std::string(TrimView(text.substr(0, equals)));
        text.remove_prefix(equals + 1);
        open_ = true;
        return true;
    }

    void Append(std::string_view piece)
    {
        if (!entry_.Value.empty()) entry_.Value += ' ';
        entry_.Value += piece;
    }

    TEdsDocument& document_;
    TEdsSection* section_ = nullptr;  // entries before the first section belong nowhere
    TEdsEntry entry_;
    bool open_ = false;
};

const TEdsEntry* TEdsSection::Find(const std::string& key) const
{
    const auto found = index_.find(UpperCase(key));
    return found == index_.end() ? nullptr : &entries_[found->second];
}

void TEdsSection::Add(TEdsEntry entry)
{
    index_.emplace(UpperCase(entry.Key), entries_.size());
    entries_.push_back(std::move(entry));
}

TEdsDocument TEdsDocument::FromText(std::string_view text)
{
    TEdsDocument document;
    TParser parser(document);
    // The lines are parsed where they lie instead of being copied into a list first, which
    // took as long as the parse itself.
    for (const std::string_view line : SplitLines(text))
        parser.Line(line);
    parser.FinishEntry();
    return document;
}

TEdsDocument TEdsDocument::LoadFromFile(const std::string& fileName)
{
    if (!PathExists(fileName)) return TEdsDocument();
    return FromText(DecodeTextFile(ReadFileBytes(fileName)));
}

TEdsSection& TEdsDocument::OpenSection(const std::string& name)
{
    const auto [found, added] = index_.emplace(UpperCase(name), sections_.size());
    if (added) sections_.emplace_back(name);
    return sections_[found->second];
}

const TEdsSection* TEdsDocument::Section(const std::string& name) const
{
    const auto found = index_.find(UpperCase(name));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

const TEdsEntry* TEdsDocument::Find(const std::string& section, const std::string& key) const
{
    const TEdsSection* s = Section(section);
    return s ? s->Find(key) : nullptr;
}
