// Readers of the reference results in ../shared/oracle (seats N E S W there; S W N E here).
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace plio::test {

using Mains = std::array<std::array<std::uint16_t, 5>, 5>;

inline int SiegeOracle(char c)
{
    return c == 'N' ? 3 : c == 'E' ? 4 : c == 'S' ? 1 : 2;
}
inline int CouleurOracle(char c)
{
    return c == 'C' ? 1 : c == 'D' ? 2 : c == 'H' ? 3 : 4;
}
inline int StrainOracle(const std::string& t)
{
    return t == "NT" ? 5 : CouleurOracle(t[0]);
}
inline int RangOracle(char c)
{
    const std::string rangs = "23456789TJQKA";
    return static_cast<int>(rangs.find(c));
}

// "N:K842.AK7.K87.JT2 T6.QJ..." with the first seat N.
inline Mains LitMainsOracle(const std::string& texte)
{
    Mains m {};
    int siege = SiegeOracle(texte[0]);
    int couleur = 4;
    for (std::size_t i = 2; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == ' ') {
            siege = siege % 4 + 1;
            couleur = 4;
        } else if (c == '.') {
            --couleur;
        } else {
            m[siege][couleur] |= static_cast<std::uint16_t>(1u << RangOracle(c));
        }
    }
    return m;
}

struct DonneOracle {
    int numero = 0;
    Mains mains {};
    std::array<std::array<int, 6>, 5> plis {}; // [declarer][strain]
    std::array<std::array<std::array<int, 5>, 6>, 5> entames {}; // [leader][strain][suit]
};

struct PositionOracle {
    int numero = 0;
    int atout = 0;
    Mains mains {};
    int entameur = 0;
    std::vector<std::pair<int, int>> table; // (suit, rank)
    std::map<std::pair<int, int>, int> valeurs;
};

inline std::string CheminOracle(const char* fichier)
{
    return std::string(PLIO_SOURCE_DIR) + "/../shared/oracle/" + fichier;
}

inline std::vector<DonneOracle> LitDonnesOracle()
{
    std::ifstream f(CheminOracle("full_deals.txt"));
    std::vector<DonneOracle> donnes;
    std::string ligne;
    while (std::getline(f, ligne)) {
        if (ligne.empty() || ligne[0] == '#') continue;
        std::istringstream in(ligne);
        std::string mot;
        in >> mot;
        if (mot == "deal") {
            donnes.emplace_back();
            in >> donnes.back().numero;
        } else if (mot == "pbn") {
            std::string reste;
            std::getline(in >> std::ws, reste);
            donnes.back().mains = LitMainsOracle(reste);
        } else if (mot == "dd") {
            std::string siege;
            in >> siege;
            for (int strain = 1; strain <= 5; ++strain)
                in >> donnes.back().plis[SiegeOracle(siege[0])][strain];
        } else if (mot == "lead") {
            std::string siege, strain, carte;
            int m = 0;
            in >> siege >> strain >> m;
            auto& e = donnes.back().entames[SiegeOracle(siege[0])][StrainOracle(strain)];
            while (in >> carte)
                e[CouleurOracle(carte[0])] |= 1 << RangOracle(carte[1]);
        }
    }
    return donnes;
}

inline std::vector<PositionOracle> LitPositionsOracle()
{
    std::ifstream f(CheminOracle("midplay.txt"));
    std::vector<PositionOracle> positions;
    std::string ligne;
    while (std::getline(f, ligne)) {
        if (ligne.empty() || ligne[0] == '#') continue;
        std::istringstream in(ligne);
        std::string mot, valeur;
        in >> mot;
        if (mot == "position") {
            positions.emplace_back();
            in >> positions.back().numero;
            continue;
        }
        if (positions.empty()) continue;
        PositionOracle& p = positions.back();
        if (mot == "trump") {
            in >> valeur;
            p.atout = StrainOracle(valeur) % 5;
        } else if (mot == "hands") {
            std::string reste;
            std::getline(in >> std::ws, reste);
            p.mains = LitMainsOracle(reste);
        } else if (mot == "leader") {
            in >> valeur;
            p.entameur = SiegeOracle(valeur[0]);
        } else if (mot == "table") {
            while (in >> valeur)
                if (valeur != "-")
                    p.table.emplace_back(CouleurOracle(valeur[0]), RangOracle(valeur[1]));
        } else if (mot == "result") {
            while (in >> valeur) {
                const auto deuxPoints = valeur.find(':');
                p.valeurs[{ CouleurOracle(valeur[0]), RangOracle(valeur[1]) }]
                    = std::stoi(valeur.substr(deuxPoints + 1));
            }
        }
    }
    return positions;
}

} // namespace plio::test
