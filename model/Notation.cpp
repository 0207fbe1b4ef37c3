#include "model/Notation.h"

#include <array>
#include <cctype>
#include <cstdlib>

namespace plio {

namespace {

constexpr std::string_view LettresRangFrancaises = "23456789XVDRA";
constexpr std::string_view LettresRangAnglaises = "23456789TJQKA";

// Suit letters by suit number (index 0 unused); the strain letter of no trump is separate.
constexpr std::string_view CouleursFrancaises = " TKCP";
constexpr std::string_view CouleursAnglaises = " CDHS";
constexpr std::string_view SiegesFrancais = " SONE";
constexpr std::string_view SiegesAnglais = " SWNE";

int PositionDans(std::string_view lettres, char lettre) {
    const auto position = lettres.find(lettre, 1);
    return position == std::string_view::npos ? 0 : static_cast<int>(position);
}

} // namespace

std::string LettreRang(int rang, std::string_view langue) {
    if (rang < 0 || rang > 12) return {};
    const auto lettres = langue == "french" ? LettresRangFrancaises : LettresRangAnglaises;
    return std::string(1, lettres[static_cast<std::size_t>(rang)]);
}

bool ToucheCarteValide(char touche, std::string_view langue) {
    if (touche == ' ' || (touche >= '2' && touche <= '9')) return true;
    const char majuscule = static_cast<char>(std::toupper(static_cast<unsigned char>(touche)));
    const std::string_view honneurs = langue == "french" ? "ARDVX" : "AKQJT";
    return honneurs.find(majuscule) != std::string_view::npos;
}

int NumeroCouleur(char lettre, std::string_view langue) {
    return PositionDans(langue == "anglais" ? CouleursAnglaises : CouleursFrancaises, lettre);
}

int NumeroJoueur(char lettre, std::string_view langue) {
    return PositionDans(langue == "anglais" ? SiegesAnglais : SiegesFrancais, lettre);
}

int CodeContrat(std::string_view contrat, std::string_view langue) {
    int niveau = 1;
    if (!contrat.empty() && contrat[0] >= '1' && contrat[0] <= '7') niveau = contrat[0] - '0';
    int strain = 0;
    if (contrat.size() >= 2) {
        const bool anglais = langue == "anglais";
        const char sansAtout = anglais ? 'N' : 'S';
        strain = contrat[1] == sansAtout
            ? 5
            : PositionDans(anglais ? CouleursAnglaises : CouleursFrancaises, contrat[1]);
    }
    return 5 * (niveau - 1) + strain;
}

int DoublementContrat(std::string_view contrat) {
    if (contrat.ends_with("XX")) return 2;
    if (contrat.ends_with("X")) return 1;
    return 0;
}

std::string NomContratFrancais(int code) {
    if (code < 1 || code > 35) return {};
    const int niveau = (code - 1) / 5 + 1;
    const int strain = code % 5 == 0 ? 5 : code % 5;
    const char chiffre = static_cast<char>('0' + niveau);
    if (strain == 5) return std::string { chiffre, 'S', 'A' };
    return std::string { ' ', chiffre, CouleursFrancaises[static_cast<std::size_t>(strain)] };
}

std::string TexteContratPar(int siege, int strain, std::string_view langue) {
    if (siege < 1 || siege > 4 || strain < 0 || strain > 5) return {};
    const bool francais = langue == "french";
    std::string texte { ' ',
        (francais ? SiegesFrancais : SiegesAnglais)[static_cast<std::size_t>(siege)], ' ' };
    if (strain == 0 || strain == 5) return texte + (francais ? "SA" : "NT");
    return texte
        + (francais ? CouleursFrancaises : CouleursAnglaises)[static_cast<std::size_t>(strain)]
        + ' ';
}

std::string TextePar(const board& donne) {
    // Sides 1..6: the four seats, then North-South and East-West when both partners take the
    // same tricks. A two-digit code (both sides on the same contract) has no text of its own.
    static constexpr std::array<std::string_view, 7> TextesCamp { "", " S", " O", " N", " E", "NS",
        "EO" };
    static constexpr std::array<int, 7> SiegeDuCamp { 0, Sud, Ouest, Nord, Est, Sud, Ouest };
    const int camp = donne.CampPar;
    const int code = donne.ContratPar;
    if (camp < 1 || camp > 6 || code < 1 || code > 35) return {};

    const int niveau = (code - 1) / 5 + 1;
    const int strain = code % 5 == 0 ? 5 : code % 5;
    const int plis = donne.Plis[static_cast<std::size_t>(
        SiegeDuCamp[static_cast<std::size_t>(camp)])][static_cast<std::size_t>(strain)];
    const int ecart = plis - (niveau + 6);
    std::string texte = " par " + std::string(TextesCamp[static_cast<std::size_t>(camp)]);
    if (ecart == 0) return texte + "  =";
    // A par contract that makes with tricks to spare must not read as going down.
    texte += ecart < 0 ? " -" : " +";
    return texte + static_cast<char>('0' + std::abs(ecart) % 10);
}

std::string Aligne2(int n) {
    return (n <= 9 ? " " : "") + std::to_string(n);
}

std::string Aligne4(std::string_view texte) {
    std::string aligne(texte.size() < 4 ? 4 - texte.size() : 0, ' ');
    return aligne.append(texte);
}

} // namespace plio
