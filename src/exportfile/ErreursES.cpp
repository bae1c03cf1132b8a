// The pending input/output code and its check, with the French message of
// each code.
#include "commun/Exceptions.h"
#include "commun/Messages.h"
#include "exportfile/LecteurLignes.h"

thread_local std::int32_t CodeES = 0;

namespace {

TexteMixte MessageErreurES(std::int32_t code) {
    switch (code) {
    case 2: return MessageRessource(Msg::FichierIntrouvable);
    case 3: return MessageRessource(Msg::NomIncorrect);
    case 4: return MessageRessource(Msg::TropDeFichiers);
    case 5: return MessageRessource(Msg::AccesRefuse);
    case 100: return MessageRessource(Msg::LectureApresFin);
    case 101: return MessageRessource(Msg::DisquePlein);
    case 106: return MessageRessource(Msg::SaisieNumerique);
    default: return MessageRessource(Msg::ErreurES, {code});
    }
}

}  // namespace

void ControleES() {
    if (CodeES == 0) return;
    const std::int32_t code = CodeES;
    CodeES = 0;
    throw EInOutError(MessageErreurES(code), code);
}
