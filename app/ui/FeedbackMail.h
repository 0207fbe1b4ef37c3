// The feedback window: a small modal box with a label or a memo and an "OK" button, for the
// outcome of a mail sending and the short notices of the entry windows.
#pragma once

#include "app/ui/Fenetre.h"

#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace plio {

class TForm7 final : public Fenetre {
public:
    explicit TForm7(Contexte& contexte);

    void FaitLangue() override { }

    // The outcome of a sending, near the centre of the screen.
    void MessageMail(const std::string& texte);
    // A short notice over the deal window, in the memo or in the label.
    void MessageMemo(const std::string& texte);
    void MessageLabel(const std::string& texte);
    void Button1Click();

    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QPushButton* Button1;

private:
    // Top-left corner 100 pixels left of and 70 pixels above the given centre.
    void PlacePres(QPoint centre);
    QPoint CentrePanneauDonne() const;
};

} // namespace plio
