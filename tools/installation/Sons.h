// The program's sounds, synthesised: short chimes for good cards, low tones for bad ones and a
// soft click for the computer's cards.
#pragma once

#include <QString>

namespace plio::installation {

// Writes every sound file under the sounds folder, with the "Jeu/son.txt" switch set to "son".
bool EcritSons(const QString& dossierSons);

} // namespace plio::installation
