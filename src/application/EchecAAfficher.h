// What the application object shows for a failure that escaped a handler,
// the same on every platform: nothing for EAbort, the message of the tool's
// own failures, "Mémoire insuffisante" when memory ran out, and "Erreur
// interne" with the cause for anything else.
#pragma once

#include "commun/Exceptions.h"

#include <exception>
#include <optional>

std::optional<Exception> EchecAAfficher(std::exception_ptr echec);
