// Validity of the result sheets in memory and the file state they lead to.
#pragma once

#include "model/VariablesGlobales.h"

#include <optional>
#include <string>
#include <string_view>

namespace plio {

// The first field of sheet i (English notation) that makes it invalid, numbered as in a file's
// sheet line: 1 PaireNS, 2 PaireEO, 3 Contrat, 4 Declarant, 5 Resultat, 6 ScoreNS, 7 ScoreEO,
// then 8 and 9 the two percentages and 10 the lead in a pairs tournament, or 8 the IMP result
// and 9 the lead in a team match ("MPQ"). Nothing when the sheet is valid.
std::optional<int> ChampInvalide(const board& donne, int i, std::string_view typeCompetition);

bool FeuilleValide(const board& donne, int i, std::string_view typeCompetition);

// Every sheet of the deal is valid, and there is at least one.
bool FeuillesDeLaDonneValides(const board& donne, std::string_view typeCompetition);

// What a file state summarises: complete deals, valid sheets, analysis present.
struct DrapeauxFichier {
    bool donnes = true;
    bool feuilles = true;
    bool analyse = true;
};

// "I" when the deals are not complete, else "D", "DA", "DF" or "DFA".
std::string EtatDeFichier(const DrapeauxFichier& drapeaux);

// The flags of a competition in memory whose sheets are in English notation: every deal line
// complete, every deal with valid sheets, every deal analysed. A competition without deals has
// nothing complete.
DrapeauxFichier DrapeauxCompetition(const Competition& competition);

} // namespace plio
