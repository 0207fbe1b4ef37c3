#include "FenetresFixture.h"

#include "app/ui/FeedbackMail.h"
#include "app/ui/SaisieDonnees.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace plio::test {
namespace {

using FeedbackMailTest = FenetresFixture;

TEST_F(FeedbackMailTest, MemoAndLabelShowTheTextModallyOverTheDealWindow)
{
    Demarre();
    TForm7& retour = *fenetres->Form7;
    fenetres->Form2->setGeometry(100, 50, 800, 600);
    const QPoint attendu = fenetres->Form2->geometry().center() - QPoint(100, 70);
    bool ouverte = false;
    dialogues.pendantModale = [&](const std::string&) {
        ouverte = true;
        retour.Button1->click();
    };

    retour.MessageMemo("Donne validée");
    EXPECT_TRUE(ouverte);
    EXPECT_EQ(retour.pos(), attendu);
    EXPECT_TRUE(retour.Label1->isHidden());
    EXPECT_FALSE(retour.Memo1->isHidden());
    EXPECT_EQ(retour.Memo1->toPlainText().toStdString(), "Donne validée");
    EXPECT_EQ(retour.Memo1->font().pixelSize(), 18);
    EXPECT_TRUE(retour.windowTitle().isEmpty());

    retour.MessageLabel("Feuille validée");
    EXPECT_FALSE(retour.Label1->isHidden());
    EXPECT_TRUE(retour.Memo1->isHidden());
    EXPECT_EQ(retour.Label1->text().toStdString(), "Feuille validée");
    EXPECT_EQ(retour.Label1->font().pixelSize(), 18);

    retour.MessageMail("Le fichier a été envoyé");
    EXPECT_EQ(retour.windowTitle().toStdString(), "Feedback mail");
    EXPECT_EQ(dialogues.modales, std::vector<std::string>(3, "TForm7"));
    EXPECT_FALSE(retour.isVisible());
}

} // namespace
} // namespace plio::test
