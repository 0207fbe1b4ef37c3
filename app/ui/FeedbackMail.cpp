#include "app/ui/FeedbackMail.h"

#include "app/ui/Fenetres.h"
#include "app/ui/SaisieDonnees.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace plio {

TForm7::TForm7(Contexte& c)
    : Fenetre(c, "TForm7")
{
    setWindowFlag(Qt::Dialog);
    DimensionneFenetre(360, 200);
    FondDeFenetre(QColor(255, 244, 200));
    Label1 = new QLabel(this);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(Police(15));
    Place(Label1, 12, 12, 336, 130);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Place(Memo1, 12, 12, 336, 130);
    Memo1->hide();
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setFont(Police(14, true));
    Place(Button1, 140, 154, 80, 32);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm7::PlacePres(QPoint centre)
{
    move(centre - QPoint(100, 70));
}

QPoint TForm7::CentrePanneauDonne() const
{
    const QWidget* donne = contexte.fenetres ? contexte.fenetres->Form2.get() : nullptr;
    return donne ? donne->geometry().center() : QPoint(0, 0);
}

void TForm7::MessageMail(const std::string& texte)
{
    setWindowTitle(QStringLiteral("Feedback mail"));
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        PlacePres(ecran->geometry().center());
    Memo1->hide();
    Label1->setText(VersQt(texte));
    Label1->show();
    contexte.dialogues.FenetreModale("TForm7");
}

void TForm7::MessageMemo(const std::string& texte)
{
    setWindowTitle(QString());
    PlacePres(CentrePanneauDonne());
    Label1->hide();
    QFont police = Memo1->font();
    police.setPixelSize(18);
    Memo1->setFont(police);
    Memo1->setPlainText(VersQt(texte));
    Memo1->show();
    contexte.dialogues.FenetreModale("TForm7");
}

void TForm7::MessageLabel(const std::string& texte)
{
    setWindowTitle(QString());
    PlacePres(CentrePanneauDonne());
    Memo1->hide();
    QFont police = Label1->font();
    police.setPixelSize(18);
    Label1->setFont(police);
    Label1->setText(VersQt(texte));
    Label1->show();
    contexte.dialogues.FenetreModale("TForm7");
}

void TForm7::Button1Click()
{
    hide();
}

} // namespace plio
