// The program's double-dummy solver. One object per thread: it owns its position, its per-deal
// tables, its pattern table and its move memories; nothing is shared but the constant tables.
#pragma once

#include "solver/ParametresSolveur.h"
#include "solver/TableMotifs.h"
#include "solver/TablesSolveur.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace plio {

class SolveurDoubleMort {
public:
    SolveurDoubleMort();

    // Solves the position described by the block and writes the caller's result record.
    void ResoutPosition(const ParametresSolveur& parametres);

    // First guess of the binary search for a full deal, from the hands of the last prepared
    // position: honour points of the side on lead (and its trumps in a suit contract).
    int EstimationInitiale() const;

    // Search nodes visited since the object was made: the measure of search effort.
    std::uint64_t NombreNoeuds() const { return nombreNoeuds_; }
    std::size_t MemoireOctets() const { return sizeof(*this) + motifs_.Octets(); }

private:
    struct CoupCandidat {
        std::int8_t Couleur = 0;
        std::int8_t Rang = -1;
        std::int8_t RangBas = -1; // lowest card of the group of equivalent cards
        std::int16_t Poids = 0;
    };

    struct NoeudRecherche {
        std::array<CoupCandidat, 14> Coups {};
        std::array<std::uint8_t, 5> RangPertinent {}; // lowest rank that mattered; 13 = none
        std::array<std::uint16_t, 5> Essayes {}; // low ranks of the moves searched
        std::uint8_t Joueur = 0; // hand to play
        std::uint8_t Gagnes = 0; // tricks of the root side so far
    };

    bool PrepareRecherche(const ParametresSolveur& p);
    void ConstruitTablesDonne();
    void AppliqueDrapeauxDebut(const ParametresSolveur& p);
    bool Resout(int cible);
    int PlisMaximumPosition();
    void ValeurDeChaqueCarte(TfutursPlis& resultat);

    bool ChercheCible(int ply);
    bool DernierPli(NoeudRecherche& n);
    bool ChercheMotif(NoeudRecherche& n, int pli, bool& resultat);
    void StockeMotif(
        const NoeudRecherche& n, int pli, bool resultat, int meilleureCouleur, int meilleurRang);
    // Tricks a side still needs, from the start of the trick, to decide the current target.
    int PlisManquants(const NoeudRecherche& n, int pli, bool campRacine) const;
    bool CoupureDebutPli(NoeudRecherche& n, int pli, bool& resultat);
    struct ToursSurs {
        int Tours = 0;
        std::uint8_t Rang = 13; // lowest rank compared
        bool PerdLaMain = false; // the next round is the partner's
    };
    ToursSurs ToursCouleur(
        int joueur, int s, const std::array<int, 5>& atouts, bool partenaireFournit) const;
    std::array<int, 5> AtoutsDesMains() const;
    int PlisSursEnMain(int joueur, int besoin, std::array<std::uint8_t, 5>& rangs) const;
    int PlisSursDeuxMains(int joueur, std::array<std::uint8_t, 5>& rangs) const;
    bool PlisPlusTard(NoeudRecherche& n, int pli, bool& resultat);
    bool CoupureApresEntame(NoeudRecherche& n, int pli, bool& resultat);

    int GenereCoups(int ply, NoeudRecherche& n);
    void GroupeCouleur(int couleur, std::uint16_t tenue, std::uint16_t enJeu, NoeudRecherche& n,
        int& nombre) const;
    void PondereCoups(int ply, NoeudRecherche& n, int nombre) const;
    static void OrdonneCoups(std::array<CoupCandidat, 14>& coups, int nombre);
    bool CoupEquivalentDejaEssaye(const NoeudRecherche& n, const CoupCandidat& c) const;
    void JoueCarte(int ply, int main, const CoupCandidat& c);
    void RetireCarte(int ply, int main, const CoupCandidat& c);
    int GagnantDuPli(int pli, int& plyGagnant) const;
    std::array<std::uint32_t, 4> Proprietaires(int pli) const;

    const TablesSolveur& t_ = Tables();

    // Position
    std::array<std::array<std::uint16_t, 5>, 5> Main {}; // [hand][suit]
    std::array<std::array<std::uint16_t, 15>, 5> Restantes {}; // [suit][trick]
    std::uint64_t CleForme = 0;
    int atout_ = 0;
    int entameur_ = 1;
    int mode_ = 1;
    int cible_ = 0;
    int positionChoix_ = 0; // cards on the table when the solve starts
    bool toutesLesCartes_ = false;
    std::array<std::uint8_t, 4> couleursTable_ {};
    std::array<std::uint8_t, 4> rangsTable_ {};
    int NbCartesDepart = 0;
    int PlisRestants = 0;
    int PlyMax = 0;

    // Per ply 1..52 (the card played from node ply - 1) and per trick 1..13
    std::array<std::uint8_t, 53> CouleurJouee {};
    std::array<std::uint8_t, 53> MainJouee {};
    std::array<std::uint8_t, 53> RangJoue {};
    std::array<std::uint8_t, 53> RangEquivalent {};
    std::array<std::uint8_t, 53> ValeurCarte {};
    std::array<std::uint8_t, 15> CouleurEntame {};
    std::array<NoeudRecherche, 53> noeuds_ {};

    // Per-deal tables
    std::array<std::array<std::uint32_t, 8192>, 5> MotifProprietaires {};
    std::array<std::uint16_t, 5> cartesDeLaDonne_ {};

    // Results and memories
    std::array<std::array<std::uint8_t, 13>, 5> ResultatCarte {};
    std::array<std::int8_t, 54> MeilleurCoupCouleur {};
    std::array<std::int8_t, 54> MeilleurCoupRang {};
    TableMotifs motifs_;
    // The last most-tricks answer at the start of a trick, as a first guess for the next solve.
    std::array<std::array<std::uint16_t, 5>, 5> mainsDernierMaximum_ {};
    int atoutDernierMaximum_ = -1;
    int plisNSDernierMaximum_ = 0;
    int atoutMotifs_ = -1;
    std::uint64_t nombreNoeuds_ = 0;
};

} // namespace plio
