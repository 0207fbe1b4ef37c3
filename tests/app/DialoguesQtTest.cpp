#include "app/ui/DialoguesQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace plio {
namespace {

// Plays the user's part in the next dialog box once it is shown.
void QuandUneBoiteSOuvre(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && (qobject_cast<QInputDialog*>(w) || qobject_cast<QMessageBox*>(w)))
                return action(w);
        QuandUneBoiteSOuvre(action);
    });
}

void Tape(QWidget* cible, const QString& texte)
{
    for (const QChar c : texte) {
        QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(cible, &appui);
    }
}

TEST(DialoguesQt, IntegerInputRefusesLettersAndGivesTheNumber)
{
    DialoguesQt dialogues;
    QuandUneBoiteSOuvre([](QWidget* boite) {
        auto* saisie = boite->findChild<QSpinBox*>();
        ASSERT_NE(saisie, nullptr);
        saisie->selectAll();
        Tape(saisie->findChild<QLineEdit*>(), QStringLiteral("x7y"));
        EXPECT_EQ(saisie->findChild<QLineEdit*>()->text().toStdString(), "7");
        static_cast<QInputDialog*>(boite)->accept();
    });
    EXPECT_EQ(dialogues.SaisieEntier("Nombre de tables", "Combien ?", 4), 7);
}

TEST(DialoguesQt, CancelledInputGivesNothing)
{
    DialoguesQt dialogues;
    QuandUneBoiteSOuvre([](QWidget* boite) { static_cast<QDialog*>(boite)->reject(); });
    EXPECT_EQ(dialogues.Saisie("t", "i", "d"), std::nullopt);
}

TEST(DialoguesQt, MessageLineBreaksAndQuestionAnswers)
{
    DialoguesQt dialogues;
    QuandUneBoiteSOuvre([](QWidget* boite) {
        auto* question = static_cast<QMessageBox*>(boite);
        EXPECT_EQ(question->text().toStdString(), "Un\nDeux");
        question->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(dialogues.Question("Un\rDeux"));

    QuandUneBoiteSOuvre([](QWidget* boite) {
        static_cast<QMessageBox*>(boite)->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(dialogues.QuestionOuiNonAnnuler("?"), Dialogues::Reponse::Annuler);
}

} // namespace
} // namespace plio
