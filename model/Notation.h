// The small translations between the French and English bridge notations (rank, suit, seat
// letters, contract texts) used for display and entry. Each function decides on its own which
// language value selects which notation: some test for "french", others for "anglais", so a
// language file holding any other word gives some French and some English letters, as it always
// has.
#pragma once

#include "model/VariablesGlobales.h"

#include <string>
#include <string_view>

namespace plio {

// Rank letter of rank 0..12: French letters when langue is "french", English otherwise.
std::string LettreRang(int rang, std::string_view langue = Langue);

// Characters accepted when typing a hand: the digits 2 to 9, the space, and the honour letters
// of the language in either case (French when langue is "french", English otherwise).
bool ToucheCarteValide(char touche, std::string_view langue = Langue);

// Suit number 1..4 of a suit letter (English when langue is "anglais", French otherwise); 0 for
// any other letter.
int NumeroCouleur(char lettre, std::string_view langue = Langue);

// Seat number 1..4 of a seat letter (English when langue is "anglais", French otherwise); 0 for
// any other letter.
int NumeroJoueur(char lettre, std::string_view langue = Langue);

// Contract code 5 x (level - 1) + strain from the first two characters of a contract text
// (English letters when langue is "anglais", French otherwise). A level that is no digit 1..7
// counts as 1 and an unknown strain letter adds 0, so a bad text never gives a code above 35.
int CodeContrat(std::string_view contrat, std::string_view langue = Langue);

// 2 for a text ending in "XX", 1 for one ending in "X", else 0.
int DoublementContrat(std::string_view contrat);

// " 1T" .. "7SA": the French contract name in three characters, whatever the language; empty
// for a code outside 1..35.
std::string NomContratFrancais(int code);

// " S C ", " O SA" ...: seat letter and strain in five characters (French when langue is
// "french"); strain 0 and 5 both mean no trump.
std::string TexteContratPar(int siege, int strain, std::string_view langue = Langue);

// " par NS  =", " par  O -2" ...: who declares the par contract of an analysed deal and how it
// ends double dummy. Empty when the deal holds no single-side par.
std::string TextePar(const board& donne);

// n with one leading space when it is at most 9, so that columns of numbers line up.
std::string Aligne2(int n);

// The text padded on the left with spaces to 4 characters.
std::string Aligne4(std::string_view texte);

} // namespace plio
