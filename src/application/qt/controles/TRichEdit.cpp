// The report box of refused dates.
#include "application/qt/controles/TRichEdit.h"

#include "application/qt/TexteQt.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

TRichEdit::TRichEdit(QWidget* parent) : QPlainTextEdit(parent), BoiteRapport("\n") {
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

std::int64_t TRichEdit::Longueur() const { return document()->characterCount() - 1; }

std::int64_t TRichEdit::Caracteres(const Texte& texte) const { return SystemeVersQString(texte).size(); }

bool TRichEdit::FinitParSaut() const { return document()->lastBlock().length() <= 1; }

void TRichEdit::InsereALaFin(const Texte& texte) {
    QTextCursor curseur(document());
    curseur.movePosition(QTextCursor::End);
    curseur.insertText(SystemeVersQString(texte));
}

InfobulleSelonPosition::Infobulle TRichEdit::InfobulleA(QPoint point) const {
    const QPoint dansVue = viewport()->mapFrom(this, point);
    const QTextBlock ligne = cursorForPosition(dansVue).block();
    const QRect zone = blockBoundingGeometry(ligne).translated(contentOffset()).toAlignedRect();
    if (!ligne.isValid() || !zone.contains(dansVue)) return {};
    const TexteMixte raison = Raisons.Raison(DepuisQString(ligne.text()));
    if (raison.EstVide()) return {};
    return {VersQString(raison), zone.translated(viewport()->mapTo(this, QPoint()))};
}
