#include "tournament/Classement.h"

#include "model/LectureNombres.h"
#include "tournament/Rangs.h"

namespace plio {

bool EstMatchParEquipes(const Ttournoi& tournoi)
{
    return tournoi.TypeCompetition == "MPQ";
}

std::optional<double> ValeurTotale(const Tclassemt& ligne, const Ttournoi& tournoi)
{
    if (ligne.NbDonnes == 0) return std::nullopt;
    if (EstMatchParEquipes(tournoi)) return ligne.TotalIMP;
    return ligne.MoyenneTotale;
}

std::optional<double> ValeurDeclarant(const Tclassemt& ligne)
{
    if (ligne.NbDonnesDeclarant == 0) return std::nullopt;
    return ligne.MoyenneDeclarant;
}

std::optional<double> ValeurDefense(const Tclassemt& ligne)
{
    if (ligne.NbDonnesDefense == 0) return std::nullopt;
    return ligne.MoyenneDefense;
}

int CampDuDeclarant(const ResultsSheet& feuille)
{
    if (feuille.Declarant.size() != 1) return -1;
    const int siege = SiegeDeLettre(feuille.Declarant[0]);
    if (siege == 0) return -1;
    return siege % 2 == 1 ? 0 : 1;
}

std::vector<Tclassemt> InitialiseClassement(const Ttournoi& tournoi)
{
    std::vector<Tclassemt> lignes(tournoi.Paires.size());
    for (std::size_t p = 1; p < lignes.size(); ++p)
        lignes[p].NumeroPaire = tournoi.Paires[p].Numero;
    return lignes;
}

namespace {

// Sheet validation keeps texts that hold no number out of every analysed file.
double Pourcent(const std::string& texte)
{
    return LitReel(texte).value_or(0);
}

void AjouteDonne(Tclassemt& ligne, double pourcent, bool aDeclare, bool aDefendu)
{
    ligne.MoyenneTotale += pourcent;
    ++ligne.NbDonnes;
    if (aDeclare) {
        ligne.MoyenneDeclarant += pourcent;
        ++ligne.NbDonnesDeclarant;
    } else if (aDefendu) {
        ligne.MoyenneDefense += pourcent;
        ++ligne.NbDonnesDefense;
    }
}

// A passed-out or adjusted board counts in the total only: nobody declared it.
void AccumulePourcentages(const Competition& competition, Tclassemt& ligne)
{
    for (int k = 1; k <= competition.Tournoi.NombreDonnes; ++k) {
        const board& donne = competition.Donnes[static_cast<std::size_t>(k)];
        for (int r = 1; r <= donne.NombreFeuilles; ++r) {
            const ResultsSheet& feuille = donne.Feuilles[static_cast<std::size_t>(r)];
            const int camp = CampDuDeclarant(feuille);
            if (feuille.PaireNS == ligne.NumeroPaire) {
                AjouteDonne(ligne, Pourcent(feuille.PourcentNS), camp == 0, camp == 1);
                break;
            }
            if (feuille.PaireEO == ligne.NumeroPaire) {
                AjouteDonne(ligne, Pourcent(feuille.PourcentEO), camp == 1, camp == 0);
                break;
            }
        }
    }
}

// Table 1 is the room where the team named North-South there plays North-South; the deal's
// result is counted once for each team.
void AccumuleIMP(const Competition& competition, Tclassemt& ligne)
{
    for (int k = 1; k <= competition.Tournoi.NombreDonnes; ++k) {
        const board& donne = competition.Donnes[static_cast<std::size_t>(k)];
        if (donne.NombreFeuilles < 1) continue;
        const ResultsSheet& salle1 = donne.Feuilles[1];
        if (salle1.PaireNS == ligne.NumeroPaire) {
            ligne.TotalIMP += donne.ResultatIMP;
            ++ligne.NbDonnes;
        } else if (salle1.PaireEO == ligne.NumeroPaire) {
            ligne.TotalIMP -= donne.ResultatIMP;
            ++ligne.NbDonnes;
        }
    }
}

double Moyenne(double somme, int nombre)
{
    return nombre == 0 ? 0 : somme / nombre;
}

} // namespace

void CalculeRangs(std::vector<Tclassemt>& lignes, const Ttournoi& tournoi)
{
    std::vector<std::size_t> classees;
    std::vector<std::optional<double>> totaux, declarant, defense;
    for (std::size_t p = 1; p < lignes.size() && p < tournoi.Paires.size(); ++p) {
        if (tournoi.Paires[p].Numero == 0) continue;
        classees.push_back(p);
        totaux.push_back(ValeurTotale(lignes[p], tournoi));
        declarant.push_back(ValeurDeclarant(lignes[p]));
        defense.push_back(ValeurDefense(lignes[p]));
    }
    const auto rangsTotaux = Rangs(totaux, Sens::PlusGrandMeilleur);
    const auto rangsDeclarant = Rangs(declarant, Sens::PlusGrandMeilleur);
    const auto rangsDefense = Rangs(defense, Sens::PlusGrandMeilleur);
    for (std::size_t i = 0; i < classees.size(); ++i) {
        Tclassemt& ligne = lignes[classees[i]];
        ligne.RangTotal = rangsTotaux[i];
        ligne.RangDeclarant = rangsDeclarant[i];
        ligne.RangDefense = rangsDefense[i];
    }
}

bool FaitClassement(const Competition& competition, std::vector<Tclassemt>& lignes)
{
    if (competition.EtatFichier != "DFA") return false;
    const Ttournoi& tournoi = competition.Tournoi;
    lignes = InitialiseClassement(tournoi);
    for (std::size_t p = 1; p < lignes.size(); ++p) {
        Tclassemt& ligne = lignes[p];
        if (ligne.NumeroPaire == 0) continue;
        if (EstMatchParEquipes(tournoi)) {
            AccumuleIMP(competition, ligne);
            continue;
        }
        AccumulePourcentages(competition, ligne);
        ligne.MoyenneTotale = Moyenne(ligne.MoyenneTotale, ligne.NbDonnes);
        ligne.MoyenneDeclarant = Moyenne(ligne.MoyenneDeclarant, ligne.NbDonnesDeclarant);
        ligne.MoyenneDefense = Moyenne(ligne.MoyenneDefense, ligne.NbDonnesDefense);
    }
    CalculeRangs(lignes, tournoi);
    return true;
}

void TrieClassement(std::vector<Tclassemt>& lignes, const Ttournoi& tournoi)
{
    // The program's own exchange scheme, kept so that equal totals come out in its order.
    bool echange = true;
    while (echange) {
        echange = false;
        for (std::size_t c = 1; c + 1 < lignes.size(); ++c)
            for (std::size_t i = c + 1; i < lignes.size(); ++i)
                if (Meilleur(ValeurTotale(lignes[i], tournoi), ValeurTotale(lignes[c], tournoi),
                        Sens::PlusGrandMeilleur)) {
                    std::swap(lignes[c], lignes[i]);
                    echange = true;
                }
    }
}

const Tclassemt* LigneDePaire(const std::vector<Tclassemt>& lignes, int numero)
{
    for (std::size_t p = 1; p < lignes.size(); ++p)
        if (lignes[p].NumeroPaire == numero) return &lignes[p];
    return nullptr;
}

int IndexDePaire(const Ttournoi& tournoi, int numero)
{
    for (std::size_t p = 1; p < tournoi.Paires.size(); ++p)
        if (tournoi.Paires[p].Numero == numero && numero != 0) return static_cast<int>(p);
    return 0;
}

} // namespace plio
