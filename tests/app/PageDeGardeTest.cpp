#include "FenetresFixture.h"

#include "app/ui/AfficheRepertoire.h"
#include "app/ui/AnalyseTournoi.h"
#include "app/ui/FeuilleDeResultats.h"
#include "app/ui/Formulaire_Noms_Equipes.h"
#include "app/ui/Image.h"
#include "app/ui/NavigationFeuilleDeResultats.h"
#include "app/ui/PageDeGarde.h"
#include "app/ui/SaisieDonnees.h"
#include "model/Textes.h"
#include "pbn/ChargeFichierPBN.h"
#include "solver/ServicesSolveur.h"

#include <QApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QTimer>
#include <QToolButton>
#include <chrono>
#include <filesystem>
#include <thread>

namespace plio::test {
namespace {

class PageDeGardeTest : public FenetresFixture {
protected:
    // The user picks "Club.pbn" in the chooser; reading it gives the given file state.
    void ChoisitUnFichierDansEtat(const std::string& etat)
    {
        EcritFichier(contexte.reps.RepertoireFichiers + "/Club.pbn", "% PBN\n");
        contexte.chargeFichierPBN = [etat](Competition& c) {
            c.EtatFichier = etat;
            c.FichierCharge = true;
            c.Tournoi.NombreDonnes = 2;
            c.Donnes.resize(3);
        };
        dialogues.pendantModale = [this](const std::string& fenetre) {
            if (fenetre != "TForm5") return;
            fenetres->Form5->SelectionneFichier(QStringLiteral("Club.pbn"));
            fenetres->Form5->Selectionne();
        };
    }
};

TEST_F(PageDeGardeTest, LanguageSwitchRewritesTheFileAndEveryWindowsTexts)
{
    Demarre("french");
    TForm1& titre = *fenetres->Form1;
    EXPECT_EQ(titre.SpeedButton3->text().toStdString(), "Quitter");
    EXPECT_EQ(fenetres->Form4->windowTitle().toStdString(), "Feuille de résultats");

    titre.Image2Click();
    EXPECT_EQ(Langue, "anglais");
    EXPECT_EQ(LitFichier(CheminLangue(contexte.reps)), "anglais\n");
    EXPECT_EQ(Messages[1], "Quit");
    EXPECT_EQ(titre.SpeedButton3->text().toStdString(), "Quit");
    EXPECT_EQ(titre.SpeedButton11->text().toStdString(), "Open a file");
    EXPECT_EQ(titre.SpeedButton11->toolTip().toStdString(), "Opens .PBN files.");
    EXPECT_EQ(fenetres->Form4->windowTitle().toStdString(), "Result sheet");
    EXPECT_EQ(fenetres->Form5->windowTitle().toStdString(), "Choose a file");
    EXPECT_EQ(fenetres->Form16->windowTitle().toStdString(), "  Name of the players");
    // Every window with a return button now says so in English.
    for (const Fenetre* f : fenetres->Toutes())
        for (const QToolButton* b : f->findChildren<QToolButton*>(QStringLiteral("BoutonRetour")))
            EXPECT_EQ(b->text().toStdString(), "RETURN") << f->objectName().toStdString();
    // The cards follow the language.
    EXPECT_NE(contexte.reps.RepertoireCartes.find("/anglais/"), std::string::npos);

    titre.Image1Click();
    EXPECT_EQ(LitFichier(CheminLangue(contexte.reps)), "french\n");
    EXPECT_EQ(titre.SpeedButton3->text().toStdString(), "Quitter");
}

TEST_F(PageDeGardeTest, SwitchingToTheLanguageInUseChangesNothing)
{
    Demarre("anglais");
    const std::string fichier = CheminLangue(contexte.reps);
    EcritFichier(fichier, "anglais\r\n"); // a mark that a rewrite would remove
    Tournoi.NomCompetition = "Club";
    fenetres->Form1->Image2Click();
    EXPECT_EQ(LitFichier(fichier), "anglais\r\n");
    EXPECT_EQ(Tournoi.NomCompetition, "Club");
}

TEST_F(PageDeGardeTest, InitialiseEmptiesTheCompetitionAndHidesTheEntryWindows)
{
    Demarre();
    fenetres->Form1->show();
    for (QWidget* w : { static_cast<QWidget*>(fenetres->Form2.get()),
             static_cast<QWidget*>(fenetres->Form3.get()),
             static_cast<QWidget*>(fenetres->Form4.get()) })
        w->show();
    Tournoi.NomCompetition = "Club";
    Tournoi.NombreDonnes = 2;
    Tournoi.NomFichier = "/x/Club.pbn";
    EtatFichier = "DFA";
    FichierCharge = true;

    fenetres->Form1->SpeedButton13->click();
    EXPECT_TRUE(Tournoi.NomCompetition.empty());
    EXPECT_EQ(Tournoi.NombreDonnes, 0);
    EXPECT_TRUE(Tournoi.NomFichier.empty());
    EXPECT_FALSE(FichierCharge);
    EXPECT_FALSE(fenetres->Form2->isVisible());
    EXPECT_FALSE(fenetres->Form3->isVisible());
    EXPECT_FALSE(fenetres->Form4->isVisible());
    EXPECT_TRUE(fenetres->Form1->isVisible());
}

TEST_F(PageDeGardeTest, OpenReadsTheChosenFileAndShowsTheSheetWindows)
{
    Demarre();
    fenetres->Form1->show();
    ChoisitUnFichierDansEtat("D");
    fenetres->Form1->SpeedButton11->click();
    EXPECT_EQ(Tournoi.NomFichier, contexte.reps.RepertoireFichiers + "/Club.pbn");
    EXPECT_TRUE(fenetres->Form4->isVisible());
    EXPECT_TRUE(fenetres->Form3->isVisible());
    EXPECT_FALSE(fenetres->Form1->isVisible());
}

// The program's own reader behind the chooser: an example competition and an unfinished one.
TEST_F(PageDeGardeTest, OpensAndAnalysesTheExampleFilesWithTheProgramsReader)
{
    Demarre("anglais");
    for (const char* nom : { "Club_Exemple_TPP.pbn", "Donne_Incomplete.pbn" })
        std::filesystem::copy_file(std::string(PLIO_SOURCE_DIR) + "/examples/" + nom,
            contexte.reps.RepertoireFichiers + "/" + nom);
    const auto choisit = [this](const char* nom) {
        dialogues.pendantModale = [this, nom](const std::string&) {
            fenetres->Form5->SelectionneFichier(QString::fromLatin1(nom));
            fenetres->Form5->Selectionne();
        };
    };

    fenetres->Form1->show();
    choisit("Club_Exemple_TPP.pbn");
    fenetres->Form1->SpeedButton11->click();
    EXPECT_TRUE(FichierCharge);
    EXPECT_EQ(Tournoi.NomCompetition, "Club Exemple");
    EXPECT_EQ(EtatFichier, "DF");
    EXPECT_TRUE(fenetres->Form4->isVisible());
    EXPECT_TRUE(
        std::filesystem::exists(contexte.reps.RepertoireFichiers + "/Club_Exemple_TPP_Bis.pbn"));

    fenetres->Form4->hide();
    fenetres->Form1->show();
    choisit("Donne_Incomplete.pbn");
    fenetres->Form1->SpeedButton5->click();
    EXPECT_EQ(dialogues.messages, std::vector<std::string> { Message(40) });
    EXPECT_TRUE(fenetres->Form1->isVisible());
    EXPECT_FALSE(fenetres->Form10->isVisible());
}

// The analyse command with the program's own solver, off the interface thread: the example
// tournament gets the same tricks as a direct analysis of each deal, and is written analysed.
TEST_F(PageDeGardeTest, AnalysesTheExampleTournamentWithTheProgramsSolver)
{
    Demarre("anglais");
    const std::string chemin = contexte.reps.RepertoireFichiers + "/Club_Exemple_TPP.pbn";
    std::filesystem::copy_file(
        std::string(PLIO_SOURCE_DIR) + "/examples/Club_Exemple_TPP.pbn", chemin);
    dialogues.pendantModale = [this](const std::string& fenetre) {
        if (fenetre != "TForm5") return;
        fenetres->Form5->SelectionneFichier(QStringLiteral("Club_Exemple_TPP.pbn"));
        fenetres->Form5->Selectionne();
    };
    fenetres->Form1->show();
    fenetres->Form1->SpeedButton5->click();

    EXPECT_EQ(EtatFichier, "DFA");
    EXPECT_TRUE(fenetres->Form10->isVisible());
    ASSERT_EQ(Tournoi.NombreDonnes, 8);
    SolveurDoubleMort solveur;
    for (int d = 1; d <= Tournoi.NombreDonnes; ++d) {
        board attendu;
        attendu.Couleurs = Donnes[static_cast<std::size_t>(d)].Couleurs;
        AnalyseDoubleMort(solveur, attendu);
        EXPECT_EQ(Donnes[static_cast<std::size_t>(d)].Plis, attendu.Plis) << "deal " << d;
    }
    Competition relue;
    DialoguesScriptes autres;
    ChargeFichierPBN(relue, chemin, autres);
    EXPECT_EQ(relue.EtatFichier, "DFA");
    EXPECT_EQ(relue.Donnes[1].Plis, Donnes[1].Plis);
}

TEST_F(PageDeGardeTest, OpenWithNoChoiceStaysOnTheTitleWindow)
{
    Demarre();
    fenetres->Form1->show();
    FichierCharge = true; // left over from an earlier file
    dialogues.pendantModale = [this](const std::string&) { fenetres->Form5->Selectionne(); };
    fenetres->Form1->SpeedButton11->click();
    EXPECT_TRUE(fenetres->Form1->isVisible());
    EXPECT_FALSE(fenetres->Form4->isVisible());
}

struct CasAnalyse {
    const char* etat;
    int message; // -1: none
    bool solveur;
    bool fenetreAnalyse;
};

class AnalyseParEtat : public PageDeGardeTest, public testing::WithParamInterface<CasAnalyse> { };

TEST_P(AnalyseParEtat, MessageSolverAndAnalysisWindowFollowTheFileState)
{
    const CasAnalyse& cas = GetParam();
    Demarre();
    fenetres->Form1->show();
    ChoisitUnFichierDansEtat(cas.etat);
    int donnesAnalysees = 0;
    contexte.analyseDonnes
        = [&](Competition& c, const std::function<void(int)>& avance, const std::atomic<bool>&) {
              for (int d = 1; d <= c.Tournoi.NombreDonnes; ++d) {
                  ++donnesAnalysees;
                  avance(d);
              }
              return true;
          };
    int ecritures = 0;
    contexte.ecritFichierPBN = [&](Competition&) { ++ecritures; };
    fenetres->Form1->SpeedButton5->click();

    std::vector<std::string> attendus;
    if (cas.message >= 0) attendus.push_back(Message(cas.message));
    EXPECT_EQ(dialogues.messages, attendus);
    EXPECT_EQ(donnesAnalysees, cas.solveur ? 2 : 0);
    EXPECT_EQ(ecritures, cas.solveur ? 1 : 0);
    // An analysed file keeps its tricks only: the contract scores are drawn from them again
    // (no trick at all: one no trump by South goes seven down).
    const bool recalcule = std::string(cas.etat) == "DA" || std::string(cas.etat) == "DFA";
    EXPECT_EQ(Donnes[2].ScoreContrat[1][5][1] != 0, recalcule);
    EXPECT_EQ(fenetres->Form10->isVisible(), cas.fenetreAnalyse);
    EXPECT_EQ(fenetres->Form1->isVisible(), !cas.fenetreAnalyse);
}

INSTANTIATE_TEST_SUITE_P(Etats, AnalyseParEtat,
    testing::Values(CasAnalyse { "I", 40, false, false }, CasAnalyse { "D", 41, true, true },
        CasAnalyse { "DA", 42, false, true }, CasAnalyse { "DF", 43, true, true },
        CasAnalyse { "DFA", -1, false, true }));

TEST_F(PageDeGardeTest, StoppingTheAnalysisWritesNothingAndStaysOnTheTitleWindow)
{
    Demarre();
    fenetres->Form1->show();
    ChoisitUnFichierDansEtat("D");
    // The solver works on deal 2 until it is told to stop, which the user does at once.
    contexte.analyseDonnes
        = [](Competition&, const std::function<void(int)>& avance, const std::atomic<bool>& stop) {
              avance(1);
              for (int attente = 0; attente < 500 && !stop; ++attente)
                  std::this_thread::sleep_for(std::chrono::milliseconds(10));
              return !stop.load();
          };
    QTimer::singleShot(100, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* progression = qobject_cast<QProgressDialog*>(w)) progression->cancel();
    });
    int ecritures = 0;
    contexte.ecritFichierPBN = [&](Competition&) { ++ecritures; };
    fenetres->Form1->SpeedButton5->click();

