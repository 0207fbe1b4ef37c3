// TNLabel: a label drawn inside a filled rounded rectangle with an outline. The windows use it
// for framed titles, button groups and message panels.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPoint>
#include <QSize>

namespace plio {

// Distance from the edges that keeps the text clear of corners rounded by an ellipse of
// courbe x courbe pixels.
int MargeCourbe(int courbe);

// Top-left corner of a caption of the given size in a label of the given size, by the label's
// alignment (horizontal and vertical flags of Qt::Alignment), inside the margin of the corners.
QPoint PositionTexte(QSize label, QSize texte, int courbe, Qt::Alignment alignement);

class TNLabel : public QLabel {
public:
    explicit TNLabel(QWidget* parent = nullptr);

    int Courbe() const { return courbe; }
    void SetCourbe(int valeur);
    QColor CouleurContour() const { return contour; }
    void SetCouleurContour(const QColor& couleur);

    // The fill colour; an invalid colour means no fill: the label paints as a plain label.
    QColor Couleur() const { return fond; }
    void SetCouleur(const QColor& couleur);

    bool Transparent() const { return !fond.isValid(); }

    // Automatic sizing fits the label around its caption plus the corner margins.
    bool AutoSize() const { return tailleAuto; }
    void SetAutoSize(bool actif);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    int courbe = 20;
    QColor contour = Qt::black;
    QColor fond;
    bool tailleAuto = false;
};

} // namespace plio
