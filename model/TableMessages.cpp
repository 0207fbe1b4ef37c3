// Message texts of both languages, by entry number; entries not listed are empty.
#include "model/Textes.h"

namespace plio {

const std::array<MessageBilingue, 80>& TableMessages()
{
    static const std::array<MessageBilingue, 80> table = [] {
        std::array<MessageBilingue, 80> t {};
        t[0] = { "Envoyer un fichier",
                 "Send a file" };
        t[1] = { "Quitter",
                 "Quit" };
        t[2] = { "Créer un fichier",
                 "Create a file" };
        t[3] = { "Analyser un fichier",
                 "Analyze a file" };
        t[4] = { "Ouvrir un fichier",
                 "Open a file" };
        t[5] = { "Initialiser",
                 "Initialise" };
        t[6] = { "Ce numéro n'existe pas",
                 "This number doesn't exist" };
        t[8] = { "Renseignez le donneur",
                 "Enter the dealer" };
        t[9] = { "Renseignez la vulnérabilité",
                 "Enter the vulnerability" };
        t[10] = { "Les jeux ne sont pas complets",
                 "Hands are not fully done, check first if you entered a [Board \"\"] number in the pbn file" };
        t[11] = { "Erreur de saisie",
                 "Typographical error" };
        t[12] = { "Le joueur a trop de cartes",
                 "The player has too much cards" };
        t[16] = { "Cliquez sur les boutons ci-dessous pour choisir un type de compétition.\nRenseigner le nombre d'équipes et/ou le nombre de donnes, le nom, le lieu et la date de la compétition (entrez au moins un caractère).\nVous pouvez choisir de générer des donnes aléatoires pour cette compétition. Terminez avec le bouton Enregistrer le fichier et commencez la saisie.",
                 "You have first to choose a kind of game and enter the number of pairs and/or the number of deals" };
        t[20] = { " table enregistrée",
                 " table saved" };
        t[21] = { " tables enregistrées",
                 " tables saved" };
        t[23] = { "Feuille validée",
                 "Sheet validated" };
        t[24] = { "Votre fichier s'appellera : ",
                 "The name of your file is : " };
        t[27] = { "Nombre déjà utilisé",
                 "Number previously used" };
        t[28] = { "Fichier corrompu. Ouvrez le fichier avec le Bloc notes et vérifiez en premier que [Board ] (numéro d'étui) est suivi d'un nombre entre guillemets (\"\")",
                 "Corrupted file. Open the file with Notepad and check first that [Board ] is followed by a number between \"\"" };
        t[32] = { "Vous pouvez saisir les donnes indifféremment en faisant glisser les cartes ou en utilisant l'entrée au clavier dans l'éditeur en bas à gauche, mais dans tous les cas vous devez impérativement avoir entré le numéro de la donne avant (en haut à droite)",
                 "You can enter the deals in moving the cards or in using the keyboard (window bottom left) but in both cases you should prior have entered the number of the deal (top right)" };
        t[37] = { "Votre messagerie est mal configurée.\nIl y a une erreur (ou plus) sur l'un des quatre paramètres suivants :\nAdresse courriel\nSMTP\nNom d'utilisateur\nMot de passe.\n(Voyez l'aide pour la configuration de messagerie.)",
                 "Your mail is not correctly settled.\nThere is an error on one (or more) among the four following parameters:\nmail\nSMTP\nUser name\nPassword.\n(See the help for the setup of the mail.)" };
        t[39] = { "Analyser l'ensemble du fichier (Oui) ou seulement la donne courante (Non) ?",
                 "Analyze the entire file (Yes) or only the current deal (No) ?" };
        t[40] = { "Ce fichier ne peut être analysé, certaines donnes ne sont pas validées. Ouvrez le fichier pour le compléter",
                 "This file cannot be analyzed, some deals are not validated. Open the file to complete it" };
        t[41] = { "La feuille de résultats n'est pas valide, vous pouvez analyser les donnes mais pas produire de feuilles de route ni de qualité de jeu\nL'analyse des contrats n'est pas faite, elle va être lancée, patience...",
                 "The results sheet isn't valid, you can analyze the deals but not produce sheets for score nor for quality of play\nContracts analysis isn't done, it will be fired, patience..." };
        t[42] = { "La feuille de résultats n'est pas valide, vous pouvez analyser les donnes mais pas produire de feuilles de route ni de qualité de jeu",
                 "The results sheet isn't valid, you can analyze the deals but not produce sheets for score nor for quality of play" };
        t[43] = { "Vous allez pouvoir analyser les donnes et produire des feuilles de route et de qualité de jeu\nauparavant, comme l'analyse des contrats n'est pas faite, elle va être lancée, patience...",
                 "You will be able to analuse dezals and produce sheets for score and quality of play\nBefore, as contracts analysis isn't done, it will be fired, patience..." };
        t[44] = { "Impossible de créer un fichier de zéro donne",
                 "Impossible to create a file of zero board" };
        t[45] = { "Impossible de créer un fichier de zéro équipe",
                 "Impossible to create a file of zero pair" };
        t[47] = { "Contrat validé",
                 "Contract validated" };
        t[48] = { "Vous devez d'abord choisir un contrat et un déclarant dans le cadre jaune",
                 "You have first to choose a contract and a declarer in the yellow window" };
        t[50] = { "Estimation d'un contrat sur un échantillon de donnes",
                 "Assessment of a contract on a sample of deals" };
        t[51] = { "Fixer la taille de l'échantillon souhaité",
                 "Fix the desired size of the sample" };
        t[52] = { "100",
                 "100" };
        t[53] = { " Le contrat est atteint dans ",
                 " The contract makes in " };
        t[54] = { "% des donnes",
                 "% of the deals" };
        t[55] = { "Nombre de cartes",
                 "Number of cards" };
        t[56] = { "Entrez le nombre de cartes désirées",
                 "Enter the desired number of cards" };
        t[57] = { "0",
                 "0" };
        t[58] = { "Vous devez d'abord initialiser avant de modifier le contrat",
                 "You have to initialize before modifying the contract" };
        t[59] = { "Le répertoire est vide",
                 "The directory is empty" };
        t[60] = { "La feuille de résultats ",
                 "The result sheet " };
        t[63] = { " n'est pas validée",
                 " is not validated" };
        t[64] = { " La liste est vide",
                 " The list is void" };
        t[65] = { " Vérifiez vos adresses",
                 " Check your addresses" };
        t[66] = { " Il n'y a pas de nom de fichier",
                 " There is no file name" };
        t[67] = { " Le nom de fichier est incorrect",
                 " The file name is not correct" };
        t[68] = { " Votre fichier est enregistré dans",
                 " Your file is saved in" };
        t[69] = { " Donne validée",
                 " Deal validated" };
        t[70] = { "Vous devez entrer le numéro d'étui de la donne",
                 "You must enter the number of the deal" };
        t[71] = { "Indiquer le donneur et la vulnérabilité avec les boutons en haut à gauche",
                 "Indicate the dealer and the vulnerability with the buttons on the top left" };
        t[74] = { "La donne n'est pas validée, la feuille de résultats non plus.",
                 "The deal is not validated, neither the result sheet." };
        t[75] = { "La donne n'est pas validée, la feuille de résultats est validée.",
                 "The deal is not validated, the result sheet is validated." };
        t[76] = { "La donne est validée, la feuille de résultats n'est pas validée.",
                 "The deal is validated, the result sheet is not validated." };
        t[77] = { "La donne est validée, la feuille de résultats est validée.",
                 "The deal is validated, the result sheet is validated." };
        t[78] = { "La feuille n'est pas complète, elle n'est pas validée.",
                 "The resulta sheet is not complete, it is not validated." };
        return t;
    }();
    return table;
}

} // namespace plio
