#include "pbn/LecturePbnOrdinaire.h"

#include "pbn/Encodage.h"
#include "pbn/LigneDonne.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <optional>
#include <set>

namespace plio {

namespace {

std::string Majuscules(std::string_view texte)
{
    std::string m(texte);
    for (char& c : m)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return m;
}

std::string_view SansEspaces(std::string_view texte)
{
    while (!texte.empty() && std::isspace(static_cast<unsigned char>(texte.front())))
        texte.remove_prefix(1);
    while (!texte.empty() && std::isspace(static_cast<unsigned char>(texte.back())))
        texte.remove_suffix(1);
    return texte;
}

// Tags of one game, by name in upper case.
using Partie = std::map<std::string, std::string>;

// Splits the lines into games: a game ends at an empty line, or when one of the tags a game
// holds once comes again (files that do not leave empty lines between games; tags such as
// [Note] may come many times in one game).
class DecoupeurDeParties {
public:
    std::vector<Partie> Decoupe(const std::vector<std::string>& lignes)
    {
        for (const std::string& brute : lignes) {
            const std::string ligne = RepareDoubleEncodage(brute);
            if (!dansCommentaire_ && ligne.starts_with("%")) continue;
            if (!dansCommentaire_ && SansEspaces(ligne).empty()) {
                Termine();
                continue;
            }
            LitLigne(ligne);
        }
        Termine();
        return parties_;
    }

private:
    void LitLigne(std::string_view ligne)
    {
        std::size_t i = 0;
        while (i < ligne.size()) {
            const char c = ligne[i];
            if (dansCommentaire_) {
                const std::size_t fin = ligne.find('}', i);
                if (fin == std::string_view::npos) return;
                dansCommentaire_ = false;
                i = fin + 1;
            } else if (c == ';') {
                return;
            } else if (c == '{') {
                dansCommentaire_ = true;
                ++i;
            } else if (c == '[') {
                i = LitTag(ligne, i + 1);
            } else {
                ++i; // data of a section (auction, play, tables): not kept
            }
        }
    }

    // A tag from after its "[": name, spaces, quoted value (with \" and \\ escapes), "]".
    std::size_t LitTag(std::string_view ligne, std::size_t i)
    {
        std::size_t debutNom = i;
        while (i < ligne.size() && !std::isspace(static_cast<unsigned char>(ligne[i]))
            && ligne[i] != '"' && ligne[i] != ']')
            ++i;
        const std::string nom = Majuscules(ligne.substr(debutNom, i - debutNom));
        while (i < ligne.size() && std::isspace(static_cast<unsigned char>(ligne[i])))
            ++i;
        std::string valeur;
        if (i < ligne.size() && ligne[i] == '"') {
            ++i;
            while (i < ligne.size() && ligne[i] != '"') {
                if (ligne[i] == '\\' && i + 1 < ligne.size()) ++i;
                valeur += ligne[i++];
            }
            ++i;
        }
        const std::size_t fin = ligne.find(']', std::min(i, ligne.size()));
        i = fin == std::string_view::npos ? ligne.size() : fin + 1;
        if (nom.empty()) return i;
        static const std::set<std::string> UneFoisParPartie { "EVENT", "BOARD", "DEALER",
            "VULNERABLE", "DEAL" };
        if (UneFoisParPartie.contains(nom) && courante_.contains(nom)) Termine();
        // "#" takes the value the tag had in the game before.
        if (valeur == "#") valeur = precedentes_[nom];
        precedentes_[nom] = valeur;
        courante_[nom] = valeur;
        return i;
    }

    void Termine()
    {
        if (!courante_.empty()) parties_.push_back(std::move(courante_));
        courante_.clear();
    }

