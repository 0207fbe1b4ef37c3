// The title window: the program's main window, with the product title and picture and the
// column of framed command buttons from which every other window is reached.
#pragma once

#include "app/ui/Fenetre.h"

#include <string_view>

class QLabel;
class QToolButton;

namespace plio {

class TImage;

class TForm1 final : public Fenetre {
public:
    // Creation fixes the folders, reads the language and fills the text tables first.
    explicit TForm1(Contexte& contexte);

    void FaitLangue() override;

    void Image1Click(); // French
    void Image2Click(); // English
    void SpeedButton4Click(); // create a file
    void SpeedButton11Click(); // open a file
    void SpeedButton5Click(); // analyse a file
    void SpeedButton2Click(); // send a file
    void SpeedButton12Click(); // help
    void SpeedButton13Click(); // initialise
    void SpeedButton3Click(); // quit
    // The analysis shared with the deal-entry window; the tag tells who asks (2: this window).
    // False when the user stopped the solver.
    bool SpeedButton1Click(int tag);

    TImage* Image1;
    TImage* Image2;
    TImage* Image3;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton11;
    QToolButton* SpeedButton12;
    QToolButton* SpeedButton13;

private:
    void FixeDossiersEtLangue();
    void PlaceControles();
    void ChargeImages();
    void ChangeLangue(std::string_view langue);
    // Shows the file chooser in opening mode; true when a competition file was read.
    bool ChoisitEtLitFichier();
    void SequenceCreation();
    QToolButton* Bouton(int x, int y, int largeur, int hauteur);

    QLabel* titre;
    QLabel* sousTitre;
    QLabel* panneau;
    QLabel* version;
};

} // namespace plio
