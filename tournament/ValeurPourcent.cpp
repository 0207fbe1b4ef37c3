#include "tournament/ValeurPourcent.h"

#include <charconv>
#include <string>

namespace plio {

double ValeurPourcent(std::string_view texte) {
    while (!texte.empty() && texte.front() == ' ')
        texte.remove_prefix(1);
    while (!texte.empty() && texte.back() == ' ')
        texte.remove_suffix(1);
    std::string point(texte);
    for (char& c : point)
        if (c == ',') c = '.';
    double valeur = 0;
    const auto [fin, erreur] = std::from_chars(point.data(), point.data() + point.size(), valeur);
    if (erreur != std::errc {} || fin != point.data() + point.size()) return 0;
    return valeur;
}

} // namespace plio
