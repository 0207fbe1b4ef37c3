#include "Sons.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstdint>
#include <vector>

namespace plio::installation {

namespace {

constexpr int Frequence = 22050;
constexpr double Pi = 3.14159265358979323846;

struct Note {
    double hertz;
    double debut; // seconds
    double duree; // seconds
    double volume; // 0..1
};

// A few notes with a quick attack and an exponential decay, and two harmonics so that the
// tone is round rather than a bare sine.
std::vector<std::int16_t> Synthetise(const std::vector<Note>& notes, double longueur)
{
    std::vector<double> mix(static_cast<std::size_t>(longueur * Frequence), 0.0);
    for (const Note& n : notes) {
        const auto debut = static_cast<std::size_t>(n.debut * Frequence);
        const auto taille = static_cast<std::size_t>(n.duree * Frequence);
        for (std::size_t i = 0; i < taille && debut + i < mix.size(); ++i) {
            const double t = static_cast<double>(i) / Frequence;
            const double attaque = std::min(1.0, t / 0.01);
            const double enveloppe = attaque * std::exp(-4.0 * t / n.duree);
            const double onde = std::sin(2 * Pi * n.hertz * t)
                + 0.3 * std::sin(4 * Pi * n.hertz * t) + 0.1 * std::sin(6 * Pi * n.hertz * t);
            mix[debut + i] += n.volume * enveloppe * onde / 1.4;
        }
    }
    std::vector<std::int16_t> echantillons(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i)
        echantillons[i] = static_cast<std::int16_t>(std::clamp(mix[i], -1.0, 1.0) * 30000);
    return echantillons;
}

void Ajoute(QByteArray& octets, const char* texte)
{
    octets.append(texte, 4);
}

template <typename T> void AjouteLE(QByteArray& octets, T valeur)
{
    T v = qToLittleEndian(valeur);
    octets.append(reinterpret_cast<const char*>(&v), sizeof v);
}

template <typename T> void AjouteBE(QByteArray& octets, T valeur)
{
    T v = qToBigEndian(valeur);
    octets.append(reinterpret_cast<const char*>(&v), sizeof v);
}

QByteArray Wav(const std::vector<std::int16_t>& echantillons)
{
    const auto donnees = static_cast<std::uint32_t>(echantillons.size() * 2);
    QByteArray o;
    Ajoute(o, "RIFF");
    AjouteLE<std::uint32_t>(o, 36 + donnees);
    Ajoute(o, "WAVE");
    Ajoute(o, "fmt ");
    AjouteLE<std::uint32_t>(o, 16);
    AjouteLE<std::uint16_t>(o, 1); // PCM
    AjouteLE<std::uint16_t>(o, 1); // mono
    AjouteLE<std::uint32_t>(o, Frequence);
    AjouteLE<std::uint32_t>(o, Frequence * 2);
    AjouteLE<std::uint16_t>(o, 2);
    AjouteLE<std::uint16_t>(o, 16);
    Ajoute(o, "data");
    AjouteLE<std::uint32_t>(o, donnees);
    for (std::int16_t e : echantillons)
        AjouteLE<std::int16_t>(o, e);
    return o;
}

QByteArray Aiff(const std::vector<std::int16_t>& echantillons)
{
    const auto n = static_cast<std::uint32_t>(echantillons.size());
    QByteArray o;
    Ajoute(o, "FORM");
    AjouteBE<std::uint32_t>(o, 4 + 26 + 16 + n * 2);
    Ajoute(o, "AIFF");
    Ajoute(o, "COMM");
    AjouteBE<std::uint32_t>(o, 18);
    AjouteBE<std::uint16_t>(o, 1);
    AjouteBE<std::uint32_t>(o, n);
    AjouteBE<std::uint16_t>(o, 16);
    // 22050 as an 80-bit extended float: exponent 16383 + 14, mantissa 22050 << 49.
    AjouteBE<std::uint16_t>(o, 16383 + 14);
    AjouteBE<std::uint64_t>(o, static_cast<std::uint64_t>(Frequence) << 49);
    Ajoute(o, "SSND");
    AjouteBE<std::uint32_t>(o, 8 + n * 2);
    AjouteBE<std::uint32_t>(o, 0);
    AjouteBE<std::uint32_t>(o, 0);
    for (std::int16_t e : echantillons)
        AjouteBE<std::int16_t>(o, e);
    return o;
}

bool Ecrit(const QString& chemin, const QByteArray& octets)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size();
}

// Notes of a major scale above a root, for chimes that differ from file to file.
double Degre(double racine, int degre)
{
    static constexpr int demiTons[] = { 0, 2, 4, 5, 7, 9, 11, 12, 14, 16 };
    return racine * std::pow(2.0, demiTons[degre % 10] / 12.0);
}

std::vector<std::int16_t> Carillon(int n, bool brillant)
{
    const double racine = brillant ? 660.0 : 523.25;
    std::vector<Note> notes { { Degre(racine, n % 3), 0.0, 0.35, 0.5 },
        { Degre(racine, 2 + n % 4), 0.09, 0.45, 0.5 } };
    if (brillant) notes.push_back({ Degre(racine, 4 + n % 3), 0.18, 0.6, 0.45 });
    return Synthetise(notes, brillant ? 0.8 : 0.55);
}

std::vector<std::int16_t> Grave(int n, int force)
{
    const double racine = 220.0 - 12.0 * (n % 5) - 30.0 * force;
    std::vector<Note> notes { { racine, 0.0, 0.3, 0.5 }, { racine * 0.94, 0.16, 0.4, 0.5 } };
    if (force >= 2) notes.push_back({ racine * 0.84, 0.34, 0.5, 0.5 });
    return Synthetise(notes, 0.5 + 0.2 * force);
}

std::vector<std::int16_t> Claquement(int n)
{
    return Synthetise({ { 1800.0 + 150.0 * n, 0.0, 0.04, 0.35 }, { 900.0, 0.0, 0.06, 0.2 } }, 0.1);
}

} // namespace

