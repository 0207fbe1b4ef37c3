// The pattern table: bounds on the tricks still to come, for positions at the start of a trick.
// A position is found by its shape key and hand on lead, then matched against stored patterns of
// the owners of the top cards of each suit that mattered, whatever the owners of the lower cards.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "solver/TablesSolveur.h"

namespace plio {

// Bounds are counted for North-South, from the start of the trick on, so that solves whose
// leading side differs (the four leaders of one strain) share them safely.
struct BornesPlis {
    std::uint8_t Inferieure = 0;
    std::uint8_t Superieure = 15;
    std::array<std::uint8_t, 4> OrdreRelatif {}; // suit s at index s - 1: top cards that mattered
    std::uint8_t CouleurCoup = 0; // lead that reached the bound; 0 = none
    std::uint8_t RangCoup = 0;
};

// The owners of the top cards of each suit that mattered: the 2k low bits of the owner pattern,
// k being the suit's relative order in the bounds.
struct MotifCouleur {
    std::array<std::uint32_t, 4> Valeur {};
    BornesPlis Bornes;
};

class TableMotifs {
public:
    static constexpr std::uint32_t Aucun = 0xFFFFFFFFu;

    TableMotifs();

    // Forgets every entry; the memory stays reserved for the next deal.
    void Vide();
    // Gives the memory back (the next use reserves it again).
    void Libere();

    // First pattern of the shape (cle, entameur) that the owners of the position match and whose
    // bounds satisfy `decide`; nullptr when none does.
    template <class Decide>
    const MotifCouleur* Cherche(std::uint64_t cle, int entameur,
        const std::array<std::uint32_t, 4>& proprietaires, Decide&& decide)
    {
        if (emplacements_.empty()) return nullptr;
        const std::uint32_t e = TrouveEmplacement(cle, entameur);
        if (e == Aucun) return nullptr;
        // The patterns of one shape lie side by side: a scan reads them in order, newest first.
        std::vector<MotifCouleur>& liste = listes_[emplacements_[e].Tete];
        const auto& masque = Tables().MasqueMotif;
        for (auto m = liste.rbegin(); m != liste.rend(); ++m) {
            const auto& k = m->Bornes.OrdreRelatif;
            // One test of the four suits together: a branch per suit mispredicts too often.
            const std::uint32_t ecart = ((proprietaires[0] & masque[k[0]]) ^ m->Valeur[0])
                | ((proprietaires[1] & masque[k[1]]) ^ m->Valeur[1])
                | ((proprietaires[2] & masque[k[2]]) ^ m->Valeur[2])
                | ((proprietaires[3] & masque[k[3]]) ^ m->Valeur[3]);
            if (ecart == 0 && decide(m->Bornes)) {
                // A pattern that decides moves one place toward the front of the scan: the
                // ones that keep deciding end up read first.
                if (m != liste.rbegin()) {
                    std::swap(*m, *std::prev(m));
                    return &*std::prev(m);
                }
                return &*m;
            }
        }
        return nullptr;
    }

    // The pattern with exactly these orders and values, created with open bounds when missing.
    BornesPlis& Stocke(std::uint64_t cle, int entameur, const std::array<std::uint8_t, 4>& ordres,
        const std::array<std::uint32_t, 4>& valeurs);

    std::size_t Octets() const;
    std::size_t NombreMotifs() const { return nombreMotifs_; }

private:
    struct Emplacement {
        std::uint64_t Cle = 0;
        std::uint32_t Tete = Aucun; // its list of patterns
        std::uint32_t GenerationEntameur = 0; // generation * 4 + hand on lead - 1
    };
    // The slots start small, so that the few thousand shapes of a usual solve stay in the
    // processor's caches, and double up to the largest size as they fill.
    static constexpr std::uint32_t BitsEmplacementsDepart = 13;
    static constexpr std::uint32_t BitsEmplacementsMaximum = 19;
    // Past these the table is emptied. The largest slot table (8 MB), the list headers (13 MB)
    // and the patterns the lists can hold (41 MB) keep one solver under 64 MB.
    static constexpr std::uint32_t MotifsMaximum = 1100000;
    static constexpr std::size_t CapaciteMaximum = 1700000;
    static constexpr std::size_t ListesGardees = 65536;
    static constexpr std::size_t CapaciteGardee = 16;
    static constexpr std::uint32_t EmplacementsMaximum = (1u << BitsEmplacementsMaximum) / 10 * 7;

    std::uint32_t TrouveEmplacement(std::uint64_t cle, int entameur) const;
    void Agrandit();

    std::vector<Emplacement> emplacements_;
    std::uint32_t masqueEmplacements_ = 0; // slot count - 1
    // Small lists are kept, emptied, from one use to the next: their memory is reused.
    std::vector<std::vector<MotifCouleur>> listes_;
    std::size_t capaciteListes_ = 0; // patterns the lists can hold without growing
    std::uint32_t generation_ = 1;
    std::uint32_t nombreMotifs_ = 0;
    std::uint32_t nombreEmplacements_ = 0;
};

} // namespace plio
