#include "app/ui/AfficheRepertoire.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QTreeView>

namespace plio {

namespace {

constexpr Legende TexteTitre { "Choisir un fichier", "Choose a file" };
constexpr Legende TexteConsigne { "Double-cliquez sur le fichier choisi.",
    "Double-click the file of your choice." };
constexpr Legende TexteRemplacer {
    "Un fichier de ce nom existe déjà dans le dossier des compétitions.\rLe remplacer par "
    "celui que vous avez choisi ?",
    "A file of this name already exists in the competition folder.\rReplace it with the "
    "one you chose?"
};
constexpr Legende TexteCopieImpossible {
    "Le fichier n'a pas pu être copié dans le dossier des compétitions.",
    "The file could not be copied into the competition folder."
};

} // namespace

TForm5::TForm5(Contexte& c)
    : Fenetre(c, "TForm5")
{
    DimensionneFenetre(800, 560);
    FondDeFenetre(QColor(232, 239, 228));

    dossiers = new QFileSystemModel(this);
    dossiers->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);

    ShellTreeView1 = new QTreeView(this);
    ShellTreeView1->setModel(dossiers);
    for (int colonne = 1; colonne < dossiers->columnCount(); ++colonne)
        ShellTreeView1->hideColumn(colonne);
    ShellTreeView1->header()->hide();
    ShellTreeView1->setFont(Police(13));
    Place(ShellTreeView1, 12, 12, 256, 476);
    connect(ShellTreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& index) { ChoisitDossier(dossiers->filePath(index)); });

    ShellListView1 = new QListWidget(this);
    ShellListView1->setFont(Police(14));
    Place(ShellListView1, 280, 12, 508, 476);
    connect(ShellListView1, &QListWidget::itemDoubleClicked, this, [this] { Selectionne(); });

    consigne = new QLabel(this);
    consigne->setFont(Police(13));
    Place(consigne, 280, 500, 340, 44);

    Button1 = BoutonImage("Home.bmp", 648, 500, 140, 44);
    connect(Button1, &QToolButton::clicked, this, [this] { Selectionne(); });
    FaitLangue();
}

void TForm5::FaitLangue()
{
    setWindowTitle(Texte(TexteTitre));
    consigne->setText(Texte(TexteConsigne));
    Button1->setText(Texte(LegendesCommunes::Retour));
}

void TForm5::Prepare(const std::string& racine, bool modeOuverture)
{
    ouverture = modeOuverture;
    const QString chemin = QDir::cleanPath(VersQt(racine));
    // The tree shows the root folder beside its siblings, and the folders below it.
    const QString parent = QFileInfo(chemin).absolutePath();
    dossiers->setRootPath(parent);
    ShellTreeView1->setRootIndex(dossiers->index(parent));
    const QModelIndex index = dossiers->index(chemin);
    if (index.isValid()) {
        ShellTreeView1->setCurrentIndex(index);
        ShellTreeView1->expand(index);
        ShellTreeView1->scrollTo(index);
    }
    ChoisitDossier(chemin);
}

void TForm5::ChoisitFichierOuverture()
{
    Prepare(contexte.reps.RepertoireFichiers, true);
    contexte.dialogues.FenetreModale("TForm5");
}

std::string TForm5::ChoisitFichierMail(int mode)
{
    if (mode == 1) {
        const std::string nomFichier = Tournoi.NomFichier;
        Prepare(contexte.reps.RepertoireFichiers, false);
        contexte.dialogues.FenetreModale("TForm5");
        std::string choisi = Tournoi.NomFichier;
        Tournoi.NomFichier = nomFichier;
        return choisi;
    }
    const QString destinataires = QDir(VersQt(contexte.reps.RepertoireMail))
                                      .filePath(QStringLiteral("Config/Destinataires"));
    Prepare(DepuisQt(destinataires), false);
    contexte.dialogues.FenetreModale("TForm5");
    return Tournoi.ListeChoisie;
}

void TForm5::ChoisitDossier(const QString& chemin)
{
    dossierCourant = QDir::cleanPath(chemin);
    // The competition folder lists competition files, the recipient-list folder lists lists;
    // elsewhere the filter of the last such folder stays.
    if (dossierCourant.endsWith(QLatin1String("Files")))
        filtre = QStringLiteral("*.pbn");
    else if (dossierCourant.endsWith(QLatin1String("Destinataires")))
        filtre = QStringLiteral("*.txt");
    RemplitListe();
}

void TForm5::RemplitListe()
{
    ShellListView1->clear();
    const QDir dossier(dossierCourant);
    ShellListView1->addItems(
        dossier.entryList({ filtre }, QDir::Files | QDir::NoDotAndDotDot, QDir::Name));
}

QStringList TForm5::FichiersAffiches() const
{
    QStringList noms;
    for (int i = 0; i < ShellListView1->count(); ++i)
        noms << ShellListView1->item(i)->text();
    return noms;
}

void TForm5::SelectionneFichier(const QString& nom)
{
    const auto trouves = ShellListView1->findItems(nom, Qt::MatchExactly);
    ShellListView1->setCurrentItem(trouves.isEmpty() ? nullptr : trouves.first());
}

void TForm5::Selectionne()
{
    const QListWidgetItem* choix = ShellListView1->currentItem();
    Tournoi.NomFichier.clear();
    if (choix) {
        const QString nom = choix->text();
        const QString chemin = QDir(dossierCourant).filePath(nom);
        if (dossierCourant.endsWith(QLatin1String("Destinataires"))) {
            Tournoi.ListeChoisie = DepuisQt(nom);
        } else if (dossierCourant.endsWith(QLatin1String("Files"))) {
            Tournoi.NomFichier = DepuisQt(chemin);
        } else if (nom.endsWith(QLatin1String(".pbn"), Qt::CaseInsensitive)) {
            Tournoi.NomFichier = CopieDansFichiers(chemin);
        } else if (nom.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive)) {
            Tournoi.NomFichier = DepuisQt(chemin); // remembered for sending, never read
        }
        const bool competition = !Tournoi.NomFichier.empty()
            && QString::fromStdString(Tournoi.NomFichier)
                   .endsWith(QLatin1String(".pbn"), Qt::CaseInsensitive);
        if (ouverture && competition && contexte.chargeFichierPBN)
            contexte.chargeFichierPBN(CompetitionCourante);
    }
    hide();
}

std::string TForm5::CopieDansFichiers(const QString& source)
{
    const QString cible
        = QDir(VersQt(contexte.reps.RepertoireFichiers)).filePath(QFileInfo(source).fileName());
    if (QFileInfo::exists(cible)) {
        if (QFileInfo(cible).canonicalFilePath() == QFileInfo(source).canonicalFilePath())
            return DepuisQt(cible);
        if (!contexte.dialogues.Question(TexteRemplacer.Texte())) return {};
        QFile::remove(cible);
    }
    if (!QFile::copy(source, cible)) {
        contexte.dialogues.AfficheMessage(TexteCopieImpossible.Texte());
        return {};
    }
    return DepuisQt(cible);
}

} // namespace plio
