// Answers the message boxes of the test's own thread as a person would,
// without one: a timer looks for a shown box every 50 ms, notes its
// caption, its text (as the box shows them, in UTF-16) and whether the given
// window was disabled under it, and presses OK once the box has stayed for
// the ticks asked. In an open dialog, the name given (UTF-8) is typed first.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct BoiteVue {
    std::wstring Titre;
    std::wstring Texte;
    bool FenetreDesactivee = false;
};

class RepondeurBoites {
public:
    explicit RepondeurBoites(HWND fenetreSurveillee, int ticsAvantReponse = 1, std::string nomATaper = {});
    ~RepondeurBoites();
    RepondeurBoites(const RepondeurBoites&) = delete;
    RepondeurBoites& operator=(const RepondeurBoites&) = delete;

    const std::vector<BoiteVue>& Vues() const { return vues_; }

private:
    static void CALLBACK Tic(HWND, UINT, UINT_PTR, DWORD);
    void Regarde();

    HWND surveillee_;
    int ticsAvantReponse_;
    std::string nomATaper_;
    int ticsVus_ = 0;
    HWND repondue_ = nullptr;
    UINT_PTR minuterie_;
    std::vector<BoiteVue> vues_;
};
