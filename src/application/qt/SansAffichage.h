// A window needs a graphical display. Started where there is none (over SSH,
// from a console), the program says so in French on its standard error,
// with what to do instead, and ends with status 1, where Qt would abort
// with an English message and a core dump.
//
// QuitteSansAffichage ends the run at once when no display is named at
// all. GardeAffichage covers the building of the application object: Qt's
// failure to reach the display named ends the run the same way; the other
// messages Qt writes meanwhile go on to its usual handler, once the object
// stands.
#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

void QuitteSansAffichage();

class GardeAffichage {
public:
    GardeAffichage();
    ~GardeAffichage();
    GardeAffichage(const GardeAffichage&) = delete;
    GardeAffichage& operator=(const GardeAffichage&) = delete;

private:
    static void Recoit(QtMsgType genre, const QMessageLogContext& contexte, const QString& message);

    struct Message {
        QtMsgType Genre;
        QString Texte;
    };
    QtMessageHandler precedent_;
    std::vector<Message> retenus_;
};
