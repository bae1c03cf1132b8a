// Which Linux locale the tool follows: the one that the environment selected
// at start-up, and the user's default locale, read from the user's
// regional-format file so that a change made while the tool runs is seen at
// the next reload.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The user's regional-format file: $XDG_CONFIG_HOME/locale.conf, or
// ~/.config/locale.conf when XDG_CONFIG_HOME is unset or not absolute; empty
// when neither that variable nor HOME gives a place. The window watches it to
// announce a change of the regional settings.
std::filesystem::path FichierLocaleUtilisateur();

// The locale that a file of shell-style KEY=value lines names for dates:
// LC_ALL, else LC_TIME, else LANG; nothing when the file cannot be read or
// names none of them.
std::optional<std::string> LocaleDuFichier(const std::filesystem::path& fichier);

// The locale of the date conventions selected by the process environment:
// LC_ALL, else LC_TIME, else LANG, else "C" (empty values are skipped).
std::string LocaleDateEnvironnement();

// The locale of the character set selected by the process environment:
// LC_ALL, else LC_CTYPE, else LANG, else "C".
std::string LocaleCaracteresEnvironnement();

// The user's default locale now: what the regional-format file names, else
// the given start-up locale.
std::string LocaleUtilisateurParDefaut(std::string_view localeDeDemarrage);
