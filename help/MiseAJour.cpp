#include "help/MiseAJour.h"

namespace plio {

std::string CheminAide(std::string_view repertoireAide)
{
    return std::string(repertoireAide) + "AidePs.pdf";
}

std::string CheminRelatifMiseAJour()
{
    return "Fichiers_TXT/PlioscopeDate.txt";
}

std::string AdresseMiseAJour(std::string_view racineSite)
{
    std::string adresse(racineSite);
    if (!adresse.empty() && adresse.back() != '/') adresse += '/';
    return adresse + CheminRelatifMiseAJour();
}

void VerifieUpdate(bool& miseAJourVerifiee, std::string_view racineSite, const LecteurTexte& lit,
    Dialogues& dialogues)
{
    if (miseAJourVerifiee) return;
    miseAJourVerifiee = true;
    if (racineSite.empty() || !lit) return;
    const std::optional<std::string> date = lit(AdresseMiseAJour(racineSite));
    // The texts are compared whole, line ends included: the dates are not parsed, so any
    // difference, older or newer, is news.
    if (date && *date != DateVersion) dialogues.AfficheMessage(std::string(MessageMiseAJour));
}

} // namespace plio
