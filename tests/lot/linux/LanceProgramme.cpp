// Runs a program with posix_spawn, its outputs sent to temporary files.
#include "LanceProgramme.h"

#include "depart/OutilsExport.h"

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>

namespace {

std::string Contenu(const std::filesystem::path& chemin) {
    std::ifstream fichier(chemin, std::ios::binary);
    std::ostringstream contenu;
    contenu << fichier.rdbuf();
    return contenu.str();
}

std::vector<char*> Pointeurs(std::vector<std::string>& textes) {
    std::vector<char*> pointeurs;
    for (std::string& texte : textes) pointeurs.push_back(texte.data());
    pointeurs.push_back(nullptr);
    return pointeurs;
}

}  // namespace

ResultatProgramme LanceProgramme(const std::string& programme, const std::vector<std::string>& arguments,
                                 const std::vector<std::string>& environnement) {
    DossierTemporaire dossier;
    const std::string sortie = (dossier.Chemin() / "sortie").string();
    const std::string erreurs = (dossier.Chemin() / "erreurs").string();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, sortie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, erreurs.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> argv{programme};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envp{"PATH=/usr/bin:/bin"};
    for (const char* reglage : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
        if (const char* valeur = std::getenv(reglage)) envp.push_back(std::string(reglage) + "=" + valeur);
    envp.insert(envp.end(), environnement.begin(), environnement.end());
    std::vector<char*> pointeursArgv = Pointeurs(argv);
    std::vector<char*> pointeursEnvp = Pointeurs(envp);

    ResultatProgramme resultat;
    pid_t pid = 0;
    if (posix_spawn(&pid, programme.c_str(), &actions, nullptr, pointeursArgv.data(), pointeursEnvp.data()) == 0) {
        int etat = 0;
        waitpid(pid, &etat, 0);
        resultat.statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : 128 + WTERMSIG(etat);
    }
    posix_spawn_file_actions_destroy(&actions);
    resultat.sortie = Contenu(sortie);
    resultat.erreurs = Contenu(erreurs);
    return resultat;
}
