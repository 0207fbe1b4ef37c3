// Every window of the program, created as at start-up, over a fresh data folder and the
// installation tree of the build, with scripted dialogs.
#pragma once

#include "app/Demarrage.h"
#include "app/ui/Fenetres.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace plio::test {

class FenetresFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the windows, the language file first holding the given language when not empty.
    void Demarre(const std::string& langue = "french", QSize ecran = QSize(1024, 768));
    std::string LitFichier(const std::string& chemin) const;
    void EcritFichier(const std::string& chemin, const std::string& contenu) const;

    QTemporaryDir donnees;
    DialoguesScriptes dialogues;
    Contexte contexte { dialogues };
    std::unique_ptr<Fenetres> fenetres;
};

} // namespace plio::test
