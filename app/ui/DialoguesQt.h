// The program's message boxes, input boxes, questions and modal windows, on Qt widgets.
#pragma once

#include "model/Dialogues.h"

namespace plio {

struct Fenetres;

class DialoguesQt final : public Dialogues {
public:
    // The windows that FenetreModale can show, by form name.
    Fenetres* fenetres = nullptr;

    void AfficheMessage(const std::string& texte) override;
    std::optional<std::string> Saisie(
        const std::string& titre, const std::string& invite, const std::string& defaut) override;
    std::optional<int> SaisieEntier(
        const std::string& titre, const std::string& invite, int defaut) override;
    bool Question(const std::string& texte) override;
    Reponse QuestionOuiNonAnnuler(const std::string& texte) override;
    void FenetreModale(const std::string& fenetre) override;
};

} // namespace plio
