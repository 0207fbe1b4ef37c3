// Tolerant reading of ordinary PBN files written by other programs (dealing machines,
// hand-record generators): only the boards, dealers, vulnerabilities and deals are taken.
#pragma once

#include "model/VariablesGlobales.h"
#include "pbn/ResultatFichier.h"

#include <string>
#include <string_view>
#include <vector>

namespace plio {

// Never fails: what cannot be understood is left out. The competition is a pairs tournament
// without tables, named after the first [Event] (or `nomParDefaut` when there is none).
void LitPbnOrdinaire(const std::vector<std::string>& lignes, std::string_view nomParDefaut,
    Competition& competition, DiagnosticLecture& diagnostic);

// The deal line of the dialect for a PBN deal value ("N:AKQ.JT9.876.5432 - ..."): hands in
// clockwise order from the first seat, each as spades.hearts.diamonds.clubs with the cards from
// the ace down, an empty group for a void. An unknown hand ("-") stays empty, so the line is
// short of its 78 characters; a deal whose hands cannot be right (a card twice, more than 13
// cards in a hand) gives an empty line.
std::string LigneDonneDePbn(std::string_view valeur);

} // namespace plio
