#include "app/Ecran.h"

#include <algorithm>
#include <cmath>

namespace plio {

FacteursEcran CalculeFacteursEcran(int largeurEcran, int hauteurEcran)
{
    FacteursEcran f;
    f.EchelleY = static_cast<double>(hauteurEcran) / HauteurConception;
    f.EchelleX = static_cast<double>(largeurEcran) / LargeurConception;
    if (f.EchelleX < 1.0 || f.EchelleY < 1.0) {
        f.EchelleX = std::max(f.EchelleX, 1.0);
        f.EchelleY = std::max(f.EchelleY, 1.0);
    }
    f.EchelleMin = std::min(f.EchelleX, f.EchelleY);
    f.LargeurEchelle = static_cast<int>(std::lround(LargeurConception * f.EchelleX));
    f.HauteurEchelle = static_cast<int>(std::lround(HauteurConception * f.EchelleY));
    f.ImagesSXGA = f.EchelleY >= 1.4;

    f.ModeEcran = f.EchelleMin >= 1.35 ? "SXGA" : "XGA";
    if (f.ModeEcran == "SXGA") {
        f.SousRepertoireCartes = "Cartes_125";
        f.TailleCartes = 125;
        f.DecalageCartes = 80;
    } else if (f.EchelleY == 1.0) {
        f.SousRepertoireCartes = "Cartes_100";
        f.TailleCartes = 100;
        f.DecalageCartes = 64;
    } else if (f.EchelleY < 1.35) {
        f.SousRepertoireCartes = "Cartes_125";
        f.TailleCartes = 125;
        f.DecalageCartes = 80;
    } else {
        f.SousRepertoireCartes = "Cartes_150";
        f.TailleCartes = 150;
        f.DecalageCartes = 96;
    }
    return f;
}

} // namespace plio
