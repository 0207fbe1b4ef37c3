// Every reference result of the reference solver must be found again exactly.
#include "OracleFichiers.h"
#include "solver/ServicesSolveur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace plio {
namespace {

using namespace plio::test;

constexpr int NombreDonnesOracle = 150;

// How many of the reference deals to solve: every one by default (most take a second or two);
// PLIO_ORACLE_DONNES=N checks the first N only, as the sanitizer run does.
int NombreDonnesVerifiees()
{
    const char* valeur = std::getenv("PLIO_ORACLE_DONNES");
    return valeur ? static_cast<int>(std::strtol(valeur, nullptr, 10)) : NombreDonnesOracle;
}

const std::vector<DonneOracle>& DonnesOracle()
{
    static const std::vector<DonneOracle> donnes = LitDonnesOracle();
    return donnes;
}

// One test per reference deal, so that they run side by side and a failure names its deal.
class OracleDeal : public ::testing::TestWithParam<int> { };

TEST_P(OracleDeal, HasItsTricksAndCorrectLeads)
{
    const auto& donnes = DonnesOracle();
    ASSERT_EQ(donnes.size(), static_cast<std::size_t>(NombreDonnesOracle));
    if (GetParam() >= NombreDonnesVerifiees()) GTEST_SKIP() << "beyond PLIO_ORACLE_DONNES";
    const DonneOracle& o = donnes[static_cast<std::size_t>(GetParam())];
    SolveurDoubleMort solveur;
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
                EXPECT_EQ(b.EntamesCorrectes[entameur][strain][s], o.entames[entameur][strain][s])
                    << "deal " << o.numero << " leader " << entameur << " strain " << strain
                    << " suit " << s;
}

INSTANTIATE_TEST_SUITE_P(Oracle, OracleDeal, ::testing::Range(0, NombreDonnesOracle));

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
