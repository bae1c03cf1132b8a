// The real modal file-open dialog: no filter, a typed name of a file that
// does not exist is accepted.
#pragma once

#include <QString>

#include <optional>

// The path the user confirmed, or nothing when he cancelled; the dialog
// starts on the given name.
std::optional<QString> MontreDialogueOuverture(const QString& nomInitial);
