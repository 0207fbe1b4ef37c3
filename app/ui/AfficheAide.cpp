#include "app/ui/AfficheAide.h"

#include "help/MiseAJour.h"

namespace plio {

TForm15::TForm15(Contexte& c)
    : Fenetre(c, "TForm15")
{
}

void TForm15::Button2Click()
{
    if (contexte.ouvreDocument) contexte.ouvreDocument(CheminAide(contexte.reps.RepertoireAide));
}

} // namespace plio
