#include "app/Repertoires.h"

#include "model/FichierLangue.h"
#include "model/Legendes.h"

#include <filesystem>
#include <system_error>

namespace plio {

namespace {

constexpr char Separateur = static_cast<char>(std::filesystem::path::preferred_separator);

std::string Dans(const std::string& dossier, std::string_view nom)
{
    std::string chemin = dossier;
    if (!chemin.empty() && chemin.back() != Separateur) chemin += Separateur;
    chemin += nom;
    return chemin;
}

std::string DossierFinal(const std::string& dossier, std::string_view nom)
{
    return Dans(dossier, nom) + Separateur;
}

} // namespace

Repertoires FixeRepertoires(const std::string& dossierDonneesUtilisateur,
    const std::string& dossierProgramme, const FacteursEcran& facteurs, std::string_view langue)
{
    Repertoires r;
    r.RepertoireApplication = dossierProgramme;
    r.RepertoireDonnees = Dans(dossierDonneesUtilisateur, "Plioscope");
    r.RepertoireFichiers = Dans(r.RepertoireDonnees, "Files");
    r.RepertoireTexte = Dans(r.RepertoireDonnees, "Texte");
    r.RepertoireMail = Dans(r.RepertoireDonnees, "Mail");
    r.RepertoireSons = DossierFinal(dossierProgramme, "Sons");
    r.RepertoireAide = DossierFinal(dossierProgramme, "Help");
    r.RepertoireImages
        = DossierFinal(dossierProgramme, facteurs.ImagesSXGA ? "Images_SXGA" : "Images_XGA");
    ActualiseRepertoiresCartes(r, facteurs, langue);
    return r;
}

void ActualiseRepertoiresCartes(
    Repertoires& reps, const FacteursEcran& facteurs, std::string_view langue)
{
    const std::string cartes = Dans(reps.RepertoireApplication, "Cartes");
    // Card faces carry the interface's index letters; the subfolder ends with its separator.
    const std::string langueCartes = LegendesCommunes::DossierCartes.Texte(langue);
    reps.RepertoireCartes = Dans(Dans(cartes, facteurs.SousRepertoireCartes), langueCartes);
    reps.RepertoireCartes100 = Dans(Dans(cartes, "Cartes_100"), langueCartes);
}

std::string CheminLangue(const Repertoires& reps)
{
    return Dans(reps.RepertoireTexte, "langue.txt");
}

bool PrepareDossiersDonnees(const Repertoires& reps, bool systemeFrancais)
{
    std::error_code erreur;
    for (const std::string* dossier :
        { &reps.RepertoireFichiers, &reps.RepertoireTexte, &reps.RepertoireMail }) {
        std::filesystem::create_directories(*dossier, erreur);
        if (erreur) return false;
    }
    if (std::filesystem::exists(CheminLangue(reps), erreur)) return true;
    return EcritFichierLangue(CheminLangue(reps), systemeFrancais ? "french" : "anglais");
}

} // namespace plio
