#include "pbn/FeuilleValide.h"

#include "model/LectureNombres.h"
#include "pbn/Validateurs.h"

#include <string>

namespace plio {

namespace {

bool PourcentValide(std::string_view texte)
{
    const auto x = LitReel(texte);
    return x && *x > -1 && *x < 101;
}

} // namespace

std::optional<int> ChampInvalide(const board& donne, int i, std::string_view typeCompetition)
{
    if (i < 1 || i >= static_cast<int>(donne.Feuilles.size())) return 1;
    const ResultsSheet& f = donne.Feuilles[static_cast<std::size_t>(i)];
    const bool match = typeCompetition == "MPQ";

    if (!EntreBornes(std::to_string(f.PaireNS), 0, 1000)) return 1;
    if (!EntreBornes(std::to_string(f.PaireEO), 0, 1000)) return 2;
    for (int j = 1; j < i; ++j) {
        const ResultsSheet& autre = donne.Feuilles[static_cast<std::size_t>(j)];
        if (autre.PaireNS == f.PaireNS) return 1;
        if (autre.PaireEO == f.PaireEO) return 2;
    }

    const int champEntame = match ? 9 : 10;
    if (FeuilleSansJeu(f.Contrat, f.Declarant, f.Resultat, f.Entame)) {
        // Nobody played: nobody scored.
        if (f.ScoreNS != 0) return 6;
        if (f.ScoreEO != 0) return 7;
    } else {
        if (!ContratValide(f.Contrat)) return 3;
        if (!DeclarantValide(f.Declarant)) return 4;
        if (!ResultatValide(f.Resultat)) return 5;
        if (f.ScoreNS <= -7601 || f.ScoreNS >= 7601) return 6;
        if (f.ScoreEO <= -7601 || f.ScoreEO >= 7601) return 7;
        if (!EntameValide(f.Entame)) return champEntame;
    }

    if (match) {
        // The IMP field is written from ResultatIMP; a text read from a file must be its integer.
        if (!f.PourcentNS.empty() && !LitEntier(f.PourcentNS)) return 8;
    } else {
        if (!PourcentValide(f.PourcentNS)) return 8;
        if (!PourcentValide(f.PourcentEO)) return 9;
    }
    return std::nullopt;
}

bool FeuilleValide(const board& donne, int i, std::string_view typeCompetition)
{
    return !ChampInvalide(donne, i, typeCompetition);
}

bool FeuillesDeLaDonneValides(const board& donne, std::string_view typeCompetition)
{
    if (donne.NombreFeuilles < 1) return false;
    for (int i = 1; i <= donne.NombreFeuilles; ++i)
        if (!FeuilleValide(donne, i, typeCompetition)) return false;
    return true;
}

std::string EtatDeFichier(const DrapeauxFichier& drapeaux)
{
    if (!drapeaux.donnes) return "I";
    std::string etat = "D";
    if (drapeaux.feuilles) etat += 'F';
    if (drapeaux.analyse) etat += 'A';
    return etat;
}

DrapeauxFichier DrapeauxCompetition(const Competition& competition)
{
    const Ttournoi& t = competition.Tournoi;
    DrapeauxFichier drapeaux;
    drapeaux.donnes = t.NombreDonnes > 0;
    for (int b = 1; b <= t.NombreDonnes && b < static_cast<int>(competition.Donnes.size()); ++b) {
        const board& donne = competition.Donnes[static_cast<std::size_t>(b)];
        drapeaux.donnes = drapeaux.donnes && donne.LigneDonne.size() == LongueurLigneDonneComplete;
        drapeaux.feuilles = drapeaux.feuilles && FeuillesDeLaDonneValides(donne, t.TypeCompetition);
        drapeaux.analyse = drapeaux.analyse && DonneAnalysee(donne);
    }
    return drapeaux;
}

} // namespace plio
