#include "Cartes.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace plio::installation {

namespace {

QString Index(int rang, bool francais)
{
    static const char* const francaisLettres[]
        = { "2", "3", "4", "5", "6", "7", "8", "9", "10", "V", "D", "R", "A" };
    static const char* const anglaisLettres[]
        = { "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A" };
    return QString::fromLatin1(francais ? francaisLettres[rang] : anglaisLettres[rang]);
}

// Pips of the number cards on a 3 x 7 grid (column, row), as on printed cards.
const std::vector<std::pair<int, int>>& Points(int valeur)
{
    static const std::vector<std::vector<std::pair<int, int>>> dispositions {
        {},
        { { 1, 3 } },
        { { 1, 0 }, { 1, 6 } },
        { { 1, 0 }, { 1, 3 }, { 1, 6 } },
        { { 0, 0 }, { 2, 0 }, { 0, 6 }, { 2, 6 } },
        { { 0, 0 }, { 2, 0 }, { 1, 3 }, { 0, 6 }, { 2, 6 } },
        { { 0, 0 }, { 2, 0 }, { 0, 3 }, { 2, 3 }, { 0, 6 }, { 2, 6 } },
        { { 0, 0 }, { 2, 0 }, { 1, 1 }, { 0, 3 }, { 2, 3 }, { 0, 6 }, { 2, 6 } },
        { { 0, 0 }, { 2, 0 }, { 1, 1 }, { 0, 3 }, { 2, 3 }, { 1, 5 }, { 0, 6 }, { 2, 6 } },
        { { 0, 0 }, { 2, 0 }, { 0, 2 }, { 2, 2 }, { 1, 3 }, { 0, 4 }, { 2, 4 }, { 0, 6 },
            { 2, 6 } },
        { { 0, 0 }, { 2, 0 }, { 1, 1 }, { 0, 2 }, { 2, 2 }, { 0, 4 }, { 2, 4 }, { 1, 5 }, { 0, 6 },
            { 2, 6 } },
    };
    return dispositions[static_cast<std::size_t>(valeur)];
}

} // namespace

QColor CouleurDe(int couleur)
{
    return (couleur == 2 || couleur == 3) ? QColor(200, 20, 30) : QColor(20, 20, 20);
}

void DessineSymbole(QPainter& peintre, int couleur, QRectF c)
{
    peintre.save();
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(CouleurDe(couleur));
    const double x = c.x(), y = c.y(), w = c.width(), h = c.height();
    QPainterPath chemin;
    switch (couleur) {
    case 1: { // clubs: three balls and a stem
        const double r = w * 0.22;
        chemin.addEllipse(QPointF(x + w * 0.5, y + h * 0.28), r, r);
        chemin.addEllipse(QPointF(x + w * 0.27, y + h * 0.55), r, r);
        chemin.addEllipse(QPointF(x + w * 0.73, y + h * 0.55), r, r);
        QPainterPath tige;
        tige.moveTo(x + w * 0.5, y + h * 0.45);
        tige.lineTo(x + w * 0.64, y + h * 0.95);
        tige.lineTo(x + w * 0.36, y + h * 0.95);
        tige.closeSubpath();
        chemin = chemin.united(tige);
        break;
    }
    case 2: // diamonds
        chemin.moveTo(x + w * 0.5, y + h * 0.02);
        chemin.lineTo(x + w * 0.88, y + h * 0.5);
        chemin.lineTo(x + w * 0.5, y + h * 0.98);
        chemin.lineTo(x + w * 0.12, y + h * 0.5);
        chemin.closeSubpath();
        break;
    case 3: // hearts
        chemin.moveTo(x + w * 0.5, y + h * 0.95);
        chemin.cubicTo(
            x - w * 0.1, y + h * 0.5, x + w * 0.05, y - h * 0.05, x + w * 0.5, y + h * 0.25);
        chemin.cubicTo(
            x + w * 0.95, y - h * 0.05, x + w * 1.1, y + h * 0.5, x + w * 0.5, y + h * 0.95);
        break;
    default: { // spades: a heart upside down and a stem
        chemin.moveTo(x + w * 0.5, y + h * 0.02);
        chemin.cubicTo(
            x + w * 1.1, y + h * 0.45, x + w * 0.95, y + h * 0.95, x + w * 0.5, y + h * 0.7);
        chemin.cubicTo(
            x + w * 0.05, y + h * 0.95, x - w * 0.1, y + h * 0.45, x + w * 0.5, y + h * 0.02);
        QPainterPath tige;
        tige.moveTo(x + w * 0.5, y + h * 0.6);
        tige.lineTo(x + w * 0.66, y + h * 0.98);
        tige.lineTo(x + w * 0.34, y + h * 0.98);
        tige.closeSubpath();
        chemin = chemin.united(tige);
        break;
    }
    }
    peintre.drawPath(chemin);
    peintre.restore();
}

