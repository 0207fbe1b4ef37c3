#include "FenetresFixture.h"

#include "app/ui/AfficheRepertoire.h"

#include <QDir>
#include <filesystem>

namespace plio::test {
namespace {

class AfficheRepertoireTest : public FenetresFixture {
protected:
    void SetUp() override
    {
        FenetresFixture::SetUp();
        Demarre();
        fichiers = contexte.reps.RepertoireFichiers;
        destinataires = contexte.reps.RepertoireMail + "/Config/Destinataires";
        ailleurs = donnees.filePath(QStringLiteral("Ailleurs")).toStdString();
        for (const auto& d : { destinataires, ailleurs })
            std::filesystem::create_directories(d);
        for (const char* nom : { "Club.pbn", "Notes.txt", "Match.PBN" })
            EcritFichier(fichiers + "/" + nom, "x");
        for (const char* nom : { "Amis.txt", "Vieux.pbn" })
            EcritFichier(destinataires + "/" + nom, "x");
        for (const char* nom : { "Import.pbn", "Lettre.doc", "Archive.zip" })
            EcritFichier(ailleurs + "/" + nom, "importe");
        contexte.chargeFichierPBN = [this](Competition& c) {
            lus.push_back(c.Tournoi.NomFichier);
            c.FichierCharge = true;
        };
    }

    TForm5& Chooser() { return *fenetres->Form5; }
    QStringList Liste(const std::string& dossier)
    {
        Chooser().ChoisitDossier(QString::fromStdString(dossier));
        return Chooser().FichiersAffiches();
    }
    void Choisit(const std::string& dossier, const char* nom)
    {
        Chooser().ChoisitDossier(QString::fromStdString(dossier));
        Chooser().SelectionneFichier(QString::fromLatin1(nom));
        Chooser().Selectionne();
    }

    std::string fichiers, destinataires, ailleurs;
    std::vector<std::string> lus;
};

TEST_F(AfficheRepertoireTest, FiltersFollowTheFolderAndStayElsewhere)
{
    EXPECT_EQ(Liste(ailleurs).join(','), "Archive.zip,Import.pbn,Lettre.doc");
    EXPECT_EQ(Liste(fichiers).join(','), "Club.pbn,Match.PBN");
    EXPECT_EQ(Liste(ailleurs).join(','), "Import.pbn");
    EXPECT_EQ(Liste(destinataires).join(','), "Amis.txt");
    EXPECT_EQ(Liste(ailleurs).join(','), "");
    EXPECT_EQ(Chooser().Filtre().toStdString(), "*.txt");
}

TEST_F(AfficheRepertoireTest, ACompetitionFileIsReadInOpeningModeOnly)
{
    Chooser().Prepare(fichiers, true);
    Chooser().show();
    Choisit(fichiers, "Club.pbn");
    EXPECT_EQ(Tournoi.NomFichier, fichiers + "/Club.pbn");
    EXPECT_EQ(lus, (std::vector<std::string> { fichiers + "/Club.pbn" }));
    EXPECT_FALSE(Chooser().isVisible());

    Chooser().Prepare(fichiers, false);
    Choisit(fichiers, "Club.pbn");
    EXPECT_EQ(lus.size(), 1u);
}

TEST_F(AfficheRepertoireTest, ARecipientListIsRememberedByName)
{
    Chooser().Prepare(destinataires, false);
    Choisit(destinataires, "Amis.txt");
    EXPECT_EQ(Tournoi.ListeChoisie, "Amis.txt");
    EXPECT_TRUE(lus.empty());
}

TEST_F(AfficheRepertoireTest, NoSelectionChoosesNothing)
{
    Tournoi.NomFichier = "ancien.pbn";
    Chooser().Prepare(fichiers, true);
    Chooser().Selectionne();
    EXPECT_TRUE(Tournoi.NomFichier.empty());
    EXPECT_TRUE(lus.empty());
}

TEST_F(AfficheRepertoireTest, ACompetitionFileFromElsewhereIsCopiedThenRead)
{
    Chooser().Prepare(fichiers, true);
    Choisit(ailleurs, "Import.pbn");
    const std::string copie = fichiers + "/Import.pbn";
    EXPECT_EQ(Tournoi.NomFichier, copie);
    EXPECT_EQ(LitFichier(copie), "importe");
    EXPECT_EQ(lus, (std::vector<std::string> { copie }));
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(AfficheRepertoireTest, ReplacingAnExistingCompetitionFileIsAskedFirst)
{
    EcritFichier(fichiers + "/Import.pbn", "existant");
    Chooser().Prepare(fichiers, true);

    dialogues.reponses = { false };
    Choisit(ailleurs, "Import.pbn");
    EXPECT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(LitFichier(fichiers + "/Import.pbn"), "existant");
    EXPECT_TRUE(Tournoi.NomFichier.empty());
    EXPECT_TRUE(lus.empty());

    dialogues.reponses = { true };
    Choisit(ailleurs, "Import.pbn");
    EXPECT_EQ(LitFichier(fichiers + "/Import.pbn"), "importe");
    EXPECT_EQ(lus, (std::vector<std::string> { fichiers + "/Import.pbn" }));
}

TEST_F(AfficheRepertoireTest, AnArchiveIsRememberedButNeverRead)
{
    // A chooser that never met the competition folder still shows every file.
    Choisit(ailleurs, "Archive.zip");
    EXPECT_EQ(Tournoi.NomFichier, ailleurs + "/Archive.zip");
    EXPECT_TRUE(lus.empty());
    EXPECT_FALSE(std::filesystem::exists(fichiers + "/Archive.zip"));
}

TEST_F(AfficheRepertoireTest, MailModeGivesThePathAndRestoresTheCurrentFile)
{
    Tournoi.NomFichier = "courant.pbn";
    dialogues.pendantModale = [this](const std::string&) {
        Chooser().SelectionneFichier(QStringLiteral("Club.pbn"));
        Chooser().Selectionne();
    };
    EXPECT_EQ(Chooser().ChoisitFichierMail(1), fichiers + "/Club.pbn");
    EXPECT_EQ(Tournoi.NomFichier, "courant.pbn");
    EXPECT_TRUE(lus.empty());

    dialogues.pendantModale = [this](const std::string&) {
        Chooser().SelectionneFichier(QStringLiteral("Amis.txt"));
        Chooser().Selectionne();
    };
    EXPECT_EQ(Chooser().ChoisitFichierMail(2), "Amis.txt");
}

} // namespace
} // namespace plio::test
