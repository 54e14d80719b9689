#!/usr/bin/python3
# Draws the default card set "Piacentine": an Italian-suited deck in the northern
# style (coins, cups, batons, swords), its back, and a contact sheet of all cards.
#
# Re-run from the repository root:
#
#     /usr/bin/python3 tools/assets/genera_carte.py
#
# Needs the Debian packages python3-cairo, python3-pil, python3-numpy and
# fonts-dejavu-core. It writes
#     data/Piacentine/NN_<name>.gif      41 pictures, 58 x 99
#     data/Piacentine/2x/NN_<name>.gif   the same at 116 x 198
#     docs/carte.png                     contact sheet of the 1x pictures on the table green
# The output is committed; the build never runs this script.
#
# Every card is drawn once at eight times the table size with antialiasing, then
# reduced with a Lanczos filter and quantised to its own 256-colour palette without
# dithering, so the small pictures stay crisp. The area outside the rounded corners
# is the GIF's transparent colour (index 255); its RGB is the table green, so a
# viewer that ignores transparency still shows the right colour.

import math
import os
import sys

import cairo
import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))  # disegno.py sits beside this file
from disegno import (Pennello, ellisse, foglio, gradiente_lineare, gradiente_radiale,  # noqa: E402
                     pixel, poligono, rettangolo_tondo, tela)

LARGHEZZA, ALTEZZA = 58, 99  # picture size on the table
SCALA = 8  # drawing resolution: one table pixel is SCALA x SCALA
W, H = LARGHEZZA * SCALA, ALTEZZA * SCALA
RAGGIO_ANGOLO = 4 * SCALA
CONTORNO = 5.0  # outline width at drawing resolution (0.6 table pixels)

SEMI = ["denari", "coppe", "bastoni", "spade"]
NOMI_RANGO = ["asso", "due", "tre", "quattro", "cinque", "sei", "sette", "fante", "cavallo", "re"]


def rgb(r, g, b):
    return (r / 255.0, g / 255.0, b / 255.0)


NERO = rgb(28, 22, 22)
BIANCO = rgb(255, 255, 255)
CREMA = rgb(252, 246, 228)
ORO = rgb(242, 192, 46)
ORO_CHIARO = rgb(255, 232, 130)
ORO_SCURO = rgb(184, 118, 18)
ROSSO = rgb(206, 36, 36)
ROSSO_SCURO = rgb(132, 18, 24)
BLU = rgb(38, 78, 176)
BLU_SCURO = rgb(20, 40, 110)
AZZURRO = rgb(120, 170, 230)
VERDE = rgb(44, 146, 62)
VERDE_CHIARO = rgb(120, 196, 96)
VERDE_SCURO = rgb(22, 92, 40)
MARRONE = rgb(150, 92, 44)
MARRONE_CHIARO = rgb(204, 150, 86)
MARRONE_SCURO = rgb(96, 54, 24)
ACCIAIO = rgb(196, 214, 236)
ACCIAIO_SCURO = rgb(78, 112, 170)
CARNE = rgb(250, 212, 176)
GUANCE = rgb(236, 150, 130)
GRIGIO = rgb(205, 205, 212)
GRIGIO_SCURO = rgb(110, 110, 120)
BORDO = rgb(70, 70, 76)
TAVOLO_8 = (0, 128, 0)
TAVOLO = rgb(*TAVOLO_8)

# The index and the small suit sign in the corner use a dark tone of the suit's colour,
# so the suit can be read from the corner alone.
COLORE_INDICE = [rgb(160, 96, 0), rgb(188, 22, 22), rgb(18, 112, 40), rgb(22, 52, 150)]

# Clothes of the figures, one scheme per suit.
ABITI = [
    dict(abito=ROSSO, manto=BLU, calza1=ORO, calza2=ROSSO, cappello=BLU, piuma=BIANCO,
         capelli=ORO, barba=rgb(236, 236, 240), cavallo=rgb(246, 244, 236), criniera=ORO,
         gualdrappa=BLU),
    dict(abito=BLU, manto=ROSSO, calza1=ROSSO, calza2=ORO, cappello=ROSSO, piuma=ORO,
         capelli=MARRONE, barba=MARRONE_CHIARO, cavallo=rgb(168, 104, 56), criniera=NERO,
         gualdrappa=ROSSO),
    dict(abito=VERDE, manto=ROSSO, calza1=ORO, calza2=VERDE, cappello=ROSSO, piuma=BIANCO,
         capelli=MARRONE_SCURO, barba=rgb(236, 236, 240), cavallo=rgb(214, 214, 222),
         criniera=GRIGIO_SCURO, gualdrappa=ORO),
    dict(abito=ORO, manto=BLU, calza1=BLU, calza2=ROSSO, cappello=VERDE, piuma=ROSSO,
         capelli=ORO, barba=ORO_SCURO, cavallo=rgb(246, 244, 236), criniera=MARRONE,
         gualdrappa=VERDE),
]


def nome_file(i):
    if i == 0:
        return "00_dorso.gif"
    seme, rango = (i - 1) // 10, (i - 1) % 10
    return "%02d_%s_di_%s.gif" % (i, NOMI_RANGO[rango], SEMI[seme])


# ---------------------------------------------------------------- drawing helpers

# Outlines are black and CONTORNO device pixels wide unless a call says otherwise, so they keep
# one weight however far a suit sign or a figure is scaled.
PENNA = Pennello(NERO, CONTORNO, schermo=True)
riempi, traccia = PENNA.riempi, PENNA.traccia


def curva(ctx, punti, chiusa=True):
    """Smooth path through the points (Catmull-Rom). A point given as (x, y, 0)
    is a sharp corner."""
    p = [(q[0], q[1]) for q in punti]
    morbido = [0.0 if len(q) > 2 else 1.0 for q in punti]
    n = len(p)

    def tangente(i):
        if not chiusa and (i == 0 or i == n - 1):
            return (0.0, 0.0)
        a, b = p[(i - 1) % n], p[(i + 1) % n]
        k = morbido[i] / 6.0
        return ((b[0] - a[0]) * k, (b[1] - a[1]) * k)

    ctx.move_to(*p[0])
    for i in range(n if chiusa else n - 1):
        j = (i + 1) % n
        t1, t2 = tangente(i), tangente(j)
        ctx.curve_to(p[i][0] + t1[0], p[i][1] + t1[1], p[j][0] - t2[0], p[j][1] - t2[1], *p[j])
    if chiusa:
        ctx.close_path()


def arto(ctx, punti, spessore, colore, contorno=NERO):
    """A limb or a strap: a thick smooth stroke with an outline."""
    m = ctx.get_matrix()
    scala = math.sqrt(abs(m.xx * m.yy - m.xy * m.yx))
    for colore_tratto, larghezza in ((contorno, spessore * scala + 2 * CONTORNO),
                                     (colore, spessore * scala)):
        curva(ctx, punti, chiusa=False)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        traccia(ctx, colore_tratto, larghezza)


def stella(ctx, cx, cy, r, punte=5, rapporto=0.45, angolo=-math.pi / 2):
    pts = []
    for k in range(2 * punte):
        rr = r if k % 2 == 0 else r * rapporto
        a = angolo + k * math.pi / punte
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    poligono(ctx, pts)


