// The failure classes of the tool. Every failure carries a message text of
// the tool's own, which may hold bytes of the export (TexteMixte); the
// application object shows whatever escapes a handler, except EAbort.
#pragma once

#include "commun/TexteMixte.h"

#include <cstdint>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(TexteMixte message) : message_(std::move(message)) {}
    const TexteMixte& Message() const noexcept { return message_; }
    // The message's bytes, zero-ended at their first zero byte.
    const char* what() const noexcept override { return message_.Octets().c_str(); }

private:
    TexteMixte message_;
};

// Input/output failure, with the code that caused it.
class EInOutError : public Exception {
public:
    EInOutError(TexteMixte message, std::int32_t code) : Exception(std::move(message)), CodeErreur(code) {}
    std::int32_t CodeErreur;
};

// A text that is not a date under the regional settings.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A control property set out of its range.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// A control that cannot take what it is given (the report box full).
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

// A silent failure: it ends a handler and is never shown.
class EAbort : public Exception {
public:
    using Exception::Exception;
};
