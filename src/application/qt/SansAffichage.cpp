// The start without a graphical display.
#include "application/qt/SansAffichage.h"

#include "commun/Messages.h"
#include "commun/PageDeCodeExport.h"

#include <cstdio>
#include <cstdlib>

namespace {

GardeAffichage* garde = nullptr;

[[noreturn]] void DitSansAffichage() {
    const std::string message = TexteMixteVersUtf8(ChaineRessource(Msg::SansAffichage), PageDeCodeExport());
    std::fprintf(stderr, "%s\n", message.c_str());
    std::_Exit(1);
}

bool Nomme(const char* variable) {
    const char* valeur = std::getenv(variable);
    return valeur && *valeur;
}

}  // namespace

void QuitteSansAffichage() {
    // A platform chosen by the user (offscreen, vnc...) needs no display.
    if (!Nomme("QT_QPA_PLATFORM") && !Nomme("DISPLAY") && !Nomme("WAYLAND_DISPLAY")) DitSansAffichage();
}

GardeAffichage::GardeAffichage() : precedent_(qInstallMessageHandler(Recoit)) { garde = this; }

GardeAffichage::~GardeAffichage() {
    qInstallMessageHandler(precedent_);
    garde = nullptr;
    for (const Message& message : retenus_) qt_message_output(message.Genre, QMessageLogContext(), message.Texte);
}

void GardeAffichage::Recoit(QtMsgType genre, const QMessageLogContext&, const QString& message) {
    // Qt's failure to start its platform, the display out of reach.
    if (genre == QtFatalMsg) DitSansAffichage();
    garde->retenus_.push_back({genre, message});
}
