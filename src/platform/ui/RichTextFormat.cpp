#include "platform/ui/RichTextFormat.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "platform/rtl/Utf8.h"

namespace {

// Groups whose text is no part of the document.
bool IsSkippedDestination(std::string_view word)
{
    static constexpr std::string_view skipped[] = {
        "fonttbl", "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf",
        "footer", "footerl", "footerr", "footerf", "listtable", "listoverridetable", "rsidtbl",
        "generator", "filetbl", "revtbl", "themedata", "colorschememapping", "latentstyles",
        "datastore", "xmlnstbl", "footnote", "field", "fldinst", "bkmkstart", "bkmkend"};
    return std::find(std::begin(skipped), std::end(skipped), word) != std::end(skipped);
}

struct TRtfGroupState {
    TRichCharFormat format;
    bool skip = false;
    bool colorTable = false;
    int unicodeSkip = 1; // characters standing in for each \uN
};

class TRtfReader {
public:
    explicit TRtfReader(std::string_view rtf) : rtf_(rtf) {}

    TRichRuns Read()
    {
        groups_.push_back({});
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_++];
            switch (c) {
            case '{':
                groups_.push_back(groups_.back());
                groups_.back().colorTable = false;
                break;
            case '}':
                // A stray closing brace is ignored rather than ending the document.
                if (groups_.size() > 1) groups_.pop_back();
                break;
            case '\\':
                ControlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                Character(static_cast<unsigned char>(c));
                break;
            }
        }
        return std::move(runs_);
    }

