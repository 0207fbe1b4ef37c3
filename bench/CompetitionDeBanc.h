// A large pairs tournament of random deals for the benchmarks: every board played at every table
// in 4S by North, +1. The deals are not analysed unless asked.
#pragma once

#include "model/DonneAleatoire.h"
#include "model/VariablesGlobales.h"
#include "pbn/LigneDonne.h"

#include <random>
#include <string>

namespace plio::banc {

inline Competition GrandeCompetition(int tables, int nombreDonnes, bool analysee)
{
    Competition c;
    Ttournoi& t = c.Tournoi;
    t.TypeCompetition = "TPP";
    t.NomCompetition = "Grand tournoi";
    t.NombreTables = tables;
    t.NombreDonnes = nombreDonnes;
    DimensionnePaires(t, tables);
    for (int p = 1; p <= 2 * tables; ++p) {
        t.Paires[static_cast<std::size_t>(p)].Numero = p;
        t.Paires[static_cast<std::size_t>(p)].Joueur1 = "H$Joueur " + std::to_string(p);
        t.Paires[static_cast<std::size_t>(p)].Joueur2 = "F$Joueuse " + std::to_string(p);
    }
    c.Donnes.assign(static_cast<std::size_t>(nombreDonnes) + 1, board {});
    std::mt19937 generateur(42);
    for (int b = 1; b <= nombreDonnes; ++b) {
        board& d = c.Donnes[static_cast<std::size_t>(b)];
        d.Indice = d.NumeroEtui = b;
        d.Donneur = "N";
        d.Vulnerabilite = "None";
        d.LigneDonne = LigneDonneDeCouleurs(Nord, DistribueAuHasard(generateur));
        if (analysee)
            for (auto& siege : d.Plis)
                siege.fill(7);
        d.NombreFeuilles = tables;
        d.Feuilles.assign(static_cast<std::size_t>(tables) + 1, ResultsSheet {});
        for (int i = 1; i <= tables; ++i)
            d.Feuilles[static_cast<std::size_t>(i)]
                = { 0, i, tables + i, "", "", "4S", "N", "KH", "+1", 450, 0, "50,00", "50,00" };
    }
    return c;
}

} // namespace plio::banc
