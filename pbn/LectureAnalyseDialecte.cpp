#include "model/LectureNombres.h"
#include "pbn/LecteurDialecte.h"

namespace plio::dialecte {

namespace {

constexpr int LignesParTable = 20; // seat 1..4 times strain 1..5, in both analysis tables

int NumeroStrain(std::string_view lettres)
{
    if (lettres == "C") return 1;
    if (lettres == "D") return 2;
    if (lettres == "H") return 3;
    if (lettres == "S") return 4;
    if (lettres == "NT") return 5;
    return 0;
}

int SiegeDeLigneDePlis(char lettre)
{
    return lettre == 'O' ? 0 : SiegeDeLettre(lettre);
}

} // namespace

// The 20 lines of correct leads (seat on lead major, strain minor), four masks a line.
bool Lecteur::LitTableDesEntames(std::size_t& i, std::size_t fin, board& donne, Bloc& bloc)
{
    for (int k = 0; k < LignesParTable; ++k) {
        const std::size_t j = i + 1 + static_cast<std::size_t>(k);
        if (j >= fin) return Echec(j);
        if (lignes_[j].starts_with("[OptimumResultTable ")) {
            bloc.analyse = false;
            i = j - 1;
            return true;
        }
        const auto masques = Nombres(lignes_[j]);
        if (!masques || masques->size() != 4) return Echec(j);
        for (int couleur = 1; couleur <= 4; ++couleur) {
            const int masque = (*masques)[static_cast<std::size_t>(couleur - 1)];
            if (masque < 0 || masque > 8191) return Echec(j);
            donne.EntamesCorrectes[static_cast<std::size_t>(k / 5 + 1)][static_cast<std::size_t>(
                k % 5 + 1)][static_cast<std::size_t>(couleur)]
                = masque;
        }
    }
    i += LignesParTable;
    return true;
}

// The par line, then the 20 lines of double-dummy tricks.
bool Lecteur::LitTableDesPlis(std::size_t& i, std::size_t fin, board& donne, Bloc& bloc)
{
    std::string_view reste = std::string_view(lignes_[i]).substr(20);
    if (reste.starts_with("]")) {
        bloc.analyse = false;
        return true;
    }
    if (!reste.ends_with("]")) return Echec(i);
    reste.remove_suffix(1);
    const auto nombres = Nombres(reste);
    if (!nombres || nombres->size() < 6) return Echec(i);
    const auto& n = *nombres;
    if (n[0] < 0 || n[0] > 35 || n[1] < 0 || n[1] > 99) return Echec(i);
    for (std::size_t k = 2; k < 6; ++k)
        if (n[k] < 0 || n[k] > 35) return Echec(i);
    donne.ContratPar = n[0];
    donne.CampPar = n[1];
    for (std::size_t siege = 1; siege <= 4; ++siege) {
        const int code = n[siege + 1];
        donne.MeilleurContrat[siege] = code;
        // The scores of the best contracts are only there for the reader of the file;
        // keeping them where the writer takes them from lets the file come back as it was.
        if (n.size() >= 6 + siege) {
            const std::size_t strain
                = code == 0 || code % 5 == 0 ? 5 : static_cast<std::size_t>(code % 5);
            const std::size_t niveau = code == 0 ? 1 : static_cast<std::size_t>((code - 1) / 5 + 1);
            const int score = n[5 + siege];
            donne.ScoreContrat[siege][strain][niveau] = score;
            donne.ScoreContratParPalier[siege][niveau][strain] = score;
        }
    }
    for (int k = 0; k < LignesParTable; ++k) {
        const std::size_t j = i + 1 + static_cast<std::size_t>(k);
        if (j >= fin) return Echec(j);
        const std::string_view ligne = lignes_[j];
        if (ligne.starts_with("[ScoreTable")) {
            bloc.analyse = false;
            i = j - 1;
            return true;
        }
        const auto champs = Champs(ligne);
        if (champs.size() != 3 || champs[0].size() != 1) return Echec(j);
        const int siege = SiegeDeLigneDePlis(champs[0][0]);
        const int strain = NumeroStrain(champs[1]);
        const auto plis = LitEntier(champs[2]);
        if (siege == 0 || strain == 0 || !plis || *plis < 0 || *plis > 255) return Echec(j);
        donne.Plis[static_cast<std::size_t>(siege)][static_cast<std::size_t>(strain)]
            = static_cast<std::uint8_t>(*plis);
    }
    i += LignesParTable;
    return true;
}

} // namespace plio::dialecte
