#include "Dessins.h"

#include "Cartes.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <vector>

namespace plio::installation {

namespace {

using Dessin = std::function<void(QPainter&, QRectF)>;

struct Image {
    const char* nom;
    int largeur; // in the 1024 x 768 set
    int hauteur;
    Dessin dessin;
};

// Close to the frames the buttons sit on, so that smoothed edges blend in.
const QColor CouleurCle(255, 244, 200);
const QColor Vert(34, 120, 70);
const QColor Bleu(40, 90, 170);
const QColor Rouge(200, 40, 40);
const QColor Orange(225, 130, 20);
const QColor Brun(130, 90, 40);
const QColor Violet(110, 60, 150);
const QColor Gris(90, 90, 100);
const QColor Vulnerable(210, 40, 40);
const QColor NonVulnerable(60, 160, 80);

// A rounded coloured tile: the common ground of the button pictures.
void Pastille(QPainter& p, QRectF r, QColor couleur)
{
    QLinearGradient degrade(r.topLeft(), r.bottomLeft());
    degrade.setColorAt(0, couleur.lighter(125));
    degrade.setColorAt(1, couleur.darker(110));
    p.setPen(QPen(couleur.darker(140), std::max(1.0, r.width() / 32)));
    p.setBrush(degrade);
    const double a = r.width() * 0.22;
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), a, a);
}

void Glyphe(QPainter& p, QRectF r, const QString& texte, QColor couleur = Qt::white,
    double taille = 0.62, bool gras = false)
{
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(std::max(6, static_cast<int>(r.height() * taille)));
    police.setBold(gras);
    p.setFont(police);
    p.setPen(couleur);
    p.drawText(r, Qt::AlignCenter, texte);
}

Dessin Bouton(QColor fond, QString texte, double taille = 0.62, bool gras = false)
{
    return [=](QPainter& p, QRectF r) {
        Pastille(p, r, fond);
        Glyphe(p, r, texte, Qt::white, taille, gras);
    };
}

QPainterPath Triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath t;
    t.moveTo(a);
    t.lineTo(b);
    t.lineTo(c);
    t.closeSubpath();
    return t;
}

// Navigation pictures: triangles pointing left (-1) or right (+1), with a bar at the end
// they point to for the first and last deal.
Dessin Navigation(int sens, int triangles, bool barre)
{
    return [=](QPainter& p, QRectF r) {
        Pastille(p, r, Bleu);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const double h = r.height() * 0.44;
        const double w = r.width() * 0.24;
        const double epaisseur = w * 0.3;
        const double total = triangles * w + (barre ? epaisseur : 0);
        double x = r.center().x() - total / 2;
        const double haut = r.center().y() - h / 2;
        const auto dessineBarre = [&] {
            p.drawRect(QRectF(x, haut, epaisseur, h));
            x += epaisseur;
        };
        if (barre && sens < 0) dessineBarre();
        for (int i = 0; i < triangles; ++i) {
            const double pointe = sens > 0 ? x + w : x;
            const double base = sens > 0 ? x : x + w;
            p.drawPath(Triangle({ base, haut }, { pointe, haut + h / 2 }, { base, haut + h }));
            x += w;
        }
        if (barre && sens > 0) dessineBarre();
    };
}

// Quit: the power symbol.
void Arret(QPainter& p, QRectF r)
{
    Pastille(p, r, Rouge);
    const double e = r.width() * 0.1;
    p.setPen(QPen(Qt::white, e, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF cercle
        = r.adjusted(r.width() * 0.26, r.height() * 0.28, -r.width() * 0.26, -r.height() * 0.24);
    p.drawArc(cercle, 120 * 16, -240 * 16);
    p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.2),
        QPointF(r.center().x(), r.center().y()));
}

