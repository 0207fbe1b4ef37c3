// Every window of the program, created once at start-up in a fixed order, the title window
// first; the other windows stay hidden until a command shows them.
#pragma once

#include "app/Contexte.h"

#include <memory>
#include <string_view>
#include <vector>

namespace plio {

class Fenetre;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;
class TForm15;
class Tform16;
class TForm17;
class TForm18;
class TForm19;
class TForm20;

struct Fenetres {
    Fenetres();
    ~Fenetres();

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm3> Form3;
    std::unique_ptr<TForm4> Form4;
    std::unique_ptr<TForm5> Form5;
    std::unique_ptr<TForm6> Form6;
    std::unique_ptr<TForm7> Form7;
    std::unique_ptr<TForm9> Form9;
    std::unique_ptr<TForm10> Form10;
    std::unique_ptr<TForm11> Form11;
    std::unique_ptr<TForm12> Form12;
    std::unique_ptr<TForm13> Form13;
    std::unique_ptr<TForm14> Form14;
    std::unique_ptr<TForm15> Form15;
    std::unique_ptr<Tform16> Form16;
    std::unique_ptr<TForm17> Form17;
    std::unique_ptr<TForm18> Form18;
    std::unique_ptr<TForm19> Form19;
    std::unique_ptr<TForm20> Form20;

    // In creation order.
    std::vector<Fenetre*> Toutes() const;
    // By form name ("TForm5", "Tform16"); nullptr for an unknown name.
    Fenetre* ParNom(std::string_view nom) const;
};

// Creates the nineteen windows in the program's order; the title window's creation fixes the
// folders and reads the language, so it comes first.
std::unique_ptr<Fenetres> CreeFenetres(Contexte& contexte);

} // namespace plio
