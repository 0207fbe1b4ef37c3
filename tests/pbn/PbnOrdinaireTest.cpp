#include "pbn/LecturePbnOrdinaire.h"

#include "Fabrique.h"
#include "pbn/ChargeFichierPBN.h"
#include "pbn/FichierTexte.h"
#include "pbn/LectureFichier.h"

#include <gtest/gtest.h>

namespace plio {
namespace {

const std::filesystem::path Fixtures
    = std::filesystem::path(PLIO_SOURCE_DIR) / "tests/pbn/fixtures";

struct Attendu {
    int etui;
    const char* donneur;
    const char* vulnerabilite;
    bool complete;
};

struct Fixture {
    const char* fichier;
    const char* nom;
    const char* lieu;
    std::vector<Attendu> donnes;
};

const Fixture Fixtures_[] = {
    { "machine_a_donner.pbn", "Club du Jeudi", "Lyon",
        { { 1, "N", "None", true }, { 2, "E", "NS", true }, { 3, "S", "EW", true } } },
    { "generateur_commente.pbn", "Mardi soir", "Club",
        { { 1, "N", "None", true }, { 2, "E", "NS", true }, { 3, "S", "EW", true },
            { 4, "W", "Both", true } } },
    { "chicanes_et_main_inconnue.pbn", "Chelems", "",
        { { 5, "N", "None", true }, { 9, "N", "None", true }, { 11, "S", "None", true },
            { 12, "W", "Both", false } } },
    { "une_partie_par_table.pbn", "Duplicate", "",
        { { 1, "N", "None", true }, { 2, "E", "None", true } } },
    { "latin1.pbn", "Tournoi d'\xC3\xA9t\xC3\xA9", "B\xC3\xA9ziers", { { 1, "N", "None", true } } },
    { "utf8_double.pbn",
        "Troph\xC3\xA9"
        "e",
        "Montr\xC3\xA9"
        "al",
        { { 1, "N", "None", true } } },
};

TEST(PbnOrdinaire, HandRecordFilesAreReadAndOpened)
{
    for (const Fixture& f : Fixtures_) {
        test::DossierTemporaire dossier;
        const auto chemin = dossier / f.fichier;
        std::filesystem::copy_file(Fixtures / f.fichier, chemin);
        const std::string octets = *LitOctets(chemin);

        Competition c;
        DialoguesScriptes dialogues;
        const OuvertureFichier ouverture = ChargeFichierPBN(c, chemin, dialogues, "french");
        ASSERT_TRUE(ouverture.resultat.reussi())
            << f.fichier << " line " << ouverture.resultat.ligne;
        EXPECT_TRUE(ouverture.diagnostic.pbnOrdinaire);
        EXPECT_EQ(c.Tournoi.TypeCompetition, "TPP");
        EXPECT_EQ(c.Tournoi.NomCompetition, f.nom) << f.fichier;
        EXPECT_EQ(c.Tournoi.Lieu, f.lieu) << f.fichier;
        ASSERT_EQ(c.Tournoi.NombreDonnes, static_cast<int>(f.donnes.size())) << f.fichier;
        bool toutes = true;
        for (std::size_t b = 1; b <= f.donnes.size(); ++b) {
            const Attendu& a = f.donnes[b - 1];
            const board& d = c.Donnes[b];
            EXPECT_EQ(d.Indice, static_cast<int>(b));
            EXPECT_EQ(d.NumeroEtui, a.etui) << f.fichier;
            EXPECT_EQ(d.Donneur, a.donneur) << f.fichier << " board " << a.etui;
            EXPECT_EQ(d.Vulnerabilite, a.vulnerabilite) << f.fichier << " board " << a.etui;
            EXPECT_EQ(d.Vulnerable, DrapeauxVulnerabilite(a.vulnerabilite));
            EXPECT_EQ(d.DonneValide, a.complete) << f.fichier << " board " << a.etui;
            EXPECT_EQ(d.NombreFeuilles, 0);
            toutes = toutes && a.complete;
        }
        // Hands complete but no sheets: "D"; an incomplete deal: "I".
        EXPECT_EQ(c.EtatFichier, toutes ? "D" : "I") << f.fichier;
        // The rewrite drops what the dialect does not keep: the file's bytes stay beside it.
        EXPECT_EQ(LitOctets(dossier / (chemin.stem().string() + "_Orig.pbn")), octets) << f.fichier;
        EXPECT_TRUE(std::filesystem::exists(dossier / (chemin.stem().string() + "_Bis.pbn")));
    }
}

TEST(PbnOrdinaire, DealsAreTakenHandForHand)
{
    LectureFichier commente = LitFichierPBN(Fixtures / "generateur_commente.pbn", "anglais");
    ASSERT_TRUE(commente.resultat.reussi());
    // First seat kept even when it is not the dealer; a void is an empty group.
    EXPECT_EQ(commente.competition.Donnes[2].LigneDonne,
        "[Deal \"E:AKQJ63.AQ3.A7.KJ .T8742.T9863.A64 85.KJ6.KQ2.T9872 T9742.95.J54.Q53\"]");
    EXPECT_TRUE(commente.competition.Donnes[2].Cartes[Est][4][12]); // East holds the ace of spades
    EXPECT_EQ(commente.competition.Donnes[2].Couleurs[Sud][4], 0); // South is void in spades

    LectureFichier chicanes = LitFichierPBN(Fixtures / "chicanes_et_main_inconnue.pbn", "anglais");
    ASSERT_TRUE(chicanes.resultat.reussi());
    EXPECT_EQ(chicanes.competition.Donnes[2].LigneDonne,
        "[Deal \"N:JT97.K976.A9843. Q543.Q2.J752.AJ8 K8.JT43.K.Q96543 A62.A85.QT6.KT72\"]");
    EXPECT_EQ(chicanes.competition.Donnes[4].LigneDonne,
        "[Deal \"N:AQ6.AKJ5.J8.KJ74 ... 875.T93.763.Q532 J4.Q764.K52.T986\"]");
}

TEST(PbnOrdinaire, DealValues)
{
    struct Cas {
        const char* valeur;
        const char* ligne;
    };
    const std::string complet
        = "AQ6.AKJ5.J8.KJ74 KT932.82.AQT94.A 875.T93.763.Q532 J4.Q764.K52.T986";
    for (const auto& [valeur, ligne] : {
             Cas { "n:aq6.akj5.j8.kj74 kt932.82.aqt94.a 875.t93.763.q532 j4.q764.k52.t986", "N" },
             Cas { "N:6QA.AKJ5.J8.KJ74 KT932.82.AQT94.A 875.T93.763.Q532 J4.Q764.K52.T986", "N" },
             Cas { "O:AQ6.AKJ5.J8.KJ74  KT932.82.AQT94.A 875.T93.763.Q532 J4.Q764.K52.T986 ", "W" },
             Cas { "N:AQ6.AKJ5.J8.KJ74 AQ6.82.AQT94.A 875.T93.763.Q532 J4.Q764.K52.T986", "" },
             Cas {
                 "N:AQ6.AKJ5.J8.KJ74 KT932.82.AQT94.A 875.T93.763.Q532 J4.Q764.K52.T986 AK..", "" },
             Cas { "X:AQ6.AKJ5.J8.KJ74 KT932.82.AQT94.A 875.T93.763.Q532 J4.Q764.K52.T986", "" },
             Cas { " N: AQ6.AKJ5.J8.KJ74 KT932.82.AQT94.A 875.T93.763.Q532 J4.Q764.K52.T986", "N" },
             Cas { "", "" },
         }) {
        const std::string attendu = std::string(ligne).empty()
            ? ""
            : std::string("[Deal \"") + ligne + ":" + complet + "\"]";
        EXPECT_EQ(LigneDonneDePbn(valeur), attendu) << valeur;
    }
    // A card short: the line keeps what is there and stays short of complete.
    EXPECT_EQ(
        LigneDonneDePbn("N:AQ6.AKJ5.J8.KJ74 KT93.82.AQT94.A 875.T93.763.Q532 J4.Q764.K52.T986")
            .size(),
        77u);
    // "10" for a ten, and a hand with a ninth card shown as one.
    EXPECT_EQ(
        LigneDonneDePbn("N:AQ6.AKJ5.J8.KJ74 K10932.82.AQ1094.A 875.T93.763.Q532 J4.Q764.K52.T986"),
        "[Deal \"N:" + complet + "\"]");
}

TEST(PbnOrdinaire, MissingDealerAndVulnerabilityFollowTheBoardNumber)
{
    Competition c;
    DiagnosticLecture diagnostic;
    LitPbnOrdinaire(
        { "[Board \"6\"]",
            "[Deal \"N:AQ6.AKJ5.J8.KJ74 KT932.82.AQT94.A 875.T93.763.Q532 J4.Q764.K52.T986\"]", "",
            "[Board \"13\"]", "[Dealer \"?\"]" },
        "sans_nom", c, diagnostic);
    ASSERT_EQ(c.Tournoi.NombreDonnes, 2);
    EXPECT_EQ(c.Tournoi.NomCompetition, "sans_nom");
    EXPECT_EQ(c.Donnes[1].Donneur, "E");
    EXPECT_EQ(c.Donnes[1].Vulnerabilite, "EW");
    EXPECT_EQ(c.Donnes[2].Donneur, "N");
    EXPECT_EQ(c.Donnes[2].Vulnerabilite, "Both");
    EXPECT_FALSE(c.Donnes[2].DonneValide);
    EXPECT_EQ(EtatDeFichier(diagnostic.drapeaux), "I");
}

TEST(PbnOrdinaire, TagsSeveralTimesInAGameDoNotSplitIt)
{
    Competition c;
    DiagnosticLecture diagnostic;
    LitPbnOrdinaire(
        { "[Board \"7\"]", "[Note \"1:strong\"]", "[Note \"2:transfer\"]", "[Dealer \"S\"]",
            "[Vulnerable \"Both\"]",
            "[Deal \"N:AQ6.AKJ5.J8.KJ74 KT932.82.AQT94.A 875.T93.763.Q532 J4.Q764.K52.T986\"]" },
        "notes", c, diagnostic);
    ASSERT_EQ(c.Tournoi.NombreDonnes, 1);
    EXPECT_EQ(c.Donnes[1].NumeroEtui, 7);
    EXPECT_EQ(c.Donnes[1].Donneur, "S");
    EXPECT_TRUE(c.Donnes[1].DonneValide);
}

TEST(PbnOrdinaire, ABoardNumberUsedAgainForOtherCardsIsAnotherDeal)
{
    const std::string premiere
        = "N:AQ6.AKJ5.J8.KJ74 KT932.82.AQT94.A 875.T93.763.Q532 J4.Q764.K52.T986";
    const std::string seconde
        = "N:KT932.82.AQT94.A AQ6.AKJ5.J8.KJ74 875.T93.763.Q532 J4.Q764.K52.T986";
    Competition c;
    DiagnosticLecture diagnostic;
    LitPbnOrdinaire({ "[Board \"1\"]", "[Deal \"" + premiere + "\"]", "", "[Board \"1\"]",
                        "[Deal \"-\"]", "", "[Board \"1\"]", "[Deal \"" + premiere + "\"]", "",
                        "[Board \"1\"]", "[Deal \"" + seconde + "\"]" },
        "sessions", c, diagnostic);
    ASSERT_EQ(c.Tournoi.NombreDonnes, 2);
    EXPECT_EQ(c.Donnes[1].LigneDonne, "[Deal \"" + premiere + "\"]");
    EXPECT_EQ(c.Donnes[2].LigneDonne, "[Deal \"" + seconde + "\"]");
    EXPECT_EQ(c.Donnes[2].NumeroEtui, 1);
    EXPECT_EQ(c.Donnes[2].Indice, 2);
}

TEST(PbnOrdinaire, AnythingWithoutBoardsIsAnEmptyCompetition)
{
    for (const std::vector<std::string>& lignes :
        { std::vector<std::string> {}, std::vector<std::string> { "\x01\x02 garbage [ { unclosed" },
            std::vector<std::string> { "[Event \"x\"" } }) {
        Competition c;
        DiagnosticLecture diagnostic;
        LitPbnOrdinaire(lignes, "vide", c, diagnostic);
        EXPECT_EQ(c.Tournoi.NombreDonnes, 0);
        EXPECT_EQ(c.Donnes.size(), 1u);
    }
}

} // namespace
} // namespace plio
