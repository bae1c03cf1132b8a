// The numbered table of messages (resources/messages.txt) in the 8-bit code
// page of the tool's messages, and the %s / %d formatting of its entries.
// Each number named here must have its entry in the table: the build stops
// at the name of a number that has none.
#pragma once

#include "commun/LectureTableMessages.h"
#include "commun/TableMessagesUtf8.h"
#include "commun/Texte.h"
#include "commun/TexteMixte.h"

#include <cstdint>
#include <initializer_list>
#include <variant>

namespace Msg {

// The number, and the suivantes numbers after it, each with its entry.
consteval std::uint16_t Entree(std::uint16_t numero, std::uint16_t suivantes = 0) {
    for (std::uint32_t n = numero; n <= std::uint32_t{numero} + suivantes; ++n)
        if (!ContientEntree(TableMessagesUtf8, static_cast<std::uint16_t>(n)))
            throw "resources/messages.txt n'a pas d'entrée pour ce numéro";
    return numero;
}

inline constexpr std::uint16_t DateIncorrecte = Entree(65521);
inline constexpr std::uint16_t ErreurES = Entree(65523);
inline constexpr std::uint16_t FichierIntrouvable = Entree(65524);
inline constexpr std::uint16_t NomIncorrect = Entree(65525);
inline constexpr std::uint16_t TropDeFichiers = Entree(65526);
inline constexpr std::uint16_t AccesRefuse = Entree(65527);
inline constexpr std::uint16_t LectureApresFin = Entree(65528);
inline constexpr std::uint16_t DisquePlein = Entree(65529);
inline constexpr std::uint16_t SaisieNumerique = Entree(65530);
inline constexpr std::uint16_t ProprieteHorsLimites = Entree(65377);
inline constexpr std::uint16_t InsertionRichEdit = Entree(65379);
inline constexpr std::uint16_t MemoireInsuffisante = Entree(65380);
inline constexpr std::uint16_t ErreurInterne = Entree(65381);
inline constexpr std::uint16_t BibliothequeSysteme = Entree(65382);
inline constexpr std::uint16_t DialogueOuverture = Entree(65383);
inline constexpr std::uint16_t OperationRichEdit = Entree(65384);

inline constexpr std::uint16_t PasUnExport = Entree(1);
inline constexpr std::uint16_t Attention = Entree(2);
inline constexpr std::uint16_t Bravo = Entree(3);
inline constexpr std::uint16_t ControleTermine = Entree(4);
inline constexpr std::uint16_t CopiezResultats = Entree(5);
inline constexpr std::uint16_t UnSeulFichier = Entree(6);
inline constexpr std::uint16_t Naissances = Entree(10);
inline constexpr std::uint16_t Mariages = Entree(11);
inline constexpr std::uint16_t Deces = Entree(12);
inline constexpr std::uint16_t Divers = Entree(13);
inline constexpr std::uint16_t NomRapport = Entree(20);
inline constexpr std::uint16_t MenuCopier = Entree(21);
inline constexpr std::uint16_t MenuToutSelectionner = Entree(22);
inline constexpr std::uint16_t SansAffichage = Entree(23);

// Why a date is refused; the notes on its year, the two ways of showing a
// character, and the months' names (January at NomsMois, December 11 after).
inline constexpr std::uint16_t RaisonDateVide = Entree(200);
inline constexpr std::uint16_t RaisonNombreSeul = Entree(201);
inline constexpr std::uint16_t RaisonPasDeNombreAuDebut = Entree(202);
inline constexpr std::uint16_t RaisonAucunNombre = Entree(203);
inline constexpr std::uint16_t RaisonNombreManquantEnFin = Entree(204);
inline constexpr std::uint16_t RaisonNombreManquant = Entree(205);
inline constexpr std::uint16_t RaisonSeparateur = Entree(206);
inline constexpr std::uint16_t RaisonChiffreEnTrop = Entree(207);
inline constexpr std::uint16_t RaisonTexteEnTrop = Entree(208);
inline constexpr std::uint16_t RaisonTexteTropLong = Entree(209);
inline constexpr std::uint16_t RaisonAnnee = Entree(210);
inline constexpr std::uint16_t RaisonMoisZero = Entree(211);
inline constexpr std::uint16_t RaisonMoisTrop = Entree(212);
inline constexpr std::uint16_t RaisonJourZero = Entree(213);
inline constexpr std::uint16_t RaisonNonBissextile = Entree(214);
inline constexpr std::uint16_t RaisonJourTrop = Entree(215);
inline constexpr std::uint16_t AnneeParFenetre = Entree(220);
inline constexpr std::uint16_t AnneeParEre = Entree(221);
inline constexpr std::uint16_t AnneeEnCours = Entree(222);
inline constexpr std::uint16_t CaractereVisible = Entree(225);
inline constexpr std::uint16_t CaractereParCode = Entree(226);
inline constexpr std::uint16_t AvantRaison = Entree(227);
inline constexpr std::uint16_t NomsMois = Entree(231, 11);

// The hint of another convention; the day's short and whole names (the
// month's and the year's follow each).
inline constexpr std::uint16_t IndiceCourt = Entree(250);
inline constexpr std::uint16_t IndiceComplet = Entree(251);
inline constexpr std::uint16_t LettreJour = Entree(252, 2);
inline constexpr std::uint16_t NomJour = Entree(255, 2);
}  // namespace Msg

// The code page in which the table's texts are kept.
inline constexpr std::uint32_t PageDeCodeMessages = 1252;

// The entry numbered id; the empty text for a number the table does not have.
const Texte& ChaineRessource(std::uint16_t id);

// A text argument is the tool's own unless made with TexteMixte::DeLExport;
// the formatted text keeps where the export's bytes lie.
using ArgumentMessage = std::variant<TexteMixte, std::int32_t>;

// Replaces, in order, each %s by a text argument and each %d by a number
// argument written in decimal; %% gives one %. A directive without its
// argument, or of the wrong kind, is left as it stands.
TexteMixte FormateMessage(const Texte& modele, std::initializer_list<ArgumentMessage> arguments);

// Entry id formatted with the arguments.
TexteMixte MessageRessource(std::uint16_t id, std::initializer_list<ArgumentMessage> arguments = {});