private:
    TRtfGroupState& State() { return groups_.back(); }

    void ControlSequence()
    {
        if (pos_ >= rtf_.size()) return;
        const char c = rtf_[pos_];
        if (IsLetter(c)) return ControlWord();
        ++pos_;
        switch (c) {
        case '\'':
            return HexCharacter();
        case '*':
            State().skip = true;
            return;
        case '\\':
        case '{':
        case '}':
            return Character(static_cast<unsigned char>(c));
        case '~':
            return Character(0xA0);
        case '_':
            return Character('-');
        case '\r':
        case '\n':
            return Character('\n');
        default:
            return; // optional hyphens and unknown symbols show nothing
        }
    }

    void ControlWord()
    {
        const size_t start = pos_;
        while (pos_ < rtf_.size() && IsLetter(rtf_[pos_]) && pos_ - start < 32)
            ++pos_;
        const std::string_view word = rtf_.substr(start, pos_ - start);
        while (pos_ < rtf_.size() && IsLetter(rtf_[pos_]))
            ++pos_; // the rest of an overlong word
        std::optional<long> param = Parameter();
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
        Apply(word, param);
    }

    // Digits beyond what an int holds are read and dropped.
    std::optional<long> Parameter()
    {
        bool negative = false;
        if (pos_ < rtf_.size() && rtf_[pos_] == '-' && pos_ + 1 < rtf_.size() && IsDigit(rtf_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        if (pos_ >= rtf_.size() || !IsDigit(rtf_[pos_])) return std::nullopt;
        long value = 0;
        for (; pos_ < rtf_.size() && IsDigit(rtf_[pos_]); ++pos_)
            if (value < 100000000) value = value * 10 + (rtf_[pos_] - '0');
        return negative ? -value : value;
    }

    void Apply(std::string_view word, std::optional<long> param)
    {
        TRichCharFormat& f = State().format;
        const bool on = !param || *param != 0;
        if (IsSkippedDestination(word)) State().skip = true;
        else if (word == "colortbl") State().colorTable = true;
        else if (word == "red" || word == "green" || word == "blue") ColorComponent(word, param.value_or(0));
        else if (word == "b") f.Bold = on;
        else if (word == "i") f.Italic = on;
        else if (word == "ul") f.Underline = on;
        else if (word == "ulnone") f.Underline = false;
        else if (word == "strike") f.StrikeOut = on;
        else if (word == "fs") f.Size = param && *param > 0 ? static_cast<int>(std::min(*param, 3276L)) / 2 : 0;
        else if (word == "cf") f.Color = TableColor(param.value_or(0));
        else if (word == "super" || word == "up") f.Offset = 40;
        else if (word == "sub" || word == "dn") f.Offset = -40;
        else if (word == "nosupersub") f.Offset = 0;
        else if (word == "plain") f = {};
        else if (word == "par" || word == "line") Character('\n');
        else if (word == "tab") Character('\t');
        else if (word == "uc") State().unicodeSkip = static_cast<int>(std::clamp(param.value_or(1), 0L, 16L));
        else if (word == "u" && param) Unicode(*param);
    }

    void HexCharacter()
    {
        int value = 0;
        for (int i = 0; i < 2; ++i) {
            const int digit = pos_ < rtf_.size() ? HexDigit(rtf_[pos_]) : -1;
            if (digit < 0) return;
            value = value * 16 + digit;
            ++pos_;
        }
        Character(static_cast<char16_t>(value));
    }

    // \uN is a signed 16-bit value, followed by stand-ins for readers that do not know it.
    void Unicode(long value)
    {
        if (value < 0) value += 65536;
        Character(value >= 0 && value <= 0xFFFF ? static_cast<char16_t>(value) : u'\uFFFD');
        for (int i = 0; i < State().unicodeSkip && pos_ < rtf_.size(); ++i) {
            const char c = rtf_[pos_];
            if (c == '{' || c == '}') break;
            if (c == '\\') {
                if (pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == '\'') pos_ = std::min(rtf_.size(), pos_ + 4);
                else break;
            } else {
                ++pos_;
            }
        }
    }

    void ColorComponent(std::string_view word, long value)
    {
        const int v = static_cast<int>(std::clamp(value, 0L, 255L));
        (word == "red" ? red_ : word == "green" ? green_ : blue_) = v;
        componentsSeen_ = true;
    }

    TColor TableColor(long index) const
    {
        if (index < 0 || static_cast<size_t>(index) >= colors_.size()) return clNone;
        return colors_[static_cast<size_t>(index)];
    }

    void Character(char16_t c)
    {
        if (State().colorTable) {
            // An entry without components is the automatic colour.
            if (c == ';') colors_.push_back(componentsSeen_ ? RGB(red_, green_, blue_) : clNone);
            if (c == ';') red_ = green_ = blue_ = 0, componentsSeen_ = false;
            return;
        }
        if (State().skip) return;
        if (runs_.empty() || runs_.back().Format != State().format) runs_.push_back({{}, State().format});
        runs_.back().Text += c;
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexDigit(char c)
    {
        if (IsDigit(c)) return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    std::string_view rtf_;
    size_t pos_ = 0;
    std::vector<TRtfGroupState> groups_;
    std::vector<TColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool componentsSeen_ = false;
    TRichRuns runs_;
};

class TRtfWriter {
public:
    std::string Write(const TRichRuns& runs)
    {
        for (const TRichRun& run : runs)
            if (run.Format.Color != clNone && std::find(colors_.begin(), colors_.end(), run.Format.Color) == colors_.end())
                colors_.push_back(run.Format.Color);
        out_ = "{\\rtf1\\ansi\\deff0";
        if (!colors_.empty()) {
            out_ += "{\\colortbl ;";
            for (TColor c : colors_)
                out_ += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) + "\\blue" +
                        std::to_string((c >> 16) & 0xFF) + ";";
            out_ += "}";
        }
        out_ += "\n";
        for (const TRichRun& run : runs)
            Run(run);
        out_ += "}";
        return std::move(out_);
    }

private:
    void Run(const TRichRun& run)
    {
        const std::string words = Words(run.Format);
        if (!words.empty()) out_ += "{" + words + " ";
        for (char16_t c : run.Text)
            Character(c);
        if (!words.empty()) out_ += "}";
    }

    std::string Words(const TRichCharFormat& f) const
    {
        std::string w;
        if (f.Bold) w += "\\b";
        if (f.Italic) w += "\\i";
        if (f.Underline) w += "\\ul";
        if (f.StrikeOut) w += "\\strike";
        if (f.Size > 0) w += "\\fs" + std::to_string(f.Size * 2);
        if (f.Color != clNone)
            w += "\\cf" + std::to_string(std::find(colors_.begin(), colors_.end(), f.Color) - colors_.begin() + 1);
        if (f.Offset > 0) w += "\\super";
        if (f.Offset < 0) w += "\\sub";
        return w;
    }

    void Character(char16_t c)
    {
        if (c == '\n') out_ += "\\par\n";
        else if (c == '\t') out_ += "\\tab ";
        else if (c == '\\' || c == '{' || c == '}') out_ += std::string{'\\', static_cast<char>(c)};
        else if (c >= 0x20 && c < 0x7F) out_ += static_cast<char>(c);
        else if (c >= 0x80) out_ += "\\u" + std::to_string(static_cast<int16_t>(c)) + "?";
        else out_ += Hex(c); // control characters, kept as they came
    }

    static std::string Hex(char16_t c)
    {
        static constexpr char digits[] = "0123456789abcdef";
        return {'\\', '\'', digits[(c >> 4) & 0xF], digits[c & 0xF]};
    }

    std::vector<TColor> colors_;
    std::string out_;
};

} // namespace

std::optional<TRichRuns> ReadRtf(const std::string& rtf)
{
    if (rtf.rfind("{\\rtf", 0) != 0) return std::nullopt;
    return TRtfReader(rtf).Read();
}

std::string WriteRtf(const TRichRuns& runs) { return TRtfWriter().Write(runs); }

std::string RichPlainText(const TRichRuns& runs)
{
    std::u16string all;
    for (const TRichRun& run : runs)
        all += run.Text;
    std::string out;
    for (size_t i = 0; i < all.size(); ++i) {
        char32_t c = all[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < all.size() && all[i + 1] >= 0xDC00 && all[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (all[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD; // a lone surrogate
        if (c == '\n') out += '\r';
        utf8::Append(out, c);
    }
    return out;
}

std::string RtfPlainText(const std::string& rtf)
{
    const std::optional<TRichRuns> runs = ReadRtf(rtf);
    return runs ? RichPlainText(*runs) : rtf;
}