class posto:
    """Context manager: draws in a frame moved to (x, y), rotated and scaled."""

    def __init__(self, ctx, x, y, scala=1.0, angolo=0.0):
        self.ctx, self.x, self.y, self.scala, self.angolo = ctx, x, y, scala, angolo

    def __enter__(self):
        self.ctx.save()
        self.ctx.translate(self.x, self.y)
        self.ctx.rotate(self.angolo)
        self.ctx.scale(self.scala, self.scala)
        return self.ctx

    def __exit__(self, *args):
        self.ctx.restore()


# ---------------------------------------------------------------- suit signs
# Coins and cups are drawn in a box 100 units high centred on the origin; batons and
# swords along the y axis, point or head up, with their length and thickness given.


def denaro(ctx, semplice=False):
    g = gradiente_radiale(0, 0, 52, [(0, ORO_CHIARO), (0.55, ORO), (1, ORO_SCURO)], fx=-16, fy=-18, r0=4)
    ctx.arc(0, 0, 50, 0, 2 * math.pi)
    riempi(ctx, g)
    if semplice:
        ctx.arc(0, 0, 17, 0, 2 * math.pi)
        riempi(ctx, ROSSO)
        return
    ctx.arc(0, 0, 39, 0, 2 * math.pi)
    traccia(ctx, ORO_SCURO, CONTORNO * 0.8)
    for k in range(12):
        a = k * math.pi / 6
        ctx.arc(44.5 * math.cos(a), 44.5 * math.sin(a), 3.2, 0, 2 * math.pi)
        riempi(ctx, ROSSO_SCURO, None)
    for k in range(8):
        a = k * math.pi / 4 + math.pi / 8
        ellisse(ctx, 22 * math.cos(a), 22 * math.sin(a), 13, 6.5, a)
        riempi(ctx, ROSSO, NERO, CONTORNO * 0.7)
    ctx.arc(0, 0, 11, 0, 2 * math.pi)
    riempi(ctx, VERDE)
    ctx.arc(0, 0, 4, 0, 2 * math.pi)
    riempi(ctx, ORO_CHIARO, None)


def coppa(ctx, semplice=False):
    oro = gradiente_lineare(-34, 0, 34, 0, [(0, ORO_SCURO), (0.35, ORO_CHIARO), (0.6, ORO), (1, ORO_SCURO)])
    # foot and stem first, the bowl sits on them
    curva(ctx, [(-7, 28, 0), (-20, 40), (-29, 49, 0), (29, 49, 0), (20, 40), (7, 28, 0)])
    riempi(ctx, oro)
    poligono(ctx, [(-6, 0), (6, 0), (6, 30), (-6, 30)])
    riempi(ctx, oro)
    ellisse(ctx, 0, 15, 13, 6.5)
    riempi(ctx, BLU if not semplice else ROSSO)
    # the bowl
    curva(ctx, [(-36, -40, 0), (36, -40, 0), (31, -16), (16, -1), (0, 3, 0), (-16, -1), (-31, -16)])
    riempi(ctx, oro)
    if not semplice:
        ctx.save()
        curva(ctx, [(-36, -40, 0), (36, -40, 0), (31, -16), (16, -1), (0, 3, 0), (-16, -1), (-31, -16)])
        ctx.clip()
        poligono(ctx, [(-40, -29), (40, -29), (40, -20), (-40, -20)])
        riempi(ctx, ROSSO)
        for x in (-18, 0, 18):
            ctx.arc(x, -11, 3.5, 0, 2 * math.pi)
            riempi(ctx, ROSSO_SCURO, None)
        ctx.restore()
    # the rim, showing the inside of the cup
    ellisse(ctx, 0, -41, 37, 8.5)
    riempi(ctx, ORO_CHIARO)
    ellisse(ctx, 0, -41, 29, 5)
    riempi(ctx, ROSSO_SCURO, NERO, CONTORNO * 0.7)


def bastone(ctx, lunghezza, spessore, semplice=False, foglie=True):
    """A knotted cudgel, head up, along the y axis."""
    L, s = lunghezza / 2.0, spessore / 2.0
    legno = gradiente_lineare(-s, 0, s, 0, [(0, MARRONE_SCURO), (0.4, MARRONE_CHIARO), (1, MARRONE)])
    stubs = [] if semplice else [(-0.45, -1), (0.05, 1), (0.5, -1)]
    # branch stubs behind the body
    for pos, lato in stubs:
        y = pos * L
        with posto(ctx, lato * s * 0.8, y, 1.0, lato * -0.9):
            poligono(ctx, [(-s * 0.32, 0), (s * 0.32, 0), (s * 0.36, -s * 0.95), (-s * 0.36, -s * 0.95)])
            riempi(ctx, legno)
            ellisse(ctx, 0, -s * 0.95, s * 0.36, s * 0.2)
            riempi(ctx, MARRONE_CHIARO, NERO, CONTORNO * 0.7)
    # the body, a knobbly head tapering to a grip sawn off square
    n = 7
    destra, sinistra = [], []
    for k in range(n + 1):
        t = k / n
        y = -L * 0.84 + t * L * 1.74
        r = s * (1.08 - 0.42 * t) * (1.1 if k % 2 else 0.92)
        destra.append((r, y))
        sinistra.append((-r * (1.08 if k % 2 == 0 else 0.9), y))
    fondo = s * 0.62
    destra[-1] = (fondo, L * 0.92, 0)
    sinistra[-1] = (-fondo, L * 0.92, 0)
    punti = [(0, -L)] + destra + sinistra[::-1]
    curva(ctx, punti)
    riempi(ctx, legno)
    ellisse(ctx, 0, L * 0.92, fondo, fondo * 0.35)
    riempi(ctx, MARRONE_CHIARO, NERO, CONTORNO * 0.7)
    if semplice:
        with posto(ctx, s * 0.4, -L * 0.62, 1.0, 0.8):
            curva(ctx, [(0, 0, 0), (s * 0.7, -s * 0.9), (0, -s * 2.1, 0), (-s * 0.7, -s * 0.9)])
            riempi(ctx, VERDE, NERO, CONTORNO * 0.7)
        return
    # grain
    ctx.move_to(-s * 0.2, -L * 0.6)
    ctx.curve_to(s * 0.1, -L * 0.2, -s * 0.25, L * 0.2, 0, L * 0.7)
    traccia(ctx, MARRONE_SCURO, CONTORNO * 0.6)
    # binding near the grip
    y = L * 0.5
    poligono(ctx, [(-s * 0.75, y), (s * 0.75, y), (s * 0.72, y + s * 0.45), (-s * 0.72, y + s * 0.45)])
    riempi(ctx, ROSSO)
    if foglie:
        for lato in (-1, 1):
            with posto(ctx, lato * s * 0.55, -L * 0.72, 1.0, lato * 0.9):
                curva(ctx, [(0, 0, 0), (s * 0.6, -s * 0.8), (0, -s * 1.9, 0), (-s * 0.6, -s * 0.8)])
                riempi(ctx, VERDE, NERO, CONTORNO * 0.8)


