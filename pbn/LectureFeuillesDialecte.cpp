#include "model/LectureNombres.h"
#include "pbn/LecteurDialecte.h"
#include "pbn/Validateurs.h"

#include <algorithm>

namespace plio::dialecte {

void Lecteur::DonneFeuillesVides(int b, int n)
{
    board& donne = competition_.Donnes[static_cast<std::size_t>(b)];
    donne.NombreFeuilles = n;
    donne.Feuilles.assign(static_cast<std::size_t>(n) + 1, ResultsSheet {});
    diagnostic_.feuilles[static_cast<std::size_t>(b)].assign(static_cast<std::size_t>(n) + 1, {});
}

bool Lecteur::LitFeuilles(int b, std::size_t& i, std::size_t fin, Bloc& bloc)
{
    const std::string_view ligne = lignes_[i];
    const auto n = ligne.size() >= 13 && ligne.ends_with("]")
        ? LitEntier(Extrait(ligne, 12, ligne.size() - 1))
        : std::nullopt;
    // One sheet a table, and at most 499 tables.
    if (!n || *n < 0 || *n > 499) return Echec(i);
    const int nombre = *n;
    DonneFeuillesVides(b, nombre);
    if (i + 1 >= fin) {
        bloc.feuilles = false;
        if (nombre > 0 && fin == lignes_.size()) return Echec(i + 1);
    }
    for (int k = 1; k <= nombre; ++k) {
        const std::size_t j = i + static_cast<std::size_t>(k);
        if (j >= lignes_.size()) return Echec(j);
        if (j >= fin) {
            bloc.feuilles = false;
            break;
        }
        if (!LitFeuille(b, k, j, bloc)) return false;
    }
    i = std::min(i + static_cast<std::size_t>(nombre), fin - 1);
    if (!bloc.donne) {
        bloc.feuilles = false;
        bloc.analyse = false;
    }
    return true;
}

bool Lecteur::LitFeuille(int b, int k, std::size_t j, Bloc& bloc)
{
    const bool match = tournoi_.TypeCompetition == "MPQ";
    const auto champs = Champs(lignes_[j]);
    const std::size_t attendus = match ? 9 : 10;
    if (champs.size() < attendus) return Echec(j);

    board& donne = competition_.Donnes[static_cast<std::size_t>(b)];
    ResultsSheet& f = donne.Feuilles[static_cast<std::size_t>(k)];
    OrigineFeuille& origine
        = diagnostic_.feuilles[static_cast<std::size_t>(b)][static_cast<std::size_t>(k)];
    origine.ligne = static_cast<int>(j + 1);
    const auto refuse = [&](int champ) {
        bloc.feuilles = false;
        if (origine.champInvalide == 0 || champ < origine.champInvalide) {
            origine.champInvalide = champ;
            origine.texte = champs[static_cast<std::size_t>(champ - 1)];
        }
    };

    if (EntreBornes(champs[0], 0, 1000)) {
        f.PaireNS = *LitEntier(champs[0]);
        f.NomsNS = NomsDeLaPaire(f.PaireNS, b);
    } else {
        refuse(1);
    }
    if (EntreBornes(champs[1], 0, 1000)) {
        f.PaireEO = *LitEntier(champs[1]);
        f.NomsEO = NomsDeLaPaire(f.PaireEO, b);
    } else {
        refuse(2);
    }

    const std::size_t champEntame = attendus - 1;
    const std::string_view entame = champs[champEntame];
    if (FeuilleSansJeu(champs[2], champs[3], champs[4], entame)) {
        f.Contrat = champs[2];
        f.Declarant = champs[3];
        f.Resultat = champs[4];
        f.Entame = entame;
    } else {
        if (ContratValide(champs[2]))
            f.Contrat = champs[2];
        else
            refuse(3);
        if (DeclarantValide(champs[3]))
            f.Declarant = champs[3];
        else
            refuse(4);
        if (ResultatValide(champs[4]))
            f.Resultat = champs[4];
        else
            refuse(5);
        if (EntameValide(entame))
            f.Entame = entame;
        else
            refuse(static_cast<int>(champEntame + 1));
    }
    if (EntreBornes(champs[5], -7601, 7601))
        f.ScoreNS = *LitEntier(champs[5]);
    else
        refuse(6);
    if (EntreBornes(champs[6], -7601, 7601))
        f.ScoreEO = *LitEntier(champs[6]);
    else
        refuse(7);
    f.PourcentNS = champs[7];
    if (match) {
        if (EntreBornes(champs[7], -1000000, 1000000))
            donne.ResultatIMP = *LitEntier(champs[7]);
        else
            refuse(8);
    } else {
        f.PourcentEO = champs[8];
    }
    return true;
}

// Names of the pair with this number, as "first-second"; the deal counts as played by it.
std::string Lecteur::NomsDeLaPaire(int numero, int b)
{
    for (std::size_t p = 1; p < tournoi_.Paires.size(); ++p) {
        Tpaires& paire = tournoi_.Paires[p];
        if (paire.Numero != numero) continue;
        paire.DonnesJouees[static_cast<std::size_t>(b)] = 1;
        return paire.Joueur1 + "-" + paire.Joueur2;
    }
    return {};
}

} // namespace plio::dialecte
