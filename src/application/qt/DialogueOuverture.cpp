// The real modal file-open dialog.
#include "application/qt/DialogueOuverture.h"

#include <QApplication>
#include <QFileDialog>

std::optional<QString> MontreDialogueOuverture(const QString& nomInitial) {
    QFileDialog dialogue(QApplication::activeWindow());
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    dialogue.setWindowModality(Qt::ApplicationModal);
    if (!nomInitial.isEmpty()) dialogue.selectFile(nomInitial);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return std::nullopt;
    return dialogue.selectedFiles().constFirst();
}
