#include "FenetresFixture.h"

#include "app/ui/Fenetre.h"
#include "app/ui/PageDeGarde.h"
#include "model/FichierLangue.h"

#include <filesystem>

namespace plio::test {
namespace {

struct Ecran {
    int largeur, hauteur;
    double echelleX, echelleY, echelleMin;
    const char* images;
    const char* cartes;
    int taille, decalage;
};

class FacteursEcranTest : public FenetresFixture, public testing::WithParamInterface<Ecran> { };

TEST_P(FacteursEcranTest, FactorsAndPictureSetsFollowTheScreen)
{
    const Ecran& e = GetParam();
    const FacteursEcran f = CalculeFacteursEcran(e.largeur, e.hauteur);
    EXPECT_DOUBLE_EQ(f.EchelleX, e.echelleX);
    EXPECT_DOUBLE_EQ(f.EchelleY, e.echelleY);
    EXPECT_DOUBLE_EQ(f.EchelleMin, e.echelleMin);
    EXPECT_EQ(f.TailleCartes, e.taille);
    EXPECT_EQ(f.DecalageCartes, e.decalage);

    Demarre("anglais", QSize(e.largeur, e.hauteur));
    const Repertoires& r = contexte.reps;
    const std::string app = PLIO_INSTALLATION_DIR;
    EXPECT_EQ(r.RepertoireImages, app + "/" + e.images + "/");
    EXPECT_EQ(r.RepertoireCartes, app + "/Cartes/" + e.cartes + "/anglais/");
    EXPECT_EQ(r.RepertoireCartes100, app + "/Cartes/Cartes_100/anglais/");
    // The installation provides what the folders promise.
    EXPECT_TRUE(std::filesystem::exists(r.RepertoireImages + "Tournoi.bmp"));
    EXPECT_TRUE(std::filesystem::exists(r.RepertoireCartes + "412.png"));
    EXPECT_TRUE(std::filesystem::exists(r.RepertoireCartes + "V100.png"));
    // The title window takes the scaled size of the design.
    EXPECT_EQ(fenetres->Form1->size(), QSize(f.LargeurEchelle, f.HauteurEchelle));
}

INSTANTIATE_TEST_SUITE_P(QuatreEcrans, FacteursEcranTest,
    testing::Values(Ecran { 1024, 768, 1.0, 1.0, 1.0, "Images_XGA", "Cartes_100", 100, 64 },
        Ecran { 800, 600, 1.0, 1.0, 1.0, "Images_XGA", "Cartes_100", 100, 64 },
        Ecran { 1920, 1080, 1.875, 1.40625, 1.40625, "Images_SXGA", "Cartes_125", 125, 80 },
        Ecran { 1280, 1024, 1.25, 1024.0 / 768, 1.25, "Images_XGA", "Cartes_125", 125, 80 }));

TEST(FacteursEcran, XgaModeAboveThirtyFivePercentTakesTheLargestCards)
{
    // EchelleY 1.40625 but EchelleX only 1.25: not SXGA, and too tall for the 125 set.
    const FacteursEcran f = CalculeFacteursEcran(1280, 1080);
    EXPECT_EQ(f.ModeEcran, "XGA");
    EXPECT_EQ(f.SousRepertoireCartes, "Cartes_150");
    EXPECT_TRUE(f.ImagesSXGA);
}

using PremierLancement = FenetresFixture;

TEST_F(PremierLancement, CreatesTheDataFoldersAndALanguageFileInTheSystemLanguage)
{
    for (const bool francais : { true, false }) {
        QTemporaryDir vide;
        const Repertoires r
            = FixeRepertoires(vide.path().toStdString(), "/programme", FacteursEcran {}, "");
        ASSERT_TRUE(PrepareDossiersDonnees(r, francais));
        for (const auto& dossier : { r.RepertoireFichiers, r.RepertoireTexte, r.RepertoireMail })
            EXPECT_TRUE(std::filesystem::is_directory(dossier)) << dossier;
        EXPECT_EQ(LitFichier(CheminLangue(r)), francais ? "french\n" : "anglais\n");
        EXPECT_EQ(LitFichierLangue(CheminLangue(r)), francais ? "french" : "anglais");
    }
}

TEST_F(PremierLancement, KeepsAnExistingLanguageFile)
{
    Demarre("anglais");
    EXPECT_EQ(Langue, "anglais");
    EXPECT_EQ(LitFichier(CheminLangue(contexte.reps)), "anglais\n");
}

TEST_F(PremierLancement, StartsWithNoDataFolderAtAll)
{
    Demarre("");
    EXPECT_TRUE(std::filesystem::is_directory(contexte.reps.RepertoireFichiers));
    EXPECT_TRUE(Langue == "french" || Langue == "anglais");
    EXPECT_EQ(LitFichierLangue(CheminLangue(contexte.reps)), Langue);
}

TEST_F(PremierLancement, DataFolderComesFromTheAppdataVariable)
{
    Demarre();
    const std::string racine = donnees.path().toStdString() + "/Plioscope";
    EXPECT_EQ(contexte.reps.RepertoireDonnees, racine);
    EXPECT_EQ(contexte.reps.RepertoireFichiers, racine + "/Files");
    EXPECT_EQ(contexte.reps.RepertoireTexte, racine + "/Texte");
    EXPECT_EQ(contexte.reps.RepertoireMail, racine + "/Mail");
    EXPECT_EQ(contexte.reps.RepertoireAide, std::string(PLIO_INSTALLATION_DIR) + "/Help/");
    EXPECT_EQ(contexte.reps.RepertoireSons, std::string(PLIO_INSTALLATION_DIR) + "/Sons/");
    // The program's own services stand behind the windows' commands.
    EXPECT_TRUE(contexte.chargeFichierPBN && contexte.ecritFichierPBN && contexte.analyseDonnes);
    EXPECT_EQ(DialoguesProgramme, &dialogues);
}

TEST_F(PremierLancement, CreatesTheNineteenWindowsInOrderTitleFirst)
{
    Demarre();
    QStringList noms;
    for (const Fenetre* f : fenetres->Toutes())
        noms << f->objectName();
    EXPECT_EQ(noms.join(' ').toStdString(),
        "TForm1 TForm2 TForm3 TForm4 TForm5 TForm6 TForm7 TForm9 TForm10 TForm11 TForm12 "
        "TForm13 TForm14 TForm15 Tform16 TForm17 TForm18 TForm19 TForm20");
}

TEST_F(PremierLancement, SoundSwitchAndSoundsAreInstalled)
{
    Demarre();
    EXPECT_EQ(LitFichier(contexte.reps.RepertoireSons + "Jeu/son.txt"), "son\n");
    for (const char* son :
        { "Posit/posit8.wav", "PositPlus/posit1.aif", "PositPlus/posit5.wav", "Negat/negat11.wav",
            "NegatPlus/negat14.wav", "NegatPlusPlus/negat4.wav", "Jeu/carte4.wav" })
        EXPECT_GT(std::filesystem::file_size(contexte.reps.RepertoireSons + son), 1000u) << son;
}

TEST(TextSize, IsTheAverageWidthOfAnX)
{
    const int petite = TextSize(QStringLiteral("DejaVu Sans"), 10);
    const int grande = TextSize(QStringLiteral("DejaVu Sans"), 30);
    EXPECT_GT(petite, 0);
    EXPECT_NEAR(grande, 3 * petite, 2);
}

} // namespace
} // namespace plio::test
