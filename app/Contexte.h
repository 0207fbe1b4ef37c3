// What every window of the program shares: the screen factors, the folders, the door to the
// user, and the services that the windows call but do not own (file reading, the solver's
// analysis, the document opener, the update site).
#pragma once

#include "app/Ecran.h"
#include "app/Repertoires.h"
#include "model/Dialogues.h"
#include "model/VariablesGlobales.h"

#include <atomic>
#include <functional>
#include <string>

namespace plio {

struct Fenetres;

struct Contexte {
    explicit Contexte(Dialogues& d)
        : dialogues(d)
    {
    }

    FacteursEcran facteurs;
    Repertoires reps;
    Dialogues& dialogues;
    Fenetres* fenetres = nullptr;

    std::string dossierDonneesUtilisateur;
    std::string dossierProgramme;
    bool systemeFrancais = false;

    // Root of the maker's web site, ending with "/".
    std::string siteMiseAJour;
    bool MiseAJourVerifiee = false;

    // Shows a file with the application associated with its type, without waiting for it.
    std::function<void(const std::string& chemin)> ouvreDocument;

    // Reads Tournoi.NomFichier into the competition (sets EtatFichier and FichierCharge).
    std::function<void(Competition&)> chargeFichierPBN;

    // Writes the competition into Tournoi.NomFichier (sets EtatFichier).
    std::function<void(Competition&)> ecritFichierPBN;

    // Solves every deal of the competition; called off the interface thread, so it shows
    // nothing, reports each deal done through avance(deal index) and stops between two deals
    // once annulation is set. True when every deal was solved.
    std::function<bool(
        Competition&, const std::function<void(int)>& avance, const std::atomic<bool>& annulation)>
        analyseDonnes;
};

} // namespace plio