QImage DessineCarte(int couleur, int rang, int hauteur, bool francais, bool surlignee)
{
    const int largeur = static_cast<int>(std::lround(hauteur * 0.7));
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const double arrondi = hauteur * 0.06;
    const QRectF bord(0.5, 0.5, largeur - 1.0, hauteur - 1.0);
    p.setPen(QPen(surlignee ? QColor(230, 150, 0) : QColor(90, 90, 90),
        surlignee ? std::max(2.0, hauteur / 40.0) : 1.0));
    p.setBrush(surlignee ? QColor(255, 240, 170) : QColor(255, 255, 255));
    p.drawRoundedRect(bord, arrondi, arrondi);

    // Index in the top-left corner: the letter and a small suit under it, both readable when
    // the cards of a hand overlap.
    const QColor encre = CouleurDe(couleur);
    QFont police(QStringLiteral("DejaVu Sans Condensed"));
    police.setBold(true);
    police.setPixelSize(static_cast<int>(hauteur * 0.2));
    p.setFont(police);
    p.setPen(encre);
    const double colonne = largeur * 0.3;
    const QRectF zoneIndex(1, hauteur * 0.02, colonne, hauteur * 0.22);
    p.drawText(zoneIndex, Qt::AlignHCenter | Qt::AlignVCenter, Index(rang, francais));
    DessineSymbole(p, couleur,
        QRectF(colonne * 0.5 - hauteur * 0.07 + 1, hauteur * 0.25, hauteur * 0.14, hauteur * 0.14));

    // The same index, upside down, in the bottom-right corner.
    p.save();
    p.translate(largeur, hauteur);
    p.rotate(180);
    p.drawText(zoneIndex, Qt::AlignHCenter | Qt::AlignVCenter, Index(rang, francais));
    DessineSymbole(p, couleur,
        QRectF(colonne * 0.5 - hauteur * 0.07 + 1, hauteur * 0.25, hauteur * 0.14, hauteur * 0.14));
    p.restore();

    const QRectF centre(colonne, hauteur * 0.1, largeur - 2 * colonne, hauteur * 0.8);
    if (rang >= 9 && rang <= 11) {
        // Honours: a framed panel with the letter and a large suit.
        p.setPen(QPen(encre, 1));
        p.setBrush(surlignee ? QColor(255, 228, 140) : QColor(250, 244, 225));
        p.drawRoundedRect(centre.adjusted(-2, 0, 2, 0), 3, 3);
        QFont grand = police;
        grand.setPixelSize(static_cast<int>(hauteur * 0.3));
        p.setFont(grand);
        p.setPen(encre);
        p.drawText(QRectF(centre.x(), centre.y() + hauteur * 0.04, centre.width(), hauteur * 0.34),
            Qt::AlignCenter, Index(rang, francais));
        const double s = std::min(centre.width() * 0.8, hauteur * 0.32);
        DessineSymbole(p, couleur,
            QRectF(centre.center().x() - s / 2, centre.bottom() - s - hauteur * 0.06, s, s));
    } else if (rang == 12) {
        const double s = std::min(centre.width(), hauteur * 0.42);
        DessineSymbole(
            p, couleur, QRectF(centre.center().x() - s / 2, centre.center().y() - s / 2, s, s));
    } else {
        const int valeur = rang + 2;
        const double s = std::min(centre.width() / 2.6, hauteur * 0.14);
        for (const auto& [c, l] : Points(valeur)) {
            const double cx = centre.x() + s / 2 + c * (centre.width() - s) / 2.0;
            const double cy = centre.y() + s / 2 + l * (centre.height() - s) / 6.0;
            DessineSymbole(p, couleur, QRectF(cx - s / 2, cy - s / 2, s, s));
        }
    }
    return image;
}

QImage DessineDos(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double arrondi = std::min(largeur, hauteur) * 0.08;
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, largeur - 1.0, hauteur - 1.0), arrondi, arrondi);
    const QRectF interieur(largeur * 0.08, hauteur * 0.06, largeur * 0.84, hauteur * 0.88);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(34, 70, 140));
    p.drawRoundedRect(interieur, arrondi / 2, arrondi / 2);
    p.setClipRect(interieur);
    p.setPen(QPen(QColor(90, 130, 200), 1));
    const int pas = std::max(4, std::min(largeur, hauteur) / 10);
    for (int d = -hauteur; d < largeur + hauteur; d += pas) {
        p.drawLine(QPointF(d, 0), QPointF(d + hauteur, hauteur));
        p.drawLine(QPointF(d, hauteur), QPointF(d + hauteur, 0));
    }
    return image;
}

bool EcritCartes(const QString& dossierCartes)
{
    bool ok = true;
    for (int hauteur : { 100, 125, 150 })
        for (bool francais : { true, false }) {
            const QString dossier
                = QStringLiteral("%1/Cartes_%2/%3/")
                      .arg(dossierCartes)
                      .arg(hauteur)
                      .arg(francais ? QStringLiteral("francais") : QStringLiteral("anglais"));
            ok &= QDir().mkpath(dossier);
            for (int couleur = 1; couleur <= 4; ++couleur)
                for (int rang = 0; rang <= 12; ++rang) {
                    const QString nom = QString::number(couleur * 100 + rang) + ".png";
                    ok &= DessineCarte(couleur, rang, hauteur, francais, false).save(dossier + nom);
                    ok &= DessineCarte(couleur, rang, hauteur, francais, true)
                              .save(dossier + "V" + nom);
                }
        }
    return ok;
}

} // namespace plio::installation
