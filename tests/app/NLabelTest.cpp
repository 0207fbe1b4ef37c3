#include "app/ui/NLabel.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace plio {
namespace {

TEST(TNLabel, MarginKeepsTextClearOfTheCorners)
{
    const std::pair<int, int> cas[] = { { 0, 1 }, { 5, 2 }, { 8, 2 }, { 10, 2 }, { 20, 4 } };
    for (const auto& [courbe, marge] : cas)
        EXPECT_EQ(MargeCourbe(courbe), marge) << courbe;
}

TEST(TNLabel, TextPositionByAlignment)
{
    const QSize label(100, 40);
    const QSize texte(30, 12);
    struct Cas {
        Qt::Alignment alignement;
        QPoint position;
    };
    // Courbe 20: margin 4. Centre: (4 + 96) div 2 - 15 = 35; (4 + 36) div 2 - 6 = 14.
    const Cas cas[] = {
        { Qt::AlignLeft | Qt::AlignTop, { 4, 4 } },
        { Qt::AlignRight | Qt::AlignBottom, { 66, 24 } },
        { Qt::AlignCenter, { 35, 14 } },
        { Qt::AlignLeft | Qt::AlignVCenter, { 4, 14 } },
    };
    for (const Cas& c : cas)
        EXPECT_EQ(PositionTexte(label, texte, 20, c.alignement), c.position)
            << c.alignement.toInt();
    // Odd sizes use integer divisions: (4 + 97) div 2 - 31 div 2 = 50 - 15.
    EXPECT_EQ(PositionTexte({ 101, 41 }, { 31, 13 }, 20, Qt::AlignCenter), QPoint(35, 14));
}

TEST(TNLabel, CentredCaptionWiderThanTheLabelStartsLeftOfTheMargin)
{
    const QPoint p = PositionTexte({ 60, 30 }, { 80, 12 }, 10, Qt::AlignCenter);
    EXPECT_LT(p.x(), MargeCourbe(10));
}

QImage Rendu(TNLabel& label)
{
    label.resize(120, 50);
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

TEST(TNLabel, PaintsAFilledRoundedFrame)
{
    TNLabel label;
    label.SetCouleur(QColor(0, 200, 0));
    label.SetCouleurContour(Qt::blue);
    label.SetCourbe(20);
    const QImage image = Rendu(label);
    EXPECT_EQ(image.pixelColor(60, 25), QColor(0, 200, 0));
    EXPECT_EQ(image.pixelColor(60, 0), QColor(Qt::blue));
    // The corner lies outside the rounded rectangle.
    EXPECT_NE(image.pixelColor(0, 0), QColor(0, 200, 0));
    EXPECT_NE(image.pixelColor(0, 0), QColor(Qt::blue));

    // Without rounding the corner pixel belongs to the outline (smoothing may soften it).
    label.SetCourbe(0);
    const QColor coin = Rendu(label).pixelColor(0, 0);
    EXPECT_GT(coin.blue(), 200);
    EXPECT_LT(coin.red(), 80);
    EXPECT_LT(coin.green(), 80);
}

TEST(TNLabel, TransparentLabelDrawsNoFrame)
{
    TNLabel label;
    label.SetCouleur(QColor());
    label.setAttribute(Qt::WA_TranslucentBackground);
    ASSERT_TRUE(label.Transparent());
    const QImage image = Rendu(label);
    EXPECT_NE(image.pixelColor(60, 0), QColor(Qt::black));
    EXPECT_NE(image.pixelColor(60, 25), QApplication::palette().color(QPalette::Button));
}

TEST(TNLabel, WrappedCaptionStaysInsideTheMargins)
{
    TNLabel label;
    label.SetCouleur(Qt::white);
    label.SetCouleurContour(Qt::white); // only the caption inks
    label.SetCourbe(20);
    label.setWordWrap(true);
    label.setText(QStringLiteral("Un texte assez long pour tenir sur plusieurs lignes du cadre"));
    QPalette encre = label.palette();
    encre.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(encre);
    const QImage image = Rendu(label);
    // Ink on several lines, none of it in the right margin.
    int lignesEncrees = 0;
    for (int y = 4; y < 46; ++y) {
        bool encre = false;
        for (int x = 4; x < 116; ++x)
            encre |= image.pixelColor(x, y).lightness() < 128;
        lignesEncrees += encre;
    }
    EXPECT_GT(lignesEncrees, 15);
    for (int y = 4; y < 46; ++y)
        for (int x = 117; x < 119; ++x)
            EXPECT_GE(image.pixelColor(x, y).lightness(), 128);
}

TEST(TNLabel, AutomaticSizingFitsTheCaptionAndMargins)
{
    TNLabel label;
    label.SetCourbe(20);
    label.setText(QStringLiteral("Plioscope"));
    label.SetAutoSize(true);
    Rendu(label);
    const QFontMetrics mesure(label.font());
    EXPECT_EQ(label.size(), QSize(mesure.horizontalAdvance(label.text()) + 8, mesure.height() + 8));
}

} // namespace
} // namespace plio
