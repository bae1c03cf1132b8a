// The choice of the export file.
#include "application/qt/controles/TOpenDialog.h"

#include "application/qt/Application.h"

#include <QFile>

#include <filesystem>
#include <system_error>

bool TOpenDialog::Execute() {
    const auto choix = Application->ChoisitFichier(QFile::decodeName(QByteArray::fromStdString(nomFichier_.Octets())));
    if (!choix) return false;
    nomFichier_ = NomFichier(QFile::encodeName(*choix).toStdString());
    return true;
}

void TOpenDialog::Confirme(const NomFichier& nom) {
    // The path's own bytes, made absolute against the current folder; as
    // given when that folder is gone.
    std::error_code erreur;
    const std::filesystem::path complet = std::filesystem::absolute(nom.Octets(), erreur);
    nomFichier_ = erreur ? nom : NomFichier(complet.string());
}