// Analyse: a magnifying glass.
void Loupe(QPainter& p, QRectF r)
{
    Pastille(p, r, Violet);
    const double e = r.width() * 0.09;
    p.setPen(QPen(Qt::white, e, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(255, 255, 255, 60));
    const double d = r.width() * 0.42;
    p.drawEllipse(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.18, d, d));
    p.setPen(QPen(Qt::white, e * 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + r.width() * 0.56, r.top() + r.height() * 0.56),
        QPointF(r.left() + r.width() * 0.78, r.top() + r.height() * 0.78));
}

Dessin Symbole(int couleur)
{
    return [=](QPainter& p, QRectF r) {
        p.fillRect(r, Qt::white);
        DessineSymbole(p, couleur,
            r.adjusted(r.width() * 0.12, r.height() * 0.12, -r.width() * 0.12, -r.height() * 0.12));
    };
}

// A table seen from above: North-South sides and East-West sides coloured by vulnerability.
Dessin Table(bool ns, bool eo)
{
    return [=](QPainter& p, QRectF r) {
        p.fillRect(r, Qt::white);
        const double e = r.width() * 0.22;
        p.fillRect(
            QRectF(r.left() + e, r.top(), r.width() - 2 * e, e), ns ? Vulnerable : NonVulnerable);
        p.fillRect(QRectF(r.left() + e, r.bottom() - e, r.width() - 2 * e, e),
            ns ? Vulnerable : NonVulnerable);
        p.fillRect(
            QRectF(r.left(), r.top() + e, e, r.height() - 2 * e), eo ? Vulnerable : NonVulnerable);
        p.fillRect(QRectF(r.right() - e, r.top() + e, e, r.height() - 2 * e),
            eo ? Vulnerable : NonVulnerable);
        p.fillRect(r.adjusted(e, e, -e, -e), QColor(30, 110, 60));
    };
}

Dessin Boussole(const char* lettre, double angle)
{
    return [=](QPainter& p, QRectF r) {
        Pastille(p, r, QColor(70, 110, 150));
        p.save();
        p.translate(r.center());
        p.rotate(angle);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 120));
        const double s = r.width() * 0.42;
        p.drawPath(Triangle({ 0, -s }, { s * 0.3, 0 }, { -s * 0.3, 0 }));
        p.restore();
        Glyphe(p, r.adjusted(0, r.height() * 0.3, 0, 0), QString::fromUtf8(lettre), Qt::white, 0.42,
            true);
    };
}

Dessin Jugement(QColor fond, QString texte)
{
    return [=](QPainter& p, QRectF r) {
        p.setPen(Qt::NoPen);
        p.setBrush(fond);
        p.drawEllipse(r.adjusted(2, 2, -2, -2));
        Glyphe(p, r, texte, Qt::white, 0.5, true);
    };
}

