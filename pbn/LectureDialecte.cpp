#include "pbn/LectureDialecte.h"

#include "model/LectureNombres.h"
#include "pbn/LecteurDialecte.h"

#include <algorithm>

namespace plio::dialecte {

// Characters [debut, fin) of a line (0-based), clipped to the line.
std::string_view Extrait(std::string_view ligne, std::size_t debut, std::size_t fin)
{
    if (fin > ligne.size()) fin = ligne.size();
    if (debut >= fin) return {};
    return ligne.substr(debut, fin - debut);
}

std::vector<std::string_view> Champs(std::string_view ligne)
{
    std::vector<std::string_view> champs;
    std::size_t debut = 0;
    while (true) {
        const std::size_t espace = ligne.find(' ', debut);
        if (espace == std::string_view::npos) {
            champs.push_back(ligne.substr(debut));
            return champs;
        }
        champs.push_back(ligne.substr(debut, espace - debut));
        debut = espace + 1;
    }
}

// Numbers separated by single spaces, each followed by one (the last one may not be).
std::optional<std::vector<int>> Nombres(std::string_view texte)
{
    std::vector<int> nombres;
    for (const std::string_view champ : Champs(texte)) {
        if (champ.empty()) continue;
        const auto n = LitEntier(champ);
        if (!n) return std::nullopt;
        nombres.push_back(*n);
    }
    return nombres;
}

namespace {

// The value of a tag line read by position: from 0-based column `debut` up to the closing
// double quote and bracket.
std::string_view ValeurPositionnelle(std::string_view ligne, std::size_t debut)
{
    return ligne.size() >= 2 ? Extrait(ligne, debut, ligne.size() - 2) : std::string_view {};
}

// An empty deal ("[Deal ""]") is only incomplete; any other must give its first seat, a colon,
// then nothing but rank letters, dots and spaces up to its closing quote: a garbled deal line
// does not pass for a hand.
bool LigneDonneLisible(std::string_view ligne)
{
    if (ligne.size() < 8) return false;
    if (ligne[7] == '"') return true;
    if (SiegeDeLettre(ligne[7]) == 0 || (ligne.size() > 8 && ligne[8] != ':')) return false;
    for (std::size_t i = 9; i < ligne.size() && ligne[i] != '"'; ++i) {
        const char c = ligne[i];
        if (c != '.' && c != ' ' && ValeurRang(c) < 0) return false;
    }
    return true;
}

} // namespace

ResultatFichier Lecteur::Lit()
{
    std::vector<std::size_t> debuts;
    for (std::size_t i = 0; i < lignes_.size(); ++i)
        if (lignes_[i].starts_with("[Board")) debuts.push_back(i);
    const std::size_t finEntete = debuts.empty() ? lignes_.size() : debuts.front();

    if (!LitEntete(finEntete)) return echec_;

    const int nombreDonnes = static_cast<int>(debuts.size());
    tournoi_.NombreDonnes = nombreDonnes;
    competition_.Donnes.assign(debuts.size() + 1, board {});
    for (std::size_t p = 1; p < tournoi_.Paires.size(); ++p)
        tournoi_.Paires[p].DonnesJouees.assign(debuts.size() + 1, 0);
    diagnostic_.feuilles.assign(debuts.size() + 1, {});

    DrapeauxFichier& fichier = diagnostic_.drapeaux;
    fichier.donnes = nombreDonnes > 0;
    bool tableDesEntamesVue = false;
    bool tableDesPlisVue = false;
    for (int b = 1; b <= nombreDonnes; ++b) {
        const std::size_t debut = debuts[static_cast<std::size_t>(b - 1)];
        const std::size_t fin
            = b < nombreDonnes ? debuts[static_cast<std::size_t>(b)] : lignes_.size();
        Bloc bloc;
        if (!LitBloc(b, debut, fin, bloc)) return echec_;
        if (!BlocComplet(b, debut, fin, bloc, nombreDonnes)) return echec_;
        const board& donne = competition_.Donnes[static_cast<std::size_t>(b)];
        fichier.donnes = fichier.donnes && bloc.donne;
        fichier.feuilles = fichier.feuilles && donne.FeuillesValides;
        fichier.analyse = fichier.analyse && bloc.analyse && DonneAnalysee(donne);
        tableDesEntamesVue = tableDesEntamesVue || bloc.tableDesEntames;
        tableDesPlisVue = tableDesPlisVue || bloc.tableDesPlis;
    }
    if (!tableDesEntamesVue || !tableDesPlisVue) fichier.analyse = false;

    for (int b = 1; b <= nombreDonnes; ++b)
        tournoi_.NombreTables = std::max(
            tournoi_.NombreTables, competition_.Donnes[static_cast<std::size_t>(b)].NombreFeuilles);
    DimensionnePaires(tournoi_, tournoi_.NombreTables);
    for (std::size_t p = 1; p < tournoi_.Paires.size(); ++p)
        if (tournoi_.Paires[p].DonnesJouees.size() != debuts.size() + 1)
            tournoi_.Paires[p].DonnesJouees.assign(debuts.size() + 1, 0);
    return {};
}

bool Lecteur::Echec(std::size_t indexLigne)
{
    echec_.issue = IssueFichier::Corrompue;
    const std::size_t derniere = std::max<std::size_t>(lignes_.size(), 1);
    echec_.ligne = static_cast<int>(std::min(indexLigne + 1, derniere));
    return false;
}

bool Lecteur::LitEntete(std::size_t finEntete)
{
    for (std::size_t i = 0; i < finEntete; ++i) {
        const std::string_view ligne = lignes_[i];
        if (ligne.starts_with("[Event")) {
            // Never past the closing quote, for an event tag without a kind.
            tournoi_.TypeCompetition
                = Extrait(ligne, 8, std::min<std::size_t>(11, ligne.size() - 2));
            tournoi_.NomCompetition = ValeurPositionnelle(ligne, 12);
        } else if (ligne.starts_with("[Site")) {
            tournoi_.Lieu = ValeurPositionnelle(ligne, 7);
        } else if (ligne.starts_with("[Date")) {
            tournoi_.DateCompetition = ValeurPositionnelle(ligne, 7);
        } else if (ligne.starts_with("[Pairs")) {
            // Pair numbers stay below 1000, so at most 499 tables.
            const auto tables = LitEntier(ValeurPositionnelle(ligne, 8));
            if (!tables || *tables < 0 || *tables > 499) return Echec(i);
            const int n = *tables;
            tournoi_.NombreTables = n;
            DimensionnePaires(tournoi_, n);
            for (int p = 1; p <= 2 * n; ++p) {
                const std::size_t numero = i + 1 + 3 * static_cast<std::size_t>(p - 1);
                if (numero + 2 >= finEntete) return Echec(std::min(numero + 2, finEntete));
                const auto valeur = LitEntier(lignes_[numero]);
                if (!valeur || *valeur < 0 || *valeur > 999) return Echec(numero);
                Tpaires& paire = tournoi_.Paires[static_cast<std::size_t>(p)];
                paire.Numero = *valeur;
                paire.Joueur1 = lignes_[numero + 1];
                paire.Joueur2 = lignes_[numero + 2];
            }
            i += 6 * static_cast<std::size_t>(n);
        }
    }
    return true;
}

bool Lecteur::LitBloc(int b, std::size_t debut, std::size_t fin, Bloc& bloc)
{
    board& donne = competition_.Donnes[static_cast<std::size_t>(b)];
    donne.Indice = b;
    bool tableDesFeuilles = false;
    for (std::size_t i = debut; i < fin; ++i)
        if (lignes_[i].starts_with("[ScoreTable")) tableDesFeuilles = true;
    if (!tableDesFeuilles && tournoi_.NombreTables > 0)
        DonneFeuillesVides(b, tournoi_.NombreTables);

    for (std::size_t i = debut; i < fin; ++i) {
        const std::string_view ligne = lignes_[i];
        if (ligne.starts_with("[Board")) {
            const auto numero = LitEntier(ValeurPositionnelle(ligne, 8));
            if (!numero || *numero < 0) return Echec(i);
            donne.NumeroEtui = *numero;
        } else if (ligne.starts_with("[Dealer")) {
            if (ligne.size() < 10) return Echec(i);
            if (ligne[9] == '"') {
                donne.Donneur.clear();
                bloc.donne = false;
            } else if (SiegeDeLettre(ligne[9]) != 0) {
                donne.Donneur = std::string(1, ligne[9]);
            } else {
                return Echec(i);
            }
        } else if (ligne.starts_with("[Vulnerable")) {
            const std::string_view mot = ValeurPositionnelle(ligne, 13);
            if (ligne.size() >= 15 && ligne.size() <= 19) donne.Vulnerabilite = mot;
            donne.Vulnerable = DrapeauxVulnerabilite(mot);
            if (ligne.size() == 15) bloc.donne = false;
        } else if (ligne.starts_with("[Deal \"")) {
            if (!LigneDonneLisible(ligne)) return Echec(i);
            donne.LigneDonne = ligne;
            bloc.donne = LitDonne(donne);
        } else if (ligne.starts_with("[OptimumPlayTable ")) {
            bloc.tableDesEntames = true;
            if (!LitTableDesEntames(i, fin, donne, bloc)) return false;
        } else if (ligne.starts_with("[OptimumResultTable ")) {
            bloc.tableDesPlis = true;
            if (!LitTableDesPlis(i, fin, donne, bloc)) return false;
        } else if (ligne.starts_with("[ScoreTable")) {
            bloc.tableDesFeuilles = true;
            if (!LitFeuilles(b, i, fin, bloc)) return false;
        }
    }
    donne.DonneValide = bloc.donne;
    donne.FeuillesValides
        = bloc.feuilles && FeuillesDeLaDonneValides(donne, tournoi_.TypeCompetition);
    return true;
}

// The program ends every block with its sheet table. A last block that stops before it
// was cut, when it had begun the program's layout (the fixed seat tags after [Board, the
// analysis) or when an earlier block had its sheet table. A block inside the file may
// lack it: it then gets empty sheets.
bool Lecteur::BlocComplet(
    int b, std::size_t debut, std::size_t fin, const Bloc& bloc, int nombreDonnes)
{
    if (bloc.tableDesFeuilles) {
        tableDesFeuillesVue_ = true;
        return true;
    }
    if (b < nombreDonnes) return true;
    const bool disposition
        = bloc.tableDesEntames || (debut + 1 < fin && lignes_[debut + 1] == "[West \"\"]");
    if (disposition || tableDesFeuillesVue_) return Echec(fin);
    return true;
}

} // namespace plio::dialecte

namespace plio {

bool EstDuDialecte(const std::vector<std::string>& lignes)
{
    for (const std::string& ligne : lignes) {
        if (ligne.starts_with("[Board")) return false;
        if (ligne.starts_with("[Pairs")) return true;
    }
    return false;
}

ResultatFichier LitDialecte(
    const std::vector<std::string>& lignes, Competition& competition, DiagnosticLecture& diagnostic)
{
    return dialecte::Lecteur(lignes, competition, diagnostic).Lit();
}

} // namespace plio
