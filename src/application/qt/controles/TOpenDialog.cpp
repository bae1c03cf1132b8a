// The choice of the export file.
#include "application/qt/controles/TOpenDialog.h"

#include "application/qt/Application.h"

#include <QFile>

bool TOpenDialog::Execute() {
    const auto choix = Application->ChoisitFichier(QFile::decodeName(QByteArray::fromStdString(nomFichier_.Octets())));
    if (!choix) return false;
    nomFichier_ = NomFichier(QFile::encodeName(*choix).toStdString());
    return true;
}
