#include "app/ui/NLabel.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace plio {

int MargeCourbe(int courbe)
{
    return static_cast<int>(std::lround(courbe * 0.5 - courbe * 0.707106781186 * 0.5 + 1));
}

QPoint PositionTexte(QSize label, QSize texte, int courbe, Qt::Alignment alignement)
{
    const int m = MargeCourbe(courbe);
    const int l = label.width();
    const int h = label.height();
    int x = m;
    if (alignement & Qt::AlignRight)
        x = (l - m) - texte.width();
    else if (alignement & Qt::AlignHCenter)
        x = (m + l - m) / 2 - texte.width() / 2;
    int y = m;
    if (alignement & Qt::AlignBottom)
        y = (h - m) - texte.height();
    else if (alignement & Qt::AlignVCenter)
        y = (m + h - m) / 2 - texte.height() / 2;
    return { x, y };
}

TNLabel::TNLabel(QWidget* parent)
    : QLabel(parent)
    , fond(QApplication::palette().color(QPalette::Button))
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TNLabel::SetCourbe(int valeur)
{
    courbe = valeur;
    update();
}

void TNLabel::SetCouleurContour(const QColor& couleur)
{
    contour = couleur;
    update();
}

void TNLabel::SetCouleur(const QColor& couleur)
{
    fond = couleur;
    update();
}

void TNLabel::SetAutoSize(bool actif)
{
    tailleAuto = actif;
    update();
}

void TNLabel::paintEvent(QPaintEvent* evenement)
{
    if (Transparent()) {
        QLabel::paintEvent(evenement);
        return;
    }
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setFont(font());
    const QFontMetrics mesure(font());
    const int m = MargeCourbe(courbe);
    // Message panels wrap their caption within the margins; a caption may also hold line breaks.
    const bool plusieursLignes = wordWrap() || text().contains(QLatin1Char('\n'));
    const int drapeaux = wordWrap() ? Qt::TextWordWrap : 0;
    const int largeurPermise = wordWrap() ? std::max(1, width() - 2 * m) : QWIDGETSIZE_MAX;
    const QSize texte = plusieursLignes
        ? mesure.boundingRect(QRect(0, 0, largeurPermise, QWIDGETSIZE_MAX), drapeaux, text()).size()
        : QSize(mesure.horizontalAdvance(text()), mesure.height());
    if (tailleAuto) {
        const QSize voulue(texte.width() + 2 * m, texte.height() + 2 * m);
        if (size() != voulue) {
            resize(voulue);
            return; // the resize repaints with the new size
        }
    }
    // The outline is drawn on the pixel centres, half a pixel inside the control.
    peintre.setPen(QPen(contour, 1));
    peintre.setBrush(fond);
    peintre.drawRoundedRect(
        QRectF(0.5, 0.5, width() - 1, height() - 1), courbe / 2.0, courbe / 2.0);

    const QRect rectangleTexte(QPoint(m, m), QPoint(width() - m, height() - m));
    const QPoint position = PositionTexte(size(), texte, courbe, alignment());
    peintre.setPen(palette().color(QPalette::WindowText));
    peintre.setClipRect(rectangleTexte);
    peintre.drawText(
        QRect(position, texte), drapeaux | (alignment() & Qt::AlignHorizontal_Mask), text());
}

} // namespace plio
