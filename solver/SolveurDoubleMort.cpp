#include "solver/SolveurDoubleMort.h"

#include "model/VariablesGlobales.h"
#include "solver/TablesSolveur.h"

#include <algorithm>
#include <bit>

namespace plio {

namespace {

inline bool MemeCamp(int a, int b)
{
    return ((a ^ b) & 1) == 0;
}
inline std::uint16_t Bit(int rang)
{
    return static_cast<std::uint16_t>(1u << rang);
}

} // namespace

SolveurDoubleMort::SolveurDoubleMort()
{
    MeilleurCoupCouleur.fill(-1);
    MeilleurCoupRang.fill(-1);
}

bool SolveurDoubleMort::PrepareRecherche(const ParametresSolveur& p)
{
    ResultatCarte = {};
    for (auto& s : Restantes)
        s.fill(0);
    for (int h = 1; h <= 4; ++h)
        for (int s = 1; s <= 4; ++s)
            Main[h][s] = p.Mains[h][s] & 0x1FFF;
    positionChoix_ = p.CouleursTable[3] ? 3 : p.CouleursTable[2] ? 2 : p.CouleursTable[1] ? 1 : 0;
    entameur_ = p.Entameur;
    atout_ = p.Atout % 5;
    couleursTable_ = p.CouleursTable;
    rangsTable_ = p.RangsTable;
    // The search replays the cards on the table: they go back to the hands that played them.
    int main = entameur_;
    for (int i = 1; i <= positionChoix_; ++i) {
        const int s = p.CouleursTable[i];
        if (s < 1 || s > 4 || p.RangsTable[i] > 12) return false;
        if (Main[main][s] & Bit(p.RangsTable[i])) return false;
        Main[main][s] ^= Bit(p.RangsTable[i]);
        main = Suivant[main];
    }
    const TablesSolveur& t = t_;
    NbCartesDepart = 0;
    int longueurs[5] = {};
    for (int s = 1; s <= 4; ++s) {
        std::uint16_t u = 0;
        for (int h = 1; h <= 4; ++h) {
            if (u & Main[h][s]) return false; // a card in two hands
            u |= Main[h][s];
            longueurs[h] += t.NbCartes[Main[h][s]];
        }
        Restantes[s][0] = u;
        NbCartesDepart += t.NbCartes[u];
    }
    if (NbCartesDepart == 0 || NbCartesDepart % 4 != 0) return false;
    for (int h = 1; h <= 4; ++h)
        if (longueurs[h] != NbCartesDepart / 4) return false;
    PlisRestants = NbCartesDepart / 4;
    PlyMax = NbCartesDepart - 4;
    CleForme = 0;
    for (int h = 1; h <= 4; ++h)
        for (int s = 1; s <= 4; ++s)
            CleForme += t.NbCartes[Main[h][s]] * t.PoidsForme[h][s];
    return true;
}

void SolveurDoubleMort::ConstruitTablesDonne()
{
    // Owners of every subset of a suit's cards, top card in the two low bits: built from the
    // subset without its top card, so a single pass in increasing order suffices.
    const TablesSolveur& t = t_;
    for (int s = 1; s <= 4; ++s) {
        const std::uint16_t toutes = Restantes[s][0];
        cartesDeLaDonne_[s] = toutes;
        auto& motif = MotifProprietaires[s];
        motif[0] = 0;
        for (unsigned m = 1; m < 8192; ++m) {
            if (m & ~unsigned(toutes)) continue;
            const int haut = t.RangHaut[m];
            int proprietaire = 0;
            for (int h = 1; h <= 4; ++h)
                if (Main[h][s] & Bit(haut)) proprietaire = h - 1;
            motif[m] = (motif[m & ~(1u << haut)] << 2) | static_cast<std::uint32_t>(proprietaire);
        }
    }
}

void SolveurDoubleMort::AppliqueDrapeauxDebut(const ParametresSolveur& p)
{
    if (p.CreeMotifs == FaireMemoire || p.CreeMotifs == RecreerMemoire) motifs_.Vide();
    // Bounds hold for one trump strain only.
    if (atoutMotifs_ != atout_) {
        motifs_.Vide();
        atoutMotifs_ = atout_;
    }
    if (p.EffaceMemoires == FaireMemoire) {
        MeilleurCoupCouleur.fill(-1);
        MeilleurCoupRang.fill(-1);
    }
    bool tablesAJour = p.RefaitTables == SauterMemoire;
    // Tables built for other cards would give wrong owners: rebuild whatever the flag says.
    for (int s = 1; s <= 4 && tablesAJour; ++s)
        tablesAJour = (Restantes[s][0] & ~cartesDeLaDonne_[s]) == 0;
    if (!tablesAJour) ConstruitTablesDonne();
}

int SolveurDoubleMort::EstimationInitiale() const
{
    const TablesSolveur& t = t_;
    const int partenaire = Partenaire[entameur_];
    int h = 0;
    for (int s = 1; s <= 4; ++s)
        h += t.PointsHonneurs[Main[entameur_][s] >> 9] + t.PointsHonneurs[Main[partenaire][s] >> 9];
    if (atout_ == 0) return h / 3 + 1;
    int estimation
        = h / 3 + t.NbCartes[Main[partenaire][atout_]] + t.NbCartes[Main[entameur_][atout_]] - 7;
    if (estimation < 1) estimation = 1;
    if (estimation > 12) estimation = 13;
    return estimation;
}

void SolveurDoubleMort::ResoutPosition(const ParametresSolveur& p)
{
    TfutursPlis& r = *p.Resultat;
    const int nbTable = p.CouleursTable[3] ? 3
        : p.CouleursTable[2]               ? 2
        : p.CouleursTable[1]               ? 1
                                           : 0;
    int joueur = p.Entameur;
    for (int i = 0; i < nbTable; ++i)
        joueur = Suivant[joueur];
    r.Joueur = joueur;
    if (p.Entameur < 1 || p.Entameur > 4 || !PrepareRecherche(p)) {
        r.Score[1] = -1;
        return;
    }
    mode_ = p.Mode;
    if (NbCartesDepart == 4) {
        // The last trick needs no search.
        NoeudRecherche& n = noeuds_[0];
        n.Joueur = static_cast<std::uint8_t>(entameur_);
        n.Gagnes = 0;
        cible_ = 1;
        const bool gagne = DernierPli(n);
        r.Score[1] = MemeCamp(joueur, entameur_) == gagne ? 1 : 0;
        r.Nombre = 1;
        for (int s = 1; s <= 4; ++s)
            if (p.Mains[joueur][s]) {
                r.Couleur[1] = s;
                r.Rang[1] = t_.RangHaut[p.Mains[joueur][s]];
            }
        return;
    }
    AppliqueDrapeauxDebut(p);
    if (mode_ == 2)
        ValeurDeChaqueCarte(r);
    else
        r.Score[1] = PlisMaximumPosition();
    if (p.LibereMotifs == FaireMemoire) motifs_.Vide();
}

bool SolveurDoubleMort::Resout(int cible)
{
    cible_ = cible;
    NoeudRecherche& racine = noeuds_[0];
    racine.Joueur = static_cast<std::uint8_t>(entameur_);
    racine.Gagnes = 0;
    return ChercheCible(0);
}

int SolveurDoubleMort::PlisMaximumPosition()
{
    toutesLesCartes_ = false;
    int bas = 0;
    int haut = PlisRestants;
    int estimation = NbCartesDepart == 52 ? EstimationInitiale() : PlisRestants / 2;
    // The same cards in the same strain under another leader: North-South's tricks seldom move
    // by more than one, a far better first guess than the honour count.
    const bool memesCartes
        = positionChoix_ == 0 && atout_ == atoutDernierMaximum_ && Main == mainsDernierMaximum_;
    if (memesCartes)
        estimation = (entameur_ & 1) ? plisNSDernierMaximum_ : PlisRestants - plisNSDernierMaximum_;
    estimation = std::clamp(estimation, 0, PlisRestants);
    while (bas < haut) {
        const int cible = estimation == bas ? estimation + 1 : estimation;
        if (Resout(cible)) {
            bas = cible;
            estimation = cible;
        } else {
            estimation = cible - 1;
            haut = estimation;
        }
    }
    if (positionChoix_ == 0) {
        atoutDernierMaximum_ = atout_;
        mainsDernierMaximum_ = Main;
        plisNSDernierMaximum_ = (entameur_ & 1) ? estimation : PlisRestants - estimation;
    }
    return estimation;
}

void SolveurDoubleMort::ValeurDeChaqueCarte(TfutursPlis& r)
{
    const TablesSolveur& t = t_;
    const int joueur = r.Joueur;
    const bool campEntameur = MemeCamp(joueur, entameur_);
    std::array<std::uint16_t, 5> legales {};
    const int entame = couleursTable_[1];
    const bool fournit = positionChoix_ > 0 && Main[joueur][entame] != 0;
    int n = 0;
    for (int s = 1; s <= 4; ++s) {
        legales[s] = (!fournit || s == entame) ? Main[joueur][s] : 0;
        n += t.NbCartes[legales[s]];
    }
    // The most tricks of the side on lead tells where the card values start: no card of the
    // player reaches more, and none of an opponent's cards concedes fewer.
    const int maximum = PlisMaximumPosition();
    toutesLesCartes_ = true;
    int cible = campEntameur ? std::max(maximum, 1) : maximum + 1;
    std::array<std::uint16_t, 5> listees {};
    r.Nombre = 0;
    auto ajoute = [&](int s, int rang, int valeur) {
        ++r.Nombre;
        r.Couleur[r.Nombre] = s;
        r.Rang[r.Nombre] = rang;
        r.Score[r.Nombre] = valeur;
        listees[s] |= Bit(rang);
    };
    for (;;) {
        Resout(cible);
        for (int s = 1; s <= 4; ++s) {
            const std::uint16_t enJeu = Restantes[s][0];
            for (int rang = 0; rang <= 12; ++rang) {
                if (ResultatCarte[s][rang] != cible || (listees[s] & Bit(rang))) continue;
                ajoute(s, rang, cible);
                // Equal cards of the same hand take the value of the card searched.
                for (int bas = rang - 1; bas >= 0; --bas) {
                    if (!(enJeu & Bit(bas))) continue;
                    if (!(legales[s] & Bit(bas)) || (t.EntreRangs[rang][bas] & enJeu & ~legales[s]))
                        break;
                    if (!(listees[s] & Bit(bas))) ajoute(s, bas, cible);
                }
            }
        }
        if (r.Nombre >= n) break;
        if (campEntameur) {
            if (cible == 1) {
                for (int s = 4; s >= 1; --s)
                    for (int rang = 12; rang >= 0; --rang)
                        if ((legales[s] & Bit(rang)) && !(listees[s] & Bit(rang)))
                            ajoute(s, rang, 0);
                break;
            }
            --cible;
        } else {
            ++cible;
        }
    }
    if (!campEntameur)
        for (int i = 1; i <= r.Nombre; ++i)
            r.Score[i] = PlisRestants - r.Score[i] + 1;
}

std::array<std::uint32_t, 4> SolveurDoubleMort::Proprietaires(int pli) const
{
    return { MotifProprietaires[1][Restantes[1][pli - 1]],
        MotifProprietaires[2][Restantes[2][pli - 1]], MotifProprietaires[3][Restantes[3][pli - 1]],
        MotifProprietaires[4][Restantes[4][pli - 1]] };
}

bool SolveurDoubleMort::ChercheMotif(NoeudRecherche& n, int pli, bool& resultat)
{
    const int restants = PlisRestants - (pli - 1);
    const int besoin = cible_ - n.Gagnes;
    const bool racineNS = (entameur_ & 1) != 0;
    // Bounds are kept for North-South: a root side of East-West reads them reversed.
    int decision = -1;
    auto decide = [&](const BornesPlis& b) {
        const int inferieure
            = racineNS ? b.Inferieure : restants - std::min<int>(b.Superieure, restants);
        const int superieure = racineNS ? b.Superieure : restants - b.Inferieure;
        if (inferieure >= besoin)
            decision = 1;
        else if (superieure < besoin)
            decision = 0;
        else
            return false;
        return true;
    };
    const MotifCouleur* m = motifs_.Cherche(CleForme, n.Joueur, Proprietaires(pli), decide);
    if (!m) return false;
    const TablesSolveur& t = t_;
    for (int s = 1; s <= 4; ++s)
        n.RangPertinent[s] = t.RangAbsolu[m->Bornes.OrdreRelatif[s - 1]][Restantes[s][pli - 1]];
    const int ply = 4 * (pli - 1);
    if (m->Bornes.CouleurCoup) {
        MeilleurCoupCouleur[ply + 1] = static_cast<std::int8_t>(m->Bornes.CouleurCoup);
        MeilleurCoupRang[ply + 1] = static_cast<std::int8_t>(m->Bornes.RangCoup);
    }
    resultat = decision == 1;
    return true;
}

void SolveurDoubleMort::StockeMotif(
    const NoeudRecherche& n, int pli, bool resultat, int meilleureCouleur, int meilleurRang)
{
    const TablesSolveur& t = t_;
    const auto proprietaires = Proprietaires(pli);
    std::array<std::uint32_t, 4> valeurs {};
    std::array<std::uint8_t, 4> ordres {};
    for (int s = 1; s <= 4; ++s) {
        const int k = t.RangRelatif[n.RangPertinent[s]][Restantes[s][pli - 1]];
        ordres[s - 1] = static_cast<std::uint8_t>(k);
        valeurs[s - 1] = proprietaires[s - 1] & t.MasqueMotif[k];
    }
    BornesPlis& b = motifs_.Stocke(CleForme, n.Joueur, ordres, valeurs);
    const int restants = PlisRestants - (pli - 1);
    const int besoin = cible_ - n.Gagnes;
    const bool racineNS = (entameur_ & 1) != 0;
    if (resultat) {
        if (racineNS)
            b.Inferieure = static_cast<std::uint8_t>(std::max<int>(b.Inferieure, besoin));
        else
            b.Superieure
                = static_cast<std::uint8_t>(std::min<int>(b.Superieure, restants - besoin));
    } else {
        if (racineNS)
            b.Superieure = static_cast<std::uint8_t>(std::min<int>(b.Superieure, besoin - 1));
        else
            b.Inferieure
                = static_cast<std::uint8_t>(std::max<int>(b.Inferieure, restants - besoin + 1));
    }
    // The lead that achieved the bound helps ordering when the side on lead succeeded.
    const bool entameurReussit = resultat == MemeCamp(n.Joueur, entameur_);
    if (entameurReussit && meilleureCouleur > 0) {
        b.CouleurCoup = static_cast<std::uint8_t>(meilleureCouleur);
        b.RangCoup = static_cast<std::uint8_t>(meilleurRang);
    }
}

bool SolveurDoubleMort::DernierPli(NoeudRecherche& n)
{
    const TablesSolveur& t = t_;
    auto carte = [&](int h, int& s, int& r) {
        for (s = 1; s <= 4; ++s)
            if (Main[h][s]) {
                r = t.RangHaut[Main[h][s]];
                return;
            }
    };
    const int entameur = n.Joueur;
    int couleurBattue = 0;
    int rangGagnant = 0;
    carte(entameur, couleurBattue, rangGagnant);
    int gagnant = entameur;
    int cartesDeLaCouleur = 1;
    int h = entameur;
    for (int i = 0; i < 3; ++i) {
        h = Suivant[h];
        int s = 0;
        int r = 0;
        carte(h, s, r);
        if (s == couleurBattue) {
            ++cartesDeLaCouleur;
            if (r > rangGagnant) {
                rangGagnant = r;
                gagnant = h;
            }
        } else if (atout_ != 0 && s == atout_) {
            couleurBattue = atout_;
            rangGagnant = r;
            gagnant = h;
            cartesDeLaCouleur = 1;
        }
    }
    if (cartesDeLaCouleur > 1)
        n.RangPertinent[couleurBattue] = static_cast<std::uint8_t>(rangGagnant);
    const int gagnes = n.Gagnes + (MemeCamp(gagnant, entameur_) ? 1 : 0);
    return gagnes >= cible_;
}

bool SolveurDoubleMort::ChercheCible(int ply)
{
    ++nombreNoeuds_;
    NoeudRecherche& n = noeuds_[ply];
    n.RangPertinent = { 13, 13, 13, 13, 13 };
    const int position = ply & 3;
    const int pli = (ply >> 2) + 1;
    // At and above the level where every card of the player is valued, nothing may be cut short;
    // and a trick whose first cards are imposed (the cards on the table) is no free position.
    const bool auDessusDuChoix
        = (toutesLesCartes_ && ply <= positionChoix_) || ply < positionChoix_;
    if (position == 0) {
        for (int s = 1; s <= 4; ++s)
            Restantes[s][pli] = Restantes[s][pli - 1];
        if (!auDessusDuChoix) {
            const int restants = PlisRestants - (pli - 1);
            if (n.Gagnes >= cible_) return true;
            if (n.Gagnes + restants < cible_) return false;
            if (restants == 1) return DernierPli(n);
            bool resultat = false;
            if (ChercheMotif(n, pli, resultat)) return resultat;
            if (CoupureDebutPli(n, pli, resultat)) return resultat;
        }
    } else if (position == 1 && !auDessusDuChoix) {
        bool resultat = false;
        if (CoupureApresEntame(n, pli, resultat)) return resultat;
    }

    const int nombre = GenereCoups(ply, n);
    const int joueur = n.Joueur;
    const bool campRacine = MemeCamp(joueur, entameur_);
    const bool niveauChoix = toutesLesCartes_ && ply == positionChoix_;
    NoeudRecherche& enfant = noeuds_[ply + 1];
    bool trouve = false;
    int meilleureCouleur = 0;
    int meilleurRang = 0;
    n.Essayes = {};
    for (int i = 0; i < nombre; ++i) {
        const CoupCandidat c = n.Coups[i];
        if (niveauChoix) {
            if (ResultatCarte[c.Couleur][c.Rang] != 0) continue;
        } else if (CoupEquivalentDejaEssaye(n, c)) {
            continue;
        }
        n.Essayes[c.Couleur] |= Bit(c.RangBas);
        JoueCarte(ply, joueur, c);
        int plyGagnant = 0;
        if (position == 3) {
            const int gagnant = GagnantDuPli(pli, plyGagnant);
            enfant.Joueur = static_cast<std::uint8_t>(gagnant);
            enfant.Gagnes
                = static_cast<std::uint8_t>(n.Gagnes + (MemeCamp(gagnant, entameur_) ? 1 : 0));
        } else {
            enfant.Joueur = static_cast<std::uint8_t>(Suivant[joueur]);
            enfant.Gagnes = n.Gagnes;
        }
        const bool r = ChercheCible(ply + 1);
        auto rangs = enfant.RangPertinent;
        // The winning card beat another of its suit: its rank (down to its equal cards) mattered.
        if (plyGagnant) {
            auto& rg = rangs[CouleurJouee[plyGagnant]];
            rg = std::min(rg, RangEquivalent[plyGagnant]);
        }
        RetireCarte(ply, joueur, c);
        if (niveauChoix) {
            std::uint8_t& valeur = ResultatCarte[c.Couleur][c.Rang];
            if (r == campRacine) {
                trouve = true;
                if (r)
                    valeur = static_cast<std::uint8_t>(std::max(int(valeur), cible_));
                else if (valeur == 0)
                    valeur = static_cast<std::uint8_t>(cible_);
            }
            continue;
        }
        if (r == campRacine) {
            trouve = true;
            n.RangPertinent = rangs;
            meilleureCouleur = c.Couleur;
            meilleurRang = c.Rang;
            MeilleurCoupCouleur[ply + 1] = c.Couleur;
            MeilleurCoupRang[ply + 1] = c.Rang;
            break;
        }
        for (int s = 1; s <= 4; ++s)
            n.RangPertinent[s] = std::min(n.RangPertinent[s], rangs[s]);
    }
    const bool resultat = trouve ? campRacine : !campRacine;
    if (position == 0 && !auDessusDuChoix)
        StockeMotif(n, pli, resultat, meilleureCouleur, meilleurRang);
    return resultat;
}

bool SolveurDoubleMort::CoupEquivalentDejaEssaye(
    const NoeudRecherche& n, const CoupCandidat& c) const
{
    // Below the lowest rank that mattered so far, one card of a suit stands for all of them.
    const int pertinent = n.RangPertinent[c.Couleur];
    if (c.Rang >= pertinent) return false;
    return (n.Essayes[c.Couleur] & (Bit(pertinent) - 1)) != 0;
}

void SolveurDoubleMort::JoueCarte(int ply, int main, const CoupCandidat& c)
{
    const int pli = (ply >> 2) + 1;
    const int i = ply + 1;
    const int s = c.Couleur;
    Main[main][s] ^= Bit(c.Rang);
    Restantes[s][pli] ^= Bit(c.Rang);
    CleForme -= t_.PoidsForme[main][s];
    if ((ply & 3) == 0) CouleurEntame[pli] = static_cast<std::uint8_t>(s);
    CouleurJouee[i] = static_cast<std::uint8_t>(s);
    MainJouee[i] = static_cast<std::uint8_t>(main);
    RangJoue[i] = static_cast<std::uint8_t>(c.Rang);
    RangEquivalent[i] = static_cast<std::uint8_t>(c.RangBas);
    ValeurCarte[i] = static_cast<std::uint8_t>(s == atout_ ? c.Rang + 32
            : s == CouleurEntame[pli]                      ? c.Rang + 16
                                                           : c.Rang);
}

void SolveurDoubleMort::RetireCarte(int ply, int main, const CoupCandidat& c)
{
    const int pli = (ply >> 2) + 1;
    Main[main][c.Couleur] ^= Bit(c.Rang);
    Restantes[c.Couleur][pli] ^= Bit(c.Rang);
    CleForme += t_.PoidsForme[main][c.Couleur];
}

int SolveurDoubleMort::GagnantDuPli(int pli, int& plyGagnant) const
{
    const int base = 4 * (pli - 1);
    int meilleur = base + 1;
    for (int i = base + 2; i <= base + 4; ++i)
        if (ValeurCarte[i] > ValeurCarte[meilleur]) meilleur = i;
    int memeCouleur = 0;
    for (int i = base + 1; i <= base + 4; ++i)
        if (CouleurJouee[i] == CouleurJouee[meilleur]) ++memeCouleur;
    // Alone of its suit, the winning card would have won whatever its rank.
    plyGagnant = memeCouleur > 1 ? meilleur : 0;
    return MainJouee[meilleur];
}

SolveurDoubleMort::ToursSurs SolveurDoubleMort::ToursCouleur(
    int joueur, int s, const std::array<int, 5>& atouts, bool partenaireFournit) const
{
    // Rounds of the suit the player wins from his own hand, keeping the lead: neither opponent
    // can beat nor ruff them, and the partner plays under (or, unless he must follow, discards).
    const TablesSolveur& t = t_;
    ToursSurs r;
    const std::uint16_t tenue = Main[joueur][s];
    if (!tenue) return r;
    const int g = Suivant[joueur];
    const int d = Precedent[joueur];
    const int p = Partenaire[joueur];
    const std::uint16_t partenaire = Main[p][s];
    const int lp = t.NbCartes[partenaire];
    const int lg = t.NbCartes[Main[g][s]];
    const int ld = t.NbCartes[Main[d][s]];
    const int lmax = std::max(lg, ld);
    const int hautAdverse = t.RangHaut[Main[g][s] | Main[d][s]]; // -1 when both are void
    const int maitresses = t.NbCartes[tenue & t.RangsDepuis[hautAdverse + 1]];
    const int longueur = t.NbCartes[tenue];
    const bool atoutCouleur = s == atout_;
    const int atoutsP = atout_ ? t.NbCartes[Main[p][atout_]] : 0;
    for (int j = 1; j <= longueur; ++j) {
        const bool gagne = j <= maitresses || j > lmax;
        const bool sansCoupe
            = atoutCouleur || ((lg >= j || atouts[g] == 0) && (ld >= j || atouts[d] == 0));
        if (!gagne || !sansCoupe) break;
        if (partenaireFournit && lp < j) break;
        const int carteJoueur = t.RangAbsolu[j][tenue];
        bool garde;
        if (lp >= j) {
            // The partner follows with his lowest card: he keeps under the player for j rounds
            // when at least j of his cards are lower than the player's j-th. Only his cards
            // above it need known owners, and those are the ranks down to it.
            const int dessous = lp - t.NbCartes[partenaire & t.RangsDepuis[carteJoueur + 1]];
            r.Rang = std::min<std::uint8_t>(r.Rang, static_cast<std::uint8_t>(carteJoueur));
            garde = dessous >= j;
        } else {
            if (j <= lmax)
                r.Rang = std::min<std::uint8_t>(r.Rang, static_cast<std::uint8_t>(carteJoueur));
            garde = atoutCouleur || atoutsP == 0;
        }
        if (!garde) {
            // Still a trick for the side, but the partner wins it.
            r.PerdLaMain = !atoutCouleur;
            break;
        }
        r.Tours = j;
    }
    return r;
}

std::array<int, 5> SolveurDoubleMort::AtoutsDesMains() const
{
    std::array<int, 5> atouts {};
    if (atout_)
        for (int h = 1; h <= 4; ++h)
            atouts[h] = t_.NbCartes[Main[h][atout_]];
    return atouts;
}

int SolveurDoubleMort::PlisSursEnMain(
    int joueur, int besoin, std::array<std::uint8_t, 5>& rangs) const
{
    // Tricks the player cashes from his own hand: trumps first, then the other suits. A round
    // where the partner must win still wins but hands him the lead: such a round of a side suit
    // is kept for the very end, and counts once. Counting stops as soon as the tricks needed
    // are reached, and only the cards compared so far get relevant ranks: the fewer ranks a
    // cut-off depends on, the more positions share what the search learns above.
    std::array<int, 5> atouts = AtoutsDesMains();
    int total = 0;
    int couleurDernierPli = 0;
    std::uint8_t rangDernierPli = 13;
    for (int k = 0; k <= 4; ++k) {
        const int s = k == 0 ? atout_ : k;
        if (s == 0 || (k > 0 && s == atout_)) continue;
        const ToursSurs c = ToursCouleur(joueur, s, atouts, false);
        if (c.Tours > 0) rangs[s] = std::min(rangs[s], c.Rang);
        total += c.Tours;
        if (total >= besoin) return total;
        if (c.PerdLaMain && couleurDernierPli == 0) {
            couleurDernierPli = s;
            rangDernierPli = c.Rang;
        }
        if (s == atout_) {
            atouts[Suivant[joueur]] = std::max(0, atouts[Suivant[joueur]] - c.Tours);
            atouts[Precedent[joueur]] = std::max(0, atouts[Precedent[joueur]] - c.Tours);
        }
    }
    if (couleurDernierPli) {
        rangs[couleurDernierPli] = std::min(rangs[couleurDernierPli], rangDernierPli);
        ++total;
    }
    return total;
}

int SolveurDoubleMort::PlisSursDeuxMains(int joueur, std::array<std::uint8_t, 5>& rangs) const
{
    // The player draws trumps and cashes some suits while his partner follows (never
    // discarding, so the partner's other suits stay whole), then crosses to the partner's
    // winner in a suit he holds a lower card of, and the partner cashes the remaining suits.
    const TablesSolveur& t = t_;
    const int p = Partenaire[joueur];
    std::array<int, 5> atouts = AtoutsDesMains();
    int total = 0;
    std::array<std::uint8_t, 5> rangsUtiles { 13, 13, 13, 13, 13 };
    if (atout_) {
        const ToursSurs c = ToursCouleur(joueur, atout_, atouts, true);
        total = c.Tours;
        if (c.Tours > 0) rangsUtiles[atout_] = c.Rang;
        atouts[Suivant[joueur]] = std::max(0, atouts[Suivant[joueur]] - c.Tours);
        atouts[Precedent[joueur]] = std::max(0, atouts[Precedent[joueur]] - c.Tours);
    }
    std::array<ToursSurs, 5> joueurSeul {};
    std::array<ToursSurs, 5> partenaireSeul {};
    int meilleurEcart = -1; // what the crossing suit loses against its best count
    int entree = 0;
    for (int s = 1; s <= 4; ++s) {
        if (s == atout_) continue;
        joueurSeul[s] = ToursCouleur(joueur, s, atouts, true);
        partenaireSeul[s] = ToursCouleur(p, s, atouts, false);
        total += std::max(joueurSeul[s].Tours, partenaireSeul[s].Tours);
        if (partenaireSeul[s].Tours == 0) continue;
        const std::uint16_t tenue = Main[joueur][s];
        const std::uint16_t dessus = tenue & t.RangsDepuis[t.RangHaut[Main[p][s]] + 1];
        if (t.NbCartes[tenue] <= t.NbCartes[dessus]) continue;
        const int ecart = std::max(0, joueurSeul[s].Tours - partenaireSeul[s].Tours);
        if (entree == 0 || ecart < meilleurEcart) {
            entree = s;
            meilleurEcart = ecart;
        }
    }
    if (entree == 0) return 0;
    for (int s = 1; s <= 4; ++s) {
        if (s == atout_) continue;
        const bool auPartenaire = s == entree || partenaireSeul[s].Tours > joueurSeul[s].Tours;
        const ToursSurs& c = auPartenaire ? partenaireSeul[s] : joueurSeul[s];
        if (c.Tours > 0) rangsUtiles[s] = c.Rang;
    }
    // The player holds a card under the partner's top card of the crossing suit when he holds
    // more cards than those above it: the ranks down to that top card tell.
    rangsUtiles[entree] = std::min<std::uint8_t>(
        rangsUtiles[entree], static_cast<std::uint8_t>(t.RangHaut[Main[p][entree]]));
    for (int s = 1; s <= 4; ++s)
        rangs[s] = std::min(rangs[s], rangsUtiles[s]);
    return total - meilleurEcart;
}

int SolveurDoubleMort::PlisManquants(const NoeudRecherche& n, int pli, bool campRacine) const
{
    // The root side needs to reach the target; the other side, to keep it below.
    const int perdus = (pli - 1) - n.Gagnes;
    return campRacine ? cible_ - n.Gagnes : PlisRestants - cible_ - perdus + 1;
}

bool SolveurDoubleMort::CoupureDebutPli(NoeudRecherche& n, int pli, bool& resultat)
{
    const TablesSolveur& t = t_;
    const int w = n.Joueur;
    const int p = Partenaire[w];
    const int restants = PlisRestants - (pli - 1);
    const bool wRacine = MemeCamp(w, entameur_);
    const int besoin = PlisManquants(n, pli, wRacine);
    // Sure tricks come only from suits whose top card the side holds, at most as many as its
    // longer holding there: when even that is short, no count below can reach the need.
    int plafond = 0;
    for (int s = 1; s <= 4; ++s) {
        const std::uint16_t camp = Main[w][s] | Main[p][s];
        if (camp && t.RangHaut[camp] == t.RangHaut[Restantes[s][pli - 1]])
            plafond += std::max(t.NbCartes[Main[w][s]], t.NbCartes[Main[p][s]]);
    }
    if (plafond < besoin) return PlisPlusTard(n, pli, resultat);
    std::array<std::uint8_t, 5> rangs { 13, 13, 13, 13, 13 };
    int q = PlisSursEnMain(w, besoin, rangs);
    if (q < besoin) {
        std::array<std::uint8_t, 5> rangsPartenaire { 13, 13, 13, 13, 13 };
        const int qPartenaire = PlisSursEnMain(p, besoin, rangsPartenaire);
        // The partner takes the lead when the player can play under his winning card.
        const std::array<int, 5> atouts = AtoutsDesMains();
        if (qPartenaire > q)
            for (int s = 1; s <= 4; ++s)
                if (Main[w][s] && t.RangBas[Main[w][s]] < t.RangHaut[Main[p][s]]
                    && ToursCouleur(p, s, atouts, false).Tours > 0) {
                    q = qPartenaire;
                    // The player has a card under the partner's top one when he holds more
                    // cards than those above it: the ranks down to that top card tell.
                    rangs = rangsPartenaire;
                    rangs[s] = std::min<std::uint8_t>(
                        rangs[s], static_cast<std::uint8_t>(t.RangHaut[Main[p][s]]));
                    break;
                }
    }
    if (q < besoin) {
        std::array<std::uint8_t, 5> rangsDeuxMains { 13, 13, 13, 13, 13 };
        const int q2 = PlisSursDeuxMains(w, rangsDeuxMains);
        if (q2 > q) {
            q = q2;
            rangs = rangsDeuxMains;
        }
    }
    q = std::min(q, restants);
    if (q >= besoin) {
        resultat = wRacine;
        n.RangPertinent = rangs;
        return true;
    }
    return PlisPlusTard(n, pli, resultat);
}

bool SolveurDoubleMort::CoupureApresEntame(NoeudRecherche& n, int pli, bool& resultat)
{
    // Right after the lead, when the second hand's side needs a single trick more: it is there if
    // that side is sure to win this one.
    const TablesSolveur& t = t_;
    const int deuxieme = n.Joueur;
    const int troisieme = Suivant[deuxieme];
    const int quatrieme = Partenaire[deuxieme];
    const bool racine = MemeCamp(deuxieme, entameur_);
    const int besoin = PlisManquants(n, pli, racine);
    if (besoin != 1) return false;
    const int s = CouleurEntame[pli];
    const int entame = RangJoue[4 * (pli - 1) + 1];
    const std::uint16_t suiteTroisieme = Main[troisieme][s];
    // The third hand cannot ruff when he must follow, or has no trump, or the lead is a trump.
    const bool troisiemeSansCoupe
        = suiteTroisieme || atout_ == 0 || s == atout_ || !Main[troisieme][atout_];
    if (!troisiemeSansCoupe) return false;
    // The side's best card of the suit takes the trick when it is above the lead and above all
    // the third hand's cards. Only its owner and those of the cards above it matter: the lead
    // and the third hand's cards are all below it.
    const int aBattre = suiteTroisieme ? std::max(entame, int(t.RangHaut[suiteTroisieme])) : entame;
    const int meilleure = t.RangHaut[Main[deuxieme][s] | Main[quatrieme][s]];
    const bool parLeRang = meilleure > aBattre;
    // Or a ruff of a side-suit lead that the third hand must follow: no rank matters.
    const bool parLaCoupe = atout_ != 0 && s != atout_ && suiteTroisieme
        && ((!Main[deuxieme][s] && Main[deuxieme][atout_])
            || (!Main[quatrieme][s] && Main[quatrieme][atout_]));
    if (parLaCoupe) {
        resultat = racine;
        return true;
    }
    if (!parLeRang) return false;
    resultat = racine;
    n.RangPertinent[s] = static_cast<std::uint8_t>(meilleure);
    return true;
}

bool SolveurDoubleMort::PlisPlusTard(NoeudRecherche& n, int pli, bool& resultat)
{
    const TablesSolveur& t = t_;
    const int w = n.Joueur;
    if (atout_ != 0 && Restantes[atout_][pli - 1] != 0) {
        // The top trumps of one side held by one hand each win a trick of their own: that hand
        // plays them one a trick, and none can be beaten. The side of the top trump is sure of
        // as many tricks as its hand holding most of the unbroken run from the top.
        std::uint16_t atouts = Restantes[atout_][pli - 1];
        const int haut = t.RangHaut[atouts];
        int detenteur = 1;
        while (!(Main[detenteur][atout_] & Bit(haut)))
            ++detenteur;
        const bool racine = MemeCamp(detenteur, entameur_);
        const int besoin = PlisManquants(n, pli, racine);
        std::array<int, 5> tenus {};
        while (atouts) {
            const int r = t.RangHaut[atouts];
            atouts ^= Bit(r);
            int h = detenteur;
            if (!(Main[h][atout_] & Bit(r))) h = Partenaire[detenteur];
            if (!(Main[h][atout_] & Bit(r))) break;
            if (++tenus[h] >= besoin) {
                resultat = racine;
                n.RangPertinent[atout_] = static_cast<std::uint8_t>(r);
                return true;
            }
        }
        return false;
    }
    // Without trumps, a side wins a trick only in a suit it leads and holds the top card of; the
    // rounds it can lead in the suits it controls are bounded by its longer holding there.
    const int p = Partenaire[w];
    const int restants = PlisRestants - (pli - 1);
    int tours = 0;
    for (int s = 1; s <= 4; ++s) {
        const std::uint16_t enJeu = Restantes[s][pli - 1];
        if (!enJeu) continue;
        const std::uint16_t haut = Bit(t.RangHaut[enJeu]);
        if ((Main[w][s] | Main[p][s]) & haut)
            tours += std::max(t.NbCartes[Main[w][s]], t.NbCartes[Main[p][s]]);
    }
    if (tours >= restants) return false;
    const bool adversesRacine = !MemeCamp(w, entameur_);
    if (PlisManquants(n, pli, adversesRacine) > 1) return false;
    resultat = adversesRacine;
    for (int s = 1; s <= 4; ++s) {
        const std::uint16_t enJeu = Restantes[s][pli - 1];
        n.RangPertinent[s] = enJeu ? static_cast<std::uint8_t>(t.RangHaut[enJeu]) : 13;
    }
    return true;
}

void SolveurDoubleMort::GroupeCouleur(
    int couleur, std::uint16_t tenue, std::uint16_t enJeu, NoeudRecherche& n, int& nombre) const
{
    // Cards of one hand with no card of another hand between them (cards of the current trick
    // still count) are equivalent: only the highest of each group is searched.
    const TablesSolveur& t = t_;
    const std::uint16_t autres = enJeu & ~tenue;
    while (tenue) {
        const int haut = t.RangHaut[tenue];
        // The group runs down to the lowest card of the hand above the next card of another.
        const std::uint16_t dessous = autres & (Bit(haut) - 1);
        const int bas = dessous ? t.RangBas[tenue & t.RangsDepuis[t.RangHaut[dessous] + 1]]
                                : t.RangBas[tenue];
        CoupCandidat& c = n.Coups[nombre++];
        c.Couleur = static_cast<std::int8_t>(couleur);
        c.Rang = static_cast<std::int8_t>(haut);
        c.RangBas = static_cast<std::int8_t>(bas);
        c.Poids = 0;
        tenue &= static_cast<std::uint16_t>(Bit(bas) - 1);
    }
}

int SolveurDoubleMort::GenereCoups(int ply, NoeudRecherche& n)
{
    int nombre = 0;
    if (ply < positionChoix_) {
        // A card already on the table when the solve started: its only move.
        CoupCandidat& c = n.Coups[0];
        c.Couleur = static_cast<std::int8_t>(couleursTable_[ply + 1]);
        c.Rang = c.RangBas = static_cast<std::int8_t>(rangsTable_[ply + 1]);
        c.Poids = 0;
        return 1;
    }
    const int pli = (ply >> 2) + 1;
    const int joueur = n.Joueur;
    const int entame = (ply & 3) ? CouleurEntame[pli] : 0;
    if (entame && Main[joueur][entame]) {
        GroupeCouleur(entame, Main[joueur][entame], Restantes[entame][pli - 1], n, nombre);
    } else {
        for (int s = 4; s >= 1; --s)
            if (Main[joueur][s])
                GroupeCouleur(s, Main[joueur][s], Restantes[s][pli - 1], n, nombre);
    }
    if (nombre > 1) {
        PondereCoups(ply, n, nombre);
        OrdonneCoups(n.Coups, nombre);
    }
    return nombre;
}

void SolveurDoubleMort::OrdonneCoups(std::array<CoupCandidat, 14>& coups, int nombre)
{
    // Stable: equal weights keep the order of generation.
    for (int i = 1; i < nombre; ++i) {
        const CoupCandidat c = coups[i];
        int j = i;
        while (j > 0 && coups[j - 1].Poids < c.Poids) {
            coups[j] = coups[j - 1];
            --j;
        }
        coups[j] = c;
    }
}

void SolveurDoubleMort::PondereCoups(int ply, NoeudRecherche& n, int nombre) const
{
    // Weights only order the search: they change its speed, never its results.
    const TablesSolveur& t = t_;
    const int position = ply & 3;
    const int pli = (ply >> 2) + 1;
    const int joueur = n.Joueur;
    const int partenaire = Partenaire[joueur];
    const int gauche = Suivant[joueur];
    const int droite = Precedent[joueur];
    const int base = 4 * (pli - 1);
    const int entame = position ? CouleurEntame[pli] : 0;
    int valeurGagnante = 0;
    int mainGagnante = 0;
    for (int i = base + 1; i <= base + position; ++i)
        if (ValeurCarte[i] > valeurGagnante) {
            valeurGagnante = ValeurCarte[i];
            mainGagnante = MainJouee[i];
        }
    const int memoCouleur = MeilleurCoupCouleur[ply + 1];
    const int memoRang = MeilleurCoupRang[ply + 1];
    auto valeur = [&](int s, int r) { return s == atout_ ? r + 32 : s == entame ? r + 16 : r; };
    // Whether the hand still to play after this one (fourth hand, or third for the second) can
    // beat a card of the given value.
    auto peutBattre = [&](int main, int v) {
        if (Main[main][entame]) {
            if (v >= 32 && entame != atout_) return false;
            return valeur(entame, t.RangHaut[Main[main][entame]]) > v;
        }
        if (atout_ && Main[main][atout_]) return valeur(atout_, t.RangHaut[Main[main][atout_]]) > v;
        return false;
    };
    for (int i = 0; i < nombre; ++i) {
        CoupCandidat& c = n.Coups[i];
        const int s = c.Couleur;
        const int r = c.Rang;
        int poids = 0;
        if (position == 0) {
            const std::uint16_t enJeu = Restantes[s][pli - 1];
            const int haut = t.RangHaut[enJeu];
            const bool nousHaut = ((Main[joueur][s] | Main[partenaire][s]) & Bit(haut)) != 0;
            const int longueurAdverse
                = std::max(t.NbCartes[Main[gauche][s]], t.NbCartes[Main[droite][s]]);
            if (r == haut)
                poids += atout_ == 0 ? 40 : 25;
            else if (nousHaut)
                poids += 20 - r;
            else
                poids += 2 * (c.Rang - c.RangBas) - r;
            if (atout_ == 0) {
                poids += 3
                    * (t.NbCartes[Main[joueur][s]] + t.NbCartes[Main[partenaire][s]]
                        - longueurAdverse);
            } else if (s != atout_) {
                const bool coupeAdverse = (!Main[gauche][s] && Main[gauche][atout_])
                    || (!Main[droite][s] && Main[droite][atout_]);
                if (coupeAdverse) poids -= 30;
                if (!Main[partenaire][s] && Main[partenaire][atout_] && !coupeAdverse) poids += 25;
            } else {
                // Drawing trumps pays when the side holds the top one and the longer holding.
                const int nosAtouts = std::max(
                    t.NbCartes[Main[joueur][atout_]], t.NbCartes[Main[partenaire][atout_]]);
                if (Main[gauche][atout_] | Main[droite][atout_])
                    poids += nousHaut && nosAtouts >= longueurAdverse ? 10 : -15;
                else
                    poids -= 20;
            }
        } else {
            const int v = valeur(s, r);
            const bool bat = v > valeurGagnante;
            const bool partenaireGagne = mainGagnante == partenaire;
            if (position == 3) {
                if (partenaireGagne)
                    poids = -r;
                else
                    poids = bat ? 60 - r : -r;
            } else {
                const int suivant = gauche;
                if (position == 2 && partenaireGagne && !peutBattre(suivant, valeurGagnante))
                    poids = -r;
                else if (bat)
                    poids = peutBattre(suivant, v) ? (position == 1 ? 5 - r : 25 + r) : 60 - r;
                else
                    poids = -r;
            }
            if (s != entame && s != atout_) {
                // A discard: keep winners and short suits.
                poids = -r + 2 * t.NbCartes[Main[joueur][s]];
                if (r == t.RangHaut[Restantes[s][pli - 1]]) poids -= 30;
            }
        }
        // The lead that last succeeded here (or that reached a stored bound) comes first; on the
        // following cards it only breaks ties: a larger bonus there was found to hurt.
        if (s == memoCouleur && memoRang >= c.RangBas && memoRang <= r)
            poids += position == 0 ? 200 : 1;
        c.Poids = static_cast<std::int16_t>(poids);
    }
}

} // namespace plio