    EXPECT_EQ(ecritures, 0);
    EXPECT_FALSE(fenetres->Form10->isVisible());
    EXPECT_TRUE(fenetres->Form1->isVisible());
    EXPECT_FALSE(FichierCharge);
}

TEST_F(PageDeGardeTest, CreationAsksTheTablesOfEveryBoardAndOpensTheEntryWindows)
{
    Demarre("anglais");
    fenetres->Form1->show();
    dialogues.pendantModale = [](const std::string& fenetre) {
        if (fenetre != "TForm9") return;
        Tournoi.NomFichier = "Club.pbn";
        Tournoi.NombreDonnes = 2;
        Tournoi.NombreTables = 3;
        Donnes.assign(3, board {});
        for (board& b : Donnes)
            b.Feuilles.resize(4);
    };
    // Board 1 (refused, then 5); not the same number everywhere: boards 1 and 2 again.
    dialogues.saisies = { "five", "5", "4", "2" };
    dialogues.reponses = { false };
    fenetres->Form1->SpeedButton4->click();

    EXPECT_EQ(dialogues.modales, (std::vector<std::string> { "TForm9", "Tform16" }));
    EXPECT_EQ(dialogues.invites.front(), "How many tables do play the deal 1?");
    EXPECT_EQ(Donnes[1].NombreFeuilles, 4);
    EXPECT_EQ(Donnes[1].Feuilles.size(), 6u); // enlarged for the five tables first given
    EXPECT_EQ(Donnes[2].NombreFeuilles, 2);
    EXPECT_TRUE(fenetres->Form2->isVisible());
    EXPECT_TRUE(fenetres->Form4->isVisible());
    EXPECT_FALSE(fenetres->Form1->isVisible());
}

