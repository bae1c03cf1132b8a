// The numbered table of messages (resources/messages.txt) in the 8-bit code
// page of the tool's messages, and the %s / %d formatting of its entries.
#pragma once

#include "commun/Texte.h"

#include <cstdint>
#include <initializer_list>
#include <variant>

namespace Msg {
inline constexpr std::uint16_t DateIncorrecte = 65521;
inline constexpr std::uint16_t ErreurES = 65523;
inline constexpr std::uint16_t FichierIntrouvable = 65524;
inline constexpr std::uint16_t NomIncorrect = 65525;
inline constexpr std::uint16_t TropDeFichiers = 65526;
inline constexpr std::uint16_t AccesRefuse = 65527;
inline constexpr std::uint16_t LectureApresFin = 65528;
inline constexpr std::uint16_t DisquePlein = 65529;
inline constexpr std::uint16_t SaisieNumerique = 65530;
inline constexpr std::uint16_t ProprieteHorsLimites = 65377;
inline constexpr std::uint16_t ValeurHorsBornes = 65378;
inline constexpr std::uint16_t InsertionRichEdit = 65379;
inline constexpr std::uint16_t MemoireInsuffisante = 65380;
inline constexpr std::uint16_t ErreurInterne = 65381;
inline constexpr std::uint16_t BibliothequeSysteme = 65382;

inline constexpr std::uint16_t PasUnExport = 1;
inline constexpr std::uint16_t Attention = 2;
inline constexpr std::uint16_t Bravo = 3;
inline constexpr std::uint16_t ControleTermine = 4;
inline constexpr std::uint16_t CopiezResultats = 5;
inline constexpr std::uint16_t Naissances = 10;
inline constexpr std::uint16_t Mariages = 11;
inline constexpr std::uint16_t Deces = 12;
inline constexpr std::uint16_t Divers = 13;

// Why a date is refused; the notes on its year, the two ways of showing a
// character, and the months' names (January at NomsMois, December 11 after).
inline constexpr std::uint16_t RaisonDateVide = 200;
inline constexpr std::uint16_t RaisonNombreSeul = 201;
inline constexpr std::uint16_t RaisonPasDeNombreAuDebut = 202;
inline constexpr std::uint16_t RaisonAucunNombre = 203;
inline constexpr std::uint16_t RaisonNombreManquantEnFin = 204;
inline constexpr std::uint16_t RaisonNombreManquant = 205;
inline constexpr std::uint16_t RaisonSeparateur = 206;
inline constexpr std::uint16_t RaisonChiffreEnTrop = 207;
inline constexpr std::uint16_t RaisonTexteEnTrop = 208;
inline constexpr std::uint16_t RaisonTexteTropLong = 209;
inline constexpr std::uint16_t RaisonAnnee = 210;
inline constexpr std::uint16_t RaisonMoisZero = 211;
inline constexpr std::uint16_t RaisonMoisTrop = 212;
inline constexpr std::uint16_t RaisonJourZero = 213;
inline constexpr std::uint16_t RaisonNonBissextile = 214;
inline constexpr std::uint16_t RaisonJourTrop = 215;
inline constexpr std::uint16_t AnneeParFenetre = 220;
inline constexpr std::uint16_t AnneeParEre = 221;
inline constexpr std::uint16_t AnneeEnCours = 222;
inline constexpr std::uint16_t CaractereVisible = 225;
inline constexpr std::uint16_t CaractereParCode = 226;
inline constexpr std::uint16_t AvantRaison = 227;
inline constexpr std::uint16_t NomsMois = 231;
}  // namespace Msg

// The code page in which the table's texts are kept.
inline constexpr std::uint32_t PageDeCodeMessages = 1252;

// The entry numbered id; the empty text for a number the table does not have.
const Texte& ChaineRessource(std::uint16_t id);

using ArgumentMessage = std::variant<Texte, std::int32_t>;

// Replaces, in order, each %s by a text argument and each %d by a number
// argument written in decimal; %% gives one %. A directive without its
// argument, or of the wrong kind, is left as it stands.
Texte FormateMessage(const Texte& modele, std::initializer_list<ArgumentMessage> arguments);

// Entry id formatted with the arguments.
Texte MessageRessource(std::uint16_t id, std::initializer_list<ArgumentMessage> arguments = {});
