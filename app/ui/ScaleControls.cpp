#include "app/ui/ScaleControls.h"

#include "app/ui/Image.h"
#include "app/ui/NLabel.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <cmath>

namespace plio {

namespace {

int Arrondi(double x)
{
    return static_cast<int>(std::lround(x));
}

void EchelleBornes(QWidget* controle, const FacteursEcran& f)
{
    const QRect r = controle->geometry();
    controle->setGeometry(Arrondi(r.left() * f.EchelleX), Arrondi(r.top() * f.EchelleY),
        Arrondi(r.width() * f.EchelleX), Arrondi(r.height() * f.EchelleY));
}

void EchellePolice(QWidget* controle, double facteur)
{
    QFont police = controle->font();
    if (police.pixelSize() > 0)
        police.setPixelSize(Arrondi(police.pixelSize() * facteur));
    else
        police.setPointSizeF(police.pointSizeF() * facteur);
    controle->setFont(police);
}

} // namespace

void ScaleControls(QWidget* fenetre, const FacteursEcran& f)
{
    for (QWidget* controle : fenetre->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (auto* picture = dynamic_cast<TImage*>(controle)) {
            if (picture->Tag >= 100) continue;
            EchelleBornes(picture, f);
            picture->setScaledContents(true);
        } else if (dynamic_cast<TNLabel*>(controle)) {
            // The rounded frames hold buttons: they follow the buttons, or the buttons would
            // spill out of them on any screen larger than the design.
            EchelleBornes(controle, f);
            EchellePolice(controle, f.EchelleY);
        } else if (qobject_cast<QLabel*>(controle) || qobject_cast<QToolButton*>(controle)) {
            EchelleBornes(controle, f);
            EchellePolice(controle, f.EchelleY);
        } else if (qobject_cast<QPushButton*>(controle)
            || qobject_cast<QAbstractScrollArea*>(controle)) {
            EchelleBornes(controle, f);
            EchellePolice(controle, f.EchelleMin);
        }
    }
}

} // namespace plio
