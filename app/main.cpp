// Plioscope: the desktop program.
#include "app/Demarrage.h"
#include "app/ui/DialoguesQt.h"
#include "app/ui/PageDeGarde.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plioscope"));

    plio::DialoguesQt dialogues;
    plio::Contexte contexte(dialogues);
    const QSize ecran = QGuiApplication::primaryScreen()->size();
    const auto fenetres
        = plio::Demarre(contexte, ecran, QApplication::applicationDirPath().toStdString());
    dialogues.fenetres = fenetres.get();

    fenetres->Form1->show();
    return QApplication::exec();
}
