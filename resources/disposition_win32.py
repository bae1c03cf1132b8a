#!/usr/bin/env python3
"""Writes the layout of the main window (Accueil.ui) as a C++ header for the
Windows window, so that both windows are built from the one layout: every
control in its creation order, with its place and size, its text, its hint
and whether it is shown, then the tab order.

    python3 disposition_win32.py Accueil.ui DispositionAccueil.h
"""
import sys
import xml.etree.ElementTree as ET


def litteral(texte):
    """A C++ string literal of the text (UTF-8 in the header; the compiler
    turns it into the code page of the Windows build)."""
    if texte is None:
        return "nullptr"
    echappe = texte.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\r\\n")
    return f'"{echappe}"'


def propriete(element, nom):
    return element.find(f"property[@name='{nom}']")


def texte_de(element, *noms):
    for nom in noms:
        p = propriete(element, nom)
        if p is not None:
            return p.findtext("string")
    return None


def rectangle(element):
    r = propriete(element, "geometry").find("rect")
    return [int(r.findtext(c)) for c in ("x", "y", "width", "height")]


def main(source, cible):
    racine = ET.parse(source).getroot()
    fenetre = racine.find("widget")
    lignes = [
        "// Written by resources/disposition_win32.py from resources/Accueil.ui: the",
        "// layout of the main window, every control in its creation order, at 96",
        "// dots per inch. Do not edit: change the layout instead.",
        "#pragma once",
        "",
        "namespace Disposition {",
        "",
        "struct Controle {",
        "    const char* Nom;",
        "    int Gauche;",
        "    int Haut;",
        "    int Largeur;",
        "    int Hauteur;",
        "    const char* Texte;  // caption or text; nullptr when none",
        "    const char* Hint;   // nullptr when the control has none",
        "    bool Visible;",
        "};",
        "",
        f"inline constexpr const char* Caption = {litteral(texte_de(fenetre, 'windowTitle'))};",
        f"inline constexpr const char* Hint = {litteral(texte_de(fenetre, 'toolTip'))};",
        f"inline constexpr int LargeurClient = {rectangle(fenetre)[2]};",
        f"inline constexpr int HauteurClient = {rectangle(fenetre)[3]};",
        "",
        "inline constexpr Controle Controles[] = {",
    ]
    for controle in fenetre.findall("widget"):
        gauche, haut, largeur, hauteur = rectangle(controle)
        visible = propriete(controle, "visible")
        montre = visible is None or visible.findtext("bool") != "false"
        lignes.append(
            f'    {{"{controle.get("name")}", {gauche}, {haut}, {largeur}, {hauteur}, '
            f'{litteral(texte_de(controle, "text", "plainText"))}, {litteral(texte_de(controle, "toolTip"))}, '
            f'{"true" if montre else "false"}}},')
    lignes += ["};", "", "inline constexpr const char* OrdreTabulation[] = {"]
    lignes += [f'    "{t.text}",' for t in racine.find("tabstops")]
    lignes += ["};", "", "}  // namespace Disposition", ""]
    with open(cible, "w", encoding="utf-8") as sortie:
        sortie.write("\n".join(lignes))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
