#include "FenetresFixture.h"

#include "app/TelechargeTexte.h"
#include "app/ui/PageDeGarde.h"
#include "help/MiseAJour.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QToolButton>

namespace plio::test {
namespace {

// A one-page web site on the loopback address: answers every GET with a fixed status and
// body, and counts the requests.
class SiteLocal {
public:
    SiteLocal(QByteArray corps, int statut = 200)
    {
        serveur.listen(QHostAddress::LocalHost);
        QObject::connect(&serveur, &QTcpServer::newConnection, [this, corps, statut] {
            while (QTcpSocket* client = serveur.nextPendingConnection()) {
                QObject::connect(client, &QTcpSocket::readyRead, client, [=, this] {
                    if (!client->readAll().contains("\r\n\r\n")) return;
                    ++requetes;
                    client->write("HTTP/1.1 " + QByteArray::number(statut)
                        + " X\r\nContent-Type: text/plain\r\nConnection: close\r\n"
                          "Content-Length: "
                        + QByteArray::number(corps.size()) + "\r\n\r\n" + corps);
                    client->disconnectFromHost();
                });
                QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
            }
        });
    }
    std::string Racine() const
    {
        return "http://127.0.0.1:" + std::to_string(serveur.serverPort()) + "/site/";
    }

    QTcpServer serveur;
    int requetes = 0;
};

// A loopback port that refuses connections: nothing listens there any more.
std::string RacineHorsLigne()
{
    QTcpServer ferme;
    ferme.listen(QHostAddress::LocalHost);
    const auto port = ferme.serverPort();
    ferme.close();
    return "http://127.0.0.1:" + std::to_string(port) + "/";
}

class MiseAJourTest : public FenetresFixture {
protected:
    void OuvreUnFichier() { fenetres->Form1->SpeedButton11->click(); }
    const std::string annonce { MessageMiseAJour };
};

TEST_F(MiseAJourTest, OfflineShowsNothingAndTheChooserOpens)
{
    Demarre();
    contexte.siteMiseAJour = RacineHorsLigne();
    OuvreUnFichier();
    EXPECT_TRUE(dialogues.messages.empty());
    EXPECT_EQ(dialogues.modales, (std::vector<std::string> { "TForm5" }));
    EXPECT_TRUE(contexte.MiseAJourVerifiee);
}

struct CasDate {
    const char* corps;
    int statut;
    bool annonce;
};

class DatePubliee : public MiseAJourTest, public testing::WithParamInterface<CasDate> { };

TEST_P(DatePubliee, OnlyAnExactlyEqualDateIsSilent)
{
    const CasDate& cas = GetParam();
    SiteLocal site(cas.corps, cas.statut);
    Demarre();
    contexte.siteMiseAJour = site.Racine();
    OuvreUnFichier();
    EXPECT_EQ(site.requetes, 1);
    EXPECT_EQ(dialogues.messages,
        cas.annonce ? std::vector<std::string> { annonce } : std::vector<std::string> {});
    EXPECT_EQ(dialogues.modales, (std::vector<std::string> { "TForm5" }));

    OuvreUnFichier(); // once per run
    EXPECT_EQ(site.requetes, 1);
    EXPECT_EQ(dialogues.modales.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Reponses, DatePubliee,
    testing::Values(CasDate { "12-08-2013", 200, false }, CasDate { "12-08-2013\n", 200, true },
        CasDate { "12-08-2013\r\n", 200, true }, CasDate { "01-02-2020", 200, true },
        CasDate { "12-08-2013", 404, false }, CasDate { "", 500, false }));

TEST(AdresseMiseAJour, FollowsTheSiteRoot)
{
    EXPECT_EQ(AdresseMiseAJour("http://h/p/"), "http://h/p/Fichiers_TXT/PlioscopeDate.txt");
    EXPECT_EQ(AdresseMiseAJour("http://h"), "http://h/Fichiers_TXT/PlioscopeDate.txt");
}

TEST(TelechargeTexte, GivesUpAfterTheTimeLimit)
{
    // A server that accepts the connection and never answers.
    QTcpServer muet;
    muet.listen(QHostAddress::LocalHost);
    const auto reponse
        = TelechargeTexte("http://127.0.0.1:" + std::to_string(muet.serverPort()) + "/x", 200);
    EXPECT_EQ(reponse, std::nullopt);
}

TEST(VerifieUpdate, NoSiteMeansNoRequest)
{
    bool verifiee = false;
    int appels = 0;
    DialoguesScriptes d;
    VerifieUpdate(
        verifiee, "",
        [&](const std::string&) {
            ++appels;
            return std::optional<std::string> { "x" };
        },
        d);
    EXPECT_TRUE(verifiee);
    EXPECT_EQ(appels, 0);
    EXPECT_TRUE(d.messages.empty());
}

} // namespace
} // namespace plio::test
