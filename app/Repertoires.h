// The folders the program works in: its own installation folder (pictures, cards, sounds, help)
// and the per-user data folder (competition files, language file, mail settings).
#pragma once

#include "app/Ecran.h"

#include <string>
#include <string_view>

namespace plio {

struct Repertoires {
    std::string RepertoireApplication;
    std::string RepertoireDonnees; // user data folder + "Plioscope"
    std::string RepertoireFichiers; // competition files
    std::string RepertoireTexte; // the language file
    std::string RepertoireMail; // mail settings and recipient lists
    std::string RepertoireSons; // ends with a separator, like the three below
    std::string RepertoireAide;
    std::string RepertoireImages;
    std::string RepertoireCartes; // card set of the screen, in the interface's language
    std::string RepertoireCartes100;
};

Repertoires FixeRepertoires(const std::string& dossierDonneesUtilisateur,
    const std::string& dossierProgramme, const FacteursEcran& facteurs, std::string_view langue);

// Card folders follow the interface language, so they are refreshed after a language switch.
void ActualiseRepertoiresCartes(
    Repertoires& reps, const FacteursEcran& facteurs, std::string_view langue);

std::string CheminLangue(const Repertoires& reps);

// First run: creates the missing data folders and a language file in the system's language.
// False when a folder or the file cannot be created.
bool PrepareDossiersDonnees(const Repertoires& reps, bool systemeFrancais);

} // namespace plio
