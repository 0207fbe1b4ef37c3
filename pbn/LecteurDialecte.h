// The reader of the dialect, shared by its three source files: the header and the deal blocks,
// the analysis tables, the result sheets. Only the dialect reader includes it.
#pragma once

#include "model/VariablesGlobales.h"
#include "pbn/ResultatFichier.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plio::dialecte {

// Characters [debut, fin) of a line (0-based), clipped to the line.
std::string_view Extrait(std::string_view ligne, std::size_t debut, std::size_t fin);

// The fields of a line separated by single spaces (an empty field between two spaces).
std::vector<std::string_view> Champs(std::string_view ligne);

// Numbers separated by single spaces, each followed by one (the last one may not be).
std::optional<std::vector<int>> Nombres(std::string_view texte);

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

    ResultatFichier Lit();

private:
    struct Bloc {
        bool donne = false; // the deal is complete, as its last line about it says
        bool feuilles = true;
        bool analyse = true;
        bool tableDesEntames = false;
        bool tableDesPlis = false;
        bool tableDesFeuilles = false;
    };

    // Records the line (0-based index) where reading stops; always false.
    bool Echec(std::size_t indexLigne);
    bool LitEntete(std::size_t finEntete);
    bool LitBloc(int b, std::size_t debut, std::size_t fin, Bloc& bloc);
    bool BlocComplet(int b, std::size_t debut, std::size_t fin, const Bloc& bloc, int nombreDonnes);
    void DonneFeuillesVides(int b, int n);
    bool LitTableDesEntames(std::size_t& i, std::size_t fin, board& donne, Bloc& bloc);
    bool LitTableDesPlis(std::size_t& i, std::size_t fin, board& donne, Bloc& bloc);
    bool LitFeuilles(int b, std::size_t& i, std::size_t fin, Bloc& bloc);
    bool LitFeuille(int b, int k, std::size_t j, Bloc& bloc);
    std::string NomsDeLaPaire(int numero, int b);

    const std::vector<std::string>& lignes_;
    Competition& competition_;
    Ttournoi& tournoi_;
    DiagnosticLecture& diagnostic_;
    ResultatFichier echec_;
    bool tableDesFeuillesVue_ = false;
};

} // namespace plio::dialecte
