// Screen factors: how much the 1024 x 768 design is enlarged for the actual screen, and which
// picture and card sets suit that enlargement.
#pragma once

#include <string>

namespace plio {

inline constexpr int LargeurConception = 1024;
inline constexpr int HauteurConception = 768;

struct FacteursEcran {
    double EchelleX = 1.0;
    double EchelleY = 1.0;
    double EchelleMin = 1.0;
    int LargeurEchelle = LargeurConception;
    int HauteurEchelle = HauteurConception;
    std::string ModeEcran = "XGA"; // "SXGA" or "XGA"
    std::string SousRepertoireCartes = "Cartes_100";
    int TailleCartes = 100; // card set size, design pixels
    int DecalageCartes = 64; // offset between two cards of a hand, design pixels
    bool ImagesSXGA = false; // pictures come from Images_SXGA rather than Images_XGA
};

// Factors for a screen of the given size in pixels. Windows are never shrunk: a screen smaller
// than the design gets factors of 1.
FacteursEcran CalculeFacteursEcran(int largeurEcran, int hauteurEcran);

} // namespace plio
