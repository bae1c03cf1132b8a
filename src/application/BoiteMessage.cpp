// The real modal message box.
#include "application/BoiteMessage.h"

#include "application/Application.h"
#include "application/TexteQt.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon IconeDe(std::uint32_t drapeaux) {
    switch (drapeaux & 0xF0) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

int MontreBoiteMessage(const Texte& texte, const Texte& titre, std::uint32_t drapeaux) {
    QMessageBox boite(IconeDe(drapeaux), VersQString(titre), VersQString(texte), QMessageBox::Ok,
                      QApplication::activeWindow());
    // Messages may quote bytes from an export: never read them as markup.
    boite.setTextFormat(Qt::PlainText);
    boite.setWindowModality(Qt::ApplicationModal);
    boite.exec();
    return IDOK;
}
