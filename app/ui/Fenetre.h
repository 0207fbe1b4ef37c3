// What every window of the program is built on: controls placed in pixels of the 1024 x 768
// design and scaled by the screen factors, texts of the current language, pictures of the
// screen's picture set.
//
// A window is a class named after its form (TForm2 ...) in a unit named after its role. Its
// constructor is the creation handler: it builds the controls with Place (design pixels), loads
// their pictures with Image or Glyphe (a missing file leaves the control empty) and ends with
// FaitLangue. Its texts are Legende constants of its own unit; FaitLangue copies every one of
// them into the controls, and runs again after each language switch. Messages, input boxes and
// modal windows go through contexte.dialogues, so that the tests can play the user's part.
#pragma once

#include "app/Contexte.h"
#include "model/Legendes.h"
#include "model/Textes.h"

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QToolButton;

namespace plio {

class TNLabel;

class Fenetre : public QWidget {
public:
    Fenetre(Contexte& contexte, const char* nomForme, QWidget* parent = nullptr);

    // Sets every caption and hint from the texts of the current language.
    virtual void FaitLangue() = 0;
    // Back to the empty state of a fresh start (the general reset of the title window).
    virtual void Reinitialise() { }

    // Hides this window and shows the title window again.
    void Retour();

protected:
    QString Texte(const Legende& texte) const;

    // Window and control bounds in design pixels, scaled by the screen factors.
    void DimensionneFenetre(int largeur, int hauteur);
    void Place(QWidget* controle, int x, int y, int largeur, int hauteur) const;
    QFont Police(int hauteurPixels, bool gras = false) const;

    // A picture of RepertoireImages; an empty picture when the file is missing.
    QPixmap Image(const char* nom) const;
    // A button's picture: the colour of its bottom-left pixel is transparent.
    QPixmap Glyphe(const char* nom) const;
    void FondDeFenetre(const QColor& couleur);

    TNLabel* Cadre(int x, int y, int largeur, int hauteur, const QColor& couleur, int courbe = 20);
    QToolButton* BoutonImage(const char* image, int x, int y, int largeur, int hauteur);
    QToolButton* BoutonRetour(int x, int y);

    Contexte& contexte;
};

// Average character width in pixels of a font: the width of "xxxxxxxxxx" / 10, rounded.
int TextSize(const QString& police, int taille);

QString VersQt(const std::string& texte);
std::string DepuisQt(const QString& texte);

} // namespace plio