void Drapeau(QPainter& p, QRectF r, bool francais)
{
    if (francais) {
        const double t = r.width() / 3;
        p.fillRect(QRectF(r.left(), r.top(), t, r.height()), QColor(0, 85, 164));
        p.fillRect(QRectF(r.left() + t, r.top(), t, r.height()), Qt::white);
        p.fillRect(
            QRectF(r.left() + 2 * t, r.top(), r.width() - 2 * t, r.height()), QColor(239, 65, 53));
    } else {
        p.fillRect(r, QColor(1, 33, 105));
        p.save();
        p.setClipRect(r);
        const double w = r.height() / 5;
        p.setPen(QPen(Qt::white, w * 1.2));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
        p.setPen(QPen(QColor(200, 16, 46), w * 0.45));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
        p.setPen(QPen(Qt::white, w * 1.7));
        p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        p.setPen(QPen(QColor(200, 16, 46), w));
        p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        p.restore();
    }
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

// Four suits in a column, spades at the top, on a vulnerable or non-vulnerable ground.
Dessin ColonneCouleurs(bool vulnerable)
{
    return [=](QPainter& p, QRectF r) {
        p.fillRect(r, vulnerable ? QColor(240, 120, 110) : QColor(250, 250, 245));
        const double h = r.height() / 4;
        for (int i = 0; i < 4; ++i) {
            const double s = std::min(r.width(), h) * 0.72;
            DessineSymbole(
                p, 4 - i, QRectF(r.center().x() - s / 2, r.top() + i * h + (h - s) / 2, s, s));
        }
    };
}

// A card back, standing or lying by the picture's own proportions.
void Dos(QPainter& p, QRectF r)
{
    p.drawImage(r.topLeft(), DessineDos(static_cast<int>(r.width()), static_cast<int>(r.height())));
}

// The title picture: a card table seen from above, the four hands fanned around it.
void Tournoi(QPainter& p, QRectF r)
{
    QRadialGradient fond(r.center(), r.width() * 0.7);
    fond.setColorAt(0, QColor(250, 246, 232));
    fond.setColorAt(1, QColor(232, 224, 200));
    p.fillRect(r, fond);

    const QRectF tapis
        = r.adjusted(r.width() * 0.17, r.height() * 0.2, -r.width() * 0.17, -r.height() * 0.2);
    QRadialGradient feutre(tapis.center(), tapis.width() * 0.6);
    feutre.setColorAt(0, QColor(40, 140, 80));
    feutre.setColorAt(1, QColor(20, 90, 50));
    p.setPen(QPen(QColor(110, 70, 30), r.width() * 0.018));
    p.setBrush(feutre);
    p.drawRoundedRect(tapis, tapis.height() * 0.2, tapis.height() * 0.2);

    const int hauteurCarte = static_cast<int>(r.height() * 0.2);
    const struct {
        double x, y, angle;
        int couleurs[5];
        int rangs[5];
    } mains[] = {
        { 0.5, 0.1, 180, { 4, 4, 3, 2, 1 }, { 12, 11, 12, 10, 9 } },
        { 0.5, 0.9, 0, { 4, 3, 3, 2, 1 }, { 10, 11, 8, 12, 12 } },
        { 0.09, 0.5, 90, { 4, 3, 2, 2, 1 }, { 9, 10, 11, 9, 11 } },
        { 0.91, 0.5, -90, { 4, 3, 2, 1, 1 }, { 8, 9, 8, 10, 8 } },
    };
    for (const auto& main : mains) {
        p.save();
        p.translate(r.left() + main.x * r.width(), r.top() + main.y * r.height());
        p.rotate(main.angle);
        // The fan turns about a point beyond the table's edge, so that every index shows.
        const double rayon = hauteurCarte * 0.9;
        p.translate(0, rayon);
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.rotate((i - 2) * 9.0);
            const QImage carte
                = DessineCarte(main.couleurs[i], main.rangs[i], hauteurCarte, true, false);
            p.drawImage(QPointF(-carte.width() / 2.0, -carte.height() * 0.95 - rayon), carte);
            p.restore();
        }
        p.restore();
    }
    // The trick on the table.
    const int petite = static_cast<int>(r.height() * 0.17);
    const struct {
        double dx, dy, angle;
        int couleur, rang;
    } pli[] = { { 0, -0.09, 4, 4, 12 }, { 0.1, 0, 86, 4, 3 }, { 0, 0.09, -3, 4, 9 },
        { -0.1, 0, -84, 3, 5 } };
    for (const auto& c : pli) {
        p.save();
        p.translate(tapis.center().x() + c.dx * r.width(), tapis.center().y() + c.dy * r.height());
        p.rotate(c.angle);
        const QImage carte = DessineCarte(c.couleur, c.rang, petite, true, c.rang == 12);
        p.drawImage(QPointF(-carte.width() / 2.0, -carte.height() / 2.0), carte);
        p.restore();
    }
}

