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
}

void TableMotifs::Libere()
{
    std::vector<Emplacement>().swap(emplacements_);
    std::vector<std::unique_ptr<MotifCouleur[]>>().swap(blocs_);
    nombreMotifs_ = 0;
    nombreEmplacements_ = 0;
}

std::uint32_t TableMotifs::TrouveEmplacement(std::uint64_t cle, int entameur) const
{
    const std::uint32_t masque = (1u << BitsEmplacements) - 1;
    const std::uint32_t attendu = generation_ * 4 + static_cast<std::uint32_t>(entameur - 1);
    for (std::uint32_t i = Disperse(cle, entameur) & masque;; i = (i + 1) & masque) {
        const Emplacement& e = emplacements_[i];
        if (e.GenerationEntameur >> 2 != generation_) return Aucun;
        if (e.Cle == cle && e.GenerationEntameur == attendu) return i;
    }
}

std::uint32_t TableMotifs::NouveauMotif()
{
    if (nombreMotifs_ == blocs_.size() * TailleBloc)
        blocs_.push_back(std::make_unique<MotifCouleur[]>(TailleBloc));
    const std::uint32_t i = nombreMotifs_++;
    Motif(i) = MotifCouleur {};
    return i;
}

BornesPlis& TableMotifs::Stocke(std::uint64_t cle, int entameur,
    const std::array<std::uint32_t, 4>& masques, const std::array<std::uint32_t, 4>& valeurs)
{
    if (emplacements_.empty()) emplacements_.assign(std::size_t { 1 } << BitsEmplacements, {});
    if (nombreMotifs_ >= MotifsMaximum || nombreEmplacements_ >= EmplacementsMaximum) Vide();

    const std::uint32_t masque = (1u << BitsEmplacements) - 1;
    const std::uint32_t attendu = generation_ * 4 + static_cast<std::uint32_t>(entameur - 1);
    std::uint32_t i = Disperse(cle, entameur) & masque;
    for (;; i = (i + 1) & masque) {
        Emplacement& e = emplacements_[i];
        if (e.GenerationEntameur >> 2 != generation_) {
            e = Emplacement { cle, Aucun, attendu };
            ++nombreEmplacements_;
            break;
        }
        if (e.Cle == cle && e.GenerationEntameur == attendu) break;
    }
    for (std::uint32_t j = emplacements_[i].Tete; j != Aucun; j = Motif(j).Suivant) {
        MotifCouleur& m = Motif(j);
        if (m.Masque == masques && m.Valeur == valeurs) return m.Bornes;
    }
    const std::uint32_t j = NouveauMotif();
    MotifCouleur& m = Motif(j);
    m.Masque = masques;
    m.Valeur = valeurs;
    m.Suivant = emplacements_[i].Tete;
    emplacements_[i].Tete = j;
    return m.Bornes;
}

std::size_t TableMotifs::Octets() const
{
    return emplacements_.capacity() * sizeof(Emplacement)
        + blocs_.size() * TailleBloc * sizeof(MotifCouleur);
}

} // namespace plio
