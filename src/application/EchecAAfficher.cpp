// The failure to show for anything caught while delivering an event.
#include "application/EchecAAfficher.h"

#include "commun/Messages.h"
#include "platform/pagedecode/PageDeCode.h"

#include <new>

std::optional<Exception> EchecAAfficher(std::exception_ptr echec) {
    try {
        std::rethrow_exception(echec);
    } catch (const EAbort&) {
        return std::nullopt;
    } catch (const Exception& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return Exception(MessageRessource(Msg::MemoireInsuffisante));
    } catch (const std::exception& e) {
        // The runtime's and the tool's own causes are written in UTF-8.
        const Texte cause = DepuisUtf8(e.what(), PageDeCodeMessages);
        return Exception(MessageRessource(Msg::ErreurInterne, {cause}));
    } catch (...) {
        return Exception(MessageRessource(Msg::ErreurInterne, {Texte("exception inconnue")}));
    }
}
