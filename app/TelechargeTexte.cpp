#include "app/TelechargeTexte.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace plio {

std::optional<std::string> TelechargeTexte(const std::string& adresse, int delaiMs)
{
    const QUrl url(QString::fromStdString(adresse));
    if (!url.isValid() || url.scheme().isEmpty()) return std::nullopt;

    QNetworkAccessManager reseau;
    QNetworkRequest requete(url);
    requete.setTransferTimeout(delaiMs);
    std::unique_ptr<QNetworkReply> reponse(reseau.get(requete));

    // The interface waits for the answer, as the check is one short request per run; the
    // timer bounds the wait even when the transfer time-out does not apply (name lookup).
    QEventLoop attente;
    QTimer limite;
    limite.setSingleShot(true);
    QObject::connect(&limite, &QTimer::timeout, reponse.get(), &QNetworkReply::abort);
    QObject::connect(reponse.get(), &QNetworkReply::finished, &attente, &QEventLoop::quit);
    limite.start(delaiMs);
    if (!reponse->isFinished()) attente.exec(QEventLoop::ExcludeUserInputEvents);

    if (reponse->error() != QNetworkReply::NoError) return std::nullopt;
    return reponse->readAll().toStdString();
}

} // namespace plio