def spada(ctx, lunghezza, larghezza, semplice=False):
    """A sword, point up, along the y axis; larghezza is the width of the cross-guard."""
    L, w = lunghezza / 2.0, larghezza
    r_pomo = w * 0.13
    y_pomo = L - r_pomo
    y_guardia = y_pomo - r_pomo - w * 0.34  # top of the grip
    lama = w * 0.17
    acciaio = gradiente_lineare(-lama, 0, lama, 0,
                                [(0, ACCIAIO_SCURO), (0.45, ACCIAIO), (0.55, BIANCO), (1, ACCIAIO_SCURO)])
    poligono(ctx, [(-lama, y_guardia), (-lama * 0.9, -L + lama * 2.4), (0, -L),
                   (lama * 0.9, -L + lama * 2.4), (lama, y_guardia)])
    riempi(ctx, acciaio)
    if not semplice:
        ctx.move_to(0, -L + lama * 3)
        ctx.line_to(0, y_guardia - w * 0.1)
        traccia(ctx, BLU_SCURO, CONTORNO * 0.7)
    # grip
    poligono(ctx, [(-w * 0.08, y_guardia), (w * 0.08, y_guardia), (w * 0.08, y_pomo - r_pomo * 0.6),
                   (-w * 0.08, y_pomo - r_pomo * 0.6)])
    riempi(ctx, ROSSO_SCURO if not semplice else ROSSO)
    # cross-guard with curled ends
    g = w * 0.075
    curva(ctx, [(-w * 0.5 + g, y_guardia - g * 0.2), (0, y_guardia - g * 1.6), (w * 0.5 - g, y_guardia - g * 0.2),
                (w * 0.5 - g, y_guardia + g * 1.2), (0, y_guardia + g * 0.2), (-w * 0.5 + g, y_guardia + g * 1.2)])
    riempi(ctx, ORO)
    for lato in (-1, 1):
        ctx.arc(lato * (w * 0.5 - g), y_guardia + g * 0.5, g * 1.1, 0, 2 * math.pi)
        riempi(ctx, ORO)
    ctx.arc(0, y_pomo, r_pomo, 0, 2 * math.pi)
    riempi(ctx, ORO)


def segno(ctx, seme, x, y, misura, angolo=0.0, semplice=False, spessore=None):
    """Draws a suit sign centred at (x, y). For coins and cups `misura` is the height;
    for batons and swords it is the length and `spessore` the width."""
    if seme == 0:
        with posto(ctx, x, y, misura / 100.0, angolo):
            denaro(ctx, semplice)
    elif seme == 1:
        with posto(ctx, x, y, misura / 100.0, angolo):
            coppa(ctx, semplice)
    elif seme == 2:
        with posto(ctx, x, y, 1.0, angolo):
            bastone(ctx, misura, spessore or misura * 0.16, semplice)
    else:
        with posto(ctx, x, y, 1.0, angolo):
            spada(ctx, misura, spessore or misura * 0.3, semplice)


# ---------------------------------------------------------------- card face

CAMPO_X0, CAMPO_X1 = 10 * SCALA, 48 * SCALA  # between the two index columns
CAMPO_Y0, CAMPO_Y1 = 3 * SCALA, 96 * SCALA


def faccia(ctx):
    rettangolo_tondo(ctx, 0, 0, W, H, RAGGIO_ANGOLO)
    ctx.set_source_rgb(*BIANCO)
    ctx.fill()


def bordo(ctx):
    half = SCALA / 2.0
    rettangolo_tondo(ctx, half, half, W - SCALA, H - SCALA, RAGGIO_ANGOLO - half)
    ctx.set_line_width(SCALA * 0.9)
    ctx.set_source_rgb(*BORDO)
    ctx.stroke()


