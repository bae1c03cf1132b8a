// The watch over the user's regional-format file.
#include "application/qt/SurveillanceReglages.h"

#include <QDir>
#include <QFileInfo>

SurveillanceReglages::SurveillanceReglages(QString fichier, std::function<void()> annonce)
    : fichier_(std::move(fichier)), annonce_(std::move(annonce)), vue_(EmpreinteActuelle()) {
    if (fichier_.isEmpty()) return;
    Surveille();
    connect(&observateur_, &QFileSystemWatcher::fileChanged, this, &SurveillanceReglages::FichierModifie);
    connect(&observateur_, &QFileSystemWatcher::directoryChanged, this, &SurveillanceReglages::DossierModifie);
}

void SurveillanceReglages::Surveille() {
    // The folder is watched too: an editor that replaces the file ends the
    // watch over the file itself, and the file may not exist yet.
    QString dossier = QFileInfo(fichier_).absolutePath();
    while (!QFileInfo::exists(dossier) && dossier != QDir::rootPath()) dossier = QFileInfo(dossier).absolutePath();
    if (!observateur_.directories().contains(dossier)) observateur_.addPath(dossier);
    if (QFileInfo::exists(fichier_) && !observateur_.files().contains(fichier_)) observateur_.addPath(fichier_);
}

SurveillanceReglages::Empreinte SurveillanceReglages::EmpreinteActuelle() const {
    const QFileInfo info(fichier_);
    if (!info.exists()) return {};
    return {true, info.lastModified(), info.size()};
}

void SurveillanceReglages::FichierModifie() { Annonce(EmpreinteActuelle()); }

void SurveillanceReglages::DossierModifie() {
    Surveille();
    const Empreinte actuelle = EmpreinteActuelle();
    if (actuelle != vue_) Annonce(actuelle);
}

void SurveillanceReglages::Annonce(const Empreinte& actuelle) {
    vue_ = actuelle;
    // A replaced file is a new file: watch it again.
    Surveille();
    annonce_();
}
