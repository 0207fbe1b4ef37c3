#include "solver/TableMotifs.h"

#include <algorithm>

namespace plio {

namespace {

std::uint32_t Disperse(std::uint64_t cle, int entameur)
{
    std::uint64_t x = cle ^ (static_cast<std::uint64_t>(entameur) * 0x9E3779B97F4A7C15ull);
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 29;
    return static_cast<std::uint32_t>(x);
}

} // namespace

TableMotifs::TableMotifs() = default;

void TableMotifs::Vide()
{
    // A new generation invalidates every slot without touching the memory.
    ++generation_;
    if (generation_ >= (1u << 29)) {
        generation_ = 1;
        std::fill(emplacements_.begin(), emplacements_.end(), Emplacement {});
    }
    nombreMotifs_ = 0;
    nombreEmplacements_ = 0;
    // The lists go to whichever shapes come next: only small ones, and not too many, are kept,
    // so that what one deal left over never counts against the next one's room.
    if (listes_.size() > ListesGardees) listes_.resize(ListesGardees);
    capaciteListes_ = 0;
    for (auto& liste : listes_) {
        liste.clear();
        if (liste.capacity() > CapaciteGardee) std::vector<MotifCouleur>().swap(liste);
        capaciteListes_ += liste.capacity();
    }
}

void TableMotifs::Libere()
{
    std::vector<Emplacement>().swap(emplacements_);
    masqueEmplacements_ = 0;
    std::vector<std::vector<MotifCouleur>>().swap(listes_);
    capaciteListes_ = 0;
    nombreMotifs_ = 0;
    nombreEmplacements_ = 0;
}

std::uint32_t TableMotifs::TrouveEmplacement(std::uint64_t cle, int entameur) const
{
    const std::uint32_t masque = masqueEmplacements_;
    const std::uint32_t attendu = generation_ * 4 + static_cast<std::uint32_t>(entameur - 1);
    for (std::uint32_t i = Disperse(cle, entameur) & masque;; i = (i + 1) & masque) {
        const Emplacement& e = emplacements_[i];
        if (e.GenerationEntameur >> 2 != generation_) return Aucun;
        if (e.Cle == cle && e.GenerationEntameur == attendu) return i;
    }
}

BornesPlis& TableMotifs::Stocke(std::uint64_t cle, int entameur,
    const std::array<std::uint8_t, 4>& ordres, const std::array<std::uint32_t, 4>& valeurs)
{
    if (emplacements_.empty()) {
        emplacements_.assign(std::size_t { 1 } << BitsEmplacementsDepart, {});
        masqueEmplacements_ = (1u << BitsEmplacementsDepart) - 1;
    }
    if (nombreMotifs_ >= MotifsMaximum || nombreEmplacements_ >= EmplacementsMaximum
        || capaciteListes_ >= CapaciteMaximum)
        Vide();
    if (nombreEmplacements_ >= (masqueEmplacements_ + 1) / 10 * 7) Agrandit();

    const std::uint32_t masque = masqueEmplacements_;
    const std::uint32_t attendu = generation_ * 4 + static_cast<std::uint32_t>(entameur - 1);
    std::uint32_t i = Disperse(cle, entameur) & masque;
    for (;; i = (i + 1) & masque) {
        Emplacement& e = emplacements_[i];
        if (e.GenerationEntameur >> 2 != generation_) {
            // Slots take the lists in order: the first nombreEmplacements_ lists are in use.
            e = Emplacement { cle, nombreEmplacements_++, attendu };
            if (listes_.size() < nombreEmplacements_) listes_.emplace_back();
            break;
        }
        if (e.Cle == cle && e.GenerationEntameur == attendu) break;
    }
    std::vector<MotifCouleur>& liste = listes_[emplacements_[i].Tete];
    for (MotifCouleur& m : liste) {
        const auto& o = m.Bornes.OrdreRelatif;
        const auto& v = m.Valeur;
        // Compared field by field: a library compare of the arrays is a call per pattern.
        if (v[0] == valeurs[0] && v[1] == valeurs[1] && v[2] == valeurs[2] && v[3] == valeurs[3]
            && o[0] == ordres[0] && o[1] == ordres[1] && o[2] == ordres[2] && o[3] == ordres[3])
            return m.Bornes;
    }
    const std::size_t avant = liste.capacity();
    MotifCouleur nouveau { valeurs, {} };
    nouveau.Bornes.OrdreRelatif = ordres;
    liste.push_back(nouveau);
    capaciteListes_ += liste.capacity() - avant;
    ++nombreMotifs_;
    return liste.back().Bornes;
}

void TableMotifs::Agrandit()
{
    std::vector<Emplacement> anciens(2 * emplacements_.size(), Emplacement {});
    anciens.swap(emplacements_);
    masqueEmplacements_ = static_cast<std::uint32_t>(emplacements_.size() - 1);
    for (const Emplacement& e : anciens) {
        if (e.GenerationEntameur >> 2 != generation_) continue;
        const int entameur = static_cast<int>(e.GenerationEntameur & 3) + 1;
        std::uint32_t i = Disperse(e.Cle, entameur) & masqueEmplacements_;
        while (emplacements_[i].GenerationEntameur >> 2 == generation_)
            i = (i + 1) & masqueEmplacements_;
        emplacements_[i] = e;
    }
}

std::size_t TableMotifs::Octets() const
{
    return emplacements_.capacity() * sizeof(Emplacement)
        + listes_.capacity() * sizeof(std::vector<MotifCouleur>)
        + capaciteListes_ * sizeof(MotifCouleur);
}

} // namespace plio
