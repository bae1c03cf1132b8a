// The failure to show for anything caught while delivering an event.
#include "application/EchecAAfficher.h"

#include "commun/Messages.h"
#include "platform/locale/ServicesLocale.h"
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
        const Texte cause = DepuisUtf8(e.what(), ServicesLocaleCourants().GetACP());
        return Exception(MessageRessource(Msg::ErreurInterne, {cause}));
    } catch (...) {
        return Exception(MessageRessource(Msg::ErreurInterne, {Texte("exception inconnue")}));
    }
}
