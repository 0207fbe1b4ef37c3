// The test competition: a pairs tournament of 8 tables and 12 boards, in French notation.
//
// North-South pairs 1..8 stay at their table; East-West pair 9 + ((t - 1 + round) mod 8) sits at
// table t in round 0..3, and each round plays three boards. Every board has the same analysis:
// North-South take 10 tricks in spades (9 in no trump, 8 in hearts, 7 in the minors), East-West
// the rest, and the par is 4P by North-South
// (board 12 has no par). Eight table results e1..e8 are dealt out on board
// k with table t playing result ((t - 1 + k - 1) mod 8) + 1:
//   e1 4P N =   lead RC (correct)      e5 3P N +1  lead DC (correct)
//   e2 4P N =   lead 2T (wrong)        e6 4P N =   lead DC (correct)
//   e3 4P S +1  lead AT (correct)      e7 5P N -1  lead 2C (wrong)
//   e4 4P N -1  lead RC (correct)      e8 3SA S =  lead AP (correct)
// On board 11, e7 is passed out and e8 is an adjusted line (60 % / 40 %). Board 12 is passed out
// at every table. Vulnerability cycles None, NS, EW, Both from board 1.
#pragma once

#include "model/VariablesGlobales.h"

#include <string>

namespace plio::test {

Competition CompetitionEssai();

// Where the same competition is kept as a competition file (written by the program's writer).
std::string FichierEssai();

} // namespace plio::test
