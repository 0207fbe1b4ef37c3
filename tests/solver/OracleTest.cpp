// Every reference result of the reference solver must be found again exactly.
#include "OracleFichiers.h"
#include "solver/ServicesSolveur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace plio {
namespace {

using namespace plio::test;

// How many of the reference deals to solve: each takes about a minute, so the default run checks
// the first one and PLIO_ORACLE_DONNES=150 checks every one.
std::size_t NombreDonnesVerifiees(std::size_t total)
{
    const char* valeur = std::getenv("PLIO_ORACLE_DONNES");
    const std::size_t n = valeur ? std::strtoul(valeur, nullptr, 10) : 1;
    return std::min(n, total);
}

TEST(Oracle, EveryFullDealHasItsTricksAndCorrectLeads)
{
    const auto donnes = LitDonnesOracle();
    ASSERT_EQ(donnes.size(), 150u);
    SolveurDoubleMort solveur;
    const std::size_t n = NombreDonnesVerifiees(donnes.size());
    std::cout << "checking " << n << " of " << donnes.size() << " reference deals\n";
    for (std::size_t k = 0; k < n; ++k) {
        const DonneOracle& o = donnes[k];
        board b;
        b.Couleurs = o.mains;
        AnalyseDoubleMort(solveur, b);
        for (int declarant = 1; declarant <= 4; ++declarant)
            for (int strain = 1; strain <= 5; ++strain)
                EXPECT_EQ(b.Plis[declarant][strain], o.plis[declarant][strain])
                    << "deal " << o.numero << " declarer " << declarant << " strain " << strain;
        for (int entameur = 1; entameur <= 4; ++entameur)
            for (int strain = 1; strain <= 5; ++strain)
                for (int s = 1; s <= 4; ++s)
                    EXPECT_EQ(
                        b.EntamesCorrectes[entameur][strain][s], o.entames[entameur][strain][s])
                        << "deal " << o.numero << " leader " << entameur << " strain " << strain
                        << " suit " << s;
    }
}

TEST(Oracle, EveryMidPlayPositionHasTheValueOfEachCard)
{
    const auto positions = LitPositionsOracle();
    ASSERT_EQ(positions.size(), 20u);
    SolveurDoubleMort solveur;
    for (const PositionOracle& o : positions) {
        TfutursPlis resultat;
        ParametresSolveur p;
        p.Mode = 2;
        p.Atout = static_cast<std::uint8_t>(o.atout);
        p.Entameur = static_cast<std::uint8_t>(o.entameur);
        p.Mains = o.mains;
        for (std::size_t i = 0; i < o.table.size(); ++i) {
            p.CouleursTable[i + 1] = static_cast<std::uint8_t>(o.table[i].first);
            p.RangsTable[i + 1] = static_cast<std::uint8_t>(o.table[i].second);
        }
        p.Resultat = &resultat;
        solveur.ResoutPosition(p);
        std::map<std::pair<int, int>, int> valeurs;
        for (int i = 1; i <= resultat.Nombre; ++i)
            valeurs[{ resultat.Couleur[i], resultat.Rang[i] }] = resultat.Score[i];
        EXPECT_EQ(valeurs, o.valeurs) << "position " << o.numero;
        for (int i = 2; i <= resultat.Nombre; ++i)
            EXPECT_LE(resultat.Score[i], resultat.Score[i - 1]);
    }
}

} // namespace
} // namespace plio
