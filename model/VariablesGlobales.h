// The bridge data model shared by the whole program: records, encodings, seat tables and the
// competition in memory. Records are plain values; every list is 1-based (position 0 unused).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plio {

// Seats: 1 South, 2 West, 3 North, 4 East. Suits: 1 clubs .. 4 spades. Strains: 5 = no trump.
// Ranks: 0 = two .. 12 = ace.
enum Seat : int { Sud = 1, Ouest = 2, Nord = 3, Est = 4 };

inline constexpr std::array<int, 5> Suivant { 0, 2, 3, 4, 1 };
inline constexpr std::array<int, 5> Partenaire { 0, 3, 4, 1, 2 };
inline constexpr std::array<int, 5> Precedent { 0, 4, 1, 2, 3 };
inline constexpr std::array<std::uint16_t, 14> MasqueRang { 1, 2, 4, 8, 16, 32, 64, 128, 256, 512,
    1024, 2048, 4096, 8192 };

// Length of a complete deal line: [Deal "N:" + 52 cards + 12 dots + 3 spaces + "]
inline constexpr std::size_t LongueurLigneDonneComplete = 78;

struct ResultsSheet {
    std::int32_t Reserve = 0;
    std::int32_t PaireNS = 0;
    std::int32_t PaireEO = 0;
    std::string NomsNS;
    std::string NomsEO;
    std::string Contrat;
    std::string Declarant;
    std::string Entame;
    std::string Resultat;
    std::int32_t ScoreNS = 0;
    std::int32_t ScoreEO = 0;
    std::string PourcentNS;
    std::string PourcentEO;

    bool operator==(const ResultsSheet&) const = default;
};

struct board {
    std::int32_t Indice = 0;
    std::int32_t NumeroEtui = 0;
    std::string Donneur;
    std::string Vulnerabilite;
    std::array<std::int32_t, 5> Vulnerable {};
    std::string LigneDonne;
    std::array<std::array<std::array<bool, 13>, 5>, 5> Cartes {}; // [seat][suit][rank]
    std::array<std::array<std::uint16_t, 5>, 5> Couleurs {};      // [seat][suit] holding masks
    bool DonneValide = false;
    bool FeuillesValides = false;
    std::vector<ResultsSheet> Feuilles { 1 }; // 1..NombreFeuilles
    std::int32_t ResultatIMP = 0;
    std::int32_t NombreFeuilles = 0;
    std::int32_t LigneFeuille = 0;
    std::array<std::array<std::uint8_t, 6>, 5> Plis {};                            // [declarer][strain]
    std::array<std::array<std::array<std::int32_t, 8>, 6>, 5> ScoreContrat {};       // [decl][strain][level]
    std::array<std::array<std::array<std::int32_t, 6>, 8>, 5> ScoreContratParPalier {}; // [decl][level][strain]
    std::array<std::array<std::array<std::int32_t, 5>, 6>, 5> EntamesCorrectes {};   // [leader][strain][suit]
    std::array<std::int32_t, 5> MeilleurContrat {};
    std::int32_t CampPar = 0;
    std::int32_t ContratPar = 0;

    bool operator==(const board&) const = default;
};

struct Tpaires {
    std::int32_t Numero = 0;
    std::string Joueur1;
    std::string Joueur2;
    std::vector<std::int32_t> DonnesJouees { 0 }; // 1..NombreDonnes

    bool operator==(const Tpaires&) const = default;
};

struct Ttournoi {
    std::string TypeCompetition;
    std::string NomCompetition;
    std::string Lieu;
    std::string DateCompetition;
    std::int32_t NombreDonnes = 0;
    std::int32_t NombreTables = 0;
    std::vector<Tpaires> Paires { 1 }; // 1..2 * NombreTables
    std::int32_t EtuiCourant = 0;
    std::int32_t DonneCourante = 0;
    std::int32_t DonnesAleatoires = 0;
    std::string Mode;
    std::string NomFichier;
    std::string ListeChoisie;

    bool operator==(const Ttournoi&) const = default;
};

// One competition in memory: what the program's globals hold, as one value that the routines
// can take explicitly (and tests can build freely).
struct Competition {
    Ttournoi Tournoi;
    std::vector<board> Donnes { 1 }; // 1..NombreDonnes
    std::string EtatFichier;
    bool FichierCharge = false;

    bool operator==(const Competition&) const = default;
};

// The program's competition and its global views.
inline Competition CompetitionCourante;
inline Ttournoi& Tournoi = CompetitionCourante.Tournoi;
inline std::vector<board>& Donnes = CompetitionCourante.Donnes;
inline std::string& EtatFichier = CompetitionCourante.EtatFichier;
inline bool& FichierCharge = CompetitionCourante.FichierCharge;

// Interface language: "french" or "anglais".
inline std::string Langue = "french";

// Empties the competition's header fields before a new competition is created or a file opened.
void ReinitialiseTournoi(Ttournoi& tournoi = Tournoi);

// Sizes the pair list for n tables (pairs 1..2n); existing entries keep their contents.
void DimensionnePaires(Ttournoi& tournoi, int n);

// Fills Cartes and Couleurs from LigneDonne; true when the line is complete (78 characters).
bool LitDonne(board& donne);

// Vulnerable flags of a vulnerability word as read from a file.
std::array<std::int32_t, 5> DrapeauxVulnerabilite(std::string_view mot);

// A deal counts as analysed when one entry of Plis lies between 1 and 13.
bool DonneAnalysee(const board& donne);

// Seat number of a seat letter, English or French ("S", "W"/"O", "N", "E"); 0 otherwise.
int SiegeDeLettre(char lettre);

// Rank of a rank letter, English and French letter sets at once ("A", "K"/"R", "Q"/"D", "J"/"V",
// "T"/"X", digits); -1 for a character that is no rank letter.
int ValeurRang(char lettre);

} // namespace plio
