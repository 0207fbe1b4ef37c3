// The one door through which the program talks to the user: message boxes, input boxes and
// Yes/No questions. The windows supply a widget implementation; tests script the answers.
#pragma once

#include "model/Textes.h"

#include <charconv>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace plio {

class Dialogues {
public:
    virtual ~Dialogues() = default;
    virtual void AfficheMessage(const std::string& texte) = 0;
    // An input box; nullopt when the user cancels.
    virtual std::optional<std::string> Saisie(
        const std::string& titre, const std::string& invite, const std::string& defaut)
        = 0;
    virtual bool Question(const std::string& texte) = 0;

    // A whole number asked in an input box; nullopt when the user cancels. An answer that is no
    // number is refused and asked again rather than ending the command that asked.
    virtual std::optional<int> SaisieEntier(
        const std::string& titre, const std::string& invite, int defaut)
    {
        for (;;) {
            const auto reponse = Saisie(titre, invite, std::to_string(defaut));
            if (!reponse) return std::nullopt;
            if (const auto n = EntierDe(*reponse)) return n;
            AfficheMessage(Message(11));
        }
    }

    enum class Reponse { Oui, Non, Annuler };
    virtual Reponse QuestionOuiNonAnnuler(const std::string& texte)
    {
        return Question(texte) ? Reponse::Oui : Reponse::Non;
    }

    // Shows a window, by its form name ("TForm5"), and returns once it is closed. Without
    // windows (batch work) there is none to show.
    virtual void FenetreModale(const std::string& fenetre) { }

    // The whole text as an integer, surrounding spaces allowed; nullopt for anything else.
    static std::optional<int> EntierDe(std::string_view texte)
    {
        while (!texte.empty() && texte.front() == ' ')
            texte.remove_prefix(1);
        while (!texte.empty() && texte.back() == ' ')
            texte.remove_suffix(1);
        int n = 0;
        const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), n);
        if (texte.empty() || erreur != std::errc {} || fin != texte.data() + texte.size())
            return std::nullopt;
        return n;
    }
};

// Answers from a script, records every message: for tests and for batch work.
class DialoguesScriptes final : public Dialogues {
public:
    std::deque<std::optional<std::string>> saisies; // answers to input boxes, in order
    std::deque<bool> reponses; // answers to questions, in order
    std::vector<std::string> messages; // every message shown
    std::vector<std::string> invites; // every input-box prompt shown
    std::vector<std::string> modales; // every window shown modally
    std::function<void(const std::string&)> pendantModale; // plays the user's part in it

    void AfficheMessage(const std::string& texte) override { messages.push_back(texte); }
    std::optional<std::string> Saisie(
        const std::string& titre, const std::string& invite, const std::string& defaut) override
    {
        invites.push_back(invite);
        if (saisies.empty()) return defaut;
        auto reponse = saisies.front();
        saisies.pop_front();
        return reponse;
    }
    bool Question(const std::string& texte) override
    {
        messages.push_back(texte);
        if (reponses.empty()) return false;
        const bool r = reponses.front();
        reponses.pop_front();
        return r;
    }
    void FenetreModale(const std::string& fenetre) override
    {
        modales.push_back(fenetre);
        if (pendantModale) pendantModale(fenetre);
    }
};

// The dialogues behind the program's no-argument routines; the windows install theirs at start-up.
// Until then messages are only recorded.
inline DialoguesScriptes DialoguesSansFenetre;
inline Dialogues* DialoguesProgramme = &DialoguesSansFenetre;

} // namespace plio
