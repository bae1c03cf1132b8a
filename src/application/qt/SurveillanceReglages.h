// Watches a file, the user's regional-format file, and announces each change
// of it: the file written, replaced (as editors do), created or removed,
// even when its folder does not exist yet.
#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include <functional>

class SurveillanceReglages : public QObject {
    Q_OBJECT

public:
    SurveillanceReglages(QString fichier, std::function<void()> annonce);

private:
    // What tells one state of the file from another.
    struct Empreinte {
        bool existe = false;
        QDateTime modification;
        qint64 taille = -1;
        bool operator==(const Empreinte&) const = default;
    };

    Empreinte EmpreinteActuelle() const;
    // Watches the file if it exists, and its folder, or while that folder
    // does not exist the nearest one above it that does.
    void Surveille();
    // The file itself changed: always a change.
    void FichierModifie();
    // Something in its folder changed: a change only if the file's state did.
    void DossierModifie();
    void Annonce(const Empreinte& actuelle);

    QString fichier_;
    std::function<void()> annonce_;
    QFileSystemWatcher observateur_;
    Empreinte vue_;
};
