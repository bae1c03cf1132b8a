// What both windows give the keyboard and screen readers, written once.
//
// Keys: Alt and a button's letter press the button (Alt+O "Ouvre", Alt+T
// "Traite", Alt+Q "Quitte"); each toolkit takes a caption with "&" before
// that letter and underlines the letter the way its platform shows
// mnemonics. The buttons still never take the keyboard focus.
//
// Names: the name a screen reader reads for a control is what the user sees
// beside it, never its contents: a button its caption, each field its own
// label's text, and the report box a name of its own (Msg::NomRapport). A
// name drops the mnemonic marker and the blanks that end the text.
#pragma once

#include <string>
#include <string_view>

namespace Accessibilite {

struct LettreBouton {
    const char* Bouton;  // the button's name in the layout
    char Lettre;         // upper case
};
inline constexpr LettreBouton LettresBoutons[] = {{"BoutonOuvre", 'O'}, {"BoutonTraite", 'T'}, {"BoutonQuite", 'Q'}};

// The button that Alt and this character press (either case); nullptr when
// none does.
const char* BoutonDeLaLettre(char caractere);

// The caption with "&" before the first occurrence of the button's letter
// (either case); as it is for a control that has no letter.
std::string CaptionAvecLettre(std::string_view bouton, std::string_view caption);

struct Etiquette {
    const char* Champ;
    const char* Label;
};
// Each field and the label that names it, in the layout's names.
inline constexpr Etiquette Etiquettes[] = {{"ChampType", "LabelType"}, {"ChampNombre", "LabelNombre"}};

// The name read for a shown text (a caption, a label's text).
std::string NomDuTexte(std::string_view texte);

}  // namespace Accessibilite
