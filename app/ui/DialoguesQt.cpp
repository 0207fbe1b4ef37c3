#include "app/ui/DialoguesQt.h"

#include "app/ui/Fenetre.h"
#include "app/ui/Fenetres.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <climits>

namespace plio {

namespace {

// The message texts mark their line breaks with "\r".
QString TexteAffiche(const std::string& texte)
{
    QString t = QString::fromStdString(texte);
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QWidget* Parent()
{
    return QApplication::activeWindow();
}

// Ends a local event loop when the watched window is hidden or closed.
class FinQuandCachee : public QObject {
public:
    explicit FinQuandCachee(QEventLoop& boucle)
        : boucle(boucle)
    {
    }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Hide) boucle.quit();
        return QObject::eventFilter(objet, evenement);
    }

private:
    QEventLoop& boucle;
};

} // namespace

void DialoguesQt::AfficheMessage(const std::string& texte)
{
    QMessageBox::information(Parent(), QStringLiteral("Plioscope"), TexteAffiche(texte));
}

std::optional<std::string> DialoguesQt::Saisie(
    const std::string& titre, const std::string& invite, const std::string& defaut)
{
    bool confirme = false;
    const QString reponse = QInputDialog::getText(Parent(), QString::fromStdString(titre),
        TexteAffiche(invite), QLineEdit::Normal, QString::fromStdString(defaut), &confirme);
    if (!confirme) return std::nullopt;
    return reponse.toStdString();
}

std::optional<int> DialoguesQt::SaisieEntier(
    const std::string& titre, const std::string& invite, int defaut)
{
    // The spin box accepts digits only, so a non-number cannot even be typed.
    bool confirme = false;
    const int reponse = QInputDialog::getInt(Parent(), QString::fromStdString(titre),
        TexteAffiche(invite), defaut, INT_MIN, INT_MAX, 1, &confirme);
    if (!confirme) return std::nullopt;
    return reponse;
}

bool DialoguesQt::Question(const std::string& texte)
{
    return QMessageBox::question(Parent(), QStringLiteral("Plioscope"), TexteAffiche(texte),
               QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

Dialogues::Reponse DialoguesQt::QuestionOuiNonAnnuler(const std::string& texte)
{
    switch (QMessageBox::question(Parent(), QStringLiteral("Plioscope"), TexteAffiche(texte),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Reponse::Oui;
    case QMessageBox::No:
        return Reponse::Non;
    default:
        return Reponse::Annuler;
    }
}

void DialoguesQt::FenetreModale(const std::string& nom)
{
    QWidget* fenetre = fenetres ? fenetres->ParNom(nom) : nullptr;
    if (!fenetre) return;
    QEventLoop boucle;
    FinQuandCachee fin(boucle);
    fenetre->installEventFilter(&fin);
    fenetre->setWindowModality(Qt::ApplicationModal);
    fenetre->show();
    fenetre->raise();
    if (fenetre->isVisible()) boucle.exec();
    fenetre->removeEventFilter(&fin);
    fenetre->setWindowModality(Qt::NonModal);
}

} // namespace plio
