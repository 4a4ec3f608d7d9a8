#include "grid/foundation/markup/HtmlEntities.h"

#include <array>
#include <string_view>
#include <vector>

#include "platform/rtl/Utf8.h"

namespace {
struct THtmlEntity {
    std::string_view name;
    std::string_view character;
};

constexpr std::array<THtmlEntity, 4> kBasicEntities = {{
    {"&lt;", "<"},
    {"&gt;", ">"},
    {"&amp;", "&"},
    {"&quot;", "\""},
}};

constexpr std::array<THtmlEntity, 55> kNamedEntities = {{
    {"&eacute;", "é"}, {"&egrave;", "è"}, {"&euml;", "ë"},   {"&ecirc;", "ê"},  {"&oacute;", "ó"},
    {"&ograve;", "ò"}, {"&ouml;", "ö"},   {"&ocirc;", "ô"},  {"&iacute;", "í"}, {"&igrave;", "ì"},
    {"&iuml;", "ï"},   {"&icirc;", "î"},  {"&uacute;", "ú"}, {"&ugrave;", "ù"}, {"&uuml;", "ü"},
    {"&ucirc;", "û"},  {"&aacute;", "á"}, {"&agrave;", "à"}, {"&auml;", "ä"},   {"&acirc;", "â"},
    {"&Eacute;", "É"}, {"&Egrave;", "È"}, {"&Euml;", "Ë"},   {"&Ecirc;", "Ê"},  {"&Oacute;", "Ó"},
    {"&Ograve;", "Ò"}, {"&Ouml;", "Ö"},   {"&Ocirc;", "Ô"},  {"&Iacute;", "Í"}, {"&Igrave;", "Ì"},
    {"&Iuml;", "Ï"},   {"&Icirc;", "Î"},  {"&Uacute;", "Ú"}, {"&Ugrave;", "Ù"}, {"&Uuml;", "Ü"},
    {"&Ucirc;", "Û"},  {"&Aacute;", "Á"}, {"&Agrave;", "À"}, {"&Auml;", "Ä"},   {"&Acirc;", "Â"},
    {"&ccedil;", "ç"}, {"&Ccedil;", "Ç"}, {"&oslash;", "ø"}, {"&Oslash;", "Ø"}, {"&aring;", "å"},
    {"&Aring;", "Å"},  {"&copy;", "©"},   {"&reg;", "®"},    {"&euro;", "€"},   {"&laquo;", "«"},
    {"&raquo;", "»"},  {"&atilde;", "ã"}, {"&Atilde;", "Ã"}, {"&otilde;", "õ"}, {"&Otilde;", "Õ"},
}};

template <size_t N>
const THtmlEntity* FindByName(const std::array<THtmlEntity, N>& table, std::string_view text)
{
    for (const THtmlEntity& entity : table)
        if (text.starts_with(entity.name)) return &entity;
    return nullptr;
}

template <size_t N>
const THtmlEntity* FindByCharacter(const std::array<THtmlEntity, N>& table, std::string_view character)
{
    for (const THtmlEntity& entity : table)
        if (character == entity.character) return &entity;
    return nullptr;
}
} // namespace

std::string HtmlDecodeEntities(const std::string& text, bool namedEntities)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const std::string_view rest = std::string_view(text).substr(i);
        const THtmlEntity* entity = nullptr;
        if (text[i] == '&') {
            entity = FindByName(kBasicEntities, rest);
            if (!entity && namedEntities) entity = FindByName(kNamedEntities, rest);
        }
        if (entity) {
            result += entity->character;
            i += entity->name.size();
        } else {
            result += text[i++];
        }
    }
    return result;
}

std::string HtmlEncodeEntities(const std::string& text, bool namedEntities)
{
    const std::vector<size_t> offsets = utf8::CharOffsets(text);
    std::string result;
    result.reserve(text.size());
    for (size_t k = 0; k + 1 < offsets.size(); ++k) {
        const std::string_view character =
            std::string_view(text).substr(offsets[k], offsets[k + 1] - offsets[k]);
        const THtmlEntity* entity = FindByCharacter(kBasicEntities, character);
        if (!entity && namedEntities) entity = FindByCharacter(kNamedEntities, character);
        result += entity ? entity->name : character;
    }
    return result;
}

std::string HtmlSpaceToNbsp(const std::string& text)
{
    std::string result;
    for (char c : text)
        result += c == ' ' ? std::string_view("&nbsp;") : std::string_view(&c, 1);
    return result;
}
