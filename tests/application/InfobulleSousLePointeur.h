// What the report box's tooltip says with the pointer resting on the middle
// of one of its lines, scrolled into view first.
#pragma once

#include "application/qt/controles/TRichEdit.h"

#include <QTextBlock>

inline QString InfobulleSousLePointeur(TRichEdit& entree, int ligne) {
    const QTextCursor curseur(entree.document()->findBlockByNumber(ligne));
    entree.setTextCursor(curseur);
    return entree.InfobulleA(entree.viewport()->mapTo(&entree, entree.cursorRect(curseur).center())).Texte;
}