    std::vector<Partie> parties_;
    Partie courante_;
    std::map<std::string, std::string> precedentes_;
    bool dansCommentaire_ = false;
};

std::optional<int> NumeroDeValeur(std::string_view valeur)
{
    valeur = SansEspaces(valeur);
    int n = 0;
    std::size_t chiffres = 0;
    while (chiffres < valeur.size() && chiffres < 9
        && std::isdigit(static_cast<unsigned char>(valeur[chiffres])))
        n = 10 * n + (valeur[chiffres++] - '0');
    if (chiffres == 0) return std::nullopt;
    return n;
}

// Dealer and vulnerability of a board number in the usual 16-board cycle.
std::string DonneurDuCycle(int numero)
{
    return std::string(1, "NESW"[(numero + 3) % 4]);
}

std::string VulnerabiliteDuCycle(int numero)
{
    static constexpr std::array<const char*, 16> Cycle { "None", "NS", "EW", "Both", "NS", "EW",
        "Both", "None", "EW", "Both", "None", "NS", "Both", "None", "NS", "EW" };
    return Cycle[static_cast<std::size_t>((numero + 15) % 16)];
}

std::optional<std::string> DonneurDeValeur(std::string_view valeur)
{
    const std::string mot = Majuscules(SansEspaces(valeur));
    if (mot.empty()) return std::nullopt;
    switch (mot[0]) {
    case 'N':
        return "N";
    case 'E':
        return "E";
    case 'S':
        return "S";
    case 'W':
    case 'O':
        return "W";
    default:
        return std::nullopt;
    }
}

std::optional<std::string> VulnerabiliteDeValeur(std::string_view valeur)
{
    const std::string mot = Majuscules(SansEspaces(valeur));
    if (mot.empty() || mot == "NONE" || mot == "LOVE" || mot == "-" || mot == "NO") return "None";
    if (mot == "ALL" || mot == "BOTH" || mot == "BO") return "Both";
    if (mot == "NS" || mot == "N-S") return "NS";
    if (mot == "EW" || mot == "E-W") return "EW";
    return std::nullopt;
}

void AjouteDonne(const Partie& partie, int numero, Competition& competition)
{
    board donne;
    donne.NumeroEtui = numero;
    const auto trouve = [&](const char* nom) -> const std::string* {
        const auto it = partie.find(nom);
        return it == partie.end() ? nullptr : &it->second;
    };
    const std::string* donneur = trouve("DEALER");
    const std::string* vulnerabilite = trouve("VULNERABLE");
    const std::string* jeu = trouve("DEAL");
    const auto donneurLu = donneur ? DonneurDeValeur(*donneur) : std::nullopt;
    const auto vulnerabiliteLue
        = vulnerabilite ? VulnerabiliteDeValeur(*vulnerabilite) : std::nullopt;
    // A missing or unreadable dealer or vulnerability is the one the board number implies.
    donne.Donneur = donneurLu ? *donneurLu : DonneurDuCycle(numero);
    donne.Vulnerabilite = vulnerabiliteLue ? *vulnerabiliteLue : VulnerabiliteDuCycle(numero);
    donne.Vulnerable = DrapeauxVulnerabilite(donne.Vulnerabilite);
    donne.LigneDonne = jeu ? LigneDonneDePbn(*jeu) : std::string {};
    donne.DonneValide = LitDonne(donne);

    // The same board once per table is one deal: the first complete copy is kept. A board
    // number used again for other cards (a second session in the file) is another deal.
    auto& donnes = competition.Donnes;
    const auto meme = std::find_if(donnes.begin() + 1, donnes.end(), [&](const board& d) {
        return d.NumeroEtui == numero
            && (d.LigneDonne == donne.LigneDonne || !d.DonneValide || !donne.DonneValide);
    });
    if (meme == donnes.end()) {
        donne.Indice = static_cast<int>(donnes.size());
        donnes.push_back(std::move(donne));
    } else if (!meme->DonneValide && donne.DonneValide) {
        donne.Indice = meme->Indice;
        *meme = std::move(donne);
    }
}

// The first value of a tag that says something ("?" is PBN's unknown).
std::string PremiereValeur(const std::vector<Partie>& parties, const char* nom)
{
    for (const Partie& partie : parties) {
        const auto it = partie.find(nom);
        if (it != partie.end() && !SansEspaces(it->second).empty() && it->second != "?")
            return std::string(SansEspaces(it->second));
    }
    return {};
}

} // namespace

void LitPbnOrdinaire(const std::vector<std::string>& lignes, std::string_view nomParDefaut,
    Competition& competition, DiagnosticLecture& diagnostic)
{
    const std::vector<Partie> parties = DecoupeurDeParties().Decoupe(lignes);
    Ttournoi& tournoi = competition.Tournoi;
    tournoi.TypeCompetition = "TPP";
    tournoi.NomCompetition = PremiereValeur(parties, "EVENT");
    if (tournoi.NomCompetition.empty()) tournoi.NomCompetition = nomParDefaut;
    tournoi.Lieu = PremiereValeur(parties, "SITE");
    tournoi.DateCompetition = PremiereValeur(parties, "DATE");
    DimensionnePaires(tournoi, 0);

    competition.Donnes.assign(1, board {});
    int numeroPrecedent = 0;
    for (const Partie& partie : parties) {
        const auto etui = partie.find("BOARD");
        if (etui == partie.end() && !partie.contains("DEAL")) continue;
        const auto numero = etui == partie.end() ? std::nullopt : NumeroDeValeur(etui->second);
        numeroPrecedent = numero ? *numero : numeroPrecedent + 1;
        AjouteDonne(partie, numeroPrecedent, competition);
    }
    tournoi.NombreDonnes = static_cast<int>(competition.Donnes.size()) - 1;

    diagnostic.pbnOrdinaire = true;
    diagnostic.feuilles.assign(competition.Donnes.size(), {});
    diagnostic.drapeaux = DrapeauxFichier { tournoi.NombreDonnes > 0, false, false };
    for (int b = 1; b <= tournoi.NombreDonnes; ++b)
        diagnostic.drapeaux.donnes = diagnostic.drapeaux.donnes
            && competition.Donnes[static_cast<std::size_t>(b)].DonneValide;
}

} // namespace plio
