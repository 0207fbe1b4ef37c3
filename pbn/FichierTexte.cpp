#include "pbn/FichierTexte.h"

#include <atomic>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace plio {

std::optional<std::string> LitOctets(const std::filesystem::path& chemin)
{
    // A folder opens as a stream on some systems and reads as nothing: it is no file.
    std::error_code erreur;
    if (!std::filesystem::is_regular_file(chemin, erreur)) return std::nullopt;
    std::ifstream entree(chemin, std::ios::binary);
    if (!entree) return std::nullopt;
    std::string octets((std::istreambuf_iterator<char>(entree)), std::istreambuf_iterator<char>());
    if (entree.bad()) return std::nullopt;
    return octets;
}

std::vector<std::string> DecoupeLignes(std::string_view texte)
{
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        const std::size_t suivant = fin == std::string_view::npos ? texte.size() : fin + 1;
        if (fin == std::string_view::npos) fin = texte.size();
        std::string_view ligne = texte.substr(debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        lignes.emplace_back(ligne);
        debut = suivant;
    }
    return lignes;
}

bool EcritAtomiquement(const std::filesystem::path& chemin, std::string_view octets)
{
    // A name no other writer of this folder uses at the same moment.
    static std::atomic<unsigned> compteur { 0 };
    std::filesystem::path temporaire = chemin;
    temporaire += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(compteur++);
    {
        std::ofstream sortie(temporaire, std::ios::binary | std::ios::trunc);
        if (!sortie) return false;
        sortie.write(octets.data(), static_cast<std::streamsize>(octets.size()));
        sortie.flush();
        if (!sortie) {
            sortie.close();
            std::error_code ignore;
            std::filesystem::remove(temporaire, ignore);
            return false;
        }
    }
    std::error_code erreur;
    std::filesystem::rename(temporaire, chemin, erreur);
    if (erreur) {
        std::error_code ignore;
        std::filesystem::remove(temporaire, ignore);
        return false;
    }
    return true;
}

std::filesystem::path FichierCompagnon(
    const std::filesystem::path& chemin, std::string_view suffixe)
{
    std::filesystem::path compagnon = chemin;
    std::string nom = chemin.stem().string();
    nom += suffixe;
    nom += ".pbn";
    compagnon.replace_filename(nom);
    return compagnon;
}

} // namespace plio
