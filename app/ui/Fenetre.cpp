#include "app/ui/Fenetre.h"

#include "app/ui/Fenetres.h"
#include "app/ui/NLabel.h"
#include "app/ui/PageDeGarde.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QToolButton>
#include <cmath>

namespace plio {

namespace {

int Arrondi(double x)
{
    return static_cast<int>(std::lround(x));
}

} // namespace

Fenetre::Fenetre(Contexte& c, const char* nomForme, QWidget* parent)
    : QWidget(parent)
    , contexte(c)
{
    setObjectName(nomForme);
}

void Fenetre::Retour()
{
    hide();
    if (contexte.fenetres && contexte.fenetres->Form1) contexte.fenetres->Form1->show();
}

QString Fenetre::Texte(const Legende& texte) const
{
    return QString::fromStdString(texte.Texte());
}

void Fenetre::DimensionneFenetre(int largeur, int hauteur)
{
    resize(Arrondi(largeur * contexte.facteurs.EchelleX),
        Arrondi(hauteur * contexte.facteurs.EchelleY));
}

void Fenetre::Place(QWidget* controle, int x, int y, int largeur, int hauteur) const
{
    const FacteursEcran& f = contexte.facteurs;
    controle->setGeometry(Arrondi(x * f.EchelleX), Arrondi(y * f.EchelleY),
        Arrondi(largeur * f.EchelleX), Arrondi(hauteur * f.EchelleY));
}

QFont Fenetre::Police(int hauteurPixels, bool gras) const
{
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(Arrondi(hauteurPixels * contexte.facteurs.EchelleMin));
    police.setBold(gras);
    return police;
}

QPixmap Fenetre::Image(const char* nom) const
{
    return QPixmap(VersQt(contexte.reps.RepertoireImages) + QString::fromUtf8(nom));
}

QPixmap Fenetre::Glyphe(const char* nom) const
{
    QPixmap picture = Image(nom);
    if (picture.isNull()) return picture;
    const QImage image = picture.toImage();
    picture.setMask(
        QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, image.height() - 1))));
    return picture;
}

void Fenetre::FondDeFenetre(const QColor& couleur)
{
    QPalette fond = palette();
    fond.setColor(QPalette::Window, couleur);
    setPalette(fond);
    setAutoFillBackground(true);
}

TNLabel* Fenetre::Cadre(int x, int y, int largeur, int hauteur, const QColor& couleur, int courbe)
{
    auto* cadre = new TNLabel(this);
    cadre->SetCouleur(couleur);
    cadre->SetCourbe(courbe);
    Place(cadre, x, y, largeur, hauteur);
    return cadre;
}

QToolButton* Fenetre::BoutonImage(const char* image, int x, int y, int largeur, int hauteur)
{
    auto* bouton = new QToolButton(this);
    const QPixmap picture = Glyphe(image);
    if (!picture.isNull()) {
        bouton->setIcon(picture);
        bouton->setIconSize(picture.size());
    }
    bouton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bouton->setAutoRaise(true);
    bouton->setFont(Police(14, true));
    Place(bouton, x, y, largeur, hauteur);
    return bouton;
}

QToolButton* Fenetre::BoutonRetour(int x, int y)
{
    QToolButton* bouton = BoutonImage("Home.bmp", x, y, 140, 44);
    bouton->setObjectName(QStringLiteral("BoutonRetour"));
    bouton->setText(Texte(LegendesCommunes::Retour));
    connect(bouton, &QToolButton::clicked, this, [this] { Retour(); });
    return bouton;
}

int TextSize(const QString& police, int taille)
{
    QFont font(police);
    font.setPixelSize(taille);
    return Arrondi(QFontMetrics(font).horizontalAdvance(QStringLiteral("xxxxxxxxxx")) / 10.0);
}

QString VersQt(const std::string& texte)
{
    return QString::fromStdString(texte);
}

std::string DepuisQt(const QString& texte)
{
    return texte.toStdString();
}

} // namespace plio