const std::vector<Image>& Images()
{
    static const std::vector<Image> images {
        // Title window
        { "facteur.bmp", 36, 36, Bouton(Bleu, QString::fromUtf8("\u2709")) },
        { "Luke.bmp", 36, 36, Arret },
        { "plume.bmp", 36, 36, Bouton(Vert, QString::fromUtf8("\u2712")) },
        { "balleAuCentre.bmp", 36, 36, Bouton(Orange, QString::fromUtf8("\u21BA"), 0.7, true) },
        { "francais.bmp", 60, 40, [](QPainter& p, QRectF r) { Drapeau(p, r, true); } },
        { "anglais.bmp", 60, 40, [](QPainter& p, QRectF r) { Drapeau(p, r, false); } },
        { "Tournoi.bmp", 680, 510, Tournoi },
        { "tasse.bmp", 64, 64, Bouton(Brun, QString::fromUtf8("\u2615")) },
        { "bouee.bmp", 48, 48, Bouton(Rouge, QStringLiteral("?"), 0.7, true) },
        { "Fichiers.bmp", 36, 36, Bouton(Orange, QString::fromUtf8("\u2630")) },
        { "Newton.bmp", 36, 36, Loupe },
        // Competition creation
        { "etiquette.bmp", 32, 32, Bouton(Gris, QString::fromUtf8("\u270E")) },
        { "globe.bmp", 32, 32, Bouton(Bleu, QString::fromUtf8("\u2609")) },
        { "agenda.bmp", 32, 32, Bouton(Rouge, QStringLiteral("31"), 0.5, true) },
        { "paireEO.bmp", 32, 32, Bouton(Vert, QStringLiteral("EO"), 0.42, true) },
        { "donne.bmp", 32, 32, Bouton(Vert, QString::fromUtf8("\u2660\u2665"), 0.42) },
        { "paire.bmp", 32, 32, Bouton(Bleu, QStringLiteral("2"), 0.6, true) },
        { "match.bmp", 32, 32, Bouton(Bleu, QStringLiteral("4"), 0.6, true) },
        { "mail.bmp", 32, 32, Bouton(Gris, QString::fromUtf8("\u2328")) },
        { "des.bmp", 32, 32, Bouton(Rouge, QString::fromUtf8("\u2684"), 0.8) },
        { "autorouteMini.bmp", 32, 32, Bouton(Vert, QString::fromUtf8("\u2714")) },
        { "annulerFT.bmp", 32, 32, Bouton(Rouge, QString::fromUtf8("\u2718")) },
        // Deal entry, sheets and navigation
        { "GlyphBoree.bmp", 32, 32, Boussole("N", 0) },
        { "GlyphEuros.bmp", 32, 32, Boussole("E", 90) },
        { "GlyphNotos.bmp", 32, 32, Boussole("S", 180) },
        { "GlyphZephyr.bmp", 32, 32, Boussole("O", 270) },
        { "vulNone.bmp", 32, 32, Table(false, false) },
        { "vulNS.bmp", 32, 32, Table(true, false) },
        { "vulEW.bmp", 32, 32, Table(false, true) },
        { "vulBoth.bmp", 32, 32, Table(true, true) },
        { "Home.bmp", 32, 32, Bouton(Vert, QString::fromUtf8("\u2302"), 0.7) },
        { "home.bmp", 32, 32, Bouton(Vert, QString::fromUtf8("\u2302"), 0.7) },
        { "crayon.bmp", 32, 32, Bouton(Orange, QString::fromUtf8("\u270F")) },
        { "initPetit.bmp", 24, 24, Bouton(Orange, QString::fromUtf8("\u21BA"), 0.7, true) },
        { "debutMiniMini.bmp", 20, 20, Navigation(-1, 2, true) },
        { "debutMini.bmp", 24, 24, Navigation(-1, 2, true) },
        { "debut.bmp", 32, 32, Navigation(-1, 2, true) },
        { "precedent.bmp", 32, 32, Navigation(-1, 1, false) },
        { "suivant.bmp", 32, 32, Navigation(1, 1, false) },
        { "eofMini.bmp", 24, 24, Navigation(1, 2, true) },
        { "eof.bmp", 32, 32, Navigation(1, 2, true) },
        { "goto.bmp", 32, 32, Bouton(Bleu, QStringLiteral("#"), 0.6, true) },
        // Deal analysis and play
        { "sensTapis.bmp", 48, 48, Bouton(Vert, QString::fromUtf8("\u21BB"), 0.7, true) },
        { "son.bmp", 32, 32, Bouton(Bleu, QString::fromUtf8("\u266B")) },
        { "sonCoupe.bmp", 32, 32, Bouton(Gris, QString::fromUtf8("\u266B\u0338")) },
        { "GoodMove.bmp", 48, 48, Jugement(QColor(60, 160, 80), QString::fromUtf8("\u2714")) },
        { "VeryGoodMove.bmp", 48, 48, Jugement(QColor(20, 120, 200), QString::fromUtf8("\u2605")) },
        { "BadMove.bmp", 48, 48, Jugement(Orange, QString::fromUtf8("\u2718")) },
        { "VeryBadMove.bmp", 48, 48, Jugement(Rouge, QString::fromUtf8("\u2718\u2718")) },
        { "Dos.bmp", 28, 40, Dos },
        { "DosCouche.bmp", 40, 28, Dos },
        // Tournament analysis
        { "trefle.bmp", 24, 24, Symbole(1) },
        { "carreau.bmp", 24, 24, Symbole(2) },
        { "coeur.bmp", 24, 24, Symbole(3) },
        { "pique.bmp", 24, 24, Symbole(4) },
        { "podium.bmp", 32, 32, Bouton(Orange, QString::fromUtf8("\u2655")) },
        { "parchemin.bmp", 32, 32, Bouton(Brun, QString::fromUtf8("\u2261"), 0.7, true) },
        { "Qualite.bmp", 32, 32, Bouton(Violet, QString::fromUtf8("\u2605")) },
        { "NV-NV.bmp", 20, 20, Table(false, false) },
        { "NV-V.bmp", 20, 20, Table(false, true) },
        { "V-NV.bmp", 20, 20, Table(true, false) },
        { "V-V.bmp", 20, 20, Table(true, true) },
        { "CouleursV.png", 18, 80, ColonneCouleurs(true) },
        { "CouleursNV.png", 18, 80, ColonneCouleurs(false) },
        // Mail
        { "config.bmp", 32, 32, Bouton(Gris, QString::fromUtf8("\u2699")) },
        { "sendmail.bmp", 32, 32, Bouton(Bleu, QString::fromUtf8("\u2709")) },
        { "Destinataires.bmp", 32, 32, Bouton(Vert, QStringLiteral("@"), 0.6, true) },
    };
    return images;
}

bool EcritJeu(const QString& dossier, double echelle)
{
    if (!QDir().mkpath(dossier)) return false;
    bool ok = true;
    for (const Image& image : Images()) {
        const int l = static_cast<int>(std::lround(image.largeur * echelle));
        const int h = static_cast<int>(std::lround(image.hauteur * echelle));
        // Bitmaps hold no transparency: their ground is the key colour that the program
        // makes transparent on buttons (the colour of the bottom-left pixel).
        const bool bitmap = QString::fromLatin1(image.nom).endsWith(QLatin1String(".bmp"));
        QImage dessin(l, h, bitmap ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        dessin.fill(bitmap ? CouleurCle : QColor(Qt::transparent));
        QPainter p(&dessin);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        image.dessin(p, QRectF(0, 0, l, h));
        p.end();
        ok &= dessin.save(dossier + "/" + QString::fromLatin1(image.nom));
    }
    return ok;
}

} // namespace

bool EcritImages(const QString& dossierInstallation)
{
    return EcritJeu(dossierInstallation + "/Images_XGA", 1.0)
        && EcritJeu(dossierInstallation + "/Images_SXGA", 1.4);
}

} // namespace plio::installation