TEST_F(PageDeGardeTest, CreationCanGiveEveryBoardTheFirstBoardsTables)
{
    Demarre();
    dialogues.pendantModale = [](const std::string& fenetre) {
        if (fenetre != "TForm9") return;
        Tournoi.NomFichier = "Club.pbn";
        Tournoi.NombreDonnes = 3;
        Tournoi.NombreTables = 2;
        Donnes.assign(4, board {});
    };
    dialogues.saisies = { "3" };
    dialogues.reponses = { true };
    fenetres->Form1->SpeedButton4->click();
    EXPECT_EQ(dialogues.invites.size(), 1u);
    EXPECT_EQ(dialogues.messages.back(), "Même nombre de tables pour toutes les autres donnes ?");
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(Donnes[k].NombreFeuilles, 3) << k;
}

TEST_F(PageDeGardeTest, CreationLeftWithoutAFileNameStops)
{
    Demarre();
    fenetres->Form1->show();
    fenetres->Form1->SpeedButton4->click();
    EXPECT_EQ(dialogues.modales, (std::vector<std::string> { "TForm9" }));
    EXPECT_TRUE(fenetres->Form1->isVisible());
}

TEST_F(PageDeGardeTest, HelpOpensTheInstalledGuideAndSendOpensTheMailWindow)
{
    Demarre();
    std::vector<std::string> ouverts;
    contexte.ouvreDocument = [&](const std::string& chemin) { ouverts.push_back(chemin); };
    fenetres->Form1->SpeedButton12->click();
    ASSERT_EQ(ouverts.size(), 1u);
    EXPECT_EQ(ouverts[0], contexte.reps.RepertoireAide + "AidePs.pdf");
    EXPECT_GT(std::filesystem::file_size(ouverts[0]), 10000u);

    fenetres->Form1->show();
    fenetres->Form1->SpeedButton2->click();
    EXPECT_FALSE(fenetres->Form1->isVisible());
    const Fenetre* mail = fenetres->ParNom("TForm13");
    EXPECT_TRUE(mail->isVisible());
    mail->findChild<QToolButton*>(QStringLiteral("BoutonRetour"))->click();
    EXPECT_TRUE(fenetres->Form1->isVisible());
    EXPECT_FALSE(mail->isVisible());
}

TEST_F(PageDeGardeTest, TitleWindowShowsItsPicturesAndScalesItsControls)
{
    Demarre("french", QSize(1920, 1080));
    const TForm1& titre = *fenetres->Form1;
    EXPECT_FALSE(titre.Image1->pixmap().isNull());
    EXPECT_FALSE(titre.Image3->pixmap().isNull());
    EXPECT_FALSE(titre.SpeedButton4->icon().isNull());
    // Create button: design (800, 55, 204, 46) scaled by 1.875 and 1.40625.
    EXPECT_EQ(titre.SpeedButton4->geometry(), QRect(1500, 77, 383, 65));
}

TEST_F(PageDeGardeTest, MissingPicturesLeaveTheControlsEmpty)
{
    QTemporaryDir programme;
    fenetres = plio::Demarre(contexte, QSize(1024, 768), programme.path().toStdString());
    EXPECT_TRUE(fenetres->Form1->Image3->pixmap().isNull());
    EXPECT_TRUE(fenetres->Form1->SpeedButton4->icon().isNull());
    EXPECT_EQ(fenetres->Form1->SpeedButton4->text().toStdString(), Message(2));
}

} // namespace
} // namespace plio::test
