// The one door through which the program talks to the user: message boxes, input boxes and
// Yes/No questions. The windows supply a widget implementation; tests script the answers.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace plio {

class Dialogues {
public:
    virtual ~Dialogues() = default;
    virtual void AfficheMessage(const std::string& texte) = 0;
    // An input box; nullopt when the user cancels.
    virtual std::optional<std::string> Saisie(const std::string& titre, const std::string& invite,
        const std::string& defaut)
        = 0;
    virtual bool Question(const std::string& texte) = 0;
};

// Answers from a script, records every message: for tests and for batch work.
class DialoguesScriptes final : public Dialogues {
public:
    std::deque<std::optional<std::string>> saisies; // answers to input boxes, in order
    std::deque<bool> reponses;                      // answers to questions, in order
    std::vector<std::string> messages;              // every message shown
    std::vector<std::string> invites;               // every input-box prompt shown

    void AfficheMessage(const std::string& texte) override { messages.push_back(texte); }
    std::optional<std::string> Saisie(const std::string& titre, const std::string& invite,
        const std::string& defaut) override
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
};

// The dialogues behind the program's no-argument routines; the windows install theirs at start-up.
// Until then messages are only recorded.
inline DialoguesScriptes DialoguesSansFenetre;
inline Dialogues* DialoguesProgramme = &DialoguesSansFenetre;

} // namespace plio
