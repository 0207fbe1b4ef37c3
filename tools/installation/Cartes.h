// Card faces: every card of the three sets (100, 125 and 150 pixels high), with French or
// English index letters, and their highlighted versions.
#pragma once

#include <QImage>
#include <QString>

namespace plio::installation {

// suit 1 clubs .. 4 spades, rank 0 (two) .. 12 (ace); the width is 7/10 of the height.
QImage DessineCarte(int couleur, int rang, int hauteur, bool francais, bool surlignee);
QImage DessineDos(int largeur, int hauteur);

// Draws a suit symbol centred in a square.
void DessineSymbole(class QPainter& peintre, int couleur, QRectF carre);
QColor CouleurDe(int couleur);

// Writes "Cartes_<size>/<francais|anglais>/<suit*100+rank>.png" and "V<...>.png".
bool EcritCartes(const QString& dossierCartes);

} // namespace plio::installation
