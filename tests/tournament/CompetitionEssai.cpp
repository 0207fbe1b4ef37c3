#include "CompetitionEssai.h"

#include "Fixtures.h"
#include "model/Dialogues.h"
#include "model/Score.h"

#include <array>

namespace plio::test {

namespace {

// Every board has the same hands; only the tricks and par of the analysis matter here.
constexpr const char* LigneDonneEssai
    = R"([Deal "N:AKQJ2.K32.A32.32 543.AQJ.QJ54.AKQ T9876.54.K76.J54 .T9876.T98.T9876"])";

constexpr int Tables = 8;
constexpr int Donnes = 12;

struct Resultat {
    const char* contrat;
    const char* declarant;
    const char* resultat;
    const char* entame;
};

constexpr std::array<Resultat, 9> Resultats { {
    {},
    { "4P", "N", "=", "RC" },
    { "4P", "N", "=", "2T" },
    { "4P", "S", "+1", "AT" },
    { "4P", "N", "-1", "RC" },
    { "3P", "N", "+1", "DC" },
    { "4P", "N", "=", "DC" },
    { "5P", "N", "-1", "2C" },
    { "3SA", "S", "=", "AP" },
} };

int EstOuestALaTable(int table, int ronde)
{
    return 9 + (table - 1 + ronde) % Tables;
}

void Analyse(board& b)
{
    // Tricks of South and North in clubs, diamonds, hearts, spades, no trump.
    constexpr std::array<int, 6> PlisNordSud { 0, 7, 7, 8, 10, 9 };
    for (int siege = 1; siege <= 4; ++siege)
        for (int strain = 1; strain <= 5; ++strain)
            b.Plis[siege][strain] = static_cast<std::uint8_t>(
                siege % 2 == 1 ? PlisNordSud[strain] : 13 - PlisNordSud[strain]);
    for (int siege = 1; siege <= 4; ++siege)
        for (int strain = 1; strain <= 5; ++strain)
            CalculeScoresContrats(b, siege, strain);
    b.ContratPar = 19; // 4P
    b.CampPar = 5; // North-South
    // Correct leads: East against spades the king or queen of hearts; West against spades the
    // ace of clubs, against no trump the ace of spades.
    b.EntamesCorrectes[Est][4][3] = MasqueRang[11] | MasqueRang[10];
    b.EntamesCorrectes[Ouest][4][1] = MasqueRang[12];
    b.EntamesCorrectes[Ouest][5][4] = MasqueRang[12];
}

Ligne LigneJouee(const board& b, int ns, int eo, const Resultat& r)
{
    Ligne ligne { ns, eo, r.contrat, r.declarant, r.resultat, r.entame, 0, 0, "", "" };
    const ScoreEtCamp score = ScoreFeuille(r.contrat, r.declarant, r.resultat, b, "french");
    (score.camp == 0 ? ligne.scoreNS : ligne.scoreEO) = score.score;
    return ligne;
}

} // namespace

std::string FichierEssai()
{
    return PLIO_SOURCE_DIR "/tests/tournament/fixtures/Essai_8_tables.pbn";
}

Competition CompetitionEssai()
{
    static const std::array<const char*, 4> Vulnerabilites { "None", "NS", "EW", "Both" };
    Competition c = Tournoi(Tables, Donnes);
    for (int k = 1; k <= Donnes; ++k) {
        board& b = c.Donnes[static_cast<std::size_t>(k)];
        b.Vulnerabilite = Vulnerabilites[static_cast<std::size_t>((k - 1) % 4)];
        b.Vulnerable = DrapeauxVulnerabilite(b.Vulnerabilite);
        b.LigneDonne = LigneDonneEssai;
        LitDonne(b);
        Analyse(b);
        if (k == 12) b.ContratPar = b.CampPar = 0;
        const int ronde = (k - 1) / 3;
        for (int table = 1; table <= Tables; ++table) {
            const int numero = (table - 1 + k - 1) % Tables + 1;
            const int eo = EstOuestALaTable(table, ronde);
            if (k == 12 || (k == 11 && numero == 7))
                AjouteLigne(c, k, { table, eo, "PA", "-", "-", "-", 0, 0, "", "" });
            else if (k == 11 && numero == 8)
                AjouteLigne(c, k, { table, eo, "A", "-", "-", "-", 0, 0, "", "" });
            else
                AjouteLigne(
                    c, k, LigneJouee(b, table, eo, Resultats[static_cast<std::size_t>(numero)]));
        }
        DialoguesScriptes directeur;
        directeur.saisies = { "60", "40" };
        CalculePourcentages(b, b.NombreFeuilles, directeur, "french");
    }
    return c;
}

} // namespace plio::test
