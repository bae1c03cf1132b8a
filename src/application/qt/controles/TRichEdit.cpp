// The report box of refused dates.
#include "application/qt/controles/TRichEdit.h"

#include "application/qt/TexteQt.h"
#include "commun/Exceptions.h"
#include "commun/Messages.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
const QChar SautDeLigne = QLatin1Char('\n');
}  // namespace

TRichEdit::TRichEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TRichEdit::Vide() {
    clear();
    document()->setModified(false);
}

qsizetype TRichEdit::Longueur() const { return document()->characterCount() - 1; }

bool TRichEdit::FinitParSaut() const { return document()->lastBlock().length() <= 1; }

void TRichEdit::InsereALaFin(const QString& texte) {
    QTextCursor curseur(document());
    curseur.movePosition(QTextCursor::End);
    curseur.insertText(texte);
}

void TRichEdit::EchecInsertion() { throw EOutOfResources(MessageRessource(Msg::InsertionRichEdit)); }

void TRichEdit::AjouteLigne(const Texte& ligne) {
    const QString s = SystemeVersQString(ligne);
    const QString aInserer = FinitParSaut() ? s + SautDeLigne : SautDeLigne + s;
    if (Longueur() + aInserer.size() > capacite_) EchecInsertion();
    InsereALaFin(aInserer);
}

void TRichEdit::AjouteLignes(std::span<const Texte> lignes) {
    // Each line is inserted as AjouteLigne would; since an insertion leaves
    // the end of the text as it found it (with or without a final break), the
    // same rule holds for every line of the block.
    const bool saut = FinitParSaut();
    const qsizetype place = capacite_ - Longueur();
    QString bloc;
    bool plein = false;
    for (const Texte& ligne : lignes) {
        const QString s = SystemeVersQString(ligne);
        if (bloc.size() + s.size() + 1 > place) {
            plein = true;
            break;
        }
        bloc += saut ? s + SautDeLigne : SautDeLigne + s;
    }
    if (!bloc.isEmpty()) InsereALaFin(bloc);
    if (plein) EchecInsertion();
}