bool EcritSons(const QString& dossierSons)
{
    const QDir d(dossierSons);
    bool ok = true;
    for (int n = 1; n <= 8; ++n)
        ok &= Ecrit(
            d.filePath(QStringLiteral("Posit/posit%1.wav").arg(n)), Wav(Carillon(n, false)));
    // The first "PositPlus" sound is named ".mp3"; the program then looks for the ".aif".
    ok &= Ecrit(d.filePath(QStringLiteral("PositPlus/posit1.aif")), Aiff(Carillon(1, true)));
    for (int n = 2; n <= 5; ++n)
        ok &= Ecrit(
            d.filePath(QStringLiteral("PositPlus/posit%1.wav").arg(n)), Wav(Carillon(n, true)));
    for (int n = 1; n <= 11; ++n)
        ok &= Ecrit(d.filePath(QStringLiteral("Negat/negat%1.wav").arg(n)), Wav(Grave(n, 0)));
    for (int n = 1; n <= 14; ++n)
        ok &= Ecrit(d.filePath(QStringLiteral("NegatPlus/negat%1.wav").arg(n)), Wav(Grave(n, 1)));
    for (int n = 1; n <= 4; ++n)
        ok &= Ecrit(
            d.filePath(QStringLiteral("NegatPlusPlus/negat%1.wav").arg(n)), Wav(Grave(n, 2)));
    for (int n = 1; n <= 4; ++n)
        ok &= Ecrit(d.filePath(QStringLiteral("Jeu/carte%1.wav").arg(n)), Wav(Claquement(n)));
    ok &= Ecrit(d.filePath(QStringLiteral("Jeu/son.txt")), QByteArray("son\n"));
    return ok;
}

} // namespace plio::installation
