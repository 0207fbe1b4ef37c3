#include "FenetresFixture.h"

#include <QDir>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace plio::test {

void FenetresFixture::SetUp()
{
    ASSERT_TRUE(donnees.isValid());
    qputenv("appdata", donnees.path().toLocal8Bit());
    CompetitionCourante = Competition {};
    Langue = "french";
}

void FenetresFixture::TearDown()
{
    fenetres.reset();
    DialoguesProgramme = &DialoguesSansFenetre;
    qunsetenv("appdata");
}

void FenetresFixture::Demarre(const std::string& langue, QSize ecran)
{
    if (!langue.empty()) {
        const std::string texte = donnees.filePath(QStringLiteral("Plioscope/Texte")).toStdString();
        std::filesystem::create_directories(texte);
        EcritFichier(texte + "/langue.txt", langue + "\n");
    }
    fenetres = plio::Demarre(contexte, ecran, PLIO_INSTALLATION_DIR);
}

std::string FenetresFixture::LitFichier(const std::string& chemin) const
{
    std::ifstream fichier(chemin);
    std::stringstream contenu;
    contenu << fichier.rdbuf();
    return contenu.str();
}

void FenetresFixture::EcritFichier(const std::string& chemin, const std::string& contenu) const
{
    std::ofstream(chemin) << contenu;
}

} // namespace plio::test
