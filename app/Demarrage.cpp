#include "app/Demarrage.h"

#include "app/ui/PageDeGarde.h"
#include "pbn/ChargeFichierPBN.h"
#include "pbn/EcritureDialecte.h"
#include "solver/AnalyseCompetition.h"

#include <QDesktopServices>
#include <QLocale>
#include <QSize>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <thread>

#ifndef PLIO_SITE_URL
#define PLIO_SITE_URL ""
#endif

namespace plio {

std::string DossierDonneesUtilisateur()
{
    if (const char* appdata = std::getenv("appdata"); appdata && *appdata) return appdata;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
}

std::string RacineSiteMiseAJour()
{
    if (const char* site = std::getenv("PLIOSCOPE_SITE_URL"); site) return site;
    return PLIO_SITE_URL;
}

std::unique_ptr<Fenetres> Demarre(
    Contexte& contexte, QSize ecran, const std::string& dossierProgramme)
{
    contexte.facteurs = CalculeFacteursEcran(ecran.width(), ecran.height());
    contexte.dossierDonneesUtilisateur = DossierDonneesUtilisateur();
    contexte.dossierProgramme = dossierProgramme;
    contexte.systemeFrancais = QLocale::system().language() == QLocale::French;
    contexte.siteMiseAJour = RacineSiteMiseAJour();
    // The competition files are read and written with the program's own dialogs.
    DialoguesProgramme = &contexte.dialogues;
    contexte.chargeFichierPBN = [&dialogues = contexte.dialogues](Competition& competition) {
        ChargeFichierPBN(competition, competition.Tournoi.NomFichier, dialogues);
    };
    contexte.ecritFichierPBN = [&dialogues = contexte.dialogues](Competition& competition) {
        EcritFichierPBN(competition, competition.Tournoi.NomFichier, dialogues);
    };
    contexte.analyseDonnes = [](Competition& competition, const std::function<void(int)>& avance,
                                 const std::atomic<bool>& annulation) {
        OptionsAnalyse options;
        // One solver per core, each with its own tables: a few suffice for a competition.
        options.Taches = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
        options.Progression = [&avance](int faites, int) { avance(faites); };
        options.Annulation = &annulation;
        return AnalyseCompetition(competition, options) != IssueAnalyse::Annulee;
    };
    contexte.ouvreDocument = [](const std::string& chemin) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(chemin)));
    };
    return CreeFenetres(contexte);
}

} // namespace plio
