// The pending input/output code and its check, with the French message of
// each code.
#include "commun/Exceptions.h"
#include "commun/Messages.h"
#include "exportfile/LecteurLignes.h"

thread_local std::int32_t CodeES = 0;

namespace {

TexteMixte MessageErreurES(std::int32_t code) {
    switch (code) {
    case CodeFichier::Introuvable: return MessageRessource(Msg::FichierIntrouvable);
    case CodeFichier::CheminIntrouvable: return MessageRessource(Msg::NomIncorrect);
    case CodeFichier::TropDeFichiers: return MessageRessource(Msg::TropDeFichiers);
    case CodeFichier::AccesRefuse: return MessageRessource(Msg::AccesRefuse);
    case CodeFichier::LectureApresFin: return MessageRessource(Msg::LectureApresFin);
    case CodeFichier::DisquePlein: return MessageRessource(Msg::DisquePlein);
    case CodeFichier::SaisieNumerique: return MessageRessource(Msg::SaisieNumerique);
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
