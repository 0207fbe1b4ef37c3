#include "app/ui/ScaleControls.h"

#include "app/ui/Image.h"
#include "app/ui/NLabel.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace plio {
namespace {

template <typename Controle> Controle* Place(QWidget& fenetre, QRect bornes, int police = 20)
{
    auto* controle = new Controle(&fenetre);
    controle->setGeometry(bornes);
    QFont f = controle->font();
    f.setPixelSize(police);
    controle->setFont(f);
    return controle;
}

TEST(ScaleControls, BoundsByBothFactorsFontsByTheirKind)
{
    // 1280 x 1024: EchelleX 1.25, EchelleY 1.333..., EchelleMin 1.25.
    const FacteursEcran f = CalculeFacteursEcran(1280, 1024);
    QWidget fenetre;
    auto* label = Place<QLabel>(fenetre, { 10, 30, 101, 33 });
    auto* speed = Place<QToolButton>(fenetre, { 10, 30, 101, 33 });
    auto* bouton = Place<QPushButton>(fenetre, { 10, 30, 101, 33 });
    auto* image = Place<TImage>(fenetre, { 10, 30, 101, 33 });
    auto* fixe = Place<TImage>(fenetre, { 10, 30, 101, 33 });
    fixe->Tag = 100;
    ScaleControls(&fenetre, f);

    // 10 x 1.25 = 12.5 rounds to 13; 30 x 4/3 = 40; 101 x 1.25 = 126.25; 33 x 4/3 = 44.
    const QRect attendu(13, 40, 126, 44);
    EXPECT_EQ(label->geometry(), attendu);
    EXPECT_EQ(speed->geometry(), attendu);
    EXPECT_EQ(bouton->geometry(), attendu);
    EXPECT_EQ(image->geometry(), attendu);
    EXPECT_TRUE(image->hasScaledContents());
    EXPECT_EQ(fixe->geometry(), QRect(10, 30, 101, 33));

    EXPECT_EQ(label->font().pixelSize(), 27); // x EchelleY: 26.67
    EXPECT_EQ(speed->font().pixelSize(), 27);
    EXPECT_EQ(bouton->font().pixelSize(), 25); // x EchelleMin
}

TEST(ScaleControls, DesignScreenChangesNothing)
{
    QWidget fenetre;
    auto* cadre = Place<TNLabel>(fenetre, { 796, 51, 212, 104 }, 14);
    ScaleControls(&fenetre, CalculeFacteursEcran(1024, 768));
    EXPECT_EQ(cadre->geometry(), QRect(796, 51, 212, 104));
    EXPECT_EQ(cadre->font().pixelSize(), 14);
}

} // namespace
} // namespace plio
