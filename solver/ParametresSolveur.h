// What a caller of the solver fills before a solve, and the record the solve answers in.
#pragma once

#include <array>
#include <cstdint>

namespace plio {

struct TfutursPlis;
using futPli = TfutursPlis*;

// Results of one solve. Mode 1 answers in Score[1] only; mode 2 lists every legal card of the
// hand to play with its value, best first (entries 1..Nombre).
struct TfutursPlis {
    std::int32_t Nombre = 0;
    std::int32_t Joueur = 0;
    std::array<std::int32_t, 14> Couleur {};
    std::array<std::int32_t, 14> Rang {};
    std::array<std::int32_t, 14> Score {};
    futPli Parent = nullptr; // kept by the card-play window
    std::array<futPli, 52> Suites {}; // kept by the card-play window, by card code
};

// Memory flags: 1 = do it, 2 = skip, 3 = free and create again.
inline constexpr std::uint8_t FaireMemoire = 1;
inline constexpr std::uint8_t SauterMemoire = 2;
inline constexpr std::uint8_t RecreerMemoire = 3;

struct ParametresSolveur {
    std::int32_t Mode = 1; // 1 = most tricks of the side on lead; 2 = value of every legal card
    std::uint8_t CreeMotifs = FaireMemoire;
    std::uint8_t EffaceMemoires = FaireMemoire;
    std::uint8_t RefaitTables = FaireMemoire;
    std::uint8_t CreeArbreCouleurs = FaireMemoire;
    std::uint8_t LibereMotifs = FaireMemoire;
    std::uint8_t LibereArbreCouleurs = FaireMemoire;
    std::uint8_t NumeroDonne = 0;
    std::uint8_t Atout = 0; // strain mod 5: 0 = no trump, 1..4 = clubs..spades
    std::uint8_t Entameur = 1; // hand that led, or leads, the current trick
    std::array<std::uint8_t, 4> CouleursTable {}; // [1..3]: cards already on the table; 0 = none
    std::array<std::uint8_t, 4> RangsTable {};
    std::array<std::array<std::uint16_t, 5>, 5> Mains {}; // [hand][suit], table cards excluded
    futPli Resultat = nullptr;
};

} // namespace plio