def indice(ctx, seme, rango, matta=False):
    """Rank and small suit sign in the top-left corner and, turned, in the bottom-right."""
    testo = str(rango)
    for giro in (0, 1):
        ctx.save()
        if giro:
            ctx.translate(W, H)
            ctx.rotate(math.pi)
        cx = 5.5 * SCALA
        ctx.select_font_face("DejaVu Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
        ctx.set_font_size(11.2 * SCALA)
        est = ctx.text_extents(testo)
        alto = 8 * SCALA  # digit height on the table: 8 pixels
        sy = alto / est.height
        sx = min(sy, 7.6 * SCALA / est.width)
        ctx.save()
        ctx.translate(cx - (est.x_bearing + est.width / 2) * sx, 3 * SCALA - est.y_bearing * sy)
        ctx.scale(sx, sy)
        ctx.move_to(0, 0)
        ctx.text_path(testo)
        ctx.restore()
        ctx.set_source_rgb(*COLORE_INDICE[seme])
        ctx.fill()
        y = 17 * SCALA
        if seme == 0:
            segno(ctx, 0, cx, y, 7.6 * SCALA, semplice=True)
        elif seme == 1:
            segno(ctx, 1, cx, y, 8.6 * SCALA, semplice=True)
        elif seme == 2:
            segno(ctx, 2, cx, y + 0.5 * SCALA, 10.5 * SCALA, angolo=0.3, semplice=True, spessore=4.2 * SCALA)
        else:
            segno(ctx, 3, cx, y + 0.5 * SCALA, 11 * SCALA, angolo=0.3, semplice=True, spessore=6.0 * SCALA)
        if matta:
            stella(ctx, cx, 26.2 * SCALA, 3.2 * SCALA)
            riempi(ctx, ROSSO, NERO, CONTORNO * 0.8)
        ctx.restore()


# Number cards. Coins and cups: positions (x, y) in table pixels. Batons and swords:
# (x, y, length, angle) in table pixels; angle 0 is upright.
POSTI_TONDI = {
    2: [(29, 27), (29, 72)],
    3: [(29, 19), (29, 49.5), (29, 80)],
    4: [(20, 24), (38, 24), (20, 75), (38, 75)],
    5: [(20, 20), (38, 20), (29, 49.5), (20, 79), (38, 79)],
    6: [(20, 17), (38, 17), (20, 49.5), (38, 49.5), (20, 82), (38, 82)],
    7: [(20, 16), (38, 16), (29, 33), (20, 50.5), (38, 50.5), (20, 83), (38, 83)],
}
MISURA_TONDI = {2: 18, 3: 16.5, 4: 15, 5: 14.5, 6: 14, 7: 13.5}
MISURA_COPPE = {2: 21, 3: 19, 4: 18, 5: 17, 6: 16.5, 7: 15.5}

MEZZO = math.pi / 2
POSTI_LUNGHI = {
    2: [(23, 49.5, 82, 0), (35, 49.5, 82, 0)],
    3: [(17, 49.5, 82, 0), (29, 49.5, 82, 0), (41, 49.5, 82, 0)],
    4: [(22, 26, 40, 0), (36, 26, 40, 0), (22, 73, 40, 0), (36, 73, 40, 0)],
    5: [(17, 26, 40, 0), (41, 26, 40, 0), (29, 49.5, 82, 0), (17, 73, 40, 0), (41, 73, 40, 0)],
    6: [(17, 26, 40, 0), (29, 26, 40, 0), (41, 26, 40, 0), (17, 73, 40, 0), (29, 73, 40, 0), (41, 73, 40, 0)],
    7: [(17, 24, 36, 0), (29, 24, 36, 0), (41, 24, 36, 0), (29, 49.5, 34, MEZZO),
        (17, 75, 36, 0), (29, 75, 36, 0), (41, 75, 36, 0)],
}


def carta_numero(ctx, seme, rango):
    if rango == 1:
        asso(ctx, seme)
        return
    if seme in (0, 1):
        misura = (MISURA_TONDI if seme == 0 else MISURA_COPPE)[rango] * SCALA
        for x, y in POSTI_TONDI[rango]:
            segno(ctx, seme, x * SCALA, y * SCALA, misura)
    else:
        spessore = (6.2 if seme == 2 else 10.5) * SCALA
        for x, y, lung, ang in POSTI_LUNGHI[rango]:
            segno(ctx, seme, x * SCALA, y * SCALA, lung * SCALA, ang, spessore=spessore)


def asso(ctx, seme):
    cx, cy = 29 * SCALA, 49.5 * SCALA
    if seme == 0:
        # large coin with fans of rays above and below, kept clear of the corners
        for fan in (0, math.pi):
            for k in range(-3, 4):
                a = fan + k * 0.24
                lung = (31 - 2.2 * abs(k)) * SCALA
                with posto(ctx, cx, cy, 1.0, a):
                    curva(ctx, [(0, -17 * SCALA, 0), (2.3 * SCALA, -(17 * SCALA + lung) / 2 - 1.5 * SCALA),
                                (0, -lung, 0), (-2.3 * SCALA, -(17 * SCALA + lung) / 2 - 1.5 * SCALA)])
                    riempi(ctx, VERDE if k % 2 else ROSSO, NERO, CONTORNO * 0.8)
        segno(ctx, 0, cx, cy, 36 * SCALA)
        ctx.arc(cx, cy, 12.6 * SCALA, 0, 2 * math.pi)
        traccia(ctx, ROSSO_SCURO, CONTORNO)
    elif seme == 1:
        segno(ctx, 1, cx, cy + 2 * SCALA, 52 * SCALA)
        # a lid with a knob makes the ace's goblet grand
        curva(ctx, [(cx - 17 * SCALA, cy - 22.5 * SCALA, 0), (cx, cy - 35 * SCALA),
                    (cx + 17 * SCALA, cy - 22.5 * SCALA, 0)])
        riempi(ctx, gradiente_lineare(cx - 17 * SCALA, 0, cx + 17 * SCALA, 0,
                                      [(0, ORO_SCURO), (0.4, ORO_CHIARO), (1, ORO_SCURO)]))
        ctx.arc(cx, cy - 36.5 * SCALA, 3 * SCALA, 0, 2 * math.pi)
        riempi(ctx, ROSSO)
        for k in (-1, 1):
            ctx.arc(cx + k * 8 * SCALA, cy - 26 * SCALA, 1.6 * SCALA, 0, 2 * math.pi)
            riempi(ctx, BLU, NERO, CONTORNO * 0.7)
    elif seme == 2:
        # a great knotted club, leaning, with sprigs of leaves and a red ribbon
        angolo = 0.3
        segno(ctx, 2, cx, cy + 1 * SCALA, 80 * SCALA, angolo=angolo, spessore=15 * SCALA)
        with posto(ctx, cx, cy + 1 * SCALA, SCALA, angolo):
            for x, y, giro in ((7.5, -22, 1.1), (-7, -6, -1.2), (6.5, 12, 1.3)):
                with posto(ctx, x, y, 1.0, giro):
                    for dx in (-1, 1):
                        with posto(ctx, 0, 0, 1.0, dx * 0.45):
                            curva(ctx, [(0, 0, 0), (2.3, -3.5), (0, -8, 0), (-2.3, -3.5)])
                            riempi(ctx, VERDE, NERO, CONTORNO * 0.8)
            yb = 4
            for lato in (-1, 1):
                arto(ctx, [(lato * 2, yb), (lato * 9, yb + 4), (lato * 9.5, yb + 10), (lato * 12.5, yb + 15)],
                     2.6, ROSSO)
            curva(ctx, [(-7, yb - 3), (0, yb - 1.5), (6.5, yb - 3), (6.5, yb + 1.5), (0, yb + 3), (-7, yb + 1.5)])
            riempi(ctx, ROSSO)
            ellisse(ctx, 0, yb, 2.3, 2.5)
            riempi(ctx, ROSSO_SCURO)
    else:
        # the sword through a laurel wreath
        for lato in (-1, 1):
            for k in range(8):
                t = 0.3 + k * 0.34
                x = cx + lato * 14 * SCALA * math.sin(t)
                y = cy + 8 * SCALA - 15 * SCALA * math.cos(t)
                with posto(ctx, x, y, SCALA, lato * (t + 0.5)):
                    curva(ctx, [(0, 0, 0), (2.2, -3.2), (0, -7, 0), (-2.2, -3.2)])
                    riempi(ctx, VERDE, NERO, CONTORNO * 0.7)
        segno(ctx, 3, cx, cy, 88 * SCALA, spessore=26 * SCALA)
        curva(ctx, [(cx - 12 * SCALA, cy + 22 * SCALA), (cx, cy + 25 * SCALA), (cx + 12 * SCALA, cy + 22 * SCALA),
                    (cx + 13 * SCALA, cy + 26 * SCALA), (cx, cy + 29 * SCALA), (cx - 13 * SCALA, cy + 26 * SCALA)])
        riempi(ctx, ROSSO)


# ---------------------------------------------------------------- figures
# Figures are drawn in a frame 100 units wide; FIG_SCALA maps it onto the field.

FIG_SCALA = (CAMPO_X1 - CAMPO_X0) / 100.0
FIG_ALTO = (CAMPO_Y1 - CAMPO_Y0) / FIG_SCALA  # about 245 units


def pannello(matta):
    """The figure's panel: (x, y, width, height, radius). The matta's sits inside a gold band."""
    x0, y0, x1, y1 = CAMPO_X0, CAMPO_Y0, CAMPO_X1, CAMPO_Y1
    if matta:
        return (x0 + 8, y0 + 8, x1 - x0 - 16, y1 - y0 - 16, 8)
    return (x0, y0, x1 - x0, y1 - y0, 10)


def volto(ctx, cx, cy, abiti, barba=False, giovane=True):
    """Head with hair, and a beard for the kings. The face is about 20 units wide."""
    capelli = abiti["capelli"]
    if giovane:
        # page-boy bob behind the face
        curva(ctx, [(cx - 12, cy - 4), (cx, cy - 14), (cx + 12, cy - 4), (cx + 12.5, cy + 11, 0),
                    (cx + 6, cy + 11, 0), (cx, cy + 4), (cx - 6, cy + 11, 0), (cx - 12.5, cy + 11, 0)])
        riempi(ctx, capelli)
    else:
        curva(ctx, [(cx - 11.5, cy - 4), (cx, cy - 13), (cx + 11.5, cy - 4), (cx + 12, cy + 8, 0),
                    (cx - 12, cy + 8, 0)])
        riempi(ctx, abiti["barba"])
    ellisse(ctx, cx, cy + 1, 9, 11)
    riempi(ctx, CARNE)
    if giovane:
        curva(ctx, [(cx - 9.5, cy - 2, 0), (cx - 7, cy - 9), (cx, cy - 11.5), (cx + 7, cy - 9),
                    (cx + 9.5, cy - 2, 0), (cx + 3, cy - 5), (cx - 4, cy - 4)])
        riempi(ctx, capelli)
    for dx in (-3.6, 3.6):
        ellisse(ctx, cx + dx, cy + 1, 1.6, 1.2)
        riempi(ctx, NERO, None)
        ellisse(ctx, cx + dx * 1.35, cy + 5.5, 1.8, 1.2)
        riempi(ctx, GUANCE, None)
    ctx.move_to(cx, cy + 1.5)
    ctx.line_to(cx - 1, cy + 5)
    ctx.line_to(cx + 0.6, cy + 5.3)
    traccia(ctx, MARRONE_SCURO, CONTORNO * 0.6)
    if barba:
        curva(ctx, [(cx - 9, cy + 1, 0), (cx - 6, cy + 9), (cx - 4, cy + 7.5), (cx, cy + 8.5),
                    (cx + 4, cy + 7.5), (cx + 6, cy + 9), (cx + 9, cy + 1, 0), (cx + 9.5, cy + 10),
                    (cx + 4, cy + 22), (cx, cy + 27, 0), (cx - 4, cy + 22), (cx - 9.5, cy + 10)])
        riempi(ctx, abiti["barba"])
        ellisse(ctx, cx, cy + 10.5, 2.4, 1.2)
        riempi(ctx, ROSSO_SCURO, None)
    else:
        ellisse(ctx, cx, cy + 7.6, 2.4, 1.0)
        riempi(ctx, ROSSO, None)


def berretto(ctx, cx, cy, abiti, piuma=True):
    if piuma:
        curva(ctx, [(cx + 4, cy - 2, 0), (cx + 12, cy - 12), (cx + 22, cy - 15, 0), (cx + 16, cy - 8),
                    (cx + 8, cy)], True)
        riempi(ctx, abiti["piuma"])
    curva(ctx, [(cx - 13, cy + 1, 0), (cx - 9, cy - 7), (cx + 2, cy - 10), (cx + 12, cy - 5),
                (cx + 14, cy + 1, 0)])
    riempi(ctx, abiti["cappello"])
    ellisse(ctx, cx, cy + 1.2, 14.5, 3.2, -0.05)
    riempi(ctx, abiti["cappello"])


def corona(ctx, cx, cy):
    """Crown whose band sits at cy."""
    pts = [(cx - 12, cy + 3, 0), (cx - 13, cy - 14, 0), (cx - 8, cy - 6, 0), (cx - 3.5, cy - 16, 0),
           (cx, cy - 7, 0), (cx + 3.5, cy - 16, 0), (cx + 8, cy - 6, 0), (cx + 13, cy - 14, 0),
           (cx + 12, cy + 3, 0)]
    curva(ctx, pts)
    riempi(ctx, gradiente_lineare(cx - 12, 0, cx + 12, 0, [(0, ORO_SCURO), (0.4, ORO_CHIARO), (1, ORO)]))
    for x, y in ((cx - 13, cy - 15), (cx - 3.5, cy - 17), (cx + 3.5, cy - 17), (cx + 13, cy - 15)):
        ctx.arc(x, y, 1.7, 0, 2 * math.pi)
        riempi(ctx, ORO_CHIARO, NERO, CONTORNO * 0.7)
    poligono(ctx, [(cx - 12.5, cy - 2), (cx + 12.5, cy - 2), (cx + 12, cy + 3), (cx - 12, cy + 3)])
    riempi(ctx, ORO)
    for k, x in enumerate((cx - 7, cx, cx + 7)):
        ellisse(ctx, x, cy + 0.5, 1.8, 1.4)
        riempi(ctx, ROSSO if k != 1 else BLU, None)


def mano(ctx, x, y, r=3.4):
    ctx.arc(x, y, r, 0, 2 * math.pi)
    riempi(ctx, CARNE)


def ermellino(ctx, punti, chiusa=True):
    curva(ctx, punti, chiusa)
    riempi(ctx, BIANCO)
    xs = [p[0] for p in punti]
    ys = [p[1] for p in punti]
    ctx.save()
    curva(ctx, punti, chiusa)
    ctx.clip()
    y = min(ys) + 2
    riga = 0
    while y < max(ys):
        x = min(xs) + (3 if riga % 2 else 0)
        while x < max(xs):
            poligono(ctx, [(x - 0.8, y - 1.2), (x + 0.8, y - 1.2), (x, y + 1.6)])
            riempi(ctx, NERO, None)
            x += 6
        y += 4.5
        riga += 1
    ctx.restore()


def segno_in_mano(ctx, seme, x, y, misura, angolo=0.0):
    """Suit sign held by a figure, in figure units."""
    if seme in (0, 1):
        segno(ctx, seme, x, y, misura, angolo)
    elif seme == 2:
        segno(ctx, 2, x, y, misura, angolo, spessore=misura * 0.085)
    else:
        segno(ctx, 3, x, y, misura, angolo, spessore=misura * 0.24)


def fante(ctx, seme):
    a = ABITI[seme]
    # ground
    ellisse(ctx, 50, 234, 42, 7)
    riempi(ctx, VERDE_CHIARO)
    # cape hanging behind from the left shoulder
    curva(ctx, [(36, 70, 0), (26, 110), (20, 160, 0), (34, 164), (44, 158, 0), (44, 90)])
    riempi(ctx, a["manto"])
    # legs in parti-coloured hose
    for pts, col in (([(41, 145), (39, 190), (41, 226), (48, 226), (48.5, 190), (50, 145)], a["calza1"]),
                     ([(50, 145), (52, 190), (53, 226), (60, 226), (61, 190), (59, 145)], a["calza2"])):
        curva(ctx, [(p[0], p[1], 0) if i in (2, 3) else p for i, p in enumerate(pts)])
        riempi(ctx, col)
    for x in (43, 57):
        curva(ctx, [(x - 8, 231, 0), (x - 6, 224), (x + 2, 223), (x + 6, 228), (x + 6, 231, 0)])
        riempi(ctx, NERO, NERO)
    # doublet with a flared skirt
    pts = [(34, 70, 0), (50, 66), (66, 70, 0), (64, 96), (60, 117, 0), (72, 152, 0), (50, 156),
           (28, 152, 0), (40, 117, 0), (36, 96)]
    curva(ctx, pts)
    riempi(ctx, a["abito"])
    ctx.move_to(28.5, 151)
    ctx.curve_to(40, 155.5, 60, 155.5, 71.5, 151)
    traccia(ctx, ORO, CONTORNO * 2.2)
    ctx.move_to(50, 70)
    ctx.line_to(50, 152)
    traccia(ctx, ORO, CONTORNO * 1.6)
    for y in (80, 92, 104):
        ctx.arc(50, y, 1.8, 0, 2 * math.pi)
        riempi(ctx, ORO_CHIARO, NERO, CONTORNO * 0.6)
    poligono(ctx, [(39.5, 114), (60.5, 114), (61, 121), (39, 121)])
    riempi(ctx, MARRONE)
    poligono(ctx, [(47, 113), (53, 113), (53, 122), (47, 122)])
    riempi(ctx, ORO)
    # left arm akimbo
    arto(ctx, [(37, 74), (24, 96), (36, 116)], 8, a["abito"])
    mano(ctx, 37, 116)
    ellisse(ctx, 34, 75, 6, 5.5, -0.5)
    riempi(ctx, a["manto"])
    # neck and head
    poligono(ctx, [(46, 58), (54, 58), (54, 68), (46, 68)])
    riempi(ctx, CARNE)
    poligono(ctx, [(42, 64), (58, 64), (56, 71), (44, 71)])
    riempi(ctx, BIANCO)
    volto(ctx, 50, 49, a)
    berretto(ctx, 49, 38, a)
    # right arm with the suit sign

    def spalla():
        ellisse(ctx, 66, 75, 6, 5.5, 0.5)
        riempi(ctx, a["manto"])

    if seme == 0:
        arto(ctx, [(63, 74), (76, 96), (72, 82)], 8, a["abito"])
        spalla()
        segno_in_mano(ctx, 0, 73, 70, 28)
        mano(ctx, 72, 84)
    elif seme == 1:
        arto(ctx, [(63, 74), (78, 98), (70, 104)], 8, a["abito"])
        spalla()
        segno_in_mano(ctx, 1, 72, 88, 34)
        mano(ctx, 71, 101)
    elif seme == 2:
        segno_in_mano(ctx, 2, 79, 150, 150, 0.0)
        arto(ctx, [(63, 74), (77, 94), (79, 112)], 8, a["abito"])
        spalla()
        mano(ctx, 79, 112)
    else:
        segno_in_mano(ctx, 3, 78, 92, 118, 0.0)
        arto(ctx, [(63, 74), (80, 110), (78, 136)], 8, a["abito"])
        spalla()
        mano(ctx, 78, 136)


def cavallo(ctx, seme):
    a = ABITI[seme]
    col = a["cavallo"]
    ombra = tuple(c * 0.8 for c in col)
    ellisse(ctx, 50, 236, 45, 6)
    riempi(ctx, VERDE_CHIARO)
    # tail
    arto(ctx, [(84, 150), (93, 160), (95, 182), (91, 204)], 6, a["criniera"])
    # far legs, in shade
    for pts in ([(80, 168), (86, 196), (81, 229)], [(32, 172), (29, 202), (30, 229)]):
        arto(ctx, pts, 6, ombra)
        ellisse(ctx, pts[-1][0] - 0.5, pts[-1][1] + 1.5, 4, 2.5)
        riempi(ctx, NERO, None)
    # near legs: the front one raised in a prance
    for pts in ([(70, 172), (75, 200), (69, 229)], [(38, 174), (27, 190), (32, 205)]):
        arto(ctx, pts, 6.8, col)
        ellisse(ctx, pts[-1][0] - 0.5, pts[-1][1] + 1.5, 4, 2.5)
        riempi(ctx, NERO, None)
    # body and neck
    curva(ctx, [(44, 136), (58, 140), (72, 139), (84, 145), (89, 158), (85, 172), (74, 178), (56, 180),
                (40, 180), (30, 176), (23, 166), (19, 150), (15, 132), (16, 116), (22, 102), (31, 112),
                (37, 125)])
    riempi(ctx, col)
    # ears, then the long head pointing down to the left
    for pts in ([(17, 101, 0), (17.5, 91, 0), (22, 100, 0)], [(20.5, 101, 0), (23, 90, 0), (25.5, 102, 0)]):
        curva(ctx, pts)
        riempi(ctx, col)
    curva(ctx, [(24, 103), (13, 105), (6, 118), (1, 129), (2.5, 135), (9, 137), (15, 129), (20, 121),
                (23, 112)])
    riempi(ctx, col)
    ctx.move_to(5, 133)
    ctx.curve_to(6, 131.5, 8, 131.5, 9, 133)
    traccia(ctx, NERO, CONTORNO * 0.7)
    # mane along the crest of the neck, forelock between the ears
    curva(ctx, [(22, 99), (30, 106), (37, 118), (43, 129), (48, 138), (41, 135, 0), (40, 128), (35, 126, 0),
                (33, 119), (28, 117, 0), (27, 110), (22, 107, 0)])
    riempi(ctx, a["criniera"])
    curva(ctx, [(19, 100), (15, 106), (12, 104), (15, 99)])
    riempi(ctx, a["criniera"])
    # a plume on the headstall
    curva(ctx, [(20, 100, 0), (18, 90), (22, 80, 0), (25, 90)])
    riempi(ctx, ROSSO if a["gualdrappa"] is not ROSSO else ORO, NERO, CONTORNO * 0.8)
    ellisse(ctx, 13, 112, 1.7, 1.3, 0.5)
    riempi(ctx, NERO, None)
    ellisse(ctx, 3.5, 130, 1.0, 0.8)
    riempi(ctx, NERO, None)
    # bridle and breast collar
    ctx.move_to(20, 104)
    ctx.line_to(9, 127)
    ctx.move_to(3, 124)
    ctx.line_to(11, 129)
    traccia(ctx, ROSSO, CONTORNO * 1.5)
    ctx.move_to(21, 160)
    ctx.curve_to(28, 164, 38, 156, 44, 146)
    traccia(ctx, NERO, CONTORNO * 3.4)
    ctx.move_to(21, 160)
    ctx.curve_to(28, 164, 38, 156, 44, 146)
    traccia(ctx, ROSSO, CONTORNO * 2.2)
    for x, y in ((25, 161.5), (32, 160), (38, 154)):
        ctx.arc(x, y, 1.6, 0, 2 * math.pi)
        riempi(ctx, ORO, NERO, CONTORNO * 0.6)
    # saddle cloth with a scalloped hem
    hem = []
    for k in range(6):
        x = 76 - k * 6.5
        hem += [(x, 170, 0), (x - 3.25, 174.5)]
    hem.append((37, 170, 0))
    curva(ctx, [(40, 138, 0), (58, 135), (78, 139, 0), (78, 160)] + hem + [(38, 156)])
    riempi(ctx, a["gualdrappa"])
    ctx.move_to(39, 165)
    ctx.line_to(77, 165)
    traccia(ctx, ROSSO if a["gualdrappa"] is not ROSSO else ORO, CONTORNO * 1.6)
    # reins from the hand to the bit
    ctx.move_to(8, 129)
    ctx.curve_to(20, 136, 32, 132, 44, 124)
    traccia(ctx, MARRONE_SCURO, CONTORNO * 1.1)
    # rider: near leg over the caparison, with boot and stirrup
    arto(ctx, [(56, 138), (47, 156), (50, 178)], 7, a["calza1"])
    curva(ctx, [(44, 176, 0), (52, 174), (55, 182, 0), (42, 184, 0)])
    riempi(ctx, NERO, NERO)
    # body of the rider
    curva(ctx, [(46, 102, 0), (54, 98), (63, 102, 0), (62, 126), (66, 146, 0), (44, 146, 0), (48, 126)])
    riempi(ctx, a["abito"])
    ctx.move_to(44.5, 144)
    ctx.line_to(65.5, 144)
    traccia(ctx, ORO, CONTORNO * 2)
    poligono(ctx, [(47, 124), (62, 124), (62.5, 129), (46.5, 129)])
    riempi(ctx, MARRONE)
    # far arm holding the reins
    arto(ctx, [(48, 106), (40, 116), (44, 126)], 6.5, a["abito"])
    mano(ctx, 44, 126, 3)
    poligono(ctx, [(51.5, 90), (57.5, 90), (57.5, 100), (51.5, 100)])
    riempi(ctx, CARNE)
    volto(ctx, 54, 82, a)
    berretto(ctx, 53, 71, a)
    # near arm raising the suit sign
    if seme == 0:
        arto(ctx, [(61, 105), (74, 96), (78, 74)], 7, a["abito"])
        segno_in_mano(ctx, 0, 80, 62, 26)
        mano(ctx, 78, 74)
    elif seme == 1:
        arto(ctx, [(61, 105), (76, 100), (79, 82)], 7, a["abito"])
        segno_in_mano(ctx, 1, 80, 66, 32)
        mano(ctx, 79, 80)
    elif seme == 2:
        segno_in_mano(ctx, 2, 81, 70, 110, 0.3)
        arto(ctx, [(61, 105), (74, 110), (76, 96)], 7, a["abito"])
        mano(ctx, 76, 96)
    else:
        segno_in_mano(ctx, 3, 80, 56, 96, 0.18)
        arto(ctx, [(61, 105), (76, 108), (73, 100)], 7, a["abito"])
        mano(ctx, 73, 100)


def re(ctx, seme, matta=False):
    a = ABITI[seme]
    # a dais to stand on
    poligono(ctx, [(10, 228), (90, 228), (94, 240), (6, 240)])
    riempi(ctx, gradiente_lineare(0, 228, 0, 240, [(0, ROSSO), (1, ROSSO_SCURO)]))
    ctx.move_to(12, 232)
    ctx.line_to(88, 232)
    traccia(ctx, ORO, CONTORNO * 1.4)
    # long gown
    curva(ctx, [(38, 76, 0), (62, 76, 0), (72, 228, 0), (28, 228, 0)])
    riempi(ctx, a["abito"])
    ctx.move_to(50, 100)
    ctx.line_to(50, 226)
    traccia(ctx, ORO, CONTORNO * 2.6)
    for y in range(110, 226, 14):
        ctx.arc(50, y, 1.6, 0, 2 * math.pi)
        riempi(ctx, ROSSO if a["abito"] is not ROSSO else BLU, None)
    # shoes
    for x in (43, 57):
        ellisse(ctx, x, 228, 6, 3)
        riempi(ctx, NERO, NERO)
    # mantle open in front, lined with ermine
    for lato in (-1, 1):
        def X(x):
            return 50 + lato * (x - 50)
        manto = [(X(36), 74, 0), (X(22), 130), (X(10), 226, 0), (X(36), 226, 0), (X(40), 160), (X(44), 96)]
        curva(ctx, manto)
        riempi(ctx, a["manto"])
        ermellino(ctx, [(X(44), 96, 0), (X(40), 160), (X(36), 226, 0), (X(31), 226, 0), (X(35), 160),
                        (X(40.5), 96, 0)])
        ermellino(ctx, [(X(10), 226, 0), (X(36), 226, 0), (X(36), 220, 0), (X(11), 220, 0)])
    # ermine cape on the shoulders
    ermellino(ctx, [(33, 74, 0), (50, 70), (67, 74, 0), (70, 90), (50, 98), (30, 90)])
    # arm with the sceptre (or, for the king of batons, the club itself)
    if seme != 2:
        ctx.move_to(25, 72)
        ctx.line_to(25, 205)
        traccia(ctx, NERO, 3.4 * FIG_SCALA + 2 * CONTORNO)
        ctx.move_to(25, 72)
        ctx.line_to(25, 205)
        traccia(ctx, ORO, 3.4 * FIG_SCALA)
        ctx.arc(25, 205, 2.8, 0, 2 * math.pi)
        riempi(ctx, ORO)
        # fleur-de-lis head
        curva(ctx, [(25, 54, 0), (28, 62), (26.5, 70, 0), (31, 67), (33, 72, 0), (17, 72, 0), (19, 67),
                    (23.5, 70, 0), (22, 62)])
        riempi(ctx, ORO)
    else:
        segno_in_mano(ctx, 2, 25, 150, 150, 0.0)
    arto(ctx, [(36, 80), (27, 104), (25, 122)], 8, a["manto"])
    ermellino(ctx, [(20.5, 118, 0), (29.5, 118, 0), (29.5, 123, 0), (20.5, 123, 0)])
    mano(ctx, 25, 126, 3.6)
    # head with crown and beard
    poligono(ctx, [(46, 60), (54, 60), (54, 70), (46, 70)])
    riempi(ctx, CARNE)
    volto(ctx, 50, 50, a, barba=True, giovane=False)
    corona(ctx, 50, 39)
    # the other hand shows the suit sign
    if seme == 0:
        arto(ctx, [(64, 80), (75, 100), (74, 112)], 8, a["manto"])
        segno_in_mano(ctx, 0, 76, 100, 27)
        mano(ctx, 74, 112)
    elif seme == 1:
        arto(ctx, [(64, 80), (76, 104), (74, 114)], 8, a["manto"])
        segno_in_mano(ctx, 1, 76, 98, 32)
        mano(ctx, 74, 112)
    elif seme == 2:
        arto(ctx, [(64, 80), (76, 102), (75, 116)], 8, a["manto"])
        mano(ctx, 75, 116)
        # the king of batons rests his hand on a golden orb
        ctx.arc(76, 106, 8, 0, 2 * math.pi)
        riempi(ctx, gradiente_lineare(68, 0, 84, 0, [(0, ORO_SCURO), (0.4, ORO_CHIARO), (1, ORO)]))
        ctx.move_to(68, 106)
        ctx.line_to(84, 106)
        traccia(ctx, ROSSO_SCURO, CONTORNO)
        stella(ctx, 76, 95, 3.2, 4, 0.4)
        riempi(ctx, ORO)
    else:
        segno_in_mano(ctx, 3, 76, 86, 112, 0.0)
        arto(ctx, [(64, 80), (78, 104), (76, 130)], 8, a["manto"])
        mano(ctx, 76, 130)
    if matta:
        for x in (10, 90):
            stella(ctx, x, 12, 6)
            riempi(ctx, ROSSO, NERO, CONTORNO * 0.9)


def figura(ctx, seme, rango):
    matta = seme == 0 and rango == 10
    if matta:
        # the wild card stands out by its gold frame
        rettangolo_tondo(ctx, CAMPO_X0 - 4, CAMPO_Y0 - 4, CAMPO_X1 - CAMPO_X0 + 8, CAMPO_Y1 - CAMPO_Y0 + 8, 14)
        riempi(ctx, ORO, NERO, CONTORNO)
    rettangolo_tondo(ctx, *pannello(matta))
    riempi(ctx, CREMA, None)
    ctx.save()
    rettangolo_tondo(ctx, *pannello(matta))
    ctx.clip()
    ctx.translate(CAMPO_X0, CAMPO_Y0)
    ctx.scale(FIG_SCALA, FIG_SCALA)
    if rango == 8:
        fante(ctx, seme)
    elif rango == 9:
        cavallo(ctx, seme)
    else:
        re(ctx, seme, matta)
    ctx.restore()
    rettangolo_tondo(ctx, *pannello(matta))
    traccia(ctx, ORO_SCURO if matta else NERO, CONTORNO * (1.0 if matta else 1.2))


# ---------------------------------------------------------------- back


def dorso(ctx):
    margine = 3 * SCALA
    x0, y0, x1, y1 = margine, margine, W - margine, H - margine
    rettangolo_tondo(ctx, x0, y0, x1 - x0, y1 - y0, 2 * SCALA)
    riempi(ctx, ROSSO_SCURO, NERO, CONTORNO)
    ctx.save()
    rettangolo_tondo(ctx, x0, y0, x1 - x0, y1 - y0, 2 * SCALA)
    ctx.clip()
    # diamond lattice centred on the card, so the back looks the same either way up
    cx, cy = W / 2.0, H / 2.0
    passo = 7.25 * SCALA
    alto = passo * 1.5
    for j in range(-8, 9):
        for i in range(-5, 6):
            x = cx + i * passo + (passo / 2 if j % 2 else 0)
            y = cy + j * alto / 2
            poligono(ctx, [(x, y - alto / 2 + 6), (x + passo / 2 - 6, y), (x, y + alto / 2 - 6),
                           (x - passo / 2 + 6, y)])
            # lattice coordinates along the two diagonals: both keep their parity when the
            # card is turned or mirrored
            a = round((x - cx) / passo + (y - cy) / alto)
            b = round((y - cy) / alto - (x - cx) / passo)
            riempi(ctx, BLU_SCURO if a % 2 == 0 and b % 2 == 0 else rgb(176, 34, 44), None)
            ctx.arc(x, y, 1.1 * SCALA, 0, 2 * math.pi)
            riempi(ctx, ORO, None)
    ctx.restore()
    # inner gold rule
    rettangolo_tondo(ctx, x0 + 1.5 * SCALA, y0 + 1.5 * SCALA, x1 - x0 - 3 * SCALA, y1 - y0 - 3 * SCALA,
                     1.5 * SCALA)
    traccia(ctx, ORO, SCALA * 0.9)
    # central medallion
    ellisse(ctx, cx, cy, 15 * SCALA, 21 * SCALA)
    riempi(ctx, ORO, NERO, CONTORNO)
    ellisse(ctx, cx, cy, 12.5 * SCALA, 18.5 * SCALA)
    riempi(ctx, BLU, NERO, CONTORNO)
    stella(ctx, cx, cy, 9.5 * SCALA, 8, 0.42)
    riempi(ctx, ORO, NERO, CONTORNO)
    ctx.arc(cx, cy, 3 * SCALA, 0, 2 * math.pi)
    riempi(ctx, ROSSO, NERO, CONTORNO)
    for s in (-1, 1):
        ellisse(ctx, cx, cy + s * 14.5 * SCALA, 2 * SCALA, 2 * SCALA)
        riempi(ctx, ROSSO, NERO, CONTORNO)
        ellisse(ctx, cx + s * 10 * SCALA, cy, 1.5 * SCALA, 1.5 * SCALA)
        riempi(ctx, ROSSO, NERO, CONTORNO)


# ---------------------------------------------------------------- one card


def disegna(i):
    """Returns the card drawn at high resolution as an RGB picture (outside = table green)
    and its coverage mask (255 inside the card)."""
    sup, ctx = tela(W, H)
    ctx.set_source_rgb(*TAVOLO)
    ctx.paint()
    faccia(ctx)
    ctx.save()
    rettangolo_tondo(ctx, 0, 0, W, H, RAGGIO_ANGOLO)
    ctx.clip()
    if i == 0:
        dorso(ctx)
    else:
        seme, rango = (i - 1) // 10, (i - 1) % 10 + 1
        if rango <= 7:
            carta_numero(ctx, seme, rango)
        else:
            figura(ctx, seme, rango)
        indice(ctx, seme, rango, matta=(i == 10))
    ctx.restore()
    bordo(ctx)
    # the card is opaque, so its premultiplied colour is the plain colour
    immagine = Image.fromarray(np.ascontiguousarray(pixel(sup)[:, :, :3]), "RGB")

    maschera = cairo.ImageSurface(cairo.FORMAT_A8, W, H)
    mctx = cairo.Context(maschera)
    rettangolo_tondo(mctx, 0, 0, W, H, RAGGIO_ANGOLO)
    mctx.fill()
    maschera.flush()
    passo = maschera.get_stride()
    a = np.ndarray((H, passo), np.uint8, maschera.get_data())[:, :W].copy()
    return immagine, Image.fromarray(a, "L")


def riduci_gif(immagine, maschera, larghezza, altezza):
    """The card reduced in 8 bits, and its coverage, which marks the GIF's transparent pixels."""
    piccola = immagine.resize((larghezza, altezza), Image.LANCZOS)
    copertura = maschera.resize((larghezza, altezza), Image.BOX)
    return piccola, copertura


def in_gif(piccola, copertura):
    """Adaptive palette of 255 colours without dithering; index 255 is transparent."""
    q = piccola.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    indici = np.array(q, dtype=np.uint8)
    fuori = np.array(copertura) < 128
    indici[fuori] = 255
    tavolozza = list(q.getpalette()[:255 * 3])
    tavolozza += [0] * (255 * 3 - len(tavolozza))
    tavolozza += list(TAVOLO_8)
    gif = Image.fromarray(indici, "P")
    gif.putpalette(tavolozza)
    gif.info["transparency"] = 255
    return gif


def salva_gif(gif, percorso):
    gif.save(percorso, format="GIF", transparency=255, optimize=False)


def foglio_carte(piccole, percorso, fattore=1):
    """Contact sheet: the back, then one row per suit, on the table green."""
    carte = [gif.convert("RGBA") for gif in piccole]
    vuota = Image.new("RGBA", carte[0].size)  # the back's column in the other suits' rows
    righe = [[carte[0] if seme == 0 else vuota] + carte[1 + 10 * seme:11 + 10 * seme] for seme in range(4)]
    foglio(righe, percorso, TAVOLO_8, 6 * fattore, 6 * fattore, ottimizza=True)


def main():
    radice = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    cartella = os.path.join(radice, "data", "Piacentine")
    doppia = os.path.join(cartella, "2x")
    documenti = os.path.join(radice, "docs")
    for d in (cartella, doppia, documenti):
        os.makedirs(d, exist_ok=True)
    # Remove earlier pictures so a renamed card never leaves two files for one index.
    for d in (cartella, doppia):
        for nome in os.listdir(d):
            if nome.lower().endswith(".gif"):
                os.remove(os.path.join(d, nome))
    piccole, grandi = [], []
    for i in range(41):
        immagine, maschera = disegna(i)
        gif1 = in_gif(*riduci_gif(immagine, maschera, LARGHEZZA, ALTEZZA))
        gif2 = in_gif(*riduci_gif(immagine, maschera, 2 * LARGHEZZA, 2 * ALTEZZA))
        salva_gif(gif1, os.path.join(cartella, nome_file(i)))
        salva_gif(gif2, os.path.join(doppia, nome_file(i)))
        piccole.append(gif1)
        grandi.append(gif2)
    foglio_carte(piccole, os.path.join(documenti, "carte.png"))
    if len(sys.argv) > 1:
        # optional: a 2x contact sheet for checking the drawing, written where asked
        foglio_carte(grandi, sys.argv[1], 2)


if __name__ == "__main__":
    main()
