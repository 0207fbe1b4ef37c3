// Captions of the ranking, route sheet and quality windows.
#pragma once

#include "model/Legendes.h"

#include <array>

namespace plio {

namespace LegendesClassement {
inline constexpr Legende Titre { "Classement général", "Ranking" };
inline constexpr std::array<Legende, 9> Colonnes { {
    { "Rang", "Rank" },
    { "Paire", "Pair" },
    { "% total", "% total" },
    { "% déc", "% declarer" },
    { "% déf", "% defender" },
    { "% perdu déclarant", "% lost as declarer" },
    { "% perdu en défense", "% lost as defender" },
    { "% chance", "% chance" },
    { "score idéal", "ideal score" },
} };
// A team match ranks on the IMPs won.
inline constexpr Legende IMP { "IMP", "IMP" };
} // namespace LegendesClassement

namespace LegendesFeuilleDeRoute {
inline constexpr Legende Titre { "Feuille de route de la paire  ", "Score sheet for the pair  " };
inline constexpr std::array<Legende, 8> Colonnes { {
    { "Donne", "Deal" },
    { "Par", "Par" },
    { "Contrat", "Contract" },
    { "Score NS", "Score NS" },
    { "Score EO", "Score EW" },
    { "%", "%" },
    { "Equipes Adverses", "Opponents" },
    { "Moyenne", "Mean" },
} };
// A team match shows the IMPs of each deal and their total against the opponents.
inline constexpr Legende IMP { "IMP", "IMP" };
inline constexpr Legende Total { "Total", "Total" };
inline constexpr std::array<Legende, 11> ColonnesResume { {
    { "Enchères", "Auction" },
    { "Jeu déclarant", "Declarer play" },
    { "% concédé", "% granted" },
    { "Jeu défense", "Defender play" },
    { "% concédé", "% granted" },
    { "Entames", "Leading cards" },
    { "Opportunité", "Opportunity" },
    { "Chance", "Chance" },
    { "Déclarant", "Declarer" },
    { "Défenseur", "Defendeur" },
    { "Classement", "Ranking" },
} };
inline constexpr Legende Valeur { "Valeur", "Value" };
inline constexpr Legende Rang { "Rang", "Rank" };
} // namespace LegendesFeuilleDeRoute

namespace LegendesQualite {
inline constexpr std::array<Legende, 6> Titres { {
    { "Qualité des enchères", "Quality of bids" },
    { "Qualité du jeu du déclarant", "Quality of declarer play" },
    { "Qualité de la défense", "Quality of defender play" },
    { "Qualité des entames", "Quality of leading cards" },
    { "Opportunité", "Opportunity" },
    { "Chance", "Chance" },
} };
} // namespace LegendesQualite

} // namespace plio
