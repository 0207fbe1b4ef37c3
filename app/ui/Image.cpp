#include "app/ui/Image.h"

#include <QMouseEvent>

namespace plio {

TImage::TImage(QWidget* parent)
    : QLabel(parent)
{
    setScaledContents(true);
}

void TImage::mouseReleaseEvent(QMouseEvent* evenement)
{
    if (evenement->button() == Qt::LeftButton && rect().contains(evenement->position().toPoint())
        && SurClic)
        SurClic();
    QLabel::mouseReleaseEvent(evenement);
}

} // namespace plio
