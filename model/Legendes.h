// Captions, column titles, hints and prompts of the windows, each in French and English. A window
// keeps its own texts as named Legende constants (or arrays of them) in a namespace of its own,
// next to the shared ones below, and reads them in its FaitLangue.
#pragma once

#include "model/VariablesGlobales.h"

#include <string>
#include <string_view>

namespace plio {

struct Legende {
    std::string_view francais;
    std::string_view anglais;

    // French when the language is "french", English for any other value, like the messages.
    std::string Texte(std::string_view langue = Langue) const {
        return std::string(langue == "french" ? francais : anglais);
    }
};

// Texts used by several windows.
namespace LegendesCommunes {
inline constexpr Legende Retour { "RETOUR", "RETURN" };
inline constexpr Legende Valider { "Valider", "Validate" };
inline constexpr Legende ValiderMajuscules { "VALIDER", "VALIDATE" };
inline constexpr Legende Initialiser { "Initialiser", "Initialise" };
inline constexpr Legende Donneur { "Donneur", "Dealer" };
inline constexpr Legende NombreDeTables { "Nombre de tables", "Number of tables" };
inline constexpr Legende DonneCourante { "Donne courante", "Current deal" };
inline constexpr Legende SansAtout { "SA", "NT" };
// The card pictures' subfolder of the language, ending with the folder separator.
inline constexpr Legende DossierCartes { "francais/", "anglais/" };
} // namespace LegendesCommunes

} // namespace plio
