#!/usr/bin/env python3
"""Draws the pictures of the window into resources/images with ImageMagick:
the logo of the genealogy association Orvalis (baseline JPEG, 777 by 776,
three 8-bit components, 150 dots per inch), the three 32 by 32 button
pictures (24-bit BMP on the background 236, 233, 216, which the buttons draw
transparent) and the application icon in eight sizes (32-bit PNG with
transparency). Run it again after changing a drawing: python3 dessine_images.py
"""
import pathlib
import subprocess

ICI = pathlib.Path(__file__).resolve().parent
IMAGES = ICI / "images"
FOND_BOUTON = "rgb(236,233,216)"
SERIF = "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf"
SANS = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"
TAILLES_ICONE = (16, 24, 32, 48, 64, 72, 96, 128)


def convert(*arguments):
    subprocess.run(["convert", *map(str, arguments)], check=True)


def dessine(taille, fond, primitives, sortie, *options):
    """One picture: a canvas of the size and background, the MVG primitives
    drawn on it in order, written with the output options."""
    commande = ["-size", taille, f"xc:{fond}"]
    for primitive in primitives:
        commande += ["-draw", primitive] if isinstance(primitive, str) else list(primitive)
    convert(*commande, *options, sortie)


def logo():
    # A round badge: a tree whose roots and branches stand for a family,
    # the name of the association around it.
    haut = -80  # the tree stands in the upper part, the name below it
    def p(x, y):
        return f"{x},{y + haut}"
    branches = [
        f"stroke rgb(90,60,30) stroke-width 22 fill none line {p(388, 540)} {p(388, 330)}",
        f"stroke rgb(90,60,30) stroke-width 14 line {p(388, 420)} {p(290, 330)}",
        f"stroke rgb(90,60,30) stroke-width 14 line {p(388, 400)} {p(490, 320)}",
        f"stroke rgb(90,60,30) stroke-width 10 line {p(388, 540)} {p(330, 580)}",
        f"stroke rgb(90,60,30) stroke-width 10 line {p(388, 540)} {p(446, 580)}",
    ]
    feuillage = [
        f"stroke none fill rgb({r},{g},{b}) circle {p(x, y)} {p(x + rayon, y)}"
        for (x, y, rayon, r, g, b) in [
            (388, 250, 120, 46, 125, 50), (280, 310, 85, 60, 140, 60), (500, 300, 90, 40, 115, 45),
            (340, 210, 70, 80, 160, 70), (450, 215, 75, 70, 150, 60), (388, 330, 70, 55, 135, 55),
        ]
    ]
    fruits = [
        f"stroke none fill rgb(200,40,40) circle {p(x, y)} {p(x + 13, y)}"
        for (x, y) in [(330, 240), (430, 190), (470, 300), (300, 330), (390, 290), (520, 250)]
    ]
    texte = [
        ["-font", SERIF, "-fill", "rgb(0,80,110)", "-pointsize", "130", "-gravity", "north", "-annotate", "+0+500",
         "ORVALIS"],
        ["-font", SANS, "-fill", "rgb(0,128,128)", "-pointsize", "54", "-gravity", "north", "-annotate", "+0+640",
         "généalogie"],
    ]
    primitives = [
        "stroke rgb(0,80,110) stroke-width 14 fill rgb(250,246,232) circle 388,388 388,20",
        "stroke rgb(0,128,128) stroke-width 4 fill none circle 388,388 388,44",
        *branches, *feuillage, *fruits, *texte,
    ]
    dessine("777x776", "white", primitives, IMAGES / "logo.jpg",
            "-type", "TrueColor", "-colorspace", "sRGB", "-sampling-factor", "2x2,1x1,1x1",
            "-interlace", "none", "-density", "150", "-units", "PixelsPerInch", "-quality", "90", "-strip")


def glyphe(nom, primitives):
    dessine("32x32", FOND_BOUTON, primitives, f"BMP3:{IMAGES / (nom + '.bmp')}", "-type", "TrueColor")


def glyphes():
    feuille = [
        "stroke rgb(90,90,90) stroke-width 1 fill white polygon 13,2 26,2 30,6 30,24 13,24",
        "stroke rgb(150,150,150) line 16,8 27,8 line 16,11 27,11 line 16,14 27,14 line 16,17 27,17",
    ]
    glyphe("ouvre", [
        *feuille,
        "stroke rgb(20,40,110) stroke-width 1 fill rgb(40,70,170) rectangle 2,13 19,30",
        "stroke none fill rgb(200,200,200) rectangle 6,14 15,19",
        "stroke none fill rgb(20,40,110) rectangle 12,15 14,18",
        "stroke none fill white rectangle 5,23 16,30",
        "stroke none fill rgb(210,20,20) polygon 20,19 27,19 27,15 31,22 27,29 27,25 20,25",
    ])
    dents = " ".join(
        f"{x},{y}" for x, y in [
            (22, 9), (24, 9), (25, 12), (27, 13), (29, 11), (31, 13), (29, 15), (30, 17), (31, 18), (31, 20),
            (29, 21), (29, 23), (31, 25), (29, 27), (27, 25), (25, 26), (24, 29), (22, 29), (21, 26), (19, 25),
            (17, 27), (15, 25), (17, 23), (16, 21), (14, 20), (14, 18), (16, 17), (17, 15), (15, 13), (17, 11),
            (19, 13), (21, 12),
        ])
    glyphe("traite", [
        "stroke rgb(90,90,90) stroke-width 1 fill white polygon 2,2 15,2 19,6 19,26 2,26",
        "stroke rgb(150,150,150) line 5,8 16,8 line 5,11 14,11 line 5,14 12,14 line 5,17 12,17",
        f"stroke rgb(60,60,70) stroke-width 1 fill rgb(130,135,150) polygon {dents}",
        "stroke rgb(60,60,70) fill " + FOND_BOUTON.replace("236", "235") + " circle 22,19 22,22",
    ])
    glyphe("quitte", [
        "stroke rgb(150,0,0) stroke-width 7 stroke-linecap round line 7,7 25,25 line 25,7 7,25",
        "stroke rgb(230,30,30) stroke-width 4 stroke-linecap round line 7,7 25,25 line 25,7 7,25",
    ])


def icone():
    # A calendar sheet with a tick: dates that have been checked.
    grande = IMAGES / "icone-512.png"
    dessine("512x512", "none", [
        "stroke rgb(0,80,110) stroke-width 16 fill white roundrectangle 40,70 472,480 40,40",
        "stroke none fill rgb(0,128,128) roundrectangle 48,78 464,180 32,32",
        "stroke none fill rgb(0,128,128) rectangle 48,150 464,180",
        "stroke rgb(0,80,110) stroke-width 24 stroke-linecap round line 150,40 150,120 line 362,40 362,120",
        "stroke rgb(200,30,30) stroke-width 48 fill none polyline 140,330 230,420 390,240",
    ], grande, "-type", "TrueColorAlpha")
    for taille in TAILLES_ICONE:
        convert(grande, "-filter", "Lanczos", "-resize", f"{taille}x{taille}", "-type", "TrueColorAlpha",
                f"PNG32:{IMAGES / f'icone-{taille}.png'}")
    grande.unlink()


if __name__ == "__main__":
    IMAGES.mkdir(exist_ok=True)
    logo()
    glyphes()
    icone()
