#include "pbn/ChargeFichierPBN.h"

#include "Fabrique.h"
#include "model/Textes.h"
#include "pbn/EcritureDialecte.h"
#include "pbn/FichierTexte.h"

#include <gtest/gtest.h>

#include <fstream>

namespace plio {
namespace {

void Ecrit(const std::filesystem::path& chemin, const std::string& octets)
{
    std::ofstream(chemin, std::ios::binary) << octets;
}

std::string Lit(const std::filesystem::path& chemin)
{
    return LitOctets(chemin).value_or("<absent>");
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> Contenu(const std::filesystem::path& dossier)
{
    std::map<std::string, std::string> fichiers;
    for (const auto& entree : std::filesystem::directory_iterator(dossier))
        fichiers[entree.path().filename().string()] = Lit(entree.path());
    return fichiers;
}

Competition CompetitionPrecedente()
{
    Competition c = test::CompetitionDeTest("MPQ", 2, 1);
    c.Tournoi.NomCompetition = "Precedente";
    c.Tournoi.NomFichier = "/ailleurs/precedente.pbn";
    return c;
}

TEST(ChargeFichierPBN, OpensAFileOfTheProgramAndWritesItsBackup)
{
    test::DossierTemporaire dossier;
    const std::string octets = TexteFichierPBN(test::CompetitionDeTest("TPP", 2, 3), "anglais");
    Ecrit(dossier / "Club_Paris_12.pbn", octets);
    Competition c = CompetitionPrecedente();
    c.Tournoi.ListeChoisie = "amis.txt";
    DialoguesScriptes dialogues;
    const OuvertureFichier ouverture
        = ChargeFichierPBN(c, dossier / "Club_Paris_12.pbn", dialogues, "french");
    ASSERT_TRUE(ouverture.resultat.reussi());
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_EQ(c.Tournoi.NomCompetition, "Essai");
    EXPECT_EQ(c.Tournoi.NomFichier, (dossier / "Club_Paris_12.pbn").string());
    EXPECT_EQ(c.Tournoi.ListeChoisie, "amis.txt");
    EXPECT_EQ(c.EtatFichier, "DF");
    EXPECT_TRUE(c.FichierCharge);
    EXPECT_EQ(c.Donnes[1].Feuilles[1].Contrat, "4P"); // interface notation
    EXPECT_EQ(c.Donnes[1].Feuilles[2].Declarant, "O");
    // Nothing changed: the file is as it was, the backup is written all the same, no _Orig.
    EXPECT_EQ(Contenu(dossier.chemin()),
        (std::map<std::string, std::string> {
            { "Club_Paris_12.pbn", octets }, { "Club_Paris_12_Bis.pbn", octets } }));
    EXPECT_EQ(ouverture.copieDeSecours, dossier / "Club_Paris_12_Bis.pbn");
    EXPECT_TRUE(ouverture.copieDeLOriginal.empty());

    // Reading the same file again gives the same model and state.
    Competition encore;
    ASSERT_TRUE(ChargeFichierPBN(encore, dossier / "Club_Paris_12.pbn", dialogues, "french")
                    .resultat.reussi());
    encore.Tournoi.ListeChoisie = "amis.txt";
    EXPECT_EQ(encore, c);
}

TEST(ChargeFichierPBN, LoneLineFeedsAreRewrittenWithoutKeepingAnOriginal)
{
    test::DossierTemporaire dossier;
    const std::string octets = TexteFichierPBN(test::CompetitionDeTest("TPP", 1, 2), "anglais");
    std::string lf;
    for (const char o : octets)
        if (o != '\r') lf += o;
    Ecrit(dossier / "x.pbn", lf);
    Competition c;
    DialoguesScriptes dialogues;
    ASSERT_TRUE(ChargeFichierPBN(c, dossier / "x.pbn", dialogues, "anglais").resultat.reussi());
    EXPECT_EQ(Lit(dossier / "x.pbn"), octets);
    EXPECT_FALSE(std::filesystem::exists(dossier / "x_Orig.pbn"));
}

TEST(ChargeFichierPBN, KeepsTheOriginalBeforeARewriteThatDropsContent)
{
    test::DossierTemporaire dossier;
    std::string octets = TexteFichierPBN(test::CompetitionDeTest("TPP", 1, 2), "anglais");
    octets.insert(octets.find("[Board \"2\"]"), "[Annotator \"Paul\"]\r\n");
    Ecrit(dossier / "x.pbn", octets);
    Competition c;
    DialoguesScriptes dialogues;
    const OuvertureFichier ouverture = ChargeFichierPBN(c, dossier / "x.pbn", dialogues, "anglais");
    ASSERT_TRUE(ouverture.resultat.reussi());
    EXPECT_EQ(ouverture.copieDeLOriginal, dossier / "x_Orig.pbn");
    EXPECT_EQ(Lit(dossier / "x_Orig.pbn"), octets);
    EXPECT_EQ(Lit(dossier / "x.pbn").find("Annotator"), std::string::npos);

    // An existing _Orig is never overwritten.
    std::string autre = octets;
    autre.insert(0, "% another header\r\n");
    Ecrit(dossier / "x.pbn", autre);
    const OuvertureFichier seconde = ChargeFichierPBN(c, dossier / "x.pbn", dialogues, "anglais");
    ASSERT_TRUE(seconde.resultat.reussi());
    EXPECT_TRUE(seconde.copieDeLOriginal.empty());
    EXPECT_EQ(Lit(dossier / "x_Orig.pbn"), octets);
}

TEST(ChargeFichierPBN, NamesInWindows1252AreConvertedAndTheOriginalKept)
{
    test::DossierTemporaire dossier;
    Competition source = test::CompetitionDeTest("TPP", 1, 1);
    source.Tournoi.Paires[1].Joueur1 = "H$Ren\xE9";
    source.Tournoi.Lieu = "Caf\xE9";
    const std::string octets = TexteFichierPBN(source, "anglais");
    Ecrit(dossier / "w.pbn", octets);
    Competition c;
    DialoguesScriptes dialogues;
    ASSERT_TRUE(ChargeFichierPBN(c, dossier / "w.pbn", dialogues, "anglais").resultat.reussi());
    EXPECT_EQ(c.Tournoi.Paires[1].Joueur1, "H$Ren\xC3\xA9");
    EXPECT_EQ(c.Donnes[1].Feuilles[1].NomsNS, "H$Ren\xC3\xA9-F$Joueuse 1b");
    EXPECT_EQ(c.Tournoi.Lieu, "Caf\xC3\xA9");
    EXPECT_EQ(Lit(dossier / "w_Orig.pbn"), octets);
    EXPECT_NE(Lit(dossier / "w.pbn").find("H$Ren\xC3\xA9\r\n"), std::string::npos);
}

TEST(ChargeFichierPBN, AByteOrderMarkDoesNotHideTheHeader)
{
    test::DossierTemporaire dossier;
    const std::string octets = TexteFichierPBN(test::CompetitionDeTest("TPP", 1, 1), "anglais");
    Ecrit(dossier / "b.pbn", "\xEF\xBB\xBF" + octets);
    Competition c;
    DialoguesScriptes dialogues;
    ASSERT_TRUE(ChargeFichierPBN(c, dossier / "b.pbn", dialogues, "anglais").resultat.reussi());
    EXPECT_EQ(c.Tournoi.TypeCompetition, "TPP");
    EXPECT_EQ(c.Tournoi.NomCompetition, "Essai");
    EXPECT_EQ(Lit(dossier / "b.pbn"), octets);
    EXPECT_EQ(Lit(dossier / "b_Orig.pbn"), "\xEF\xBB\xBF" + octets);
}

TEST(ChargeFichierPBN, ACorruptedFileChangesNothing)
{
    test::DossierTemporaire dossier;
    std::string octets = TexteFichierPBN(test::CompetitionDeTest("TPP", 2, 2), "anglais");
    const auto lignes = DecoupeLignes(octets);
    const auto position = octets.find("S NT 0", octets.find("[Board \"2\"]"));
    octets.replace(position, 6, "S NT ?");
    std::size_t numero = 0;
    while (!(lignes[numero].starts_with("S NT") && numero > 100))
        ++numero;
    Ecrit(dossier / "c.pbn", octets);

    const Competition precedente = CompetitionPrecedente();
    for (const char* langue : { "french", "anglais" }) {
        Competition c = precedente;
        DialoguesScriptes dialogues;
        const OuvertureFichier ouverture
            = ChargeFichierPBN(c, dossier / "c.pbn", dialogues, langue);
        EXPECT_EQ(ouverture.resultat.issue, IssueFichier::Corrompue);
        EXPECT_EQ(ouverture.resultat.ligne, static_cast<int>(numero + 1));
        EXPECT_EQ(ouverture.resultat.message, Message(28, langue));
        EXPECT_EQ(dialogues.messages, std::vector<std::string> { Message(28, langue) });
        EXPECT_EQ(c, precedente);
        EXPECT_EQ(Contenu(dossier.chemin()),
            (std::map<std::string, std::string> { { "c.pbn", octets } }));
    }
}

TEST(ChargeFichierPBN, AMissingFileOrAFolderChangesNothing)
{
    test::DossierTemporaire dossier;
    std::filesystem::create_directory(dossier / "dossier.pbn");
    Competition c = CompetitionPrecedente();
    const Competition precedente = c;
    for (const char* nom : { "absent.pbn", "dossier.pbn" }) {
        DialoguesScriptes dialogues;
        const OuvertureFichier ouverture = ChargeFichierPBN(c, dossier / nom, dialogues, "anglais");
        EXPECT_EQ(ouverture.resultat.issue, IssueFichier::Illisible) << nom;
        EXPECT_EQ(dialogues.messages, std::vector<std::string> { Message(28, "anglais") });
        EXPECT_EQ(c, precedente);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.chemin()), {}), 1);
    }
}

TEST(ChargeFichierPBN, TheProgramFormWorksOnTheGlobals)
{
    test::DossierTemporaire dossier;
    Ecrit(dossier / "g.pbn", TexteFichierPBN(test::CompetitionDeTest("TPP", 1, 2), "anglais"));
    const Competition sauvegarde = CompetitionCourante;
    CompetitionCourante = Competition {};
    Tournoi.NomFichier = (dossier / "g.pbn").string();
    ChargeFichierPBN();
    EXPECT_EQ(Tournoi.NombreDonnes, 2);
    EXPECT_EQ(EtatFichier, "DF");
    Donnes[2].Feuilles[1].Resultat = "=";
    EcritFichierPBN();
    EXPECT_NE(Lit(dossier / "g.pbn").find(" 4S N = "), std::string::npos);
    CompetitionCourante = sauvegarde;
}

} // namespace
} // namespace plio
