// The real modal message box.
#include "application/qt/BoiteMessage.h"

#include "application/qt/Application.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon IconeDe(std::uint32_t drapeaux) {
    switch (drapeaux & 0xF0) {
    case Boite::IconeStop: return QMessageBox::Critical;
    case Boite::IconeInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

int MontreBoiteMessage(const QString& texte, const QString& titre, std::uint32_t drapeaux) {
    QMessageBox boite(IconeDe(drapeaux), titre, texte, QMessageBox::Ok, QApplication::activeWindow());
    // Messages may quote bytes from an export: never read them as markup.
    boite.setTextFormat(Qt::PlainText);
    boite.setWindowModality(Qt::ApplicationModal);
    boite.exec();
    return Boite::BoutonOk;
}
