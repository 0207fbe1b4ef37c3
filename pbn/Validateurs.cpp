#include "pbn/Validateurs.h"

#include "model/Textes.h"

#include <algorithm>
#include <charconv>

namespace plio {

std::optional<long long> EntierTexte(std::string_view texte)
{
    // from_chars refuses a leading "+", which result texts carry ("+1").
    if (!texte.empty() && texte.front() == '+') {
        texte.remove_prefix(1);
        if (!texte.empty() && texte.front() == '-') return std::nullopt;
    }
    if (texte.empty() || texte.size() > 18) return std::nullopt;
    long long n = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), n);
    if (erreur != std::errc {} || fin != texte.data() + texte.size()) return std::nullopt;
    return n;
}

bool EntreBornes(std::string_view texte, long long bas, long long haut)
{
    const auto n = EntierTexte(texte);
    return n && *n > bas && *n < haut;
}

bool ContratValide(std::string_view texte)
{
    for (int doublement = 0; doublement <= 2; ++doublement) {
        const auto& noms = NomsContratsFichier(doublement);
        if (std::find(noms.begin() + 1, noms.end(), texte) != noms.end()) return true;
    }
    return false;
}

bool DeclarantValide(std::string_view texte)
{
    return texte == "S" || texte == "O" || texte == "W" || texte == "N" || texte == "E";
}

bool ResultatValide(std::string_view texte)
{
    if (texte.empty()) return false;
    return texte.front() == '=' || EntreBornes(texte, -14, 8);
}

bool EntameValide(std::string_view texte)
{
    return texte.size() == 2
        && std::string_view("TKCPDHS").find(texte[1]) != std::string_view::npos;
}

bool FeuilleSansJeu(std::string_view contrat, std::string_view declarant, std::string_view resultat,
    std::string_view entame)
{
    return (contrat == "PA" || contrat == "A") && declarant == "-" && resultat == "-"
        && entame == "-";
}

} // namespace plio
