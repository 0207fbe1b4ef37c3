#include "pbn/LectureFichier.h"

#include "model/Textes.h"
#include "pbn/ConvertitNotation.h"
#include "pbn/Encodage.h"
#include "pbn/FichierTexte.h"
#include "pbn/LectureDialecte.h"
#include "pbn/LecturePbnOrdinaire.h"

namespace plio {

LectureFichier LitFichierPBN(const std::filesystem::path& chemin, std::string_view langue)
{
    LectureFichier lecture;
    auto octets = LitOctets(chemin);
    if (!octets) {
        lecture.resultat = { IssueFichier::Illisible, 0, Message(28, langue) };
        return lecture;
    }
    lecture.octets = std::move(*octets);
    std::string texte
        = Utf8Valide(lecture.octets) ? lecture.octets : Windows1252VersUtf8(lecture.octets);
    // The byte order mark some editors put before UTF-8 text would hide the first tag.
    if (texte.starts_with("\xEF\xBB\xBF")) texte.erase(0, 3);
    const std::vector<std::string> lignes = DecoupeLignes(texte);

    Competition& competition = lecture.competition;
    if (EstDuDialecte(lignes)) {
        lecture.resultat = LitDialecte(lignes, competition, lecture.diagnostic);
        if (!lecture.resultat.reussi()) {
            lecture.resultat.message = Message(28, langue);
            return lecture;
        }
    } else {
        LitPbnOrdinaire(lignes, chemin.stem().string(), competition, lecture.diagnostic);
    }

    competition.Tournoi.NomFichier = chemin.string();
    competition.EtatFichier = EtatDeFichier(lecture.diagnostic.drapeaux);
    competition.FichierCharge = true;
    ConvertitNotation(competition, langue, langue);
    return lecture;
}

} // namespace plio
