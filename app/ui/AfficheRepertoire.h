// The file chooser: a folder tree and a file list, for a competition file or a recipient list.
// Its choice goes back through the model (Tournoi.NomFichier, Tournoi.ListeChoisie).
#pragma once

#include "app/ui/Fenetre.h"

#include <QStringList>
#include <string>

class QFileSystemModel;
class QLabel;
class QListWidget;
class QToolButton;
class QTreeView;

namespace plio {

class TForm5 final : public Fenetre {
public:
    explicit TForm5(Contexte& contexte);

    void FaitLangue() override;

    // Opening mode (the title window's open and analyse commands): shows the chooser on the
    // competition folder; a chosen competition file is read.
    void ChoisitFichierOuverture();
    // Mail mode: 1 gives the full path of a competition file (Tournoi.NomFichier is left as
    // it was), 2 the name of a recipient list.
    std::string ChoisitFichierMail(int mode);

    // Prepares the chooser on a folder without showing it.
    void Prepare(const std::string& racine, bool ouverture);

    // The folder tree's selection: lists that folder's files through the current filter.
    void ChoisitDossier(const QString& chemin);
    void SelectionneFichier(const QString& nom);
    // The selection handler (double click in the list, or the button): takes the selected
    // file, or nothing, and closes the chooser.
    void Selectionne();

    QString DossierCourant() const { return dossierCourant; }
    QString Filtre() const { return filtre; }
    QStringList FichiersAffiches() const;

    QTreeView* ShellTreeView1;
    QListWidget* ShellListView1;
    QToolButton* Button1;

private:
    void RemplitListe();
    // A ".pbn" chosen outside the competition folder is copied into it first, so that later
    // saves go to the copy; an existing file there is replaced only when the user agrees.
    std::string CopieDansFichiers(const QString& source);

    QFileSystemModel* dossiers;
    QLabel* consigne;
    bool ouverture = true;
    QString dossierCourant;
    QString filtre = QStringLiteral("*");
};

} // namespace plio
