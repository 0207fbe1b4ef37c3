// Randomised comparison with the reference solver: full deals on tricks and correct leads, and
// mid-play positions card by card. The seed is printed; PLIO_GRAINE replays a run, and
// PLIO_DIFF_DONNES / PLIO_DIFF_POSITIONS set the sample sizes.
#include "ReferenceDDS.h"
#include "model/DonneAleatoire.h"
#include "solver/ServicesSolveur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>
#include <vector>

namespace plio {
namespace {

using namespace plio::test;

unsigned long Environnement(const char* nom, unsigned long defaut)
{
    const char* valeur = std::getenv(nom);
    return valeur ? std::strtoul(valeur, nullptr, 10) : defaut;
}

std::mt19937 Generateur(const char* quoi)
{
    const unsigned long graine = Environnement("PLIO_GRAINE", 20261211);
    std::cout << quoi << ": seed " << graine << " (PLIO_GRAINE)\n";
    return std::mt19937(static_cast<std::mt19937::result_type>(graine));
}



TEST(DifferentielDDS, RandomFullDealsHaveTheReferenceTricksAndLeads)
{
    SetMaxThreads(1);
    std::mt19937 g = Generateur("full deals");
    const unsigned long n = Environnement("PLIO_DIFF_DONNES", 10);
    SolveurDoubleMort solveur;
    for (unsigned long k = 0; k < n; ++k) {
        board b;
        b.Couleurs = DistribueAuHasard(g);
        AnalyseDoubleMort(solveur, b);
        for (int strain = 1; strain <= 5; ++strain)
            for (int entameur = 1; entameur <= 4; ++entameur) {
                ParametresSolveur p;
                p.Mains = b.Couleurs;
                p.Atout = static_cast<std::uint8_t>(strain % 5);
                p.Entameur = static_cast<std::uint8_t>(entameur);
                const auto valeurs = ValeursDDS(p);
                int maximum = 0;
                for (const auto& [carte, v] : valeurs)
                    maximum = std::max(maximum, v);
                std::array<int, 5> correctes {};
                for (const auto& [carte, v] : valeurs)
                    if (v == maximum) correctes[carte.first] |= MasqueRang[carte.second];
                EXPECT_EQ(b.Plis[Precedent[entameur]][strain], 13 - maximum)
                    << "deal " << k << " strain " << strain << " leader " << entameur;
                for (int s = 1; s <= 4; ++s)
                    EXPECT_EQ(b.EntamesCorrectes[entameur][strain][s], correctes[s])
                        << "deal " << k << " strain " << strain << " leader " << entameur
                        << " suit " << s;
            }
    }
}

// A random deal played at random, following suit, for 4 * tricks + cards: the position left.
ParametresSolveur PositionAuHasard(std::mt19937& g, int plis, int cartesSurTable)
{
    ParametresSolveur p;
    p.Mains = DistribueAuHasard(g);
    p.Atout = static_cast<std::uint8_t>(g() % 5);
    int main = static_cast<int>(g() % 4) + 1;
    for (int pli = 0; pli <= plis; ++pli) {
        const int cartes = pli < plis ? 4 : cartesSurTable;
        p.Entameur = static_cast<std::uint8_t>(main);
        p.CouleursTable = {};
        p.RangsTable = {};
        int entame = 0;
        int gagnant = main;
        int valeurGagnante = -1;
        for (int i = 1; i <= cartes; ++i) {
            std::vector<std::pair<int, int>> legales;
            for (int s = 1; s <= 4; ++s)
                for (int r = 0; r <= 12; ++r)
                    if ((p.Mains[main][s] & MasqueRang[r])
                        && (entame == 0 || s == entame || p.Mains[main][entame] == 0))
                        legales.emplace_back(s, r);
            const auto [s, r] = legales[g() % legales.size()];
            p.Mains[main][s] &= static_cast<std::uint16_t>(~MasqueRang[r]);
            if (i == 1) entame = s;
            const int valeur = s == p.Atout ? r + 32 : s == entame ? r + 16 : r;
            if (valeur > valeurGagnante) {
                valeurGagnante = valeur;
                gagnant = main;
            }
            p.CouleursTable[i] = static_cast<std::uint8_t>(s);
            p.RangsTable[i] = static_cast<std::uint8_t>(r);
            main = Suivant[main];
        }
        if (cartes == 4) main = gagnant;
    }
    return p;
}

TEST(DifferentielDDS, RandomMidPlayPositionsHaveTheReferenceCardValues)
{
    SetMaxThreads(1);
    std::mt19937 g = Generateur("mid-play positions");
    const unsigned long n = Environnement("PLIO_DIFF_POSITIONS", 3000);
    SolveurDoubleMort solveur;
    for (unsigned long k = 0; k < n; ++k) {
        const int plis = 4 + static_cast<int>(g() % 8);
        const int surTable = static_cast<int>(g() % 4);
        ParametresSolveur p = PositionAuHasard(g, plis, surTable);
        TfutursPlis resultat;
        p.Mode = 2;
        p.Resultat = &resultat;
        solveur.ResoutPosition(p);
        std::map<std::pair<int, int>, int> valeurs;
        for (int i = 1; i <= resultat.Nombre; ++i)
            valeurs[{ resultat.Couleur[i], resultat.Rang[i] }] = resultat.Score[i];
        EXPECT_EQ(valeurs, ValeursDDS(p)) << "position " << k << ": " << plis << " tricks played, "
                                          << surTable << " on the table";
    }
}

} // namespace
} // namespace plio
