#include "pbn/Encodage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace plio {

namespace {

// Windows-1252 bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> Cp1252Haut { 0x20AC, 0x81, 0x201A, 0x0192, 0x201E, 0x2026,
    0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D, 0x017D, 0x8F, 0x90, 0x2018,
    0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,
    0x017E, 0x0178 };

void AjouteUtf8(std::string& sortie, char32_t c)
{
    if (c < 0x80) {
        sortie += static_cast<char>(c);
    } else if (c < 0x800) {
        sortie += static_cast<char>(0xC0 | (c >> 6));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        sortie += static_cast<char>(0xE0 | (c >> 12));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        sortie += static_cast<char>(0xF0 | (c >> 18));
        sortie += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code points of valid UTF-8 text, nothing when it is not valid (overlong forms,
// surrogates and values past U+10FFFF are refused).
std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view octets)
{
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < octets.size();) {
        const auto o = static_cast<std::uint8_t>(octets[i]);
        int suite = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (o < 0x80) {
            c = o;
        } else if ((o & 0xE0) == 0xC0) {
            suite = 1, c = o & 0x1F, minimum = 0x80;
        } else if ((o & 0xF0) == 0xE0) {
            suite = 2, c = o & 0x0F, minimum = 0x800;
        } else if ((o & 0xF8) == 0xF0) {
            suite = 3, c = o & 0x07, minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + static_cast<std::size_t>(suite) >= octets.size()) return std::nullopt;
        for (int k = 1; k <= suite; ++k) {
            const auto s = static_cast<std::uint8_t>(octets[i + static_cast<std::size_t>(k)]);
            if ((s & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (s & 0x3F);
        }
        if (suite > 0 && (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)))
            return std::nullopt;
        points.push_back(c);
        i += static_cast<std::size_t>(suite) + 1;
    }
    return points;
}

// The byte that Windows-1252 or Latin-1 shows as this character, if any.
std::optional<char> OctetAffichantLeCaractere(char32_t c)
{
    if (c <= 0xFF) return static_cast<char>(c);
    for (std::size_t k = 0; k < Cp1252Haut.size(); ++k)
        if (Cp1252Haut[k] == c) return static_cast<char>(0x80 + k);
    return std::nullopt;
}

} // namespace

bool Utf8Valide(std::string_view octets)
{
    return DecodeUtf8(octets).has_value();
}

std::string Windows1252VersUtf8(std::string_view octets)
{
    std::string sortie;
    sortie.reserve(octets.size() + octets.size() / 8);
    for (const char o : octets) {
        const auto u = static_cast<std::uint8_t>(o);
        AjouteUtf8(sortie, u >= 0x80 && u <= 0x9F ? Cp1252Haut[u - 0x80] : char32_t { u });
    }
    return sortie;
}

std::string RepareDoubleEncodage(std::string_view texte)
{
    const auto points = DecodeUtf8(texte);
    if (!points) return std::string(texte);
    std::string octets;
    bool nonAscii = false;
    for (const char32_t c : *points) {
        const auto o = OctetAffichantLeCaractere(c);
        if (!o) return std::string(texte);
        nonAscii = nonAscii || c >= 0x80;
        octets += *o;
    }
    if (!nonAscii || !Utf8Valide(octets)) return std::string(texte);
    return octets;
}

} // namespace plio
