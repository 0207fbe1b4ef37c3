#include "pbn/LectureDialecte.h"

#include "model/LectureNombres.h"
#include "pbn/Validateurs.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace plio {

namespace {

constexpr int LignesParTable = 20; // seat 1..4 times strain 1..5, in both analysis tables

// Characters [debut, fin) of a line (0-based), clipped to the line.
std::string_view Extrait(std::string_view ligne, std::size_t debut, std::size_t fin)
{
    if (fin > ligne.size()) fin = ligne.size();
    if (debut >= fin) return {};
    return ligne.substr(debut, fin - debut);
}

// The value of a tag line read by position: from 0-based column `debut` up to the closing
// double quote and bracket.
std::string_view ValeurPositionnelle(std::string_view ligne, std::size_t debut)
{
    return ligne.size() >= 2 ? Extrait(ligne, debut, ligne.size() - 2) : std::string_view {};
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

int NumeroStrain(std::string_view lettres)
{
    if (lettres == "C") return 1;
    if (lettres == "D") return 2;
    if (lettres == "H") return 3;
    if (lettres == "S") return 4;
    if (lettres == "NT") return 5;
    return 0;
}

int SiegeDeLigneDePlis(char lettre)
{
    return lettre == 'O' ? 0 : SiegeDeLettre(lettre);
}

class Lecteur {
public:
    Lecteur(const std::vector<std::string>& lignes, Competition& competition,
        DiagnosticLecture& diagnostic)
        : lignes_(lignes)
        , competition_(competition)
        , tournoi_(competition.Tournoi)
        , diagnostic_(diagnostic)
    {
    }

    ResultatFichier Lit()
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
            tournoi_.NombreTables = std::max(tournoi_.NombreTables,
                competition_.Donnes[static_cast<std::size_t>(b)].NombreFeuilles);
        DimensionnePaires(tournoi_, tournoi_.NombreTables);
        for (std::size_t p = 1; p < tournoi_.Paires.size(); ++p)
            if (tournoi_.Paires[p].DonnesJouees.size() != debuts.size() + 1)
                tournoi_.Paires[p].DonnesJouees.assign(debuts.size() + 1, 0);
        return {};
    }

private:
    struct Bloc {
        bool donne = false; // the deal is complete, as its last line about it says
        bool feuilles = true;
        bool analyse = true;
        bool tableDesEntames = false;
        bool tableDesPlis = false;
        bool tableDesFeuilles = false;
    };

    bool Echec(std::size_t indexLigne)
    {
        echec_.issue = IssueFichier::Corrompue;
        const std::size_t derniere = std::max<std::size_t>(lignes_.size(), 1);
        echec_.ligne = static_cast<int>(std::min(indexLigne + 1, derniere));
        return false;
    }

    bool LitEntete(std::size_t finEntete)
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

    bool LitBloc(int b, std::size_t debut, std::size_t fin, Bloc& bloc)
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
    bool BlocComplet(int b, std::size_t debut, std::size_t fin, const Bloc& bloc, int nombreDonnes)
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

    void DonneFeuillesVides(int b, int n)
    {
        board& donne = competition_.Donnes[static_cast<std::size_t>(b)];
        donne.NombreFeuilles = n;
        donne.Feuilles.assign(static_cast<std::size_t>(n) + 1, ResultsSheet {});
        diagnostic_.feuilles[static_cast<std::size_t>(b)].assign(
            static_cast<std::size_t>(n) + 1, {});
    }

    // The 20 lines of correct leads (seat on lead major, strain minor), four masks a line.
    bool LitTableDesEntames(std::size_t& i, std::size_t fin, board& donne, Bloc& bloc)
    {
        for (int k = 0; k < LignesParTable; ++k) {
            const std::size_t j = i + 1 + static_cast<std::size_t>(k);
            if (j >= fin) return Echec(j);
            if (lignes_[j].starts_with("[OptimumResultTable ")) {
                bloc.analyse = false;
                i = j - 1;
                return true;
            }
            const auto masques = Nombres(lignes_[j]);
            if (!masques || masques->size() != 4) return Echec(j);
            for (int couleur = 1; couleur <= 4; ++couleur) {
                const int masque = (*masques)[static_cast<std::size_t>(couleur - 1)];
                if (masque < 0 || masque > 8191) return Echec(j);
                donne.EntamesCorrectes[static_cast<std::size_t>(k / 5
                    + 1)][static_cast<std::size_t>(k % 5 + 1)][static_cast<std::size_t>(couleur)]
                    = masque;
            }
        }
        i += LignesParTable;
        return true;
    }

    // The par line, then the 20 lines of double-dummy tricks.
    bool LitTableDesPlis(std::size_t& i, std::size_t fin, board& donne, Bloc& bloc)
    {
        std::string_view reste = std::string_view(lignes_[i]).substr(20);
        if (reste.starts_with("]")) {
            bloc.analyse = false;
            return true;
        }
        if (!reste.ends_with("]")) return Echec(i);
        reste.remove_suffix(1);
        const auto nombres = Nombres(reste);
        if (!nombres || nombres->size() < 6) return Echec(i);
        const auto& n = *nombres;
        if (n[0] < 0 || n[0] > 35 || n[1] < 0 || n[1] > 99) return Echec(i);
        for (std::size_t k = 2; k < 6; ++k)
            if (n[k] < 0 || n[k] > 35) return Echec(i);
        donne.ContratPar = n[0];
        donne.CampPar = n[1];
        for (std::size_t siege = 1; siege <= 4; ++siege) {
            const int code = n[siege + 1];
            donne.MeilleurContrat[siege] = code;
            // The scores of the best contracts are only there for the reader of the file;
            // keeping them where the writer takes them from lets the file come back as it was.
            if (n.size() >= 6 + siege) {
                const std::size_t strain
                    = code == 0 || code % 5 == 0 ? 5 : static_cast<std::size_t>(code % 5);
                const std::size_t niveau
                    = code == 0 ? 1 : static_cast<std::size_t>((code - 1) / 5 + 1);
                const int score = n[5 + siege];
                donne.ScoreContrat[siege][strain][niveau] = score;
                donne.ScoreContratParPalier[siege][niveau][strain] = score;
            }
        }
        for (int k = 0; k < LignesParTable; ++k) {
            const std::size_t j = i + 1 + static_cast<std::size_t>(k);
            if (j >= fin) return Echec(j);
            const std::string_view ligne = lignes_[j];
            if (ligne.starts_with("[ScoreTable")) {
                bloc.analyse = false;
                i = j - 1;
                return true;
            }
            const auto champs = Champs(ligne);
            if (champs.size() != 3 || champs[0].size() != 1) return Echec(j);
            const int siege = SiegeDeLigneDePlis(champs[0][0]);
            const int strain = NumeroStrain(champs[1]);
            const auto plis = LitEntier(champs[2]);
            if (siege == 0 || strain == 0 || !plis || *plis < 0 || *plis > 255) return Echec(j);
            donne.Plis[static_cast<std::size_t>(siege)][static_cast<std::size_t>(strain)]
                = static_cast<std::uint8_t>(*plis);
        }
        i += LignesParTable;
        return true;
    }

    bool LitFeuilles(int b, std::size_t& i, std::size_t fin, Bloc& bloc)
    {
        const std::string_view ligne = lignes_[i];
        const auto n = ligne.size() >= 13 && ligne.ends_with("]")
            ? LitEntier(Extrait(ligne, 12, ligne.size() - 1))
            : std::nullopt;
        // One sheet a table, and at most 499 tables.
        if (!n || *n < 0 || *n > 499) return Echec(i);
        const int nombre = *n;
        DonneFeuillesVides(b, nombre);
        if (i + 1 >= fin) {
            bloc.feuilles = false;
            if (nombre > 0 && fin == lignes_.size()) return Echec(i + 1);
        }
        for (int k = 1; k <= nombre; ++k) {
            const std::size_t j = i + static_cast<std::size_t>(k);
            if (j >= lignes_.size()) return Echec(j);
            if (j >= fin) {
                bloc.feuilles = false;
                break;
            }
            if (!LitFeuille(b, k, j, bloc)) return false;
        }
        i = std::min(i + static_cast<std::size_t>(nombre), fin - 1);
        if (!bloc.donne) {
            bloc.feuilles = false;
            bloc.analyse = false;
        }
        return true;
    }

    bool LitFeuille(int b, int k, std::size_t j, Bloc& bloc)
    {
        const bool match = tournoi_.TypeCompetition == "MPQ";
        const auto champs = Champs(lignes_[j]);
        const std::size_t attendus = match ? 9 : 10;
        if (champs.size() < attendus) return Echec(j);

        board& donne = competition_.Donnes[static_cast<std::size_t>(b)];
        ResultsSheet& f = donne.Feuilles[static_cast<std::size_t>(k)];
        OrigineFeuille& origine
            = diagnostic_.feuilles[static_cast<std::size_t>(b)][static_cast<std::size_t>(k)];
        origine.ligne = static_cast<int>(j + 1);
        const auto refuse = [&](int champ) {
            bloc.feuilles = false;
            if (origine.champInvalide == 0 || champ < origine.champInvalide) {
                origine.champInvalide = champ;
                origine.texte = champs[static_cast<std::size_t>(champ - 1)];
            }
        };

        if (EntreBornes(champs[0], 0, 1000)) {
            f.PaireNS = *LitEntier(champs[0]);
            f.NomsNS = NomsDeLaPaire(f.PaireNS, b);
        } else {
            refuse(1);
        }
        if (EntreBornes(champs[1], 0, 1000)) {
            f.PaireEO = *LitEntier(champs[1]);
            f.NomsEO = NomsDeLaPaire(f.PaireEO, b);
        } else {
            refuse(2);
        }

        const std::size_t champEntame = attendus - 1;
        const std::string_view entame = champs[champEntame];
        if (FeuilleSansJeu(champs[2], champs[3], champs[4], entame)) {
            f.Contrat = champs[2];
            f.Declarant = champs[3];
            f.Resultat = champs[4];
            f.Entame = entame;
        } else {
            if (ContratValide(champs[2]))
                f.Contrat = champs[2];
            else
                refuse(3);
            if (DeclarantValide(champs[3]))
                f.Declarant = champs[3];
            else
                refuse(4);
            if (ResultatValide(champs[4]))
                f.Resultat = champs[4];
            else
                refuse(5);
            if (EntameValide(entame))
                f.Entame = entame;
            else
                refuse(static_cast<int>(champEntame + 1));
        }
        if (EntreBornes(champs[5], -7601, 7601))
            f.ScoreNS = *LitEntier(champs[5]);
        else
            refuse(6);
        if (EntreBornes(champs[6], -7601, 7601))
            f.ScoreEO = *LitEntier(champs[6]);
        else
            refuse(7);
        f.PourcentNS = champs[7];
        if (match) {
            if (EntreBornes(champs[7], -1000000, 1000000))
                donne.ResultatIMP = *LitEntier(champs[7]);
            else
                refuse(8);
        } else {
            f.PourcentEO = champs[8];
        }
        return true;
    }

    // Names of the pair with this number, as "first-second"; the deal counts as played by it.
    std::string NomsDeLaPaire(int numero, int b)
    {
        for (std::size_t p = 1; p < tournoi_.Paires.size(); ++p) {
            Tpaires& paire = tournoi_.Paires[p];
            if (paire.Numero != numero) continue;
            paire.DonnesJouees[static_cast<std::size_t>(b)] = 1;
            return paire.Joueur1 + "-" + paire.Joueur2;
        }
        return {};
    }

    const std::vector<std::string>& lignes_;
    Competition& competition_;
    Ttournoi& tournoi_;
    DiagnosticLecture& diagnostic_;
    ResultatFichier echec_;
    bool tableDesFeuillesVue_ = false;
};

} // namespace

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
    return Lecteur(lignes, competition, diagnostic).Lit();
}

} // namespace plio
