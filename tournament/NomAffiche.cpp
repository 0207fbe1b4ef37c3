#include "tournament/NomAffiche.h"

namespace plio {

namespace {

// Names are UTF-8: widths count characters, and a cut never splits one.
std::size_t DebutCaractere(std::string_view texte, std::size_t n)
{
    std::size_t octet = 0;
    for (std::size_t compte = 0; octet < texte.size() && compte < n; ++compte) {
        ++octet;
        while (octet < texte.size() && (static_cast<unsigned char>(texte[octet]) & 0xC0) == 0x80)
            ++octet;
    }
    return octet;
}

std::size_t NombreCaracteres(std::string_view texte)
{
    std::size_t n = 0;
    for (char c : texte)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string AjusteLargeur(std::string_view texte, std::size_t largeur)
{
    std::string resultat(texte.substr(0, DebutCaractere(texte, largeur)));
    resultat.append(largeur - NombreCaracteres(resultat), ' ');
    return resultat;
}

} // namespace

std::string NomAffiche(std::string_view nomStocke, std::string_view langue)
{
    const bool femme = nomStocke.starts_with("F$");
    // Names that came from elsewhere than the names window carry no marker: keep them whole.
    const bool marque = femme || nomStocke.starts_with("H$");
    const std::string_view nom = marque ? nomStocke.substr(2) : nomStocke;
    if (femme)
        return std::string(langue == "french" ? "Mme" : "Mrs") + " " + AjusteLargeur(nom, 12);
    return "Mr " + AjusteLargeur(nom, 13);
}

std::string EtiquettePaire(const Tpaires& paire, std::string_view apresNumero,
    std::string_view entreJoueurs, std::string_view langue)
{
    std::string etiquette = std::to_string(paire.Numero);
    etiquette += apresNumero;
    etiquette += NomAffiche(paire.Joueur1, langue);
    etiquette += entreJoueurs;
    etiquette += NomAffiche(paire.Joueur2, langue);
    return etiquette;
}

} // namespace plio
