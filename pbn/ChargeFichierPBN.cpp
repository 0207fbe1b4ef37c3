#include "pbn/ChargeFichierPBN.h"

#include "model/Textes.h"
#include "pbn/EcritureDialecte.h"
#include "pbn/FichierTexte.h"
#include "pbn/LectureFichier.h"

namespace plio {

namespace {

OuvertureFichier Echec(OuvertureFichier ouverture, ResultatFichier resultat, Dialogues& dialogues)
{
    ouverture.resultat = std::move(resultat);
    dialogues.AfficheMessage(ouverture.resultat.message);
    return ouverture;
}

} // namespace

OuvertureFichier ChargeFichierPBN(Competition& competition, const std::filesystem::path& chemin,
    Dialogues& dialogues, std::string_view langue)
{
    OuvertureFichier ouverture;
    LectureFichier premiere = LitFichierPBN(chemin, langue);
    ouverture.diagnostic = premiere.diagnostic;
    if (!premiere.resultat.reussi())
        return Echec(std::move(ouverture), premiere.resultat, dialogues);

    // Whatever the rewrite would drop (tags and comments of other programs, another encoding)
    // stays on disk beside the file.
    const std::string normalise = TexteFichierPBN(premiere.competition, langue);
    const std::filesystem::path original = FichierCompagnon(chemin, "_Orig");
    std::error_code erreur;
    if (DecoupeLignes(normalise) != DecoupeLignes(premiere.octets)
        && !std::filesystem::exists(original, erreur)) {
        if (!EcritAtomiquement(original, premiere.octets))
            return Echec(std::move(ouverture), { IssueFichier::NonEcrite, 0, Message(28, langue) },
                dialogues);
        ouverture.copieDeLOriginal = original;
    }

    ouverture.resultat = EcritFichierPBN(premiere.competition, chemin, dialogues, langue);
    if (!ouverture.resultat.reussi()) return ouverture;

    LectureFichier seconde = LitFichierPBN(chemin, langue);
    if (!seconde.resultat.reussi()) return Echec(std::move(ouverture), seconde.resultat, dialogues);

    ouverture.copieDeSecours = FichierCompagnon(chemin, "_Bis");
    ouverture.resultat
        = EcritFichierPBN(seconde.competition, ouverture.copieDeSecours, dialogues, langue);
    if (!ouverture.resultat.reussi()) return ouverture;

    // What the file does not hold is the session's, not the file's: keep it.
    Ttournoi& nouveau = seconde.competition.Tournoi;
    nouveau.Mode = competition.Tournoi.Mode;
    nouveau.ListeChoisie = competition.Tournoi.ListeChoisie;
    nouveau.DonnesAleatoires = competition.Tournoi.DonnesAleatoires;
    competition = std::move(seconde.competition);
    return ouverture;
}

void ChargeFichierPBN()
{
    ChargeFichierPBN(CompetitionCourante, Tournoi.NomFichier, *DialoguesProgramme, Langue);
}

} // namespace plio
