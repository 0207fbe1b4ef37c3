// The program's start: screen factors, the user's folders and language, the windows.
#pragma once

#include "app/Contexte.h"
#include "app/ui/Fenetres.h"

#include <memory>

#include <QSize>

namespace plio {

// The per-user data folder: the environment variable "appdata" when it is set, otherwise the
// platform's own per-user data folder.
std::string DossierDonneesUtilisateur();

// The update site: PLIOSCOPE_SITE_URL when set, otherwise the root chosen at build time.
std::string RacineSiteMiseAJour();

// Fills the context for a screen of the given size and a program folder (the installation tree
// beside the executable), and creates every window.
std::unique_ptr<Fenetres> Demarre(
    Contexte& contexte, QSize ecran, const std::string& dossierProgramme);

} // namespace plio
