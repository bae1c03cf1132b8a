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

inline constexpr std::uint16_t PasUnExport = 1;
inline constexpr std::uint16_t Attention = 2;
inline constexpr std::uint16_t Bravo = 3;
inline constexpr std::uint16_t ControleTermine = 4;
inline constexpr std::uint16_t CopiezResultats = 5;
inline constexpr std::uint16_t Naissances = 10;
inline constexpr std::uint16_t Mariages = 11;
inline constexpr std::uint16_t Deces = 12;
inline constexpr std::uint16_t Divers = 13;
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
