#include "pbn/Validateurs.h"

#include "model/LectureNombres.h"
#include "model/Textes.h"

#include <algorithm>

namespace plio {

bool EntreBornes(std::string_view texte, int bas, int haut)
{
    const auto n = LitEntier(texte);
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
