#!/usr/bin/python3
"""Draws every picture of the game's windows into ui/immagini/ and writes ui/immagini.qrc.

Each raster picture is drawn with cairo in its own 1x coordinates, rendered eight times larger
than the target and brought down with a Lanczos filter on premultiplied colour, once at 1x and
once at 2x (NAME.png, NAME@2x.png). Outlines are a little heavier at 1x so the small pictures
stay crisp. The application icon is written as SVG and rendered with rsvg-convert.

The output depends only on this file and on the library versions: running it twice gives the
same bytes.

    /usr/bin/python3 tools/assets/genera_immagini.py [--foglio /tmp/sheet.png]

Needs the Debian packages python3-cairo, python3-pil, python3-numpy and librsvg2-bin.
"""

import argparse
import io
import math
import os
import subprocess
import sys

import cairo
import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))  # disegno.py sits beside this file
from disegno import (ellisse, foglio, gradiente_lineare, gradiente_radiale, pixel,  # noqa: E402
                     poligono, rettangolo_tondo, riduci, riempi, sorgente, tela, traccia)

RADICE = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
CARTELLA = os.path.join(RADICE, "ui", "immagini")
QRC = os.path.join(RADICE, "ui", "immagini.qrc")

SOVRA = 8  # supersampling factor
LATI_ICONA = (16, 32, 48, 64, 128, 256)

PI = math.pi


# ---------------------------------------------------------------------------------------------
# Rendering and scaling


def disegna(larghezza, altezza, scala, funzione):
    """Draws funzione(ctx, scala) in a larghezza x altezza design space at the given scale."""
    sup, ctx = tela(larghezza * scala * SOVRA, altezza * scala * SOVRA)
    ctx.scale(scala * SOVRA, scala * SOVRA)
    funzione(ctx, scala)
    pre = pixel(sup).astype(np.float32) / 255.0
    return riduci(pre, larghezza * scala, altezza * scala)


def salva(img, nome):
    buf = io.BytesIO()
    img.save(buf, format="PNG", optimize=True)
    dati = buf.getvalue()
    percorso = os.path.join(CARTELLA, nome)
    vecchio = None
    if os.path.exists(percorso):
        with open(percorso, "rb") as f:
            vecchio = f.read()
    if vecchio != dati:
        with open(percorso, "wb") as f:
            f.write(dati)


# ---------------------------------------------------------------------------------------------
# Drawing helpers


def col(esadecimale, alfa=1.0):
    s = esadecimale.lstrip("#")
    return (int(s[0:2], 16) / 255.0, int(s[2:4], 16) / 255.0, int(s[4:6], 16) / 255.0, alfa)


def scuro(c, f=0.55):
    return (c[0] * f, c[1] * f, c[2] * f, c[3])


def chiaro(c, f=0.45):
    return (c[0] + (1 - c[0]) * f, c[1] + (1 - c[1]) * f, c[2] + (1 - c[2]) * f, c[3])


CONTORNO = col("#231a14")
BIANCO = col("#ffffff")
CARTA = col("#fbf7ea")


def tratto(scala):
    """Outline width in design units: one pixel at 1x, one and a half at 2x."""
    return 1.0 if scala == 1 else 0.75


def cerchio(ctx, cx, cy, r):
    ctx.new_sub_path()
    ctx.arc(cx, cy, r, 0, 2 * PI)


def tratto_bordato(ctx, percorsi, colore, spessore, bordo, colore_bordo=CONTORNO):
    """Strokes several open paths with an outline: all the dark strokes first, then the colour,
    so crossing strokes share one outline."""
    for p in percorsi:
        ctx.new_path()
        p(ctx)
        traccia(ctx, colore_bordo, spessore + 2 * bordo)
    for p in percorsi:
        ctx.new_path()
        p(ctx)
        traccia(ctx, colore, spessore)


def unione_bordata(ctx, forme, colore, bordo, colore_bordo=CONTORNO):
    """Fills the union of several closed shapes with one outline around the whole silhouette."""
    for f in forme:
        ctx.new_path()
        f(ctx)
        sorgente(ctx, colore_bordo)
        ctx.set_line_width(2 * bordo)
        ctx.stroke_preserve()
        ctx.fill()
    for f in forme:
        ctx.new_path()
        f(ctx)
        sorgente(ctx, colore)
        ctx.fill()


# ---------------------------------------------------------------------------------------------
# Coins and cards


def moneta(ctx, scala, cx, cy, r, dettagli=True):
    """A gold coin with a darker rim and a raised centre."""
    cerchio(ctx, cx, cy, r)
    ctx.set_source(
        gradiente_radiale(
            cx,
            cy,
            r * 1.4,
            [(0.0, col("#fff4b0")), (0.45, col("#f6c836")), (1.0, col("#b9820f"))],
            fx=cx - r * 0.4,
            fy=cy - r * 0.45,
        )
    )
    ctx.fill_preserve()
    traccia(ctx, col("#6a3f05"), tratto(scala) * (0.9 if r < 6 else 1.0))
    if dettagli:
        cerchio(ctx, cx, cy, r * 0.58)
        traccia(ctx, col("#b8780c"), max(0.55, r * 0.12) if scala == 1 else max(0.4, r * 0.09))
        cerchio(ctx, cx, cy, r * 0.22)
        riempi(ctx, col("#c0392b"))
    # a small glint
    ellisse(ctx, cx - r * 0.42, cy - r * 0.45, r * 0.2, r * 0.13)
    riempi(ctx, col("#ffffff", 0.85))


def coppa(ctx, scala, cx, cy, h):
    """A goblet, the cups suit, centred on (cx, cy)."""
    w = h * 0.7
    ctx.new_path()
    ctx.move_to(cx - w / 2, cy - h / 2)
    ctx.line_to(cx + w / 2, cy - h / 2)
    ctx.curve_to(cx + w / 2, cy, cx + w * 0.15, cy + h * 0.08, cx + w * 0.1, cy + h * 0.15)
    ctx.line_to(cx + w * 0.1, cy + h * 0.35)
    ctx.line_to(cx + w * 0.35, cy + h / 2)
    ctx.line_to(cx - w * 0.35, cy + h / 2)
    ctx.line_to(cx - w * 0.1, cy + h * 0.35)
    ctx.line_to(cx - w * 0.1, cy + h * 0.15)
    ctx.curve_to(cx - w * 0.15, cy + h * 0.08, cx - w / 2, cy, cx - w / 2, cy - h / 2)
    ctx.close_path()
    riempi(ctx, col("#d63a2a"), col("#6a1a10"), tratto(scala) * 0.8)


def carta(ctx, scala, cx, cy, w, h, angolo, tipo):
    """A playing card centred on (cx, cy), turned by angolo degrees."""
    t = tratto(scala)
    ctx.save()
    ctx.translate(cx, cy)
    ctx.rotate(math.radians(angolo))
    r = min(w, h) * 0.16
    rettangolo_tondo(ctx, -w / 2, -h / 2, w, h, r)
    if tipo == "dorso":
        riempi(ctx, col("#f4efe0"), CONTORNO, t)
        m = max(1.2, w * 0.13)
        rettangolo_tondo(ctx, -w / 2 + m, -h / 2 + m, w - 2 * m, h - 2 * m, r * 0.5)
        riempi(ctx, col("#b3212e"), conserva=True)
        ctx.save()
        ctx.clip()
        # a lattice of lighter diagonals
        passo = w * 0.3
        ctx.set_line_width(max(0.45, w * 0.05))
        sorgente(ctx, col("#e8707a"))
        k = -2 * h
        while k < 2 * h:
            ctx.move_to(k - h, -h)
            ctx.line_to(k + h, h)
            ctx.move_to(k + h, -h)
            ctx.line_to(k - h, h)
            k += passo
        ctx.stroke()
        ctx.restore()
        ctx.new_path()
    else:
        ctx.set_source(
            gradiente_lineare(
                -w / 2, -h / 2, w / 2, h / 2, [(0.0, col("#ffffff")), (1.0, col("#efe8d2"))]
            )
        )
        ctx.fill_preserve()
        traccia(ctx, CONTORNO, t)
        if tipo == "denari":
            moneta(ctx, scala, 0, 0, w * 0.31, dettagli=w > 8)
        elif tipo == "coppe":
            coppa(ctx, scala, 0, -h * 0.05, h * 0.45)
    ctx.restore()


def freccia_giu(ctx, scala, x, y0, y1, fusto, testa, alt_testa, colore):
    """A thick arrow pointing down, tip at (x, y1)."""
    punti = [
        (x - fusto / 2, y0),
        (x + fusto / 2, y0),
        (x + fusto / 2, y1 - alt_testa),
        (x + testa / 2, y1 - alt_testa),
        (x, y1),
        (x - testa / 2, y1 - alt_testa),
        (x - fusto / 2, y1 - alt_testa),
    ]
    ctx.new_path()
    poligono(ctx, punti)
    ctx.set_source(
        gradiente_lineare(
            x - testa / 2, 0, x + testa / 2, 0, [(0.0, chiaro(colore, 0.35)), (1.0, colore)]
        )
    )
    ctx.fill_preserve()
    traccia(ctx, scuro(colore, 0.4), tratto(scala))


# ---------------------------------------------------------------------------------------------
# Button icons 20 x 20


def icona_nuova(ctx, scala):
    carta(ctx, scala, 7.6, 8.6, 9.0, 13.5, -16, "coppe")
    carta(ctx, scala, 11.2, 8.4, 9.0, 13.5, 12, "denari")
    # green badge with a plus
    cerchio(ctx, 14.6, 14.6, 4.6)
    ctx.set_source(
        gradiente_radiale(
            14.6, 14.6, 5.5, [(0, col("#8fe86a")), (1, col("#1f8a1f"))], fx=13.4, fy=13.2
        )
    )
    ctx.fill_preserve()
    traccia(ctx, col("#0d4a10"), tratto(scala))
    ctx.set_line_cap(cairo.LINE_CAP_BUTT)
    ctx.move_to(14.6, 11.9)
    ctx.line_to(14.6, 17.3)
    ctx.move_to(11.9, 14.6)
    ctx.line_to(17.3, 14.6)
    traccia(ctx, BIANCO, 1.9 if scala == 1 else 1.6)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)


FRECCIA = col("#1f6fd6")


def icona_scoperta(ctx, scala):
    carta(ctx, scala, 7.5, 8.5, 11.0, 15.6, -8, "denari")
    freccia_giu(ctx, scala, 15.5, 5.5, 19.2, 3.2, 7.4, 4.6, FRECCIA)


def icona_coperta(ctx, scala):
    carta(ctx, scala, 7.5, 8.5, 11.0, 15.6, -8, "dorso")
    freccia_giu(ctx, scala, 15.5, 5.5, 19.2, 3.2, 7.4, 4.6, FRECCIA)


def ottagono(ctx, cx, cy, r):
    punti = []
    for i in range(8):
        a = PI / 8 + i * PI / 4
        punti.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    poligono(ctx, punti)


def icona_stop(ctx, scala):
    ctx.new_path()
    ottagono(ctx, 10, 10, 9.6)
    riempi(ctx, col("#7a0c0c"))
    ottagono(ctx, 10, 10, 8.6)
    riempi(ctx, BIANCO)
    ottagono(ctx, 10, 10, 7.6)
    ctx.set_source(
        gradiente_radiale(10, 10, 9, [(0, col("#ff5a4a")), (1, col("#c01010"))], fx=8, fy=7)
    )
    ctx.fill()
    # a raised open hand, palm towards us
    bianco = col("#ffffff")
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    dita = [(7.0, 9.5, 5.4), (9.1, 9.5, 4.2), (11.2, 9.5, 4.5), (13.2, 10.3, 5.9)]
    for x, y0, y1 in dita:
        ctx.move_to(x, y0)
        ctx.line_to(x, y1)
    traccia(ctx, bianco, 1.55)
    ctx.move_to(6.6, 12.6)
    ctx.line_to(4.8, 10.4)
    traccia(ctx, bianco, 1.55)
    ctx.new_path()
    ctx.move_to(6.2, 9.2)
    ctx.line_to(14.0, 9.6)
    ctx.line_to(13.9, 12.2)
    ctx.curve_to(13.6, 14.4, 12.2, 15.2, 10.2, 15.2)
    ctx.curve_to(8.0, 15.2, 6.3, 14.2, 6.2, 12.2)
    ctx.close_path()
    riempi(ctx, bianco)


# ---------------------------------------------------------------------------------------------
# Coin strip 135 x 18: one coin per 9 px cell


def striscia_monete(ctx, scala):
    # Alternately high and low like a small heap. Each coin, outline included, stays inside its
    # own 9 px cell, so the strip can be cut after any coin without a sliver of the next one.
    bordo = tratto(scala) * 0.9
    for i in range(15):
        cx = 4.5 + 9 * i
        cy = 5.4 if i % 2 == 0 else 12.6
        ctx.save()
        ctx.rectangle(9 * i, 0, 9, 18)
        ctx.clip()
        moneta(ctx, scala, cx, cy, 4.5 - bordo / 2, dettagli=True)
        ctx.restore()


# ---------------------------------------------------------------------------------------------
# Dialog button icons 24 x 24


def icona_ok(ctx, scala):
    def spunta(c):
        c.move_to(4.2, 12.8)
        c.line_to(9.6, 18.4)
        c.line_to(20.0, 5.6)

    tratto_bordato(ctx, [spunta], col("#2fb52f"), 4.0, tratto(scala) * 1.1, col("#0d4a10"))
    ctx.new_path()
    ctx.move_to(5.0, 12.6)
    ctx.line_to(9.6, 17.3)
    ctx.line_to(19.4, 5.6)
    traccia(ctx, col("#a8f08a", 0.8), 0.9 if scala == 1 else 0.7)


def icona_annulla(ctx, scala):
    def a(c):
        c.move_to(5.5, 5.5)
        c.line_to(18.5, 18.5)

    def b(c):
        c.move_to(18.5, 5.5)
        c.line_to(5.5, 18.5)

    tratto_bordato(ctx, [a, b], col("#e03428"), 4.0, tratto(scala) * 1.1, col("#5a0a06"))


def icona_fine_gioco(ctx, scala):
    t = tratto(scala)
    cerchio(ctx, 12, 12, 10.8)
    ctx.set_source(
        gradiente_radiale(12, 12, 12, [(0, col("#ff6a50")), (1, col("#b01208"))], fx=9, fy=8)
    )
    ctx.fill_preserve()
    traccia(ctx, col("#4a0604"), t)
    ctx.new_path()
    ctx.arc(12, 12.8, 5.6, -PI / 2 + 0.75, -PI / 2 - 0.75 + 2 * PI)
    traccia(ctx, BIANCO, 2.3 if scala == 1 else 2.0)
    ctx.move_to(12, 5.2)
    ctx.line_to(12, 12.0)
    traccia(ctx, BIANCO, 2.3 if scala == 1 else 2.0)


def icona_altra_partita(ctx, scala):
    t = tratto(scala)
    carta(ctx, scala, 10.3, 12.2, 6.6, 9.6, -14, "coppe")
    carta(ctx, scala, 13.7, 12.0, 6.6, 9.6, 12, "denari")
    verde = col("#23a23a")
    r = 9.3
    a0, a1 = math.radians(-50), math.radians(205)

    def arco(c):
        c.arc(12, 12, r, a0, a1)

    tratto_bordato(ctx, [arco], verde, 2.6, t * 0.9, col("#0b4a16"))
    # arrow head at the start of the arc, pointing along it backwards (clockwise motion)
    ex, ey = 12 + r * math.cos(a0), 12 + r * math.sin(a0)
    tx, ty = -math.sin(a0), math.cos(a0)  # tangent in the direction of growing angle
    tx, ty = -tx, -ty
    nx, ny = math.cos(a0), math.sin(a0)
    punta = (ex + tx * 5.2, ey + ty * 5.2)
    base1 = (ex + nx * 4.3 - tx * 0.8, ey + ny * 4.3 - ty * 0.8)
    base2 = (ex - nx * 4.3 - tx * 0.8, ey - ny * 4.3 - ty * 0.8)
    ctx.new_path()
    poligono(ctx, [punta, base1, base2])
    riempi(ctx, verde, col("#0b4a16"), t * 0.9)


# ---------------------------------------------------------------------------------------------
# Hands: the table's turn marker and the mouse pointer


GUANTO = col("#ffffff")
GUANTO_OMBRA = col("#c9d3de")


def marcatore_turno(ctx, scala):
    """A white-gloved hand pointing right, at the seat's cards."""
    t = tratto(scala) * 1.4
    ctx.save()

    def indice(c):
        rettangolo_tondo(c, 20, 22.5, 26.5, 8.0, 4.0)

    def pollice(c):
        rettangolo_tondo(c, 15, 16.5, 15.5, 7.4, 3.7)

    def dito(y):
        return lambda c: rettangolo_tondo(c, 19, y, 13.5, 6.6, 3.3)

    def palmo(c):
        rettangolo_tondo(c, 9.5, 19.5, 15.5, 26.5, 6.0)

    def polsino(c):
        rettangolo_tondo(c, 1.5, 21.0, 10.0, 23.5, 2.5)

    forme = [palmo, dito(37.6), dito(33.3), dito(29.0), pollice, indice]
    # soft shadow so the marker reads on the green cloth
    ctx.save()
    ctx.translate(1.6, 2.0)
    for f in forme + [polsino]:
        ctx.new_path()
        f(ctx)
        sorgente(ctx, col("#000000", 0.28))
        ctx.set_line_width(2 * t)
        ctx.stroke_preserve()
        ctx.fill()
    ctx.restore()
    unione_bordata(ctx, forme, GUANTO, t)
    # the curled fingers' creases, drawn again with their own outline so they read as fingers
    for y in (29.0, 33.3, 37.6):
        ctx.new_path()
        rettangolo_tondo(ctx, 19, y, 13.5, 6.6, 3.3)
        riempi(ctx, GUANTO, CONTORNO, t * 0.8)
    ctx.new_path()
    rettangolo_tondo(ctx, 20, 22.5, 26.5, 8.0, 4.0)
    riempi(ctx, GUANTO, CONTORNO, t)
    ctx.new_path()
    rettangolo_tondo(ctx, 15, 16.5, 15.5, 7.4, 3.7)
    riempi(ctx, GUANTO, CONTORNO, t)
    # shading under the index finger
    ctx.new_path()
    ctx.move_to(24, 29.2)
    ctx.line_to(44, 29.2)
    traccia(ctx, GUANTO_OMBRA, 1.4)
    # the cuff
    ctx.new_path()
    rettangolo_tondo(ctx, 1.5, 21.0, 10.0, 23.5, 2.5)
    ctx.set_source(
        gradiente_lineare(0, 21, 0, 44.5, [(0, col("#ff6a5a")), (1, col("#b2141a"))])
    )
    ctx.fill_preserve()
    traccia(ctx, CONTORNO, t)
    ctx.move_to(6.5, 23.5)
    ctx.line_to(6.5, 42.0)
    traccia(ctx, col("#ffd0c8", 0.8), 1.2)
    ctx.restore()


def puntatore_mano(ctx, scala):
    """A hand pointer with the index finger up; the fingertip is at (10, 1)."""
    t = tratto(scala)

    def indice(c):
        rettangolo_tondo(c, 7.8, 1.0, 4.4, 16, 2.2)

    def medio(c):
        rettangolo_tondo(c, 12.2, 10.6, 4.2, 9, 2.1)

    def anulare(c):
        rettangolo_tondo(c, 16.4, 11.6, 4.0, 8.5, 2.0)

    def mignolo(c):
        rettangolo_tondo(c, 20.4, 13.2, 3.6, 7.5, 1.8)

    def pollice(c):
        c.move_to(8.6, 22.0)
        c.line_to(3.4, 16.6)
        c.curve_to(2.2, 15.2, 4.0, 13.3, 5.4, 14.4)
        c.line_to(9.5, 17.5)
        c.close_path()

    def palmo(c):
        c.move_to(7.8, 14.0)
        c.line_to(24.0, 16.0)
        c.line_to(24.0, 22.0)
        c.curve_to(24.0, 25.5, 22.5, 27.0, 21.5, 28.0)
        c.line_to(21.5, 30.5)
        c.line_to(10.5, 30.5)
        c.line_to(10.5, 28.5)
        c.curve_to(9.0, 26.5, 7.8, 24.0, 7.8, 21.0)
        c.close_path()

    unione_bordata(ctx, [palmo, pollice, indice, medio, anulare, mignolo], GUANTO, t)
    # gaps between the curled fingers
    for x, y0, y1 in ((12.2, 12.5, 18.0), (16.4, 13.2, 18.5), (20.4, 14.8, 19.0)):
        ctx.move_to(x, y0)
        ctx.line_to(x, y1)
    traccia(ctx, CONTORNO, t * 0.9)
    ctx.move_to(10.5, 28.6)
    ctx.line_to(21.5, 28.6)
    traccia(ctx, CONTORNO, t * 0.9)


# ---------------------------------------------------------------------------------------------
# Faces 34 x 34: a round portrait, a smiling and a frowning version


class Viso:
    """Geometry of a head in the 34 x 34 portrait."""

    def __init__(self, cy=15.6, rx=9.2, ry=10.6, occhi_y=15.3, occhi_dx=3.7, bocca_y=21.0):
        self.cx, self.cy, self.rx, self.ry = 17.0, cy, rx, ry
        self.occhi_y, self.occhi_dx, self.bocca_y = occhi_y, occhi_dx, bocca_y

    @property
    def alto(self):
        return self.cy - self.ry

    @property
    def basso(self):
        return self.cy + self.ry


ADULTO = Viso()
BIMBO = Viso(cy=17.0, rx=9.6, ry=9.8, occhi_y=17.4, occhi_dx=3.9, bocca_y=22.2)

PELLE_CHIARA = col("#f6d0ab")
PELLE_ROSA = col("#f8d3bd")
PELLE_MEDIA = col("#e5ac82")
PELLE_OLIVA = col("#d8a070")


def sfondo_inizio(ctx, scala, colore):
    cerchio(ctx, 17, 17, 16.4)
    ctx.set_source(
        gradiente_radiale(17, 17, 17, [(0, chiaro(colore, 0.35)), (1, colore)], fx=13, fy=10)
    )
    ctx.fill()
    ctx.save()
    cerchio(ctx, 17, 17, 16.4)
    ctx.clip()


def sfondo_fine(ctx, scala, colore):
    ctx.restore()
    ctx.new_path()
    cerchio(ctx, 17, 17, 16.4 - tratto(scala) / 2)
    traccia(ctx, scuro(colore, 0.45), tratto(scala))


def busto(ctx, scala, maglia, pelle, v=ADULTO, largo=14.5, collo=True):
    t = tratto(scala)
    ellisse(ctx, 17, v.basso + 10.2, largo, 9.0)
    riempi(ctx, maglia, CONTORNO, t)
    if collo:
        ctx.new_path()
        ctx.rectangle(14.0, v.basso - 4.0, 6.0, 6.6)
        riempi(ctx, scuro(pelle, 0.88))
        ctx.move_to(14.0, v.basso - 3.0)
        ctx.line_to(14.0, v.basso + 2.2)
        ctx.move_to(20.0, v.basso - 3.0)
        ctx.line_to(20.0, v.basso + 2.2)
        traccia(ctx, CONTORNO, t * 0.9)


def scollo(ctx, scala, v, colore):
    """A V or round neckline of the shirt, in the given colour."""
    ctx.move_to(13.2, v.basso + 1.4)
    ctx.line_to(17.0, v.basso + 5.0)
    ctx.line_to(20.8, v.basso + 1.4)
    traccia(ctx, colore, tratto(scala))


def testa(ctx, scala, pelle, v=ADULTO, orecchie=True):
    t = tratto(scala)
    if orecchie:
        for x in (v.cx - v.rx + 0.2, v.cx + v.rx - 0.2):
            ellisse(ctx, x, v.occhi_y + 1.4, 1.9, 2.6)
            riempi(ctx, scuro(pelle, 0.93), CONTORNO, t)
    ellisse(ctx, v.cx, v.cy, v.rx, v.ry)
    ctx.set_source(
        gradiente_radiale(
            v.cx,
            v.cy,
            v.ry * 1.2,
            [(0, chiaro(pelle, 0.25)), (0.7, pelle), (1, scuro(pelle, 0.86))],
            fx=v.cx - 2,
            fy=v.cy - 3,
        )
    )
    ctx.fill_preserve()
    traccia(ctx, CONTORNO, t)


def occhi(ctx, scala, v, grandi=False, colore=CONTORNO):
    rx, ry = (1.35, 1.85) if grandi else (1.15, 1.6)
    for s in (-1, 1):
        x = v.cx + s * v.occhi_dx
        ellisse(ctx, x, v.occhi_y, rx, ry)
        riempi(ctx, colore)
        if scala > 1 or grandi:
            cerchio(ctx, x + 0.35, v.occhi_y - 0.6, 0.42 if grandi else 0.35)
            riempi(ctx, col("#ffffff", 0.95))


def sopracciglia(ctx, scala, v, umore, colore, spessore=1.05, alzo=0.0):
    y = v.occhi_y - 3.3 - alzo
    for s in (-1, 1):
        x = v.cx + s * v.occhi_dx
        esterno = (x + s * 1.9, y + 0.5)
        interno = (x - s * 1.7, y + 0.4)
        ctx.new_path()
        if umore == "felice":
            ctx.move_to(*esterno)
            ctx.curve_to(x + s * 0.8, y - 0.8, x - s * 0.8, y - 0.7, *interno)
        else:
            # the inner ends rise: a worried frown
            ctx.move_to(esterno[0], esterno[1] + 0.5)
            ctx.line_to(interno[0], interno[1] - 1.5)
        traccia(ctx, colore, spessore if scala == 1 else spessore * 0.85)


def naso(ctx, scala, v, pelle, grande=False):
    y = v.occhi_y + 1.8
    ctx.new_path()
    if grande:
        ctx.move_to(v.cx + 0.2, y - 1.0)
        ctx.curve_to(v.cx + 2.3, y + 2.0, v.cx + 1.6, y + 3.3, v.cx - 0.4, y + 3.1)
    else:
        ctx.move_to(v.cx + 0.5, y)
        ctx.curve_to(v.cx + 1.6, y + 1.6, v.cx + 1.0, y + 2.3, v.cx - 0.3, y + 2.2)
    traccia(ctx, scuro(pelle, 0.62), 0.9 if scala == 1 else 0.7)


def bocca(ctx, scala, v, umore, largo=3.3, labbra=None, dy=0.0):
    t = tratto(scala)
    y = v.bocca_y + dy
    cx = v.cx
    ctx.new_path()
    if umore == "felice":
        ctx.move_to(cx - largo, y - 0.6)
        ctx.curve_to(cx - largo * 0.3, y + 0.1, cx + largo * 0.3, y + 0.1, cx + largo, y - 0.6)
        ctx.curve_to(cx + largo * 0.6, y + 3.3, cx - largo * 0.6, y + 3.3, cx - largo, y - 0.6)
        ctx.close_path()
        riempi(ctx, labbra or col("#8c1f1f"), CONTORNO, t * 0.8)
        if scala > 1:
            # a strip of teeth
            ctx.move_to(cx - largo * 0.7, y - 0.1)
            ctx.curve_to(cx - largo * 0.2, y + 0.5, cx + largo * 0.2, y + 0.5, cx + largo * 0.7, y - 0.1)
            traccia(ctx, col("#ffffff"), 0.5)
    else:
        ctx.move_to(cx - largo * 0.9, y + 1.8)
        ctx.curve_to(cx - largo * 0.4, y - 0.3, cx + largo * 0.4, y - 0.3, cx + largo * 0.9, y + 1.8)
        traccia(ctx, labbra or CONTORNO, 1.25 if scala == 1 else 1.0)


def guance(ctx, v, colore=col("#f06a7a", 0.55), r=1.7):
    for s in (-1, 1):
        ellisse(ctx, v.cx + s * (v.occhi_dx + 1.6), v.occhi_y + 3.6, r, r * 0.75)
        riempi(ctx, colore)


def lentiggini(ctx, v):
    for s in (-1, 1):
        for dx, dy in ((0.6, 0.0), (1.8, 0.5), (1.2, 1.4)):
            cerchio(ctx, v.cx + s * (v.occhi_dx + dx), v.occhi_y + 2.4 + dy, 0.33)
            riempi(ctx, col("#b5652a", 0.9))


def capelli_calotta(ctx, scala, colore, v=ADULTO, cima=2.6, attaccatura=9.4, basette=16.4,
                    riga=None, larghezza=1.0):
    """A cap of hair over the top of the head, with its hairline over the forehead."""
    t = tratto(scala)
    sx, dx = v.cx - v.rx - larghezza + 0.6, v.cx + v.rx + larghezza - 0.6
    ctx.new_path()
    ctx.move_to(sx + 0.3, basette)
    ctx.curve_to(sx - 0.9, 8.5, v.cx - 7.0, cima, v.cx, cima)
    ctx.curve_to(v.cx + 7.0, cima, dx + 0.9, 8.5, dx - 0.3, basette)
    ctx.line_to(dx - 1.6, basette)
    ctx.curve_to(dx - 2.0, 12.0, v.cx + 4.5, attaccatura, v.cx, attaccatura)
    ctx.curve_to(v.cx - 4.5, attaccatura, sx + 2.0, 12.0, sx + 1.6, basette)
    ctx.close_path()
    riempi(ctx, colore, CONTORNO, t)
    if riga is not None:
        ctx.move_to(riga, attaccatura + 0.2)
        ctx.curve_to(riga - 0.3, cima + 4, riga + 0.5, cima + 2.0, riga + 1.2, cima + 0.8)
        traccia(ctx, scuro(colore, 0.55), 0.8 if scala == 1 else 0.6)
    # a sheen
    ctx.new_path()
    ctx.move_to(v.cx - 5.0, cima + 2.6)
    ctx.curve_to(v.cx - 3.5, cima + 1.3, v.cx - 1.5, cima + 1.0, v.cx + 0.5, cima + 1.0)
    traccia(ctx, chiaro(colore, 0.35), 0.9 if scala == 1 else 0.7)


def frangia_lato(ctx, scala, colore, v=ADULTO, cima=2.8, basso=11.2, verso=1):
    """A side-swept fringe falling across the forehead."""
    t = tratto(scala)
    ctx.new_path()
    ctx.move_to(v.cx - verso * 8.6, 13.5)
    ctx.curve_to(v.cx - verso * 9.8, 5.0, v.cx + verso * 3.0, cima - 1.5, v.cx + verso * 9.4, 8.5)
    ctx.curve_to(v.cx + verso * 9.9, 10.5, v.cx + verso * 9.9, 12.5, v.cx + verso * 9.5, 14.5)
    ctx.curve_to(v.cx + verso * 6.0, 10.0, v.cx - verso * 1.0, basso + 1.5, v.cx - verso * 5.0, basso)
    ctx.curve_to(v.cx - verso * 6.5, basso + 0.5, v.cx - verso * 7.5, 12.0, v.cx - verso * 8.6, 13.5)
    ctx.close_path()
    riempi(ctx, colore, CONTORNO, t)


def occhiali(ctx, scala, v):
    for s in (-1, 1):
        cerchio(ctx, v.cx + s * v.occhi_dx, v.occhi_y, 2.75)
        riempi(ctx, col("#d8ecff", 0.45))
        cerchio(ctx, v.cx + s * v.occhi_dx, v.occhi_y, 2.75)
        traccia(ctx, col("#15151a"), 1.15 if scala == 1 else 0.9)
    ctx.move_to(v.cx - v.occhi_dx + 2.75, v.occhi_y - 0.4)
    ctx.curve_to(v.cx - 0.6, v.occhi_y - 1.3, v.cx + 0.6, v.occhi_y - 1.3, v.cx + v.occhi_dx - 2.75, v.occhi_y - 0.4)
    ctx.move_to(v.cx - v.occhi_dx - 2.75, v.occhi_y - 0.5)
    ctx.line_to(v.cx - v.rx + 0.2, v.occhi_y - 1.0)
    ctx.move_to(v.cx + v.occhi_dx + 2.75, v.occhi_y - 0.5)
    ctx.line_to(v.cx + v.rx - 0.2, v.occhi_y - 1.0)
    traccia(ctx, col("#15151a"), 0.9 if scala == 1 else 0.7)


def barba(ctx, scala, colore, v=ADULTO, baffi=True, alto=17.0, punta=0.0):
    """A full beard along the jaw, leaving the mouth free; punta lengthens it to a point."""
    t = tratto(scala)
    fondo = v.basso + 3.2 + punta
    ctx.new_path()
    ctx.move_to(v.cx - v.rx + 0.1, alto)
    ctx.curve_to(v.cx - v.rx + 0.3, v.basso + 1.0, v.cx - 4.0 + punta * 0.5, fondo, v.cx, fondo)
    ctx.curve_to(v.cx + 4.0 - punta * 0.5, fondo, v.cx + v.rx - 0.3, v.basso + 1.0, v.cx + v.rx - 0.1, alto)
    ctx.line_to(v.cx + v.rx - 2.2, alto)
    ctx.curve_to(v.cx + v.rx - 2.4, v.bocca_y + 1.0, v.cx + 3.5, v.bocca_y + 3.6, v.cx, v.bocca_y + 3.6)
    ctx.curve_to(v.cx - 3.5, v.bocca_y + 3.6, v.cx - v.rx + 2.4, v.bocca_y + 1.0, v.cx - v.rx + 2.2, alto)
    ctx.close_path()
    riempi(ctx, colore, CONTORNO, t)
    if baffi:
        ctx.new_path()
        y = v.bocca_y - 1.4
        ctx.move_to(v.cx - 4.2, y + 1.3)
        ctx.curve_to(v.cx - 3.0, y - 1.0, v.cx - 0.8, y - 1.0, v.cx, y - 0.3)
        ctx.curve_to(v.cx + 0.8, y - 1.0, v.cx + 3.0, y - 1.0, v.cx + 4.2, y + 1.3)
        ctx.curve_to(v.cx + 2.5, y + 0.6, v.cx - 2.5, y + 0.6, v.cx - 4.2, y + 1.3)
        ctx.close_path()
        riempi(ctx, colore, CONTORNO, t * 0.8)


def baffoni(ctx, scala, colore, v=ADULTO):
    """A big handlebar moustache with curled ends."""
    t = tratto(scala)
    y = v.bocca_y - 1.5
    cx = v.cx
    ctx.new_path()
    ctx.move_to(cx, y - 1.2)
    ctx.curve_to(cx + 2.5, y - 2.6, cx + 5.5, y - 1.4, cx + 7.0, y - 0.2)
    ctx.curve_to(cx + 8.2, y + 0.6, cx + 9.0, y - 1.0, cx + 8.5, y - 2.6)
    ctx.curve_to(cx + 10.2, y - 1.4, cx + 9.8, y + 2.4, cx + 7.2, y + 2.2)
    ctx.curve_to(cx + 5.0, y + 2.0, cx + 3.0, y + 1.0, cx, y + 1.2)
    ctx.curve_to(cx - 3.0, y + 1.0, cx - 5.0, y + 2.0, cx - 7.2, y + 2.2)
    ctx.curve_to(cx - 9.8, y + 2.4, cx - 10.2, y - 1.4, cx - 8.5, y - 2.6)
    ctx.curve_to(cx - 9.0, y - 1.0, cx - 8.2, y + 0.6, cx - 7.0, y - 0.2)
    ctx.curve_to(cx - 5.5, y - 1.4, cx - 2.5, y - 2.6, cx, y - 1.2)
    ctx.close_path()
    riempi(ctx, colore, CONTORNO, t)
    ctx.move_to(cx - 5.0, y - 0.6)
    ctx.curve_to(cx - 3.0, y - 1.4, cx - 1.5, y - 1.2, cx - 0.6, y - 0.6)
    traccia(ctx, chiaro(colore, 0.3), 0.6)


def orecchini(ctx, scala, v, colore=col("#ffd23a")):
    for s in (-1, 1):
        cerchio(ctx, v.cx + s * (v.rx - 0.1), v.occhi_y + 4.3, 1.15)
        riempi(ctx, colore, scuro(colore, 0.5), tratto(scala) * 0.7)


def capelli_ricci(ctx, scala, colore, v=ADULTO):
    """Curly hair: a ring of round curls over the head."""
    t = tratto(scala)
    forme = []
    passi = 9
    for i in range(passi):
        a = math.radians(180 + 180 * i / (passi - 1))
        x = v.cx + (v.rx - 0.4) * math.cos(a)
        y = v.cy - 2.2 + (v.ry - 1.0) * math.sin(a)
        r = 2.6 if 0 < i < passi - 1 else 2.3
        forme.append(lambda c, x=x, y=y, r=r: cerchio(c, x, y, r))

    def cuffia(c):
        c.move_to(v.cx - v.rx + 0.3, v.cy - 0.5)
        c.curve_to(v.cx - v.rx, v.alto + 2.0, v.cx - 5.0, v.alto - 0.2, v.cx, v.alto - 0.2)
        c.curve_to(v.cx + 5.0, v.alto - 0.2, v.cx + v.rx, v.alto + 2.0, v.cx + v.rx - 0.3, v.cy - 0.5)
        c.curve_to(v.cx + 5.0, v.alto + 4.4, v.cx - 5.0, v.alto + 4.4, v.cx - v.rx + 0.3, v.cy - 0.5)
        c.close_path()

    unione_bordata(ctx, [cuffia] + forme, colore, t)
    # little curls inside
    for i in range(1, passi - 1, 2):
        a = math.radians(180 + 180 * i / (passi - 1))
        x = v.cx + (v.rx - 1.6) * math.cos(a)
        y = v.cy - 2.6 + (v.ry - 2.4) * math.sin(a)
        ctx.new_path()
        ctx.arc(x, y, 1.1, 0.3, 3.6)
        traccia(ctx, chiaro(colore, 0.35), 0.7 if scala == 1 else 0.55)


def ciuffi_laterali(ctx, scala, colore, v=ADULTO, alto=10.0, basso=17.5):
    """Hair left only on the sides of a bald head."""
    t = tratto(scala)
    for s in (-1, 1):
        x0 = v.cx + s * (v.rx + 0.6)
        ctx.new_path()
        ctx.move_to(x0, basso)
        ctx.curve_to(x0 + s * 0.6, alto + 3.0, x0 - s * 0.4, alto, x0 - s * 2.2, alto - 0.3)
        ctx.curve_to(x0 - s * 2.8, alto + 2.0, x0 - s * 2.8, basso - 3.0, x0 - s * 2.0, basso)
        ctx.close_path()
        riempi(ctx, colore, CONTORNO, t)


# --- the five computer players ---


def faccia_bruno(ctx, scala, umore):
    v, sf, cap = ADULTO, col("#4f86d8"), col("#6a3d1c")
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#e0e0d2"), PELLE_MEDIA)
    scollo(ctx, scala, v, col("#6a6a60"))
    testa(ctx, scala, PELLE_MEDIA)
    capelli_calotta(ctx, scala, cap, cima=2.9, attaccatura=8.6, riga=12.6)
    occhi(ctx, scala, v)
    sopracciglia(ctx, scala, v, umore, scuro(cap, 0.7), 1.2)
    naso(ctx, scala, v, PELLE_MEDIA)
    bocca(ctx, scala, v, umore, largo=3.0)
    barba(ctx, scala, cap, alto=16.6)
    sfondo_fine(ctx, scala, sf)


def faccia_sandro(ctx, scala, umore):
    v, sf, cap = ADULTO, col("#f29a38"), col("#1c1a1e")
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#2f4f9a"), PELLE_OLIVA)
    scollo(ctx, scala, v, col("#b8c8f0"))
    testa(ctx, scala, PELLE_OLIVA)
    capelli_ricci(ctx, scala, cap)
    occhi(ctx, scala, v)
    sopracciglia(ctx, scala, v, umore, cap, 1.2)
    naso(ctx, scala, v, PELLE_OLIVA)
    bocca(ctx, scala, v, umore)
    sfondo_fine(ctx, scala, sf)


def capelli_caschetto(ctx, scala, colore, v=ADULTO, fondo=26.0, svasato=True):
    """Back part of a bob: hair down to the jaw, behind the head."""
    t = tratto(scala)
    ctx.new_path()
    ctx.move_to(17, v.alto - 2.2)
    ctx.curve_to(26.8, v.alto - 2.2, 28.4, 9.0, 28.0, 16.0)
    ctx.curve_to(27.9, 20.5, 28.2, fondo - 2.5, 29.6 if svasato else 28.0, fondo)
    ctx.curve_to(27.0, fondo + 1.0, 25.0, fondo + 0.6, 24.0, fondo - 0.2)
    ctx.line_to(10.0, fondo - 0.2)
    ctx.curve_to(9.0, fondo + 0.6, 7.0, fondo + 1.0, 4.4 if svasato else 6.0, fondo)
    ctx.curve_to(5.8, fondo - 2.5, 6.1, 20.5, 6.0, 16.0)
    ctx.curve_to(5.6, 9.0, 7.2, v.alto - 2.2, 17, v.alto - 2.2)
    ctx.close_path()
    riempi(ctx, colore, CONTORNO, t)


def faccia_elvira(ctx, scala, umore):
    v, sf, cap = ADULTO, col("#9b6dd3"), col("#b23a18")
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#1f9c8c"), PELLE_CHIARA)
    capelli_caschetto(ctx, scala, cap)
    testa(ctx, scala, PELLE_CHIARA, orecchie=False)
    occhi(ctx, scala, v)
    sopracciglia(ctx, scala, v, umore, scuro(cap, 0.6), 0.9)
    naso(ctx, scala, v, PELLE_CHIARA)
    bocca(ctx, scala, v, umore, largo=2.9, labbra=col("#d0203a"))
    frangia_lato(ctx, scala, cap, verso=1)
    orecchini(ctx, scala, v)
    sfondo_fine(ctx, scala, sf)


def faccia_leonardo(ctx, scala, umore):
    v, sf, cap = ADULTO, col("#34a69d"), col("#3b2414")
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#8e2a2a"), PELLE_MEDIA)
    testa(ctx, scala, PELLE_MEDIA)
    # the shine of a bald head
    ellisse(ctx, 14.2, 7.6, 2.6, 1.3)
    riempi(ctx, col("#ffffff", 0.7))
    ciuffi_laterali(ctx, scala, cap)
    occhi(ctx, scala, v)
    sopracciglia(ctx, scala, v, umore, cap, 1.5)
    naso(ctx, scala, v, PELLE_MEDIA, grande=True)
    bocca(ctx, scala, v, umore, largo=2.8)
    barba(ctx, scala, cap, alto=15.5, punta=4.5)
    sfondo_fine(ctx, scala, sf)


def faccia_marisa(ctx, scala, umore):
    v, sf, cap = ADULTO, col("#d84f8a"), col("#f2c84a")
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#f4f0e4"), PELLE_CHIARA)
    scollo(ctx, scala, v, col("#d84f8a"))
    capelli_caschetto(ctx, scala, cap, fondo=28.5)
    # curls at the ends of the hair
    for x in (6.4, 27.6):
        ctx.new_path()
        ctx.arc(x, 25.5, 1.4, 0.4, 4.0)
        traccia(ctx, scuro(cap, 0.7), 0.7)
    testa(ctx, scala, PELLE_CHIARA, orecchie=False)
    capelli_calotta(ctx, scala, cap, cima=v.alto - 1.8, attaccatura=8.8, basette=18.0,
                    larghezza=1.6, riga=17.0)
    # a flower clipped in the hair
    for i in range(5):
        a = i * 2 * PI / 5 - PI / 2
        cerchio(ctx, 23.4 + 1.5 * math.cos(a), 6.6 + 1.5 * math.sin(a), 1.25)
        riempi(ctx, col("#ff5c8a"), CONTORNO, tratto(scala) * 0.6)
    cerchio(ctx, 23.4, 6.6, 0.9)
    riempi(ctx, col("#ffe23a"))
    occhi(ctx, scala, v)
    sopracciglia(ctx, scala, v, umore, scuro(cap, 0.55), 0.9)
    naso(ctx, scala, v, PELLE_CHIARA)
    bocca(ctx, scala, v, umore, largo=3.0, labbra=col("#e0407a"))
    orecchini(ctx, scala, v, col("#3a8ae0"))
    sfondo_fine(ctx, scala, sf)


# --- the eight characters the player can choose ---


def personaggio_raimondo(ctx, scala, umore):
    v, sf, cap = ADULTO, col("#8797b0"), col("#e4e4e4")
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#7a5534"), PELLE_CHIARA)
    scollo(ctx, scala, v, col("#ffffff"))
    testa(ctx, scala, PELLE_CHIARA)
    # a few grey strands combed over the crown, white puffs over the ears
    ctx.new_path()
    for dy in (0.0, 1.5, 3.0):
        ctx.move_to(10.2, 9.6 - dy * 0.4)
        ctx.curve_to(12.5, 6.6 - dy, 19.0, 5.6 - dy, 23.8, 8.6 - dy * 0.3)
    traccia(ctx, scuro(cap, 0.75), 1.0 if scala == 1 else 0.75)
    for s in (-1, 1):
        sbuffi = [(9.0, 9.9, 1.9), (7.8, 12.4, 2.1), (8.2, 14.9, 1.7)]
        unione_bordata(
            ctx,
            [lambda c, x=x, y=y, r=r: cerchio(c, 17 + s * (17 - x), y, r) for x, y, r in sbuffi],
            cap,
            tratto(scala),
        )
    # the lines of age: forehead and the folds beside the mouth
    rughe = scuro(PELLE_CHIARA, 0.7)
    for y in (9.2, 10.6):
        ctx.move_to(13.8, y + 0.3)
        ctx.curve_to(15.5, y - 0.4, 18.5, y - 0.4, 20.2, y + 0.3)
    for s in (-1, 1):
        ctx.move_to(v.cx + s * 3.0, v.occhi_y + 2.6)
        ctx.curve_to(v.cx + s * 4.2, v.occhi_y + 4.0, v.cx + s * 4.2, v.occhi_y + 5.4, v.cx + s * 3.8, v.occhi_y + 6.4)
    traccia(ctx, rughe, 0.7 if scala == 1 else 0.55)
    occhi(ctx, scala, v)
    sopracciglia(ctx, scala, v, umore, col("#a8a8a8"), 1.5)
    naso(ctx, scala, v, PELLE_CHIARA, grande=True)
    bocca(ctx, scala, v, umore, largo=2.8)
    sfondo_fine(ctx, scala, sf)


def personaggio_ottavio(ctx, scala, umore):
    v, sf, cap = ADULTO, col("#d9c48e"), col("#1b1b22")
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#ffffff"), PELLE_CHIARA)
    # a red tie
    ctx.new_path()
    poligono(ctx, [(15.8, v.basso + 1.6), (18.2, v.basso + 1.6), (18.8, 34), (15.2, 34)])
    riempi(ctx, col("#d0202a"), CONTORNO, tratto(scala) * 0.8)
    testa(ctx, scala, PELLE_CHIARA)
    capelli_calotta(ctx, scala, cap, cima=2.8, attaccatura=9.0, riga=20.5)
    occhi(ctx, scala, v)
    sopracciglia(ctx, scala, v, umore, cap, 1.0, alzo=0.4)
    occhiali(ctx, scala, v)
    naso(ctx, scala, v, PELLE_CHIARA)
    bocca(ctx, scala, v, umore, largo=2.9)
    sfondo_fine(ctx, scala, sf)


def capelli_lunghi(ctx, scala, colore, v=ADULTO):
    """Long hair falling past the shoulders, behind the head."""
    t = tratto(scala)
    ctx.new_path()
    ctx.move_to(17, v.alto - 2.0)
    ctx.curve_to(27.5, v.alto - 2.0, 28.5, 10.0, 28.2, 17.0)
    ctx.curve_to(28.0, 24.0, 30.5, 29.0, 30.0, 35.0)
    ctx.line_to(4.0, 35.0)
    ctx.curve_to(3.5, 29.0, 6.0, 24.0, 5.8, 17.0)
    ctx.curve_to(5.5, 10.0, 6.5, v.alto - 2.0, 17, v.alto - 2.0)
    ctx.close_path()
    riempi(ctx, colore, CONTORNO, t)


def tende_capelli(ctx, scala, colore, v=ADULTO, fondo=27.0):
    """Two curtains of hair parted in the middle, framing the face."""
    t = tratto(scala)
    for s in (-1, 1):
        ctx.new_path()
        ctx.move_to(17, v.alto - 1.6)
        ctx.curve_to(17 + s * 7.0, v.alto - 1.6, 17 + s * 11.2, 9.0, 17 + s * 10.8, 17.0)
        ctx.curve_to(17 + s * 10.6, 22.0, 17 + s * 11.2, 25.0, 17 + s * 11.6, fondo)
        ctx.line_to(17 + s * 8.8, fondo)
        ctx.curve_to(17 + s * 8.6, 22.0, 17 + s * 8.4, 17.0, 17 + s * 8.0, 13.0)
        ctx.curve_to(17 + s * 6.5, 9.0, 17 + s * 2.5, v.alto + 1.5, 17, v.alto + 1.0)
        ctx.close_path()
        riempi(ctx, colore, CONTORNO, t)


def personaggio_beatrice(ctx, scala, umore):
    v, sf, cap = ADULTO, col("#f1cd48"), col("#4b2612")
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#2f9a5c"), PELLE_CHIARA)
    capelli_lunghi(ctx, scala, cap)
    ctx.new_path()
    ctx.rectangle(14.0, v.basso - 4.0, 6.0, 6.6)
    riempi(ctx, scuro(PELLE_CHIARA, 0.88))
    testa(ctx, scala, PELLE_CHIARA, orecchie=False)
    occhi(ctx, scala, v)
    sopracciglia(ctx, scala, v, umore, cap, 0.9)
    naso(ctx, scala, v, PELLE_CHIARA)
    bocca(ctx, scala, v, umore, largo=2.9, labbra=col("#c8182e"))
    tende_capelli(ctx, scala, cap, fondo=30.0)
    sfondo_fine(ctx, scala, sf)


def codino(ctx, scala, colore, nastro, x, y):
    """A pigtail hanging from (x, y) with a ribbon bow at the top."""
    t = tratto(scala)
    s = -1 if x < 17 else 1
    ctx.new_path()
    ctx.move_to(x, y)
    ctx.curve_to(x + s * 4.5, y + 0.5, x + s * 5.0, y + 7.0, x + s * 3.0, y + 10.5)
    ctx.curve_to(x + s * 2.0, y + 8.0, x - s * 0.5, y + 6.0, x - s * 0.5, y + 2.0)
    ctx.close_path()
    riempi(ctx, colore, CONTORNO, t)
    bx, by = x + s * 1.6, y + 1.6
    ctx.new_path()
    poligono(ctx, [(bx, by), (bx - 2.4, by - 1.8), (bx - 2.4, by + 1.8)])
    poligono(ctx, [(bx, by), (bx + 2.4, by - 1.8), (bx + 2.4, by + 1.8)])
    riempi(ctx, nastro, CONTORNO, t * 0.8)
    cerchio(ctx, bx, by, 0.9)
    riempi(ctx, nastro, CONTORNO, t * 0.7)


def personaggio_rosina(ctx, scala, umore):
    v, sf, cap = ADULTO, col("#a6d65c"), col("#e0661c")
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#ffffff"), PELLE_ROSA)
    scollo(ctx, scala, v, col("#2f6ad8"))
    codino(ctx, scala, cap, col("#2f6ad8"), 7.4, 13.0)
    codino(ctx, scala, cap, col("#2f6ad8"), 26.6, 13.0)
    testa(ctx, scala, PELLE_ROSA, orecchie=False)
    guance(ctx, v, col("#ff4f6a", 0.6), 1.9)
    lentiggini(ctx, v)
    occhi(ctx, scala, v)
    sopracciglia(ctx, scala, v, umore, scuro(cap, 0.6), 0.9)
    naso(ctx, scala, v, PELLE_ROSA)
    bocca(ctx, scala, v, umore, largo=2.8, labbra=col("#d8304a"))
    # straight bangs
    capelli_calotta(ctx, scala, cap, cima=3.2, attaccatura=10.4, basette=16.0, larghezza=1.2,
                    riga=17.0)
    sfondo_fine(ctx, scala, sf)


def personaggio_baffuto(ctx, scala, umore):
    v, sf, cap = ADULTO, col("#c4523c"), col("#18161a")
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#f0ece0"), PELLE_MEDIA)
    # a dark waistcoat over the shirt
    for s in (-1, 1):
        ctx.new_path()
        poligono(ctx, [(17 + s * 2.0, 34.5), (17 + s * 1.0, v.basso + 4.0), (17 + s * 5.5, v.basso + 1.2),
                       (17 + s * 14.0, 30.0), (17 + s * 14.0, 34.5)])
        riempi(ctx, col("#3a3046"), CONTORNO, tratto(scala) * 0.8)
    testa(ctx, scala, PELLE_MEDIA)
    capelli_calotta(ctx, scala, cap, cima=3.0, attaccatura=8.4, riga=14.0)
    occhi(ctx, scala, v)
    sopracciglia(ctx, scala, v, umore, cap, 1.7)
    naso(ctx, scala, v, PELLE_MEDIA, grande=True)
    bocca(ctx, scala, v, umore, largo=2.6, dy=1.3)
    baffoni(ctx, scala, cap)
    sfondo_fine(ctx, scala, sf)


def personaggio_bambino(ctx, scala, umore):
    v, sf, cap = BIMBO, col("#74c2f2"), col("#7a4a20")
    t = tratto(scala)
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#f6d23a"), PELLE_ROSA, v, largo=12.5)
    testa(ctx, scala, PELLE_ROSA, v)
    # tufts of hair under the cap
    ciuffi_laterali(ctx, scala, cap, v, alto=10.5, basso=15.5)
    occhi(ctx, scala, v, grandi=True)
    sopracciglia(ctx, scala, v, umore, cap, 0.9, alzo=-0.3)
    naso(ctx, scala, v, PELLE_ROSA)
    bocca(ctx, scala, v, umore, largo=3.2)
    guance(ctx, v, col("#ff6a7a", 0.35), 1.5)
    # a red cap: crown and peak
    ctx.new_path()
    ctx.move_to(7.0, 11.6)
    ctx.curve_to(6.6, 4.2, 11.0, 1.6, 17.0, 1.6)
    ctx.curve_to(23.0, 1.6, 27.4, 4.2, 27.0, 11.6)
    ctx.close_path()
    ctx.set_source(
        gradiente_lineare(0, 1.6, 0, 11.6, [(0, col("#ff5a48")), (1, col("#c41818"))])
    )
    ctx.fill_preserve()
    traccia(ctx, CONTORNO, t)
    ctx.move_to(17.0, 1.8)
    ctx.line_to(17.0, 10.0)
    traccia(ctx, col("#8a0c0c"), 0.7 if scala == 1 else 0.55)
    # the peak, turned to one side
    ctx.save()
    ctx.translate(10.0, 11.4)
    ctx.rotate(math.radians(-7))
    ellisse(ctx, 0, 0, 9.4, 2.1)
    ctx.restore()
    riempi(ctx, col("#a01010"), CONTORNO, t)
    cerchio(ctx, 17.0, 1.9, 1.2)
    riempi(ctx, col("#ffffff"), CONTORNO, t * 0.7)
    sfondo_fine(ctx, scala, sf)


def fiocco(ctx, scala, colore, x, y, r):
    """A big bow tied in the hair."""
    t = tratto(scala)
    for s in (-1, 1):
        ctx.new_path()
        ctx.move_to(x, y)
        ctx.curve_to(x + s * r * 0.6, y - r * 0.9, x + s * r * 1.2, y - r * 0.9, x + s * r * 1.25, y - r * 0.1)
        ctx.curve_to(x + s * r * 1.25, y + r * 0.7, x + s * r * 0.6, y + r * 0.8, x, y)
        ctx.close_path()
        riempi(ctx, colore, CONTORNO, t)
    cerchio(ctx, x, y, r * 0.32)
    riempi(ctx, scuro(colore, 0.8), CONTORNO, t * 0.8)


def personaggio_bambina(ctx, scala, umore):
    v, sf, cap = BIMBO, col("#f8b8d8"), col("#8a5022")
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#8a4ad0"), PELLE_ROSA, v, largo=12.5)
    capelli_caschetto(ctx, scala, cap, v, fondo=25.5, svasato=False)
    testa(ctx, scala, PELLE_ROSA, v, orecchie=False)
    guance(ctx, v, col("#ff4f7a", 0.5), 1.6)
    occhi(ctx, scala, v, grandi=True)
    sopracciglia(ctx, scala, v, umore, cap, 0.85, alzo=-0.4)
    naso(ctx, scala, v, PELLE_ROSA)
    bocca(ctx, scala, v, umore, largo=2.7, labbra=col("#d8304a"))
    capelli_calotta(ctx, scala, cap, v, cima=v.alto - 1.6, attaccatura=11.8, basette=17.0,
                    larghezza=1.4)
    fiocco(ctx, scala, col("#ff2e6a"), 22.6, 6.2, 4.6)
    sfondo_fine(ctx, scala, sf)


def kokoshnik(ctx, scala, v):
    """A tsarina's tall crown, a gilded arch over the forehead."""
    t = tratto(scala)
    oro = col("#f4c430")
    ctx.new_path()
    ctx.move_to(6.8, 12.6)
    ctx.curve_to(6.2, 5.0, 11.5, 0.4, 17.0, 0.4)
    ctx.curve_to(22.5, 0.4, 27.8, 5.0, 27.2, 12.6)
    ctx.curve_to(24.0, 9.6, 20.0, 8.6, 17.0, 8.6)
    ctx.curve_to(14.0, 8.6, 10.0, 9.6, 6.8, 12.6)
    ctx.close_path()
    ctx.set_source(
        gradiente_lineare(0, 0.4, 0, 12.6, [(0, col("#fff0a0")), (0.5, oro), (1, col("#b8860b"))])
    )
    ctx.fill_preserve()
    traccia(ctx, col("#5a3a04"), t)
    # an inner red band following the arch
    ctx.new_path()
    ctx.move_to(9.0, 10.6)
    ctx.curve_to(8.8, 5.4, 12.5, 2.6, 17.0, 2.6)
    ctx.curve_to(21.5, 2.6, 25.2, 5.4, 25.0, 10.6)
    traccia(ctx, col("#c8142e"), 1.0 if scala == 1 else 0.8)
    # jewels
    ctx.new_path()
    ellisse(ctx, 17.0, 5.4, 1.7, 2.1)
    riempi(ctx, col("#e0183a"), col("#5a0410"), t * 0.7)
    for x in (12.4, 21.6):
        cerchio(ctx, x, 7.2, 1.05)
        riempi(ctx, col("#2a5ae8"), col("#0a1a5a"), t * 0.6)
    # pearls along the lower edge
    if scala > 1:
        for i in range(9):
            u = i / 8.0
            x = 8.2 + u * 17.6
            y = 11.4 - 2.6 * math.sin(PI * u)
            cerchio(ctx, x, y, 0.45)
            riempi(ctx, col("#ffffff"))


def personaggio_zarina(ctx, scala, umore):
    v, sf, cap = Viso(cy=16.6, ry=10.2, occhi_y=16.6, bocca_y=22.0), col("#283c8e"), col("#3a2214")
    sfondo_inizio(ctx, scala, sf)
    busto(ctx, scala, col("#b8182e"), PELLE_CHIARA, v)
    ctx.new_path()
    ctx.move_to(7.0, v.basso + 4.0)
    ctx.curve_to(12.0, v.basso + 1.0, 22.0, v.basso + 1.0, 27.0, v.basso + 4.0)
    traccia(ctx, col("#f4c430"), 1.3 if scala == 1 else 1.0)
    capelli_caschetto(ctx, scala, cap, v, fondo=25.0, svasato=False)
    testa(ctx, scala, PELLE_CHIARA, v, orecchie=False)
    guance(ctx, v, col("#ff5a7a", 0.4), 1.5)
    occhi(ctx, scala, v)
    sopracciglia(ctx, scala, v, umore, cap, 0.9)
    naso(ctx, scala, v, PELLE_CHIARA)
    bocca(ctx, scala, v, umore, largo=2.7, labbra=col("#c8102e"))
    # hair parted under the crown
    tende_capelli(ctx, scala, cap, v, fondo=22.0)
    kokoshnik(ctx, scala, v)
    orecchini(ctx, scala, v, col("#fff6e8"))
    sfondo_fine(ctx, scala, sf)


FACCE = {
    2: faccia_bruno,
    3: faccia_sandro,
    4: faccia_elvira,
    5: faccia_leonardo,
    6: faccia_marisa,
}

PERSONAGGI = [
    personaggio_raimondo,
    personaggio_ottavio,
    personaggio_beatrice,
    personaggio_rosina,
    personaggio_baffuto,
    personaggio_bambino,
    personaggio_bambina,
    personaggio_zarina,
]


# ---------------------------------------------------------------------------------------------
# Options dialog decoration 32 x 32


def ingranaggio(ctx, cx, cy, r_fuori, r_dentro, denti):
    punti = []
    passo = 2 * PI / denti
    for i in range(denti):
        a = i * passo
        punti += [
            (a - passo * 0.30, r_dentro),
            (a - passo * 0.17, r_fuori),
            (a + passo * 0.17, r_fuori),
            (a + passo * 0.30, r_dentro),
        ]
    poligono(ctx, [(cx + r * math.cos(a), cy + r * math.sin(a)) for a, r in punti])


def icona_decoro(ctx, scala):
    t = tratto(scala)
    ctx.new_path()
    ingranaggio(ctx, 12.5, 12.5, 11.4, 8.6, 9)
    cerchio(ctx, 12.5, 12.5, 3.4)
    ctx.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
    ctx.set_source(
        gradiente_radiale(
            12.5, 12.5, 12, [(0, col("#e4e8ee")), (1, col("#7a8494"))], fx=9.5, fy=8.5
        )
    )
    ctx.fill_preserve()
    ctx.set_fill_rule(cairo.FILL_RULE_WINDING)
    traccia(ctx, col("#2a303a"), t)
    cerchio(ctx, 12.5, 12.5, 6.4)
    traccia(ctx, col("#5a6474"), 0.8 if scala == 1 else 0.6)
    carta(ctx, scala, 21.5, 19.8, 12.0, 17.5, 14, "denari")


# ---------------------------------------------------------------------------------------------
# Application icon: SVG, rendered to the fixed sizes


def _moneta_svg(x, y, r):
    return (
        f'<g transform="translate({x} {y})">'
        f'<circle r="{r}" fill="url(#oro)" stroke="#6a3f05" stroke-width="{r * 0.16:.2f}"/>'
        f'<circle r="{r * 0.6:.2f}" fill="none" stroke="#b8780c" stroke-width="{r * 0.1:.2f}"/>'
        f'<circle r="{r * 0.24:.2f}" fill="#c0392b"/>'
        f'<ellipse cx="{-r * 0.4:.2f}" cy="{-r * 0.45:.2f}" rx="{r * 0.22:.2f}" ry="{r * 0.13:.2f}" '
        f'fill="#ffffff" fill-opacity="0.85"/>'
        "</g>"
    )


def icona_svg():
    """The application icon: the king and the seven of coins fanned on the green cloth, with 7½."""
    monete = "".join(
        _moneta_svg(x, y, r)
        for x, y, r in [
            (31, 34, 14), (69, 34, 14),
            (18, 80, 12.5), (50, 80, 12.5), (82, 80, 12.5),
            (31, 126, 14), (69, 126, 14),
        ]
    )
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="256" height="256" viewBox="0 0 256 256">
  <title>Brivetta</title>
  <defs>
    <radialGradient id="panno" cx="0.42" cy="0.35" r="0.75">
      <stop offset="0" stop-color="#43b552"/>
      <stop offset="0.65" stop-color="#1d8a32"/>
      <stop offset="1" stop-color="#0c5a1c"/>
    </radialGradient>
    <radialGradient id="oro" cx="0.35" cy="0.3" r="0.8">
      <stop offset="0" stop-color="#fff4b0"/>
      <stop offset="0.45" stop-color="#f6c836"/>
      <stop offset="1" stop-color="#b9820f"/>
    </radialGradient>
    <linearGradient id="foglio" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#ffffff"/>
      <stop offset="1" stop-color="#efe7cf"/>
    </linearGradient>
    <linearGradient id="manto" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#e23a3a"/>
      <stop offset="1" stop-color="#981822"/>
    </linearGradient>
    <linearGradient id="scritta" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#fff6b8"/>
      <stop offset="1" stop-color="#f2b818"/>
    </linearGradient>
  </defs>
  <rect x="8" y="8" width="240" height="240" rx="46" fill="url(#panno)" stroke="#063d12" stroke-width="6"/>
  <rect x="18" y="18" width="220" height="220" rx="37" fill="none" stroke="#8be89a" stroke-opacity="0.35" stroke-width="3"/>
  <g transform="translate(84 114) rotate(-17) translate(-50 -80)">
    <rect x="4" y="6" width="100" height="160" rx="11" fill="#000000" fill-opacity="0.25"/>
    <rect width="100" height="160" rx="11" fill="url(#foglio)" stroke="#23180e" stroke-width="4"/>
    <rect x="7" y="7" width="86" height="146" rx="6" fill="none" stroke="#2a4aa8" stroke-width="2"/>
    <path d="M22 150 L28 82 Q50 70 72 82 L78 150 Z" fill="url(#manto)" stroke="#23180e" stroke-width="3"/>
    <path d="M28 82 Q50 70 72 82 L68 96 Q50 88 32 96 Z" fill="#2a4aa8" stroke="#23180e" stroke-width="3"/>
    <path d="M48 92 L52 92 L54 150 L46 150 Z" fill="#f4c430" stroke="#6a4a08" stroke-width="2"/>
    <line x1="82" y1="64" x2="82" y2="146" stroke="#6a4a08" stroke-width="7" stroke-linecap="round"/>
    <line x1="82" y1="64" x2="82" y2="146" stroke="#f4c430" stroke-width="3.5" stroke-linecap="round"/>
    <circle cx="82" cy="60" r="6" fill="#f4c430" stroke="#6a4a08" stroke-width="2.5"/>
    <circle cx="50" cy="56" r="15" fill="#f6d0ab" stroke="#23180e" stroke-width="3"/>
    <path d="M36 58 Q38 78 50 80 Q62 78 64 58 Q58 66 50 66 Q42 66 36 58 Z" fill="#8a5a2a" stroke="#23180e" stroke-width="2.5"/>
    <circle cx="44.5" cy="53" r="2.2" fill="#23180e"/>
    <circle cx="55.5" cy="53" r="2.2" fill="#23180e"/>
    <path d="M35 44 L35 26 L43 35 L50 22 L57 35 L65 26 L65 44 Z" fill="#f4c430" stroke="#6a4a08" stroke-width="3" stroke-linejoin="round"/>
    <circle cx="50" cy="36" r="3" fill="#d0203a"/>
  </g>
  <g transform="translate(160 108) rotate(9) translate(-50 -80)">
    <rect x="4" y="6" width="100" height="160" rx="11" fill="#000000" fill-opacity="0.25"/>
    <rect width="100" height="160" rx="11" fill="url(#foglio)" stroke="#23180e" stroke-width="4"/>
    {monete}
  </g>
  <g fill="none" stroke-linecap="round" stroke-linejoin="round">
    <g stroke="#062a0c">
      <path d="M136 174 H184 L154 238" stroke-width="28"/>
      <path d="M197 182 L206 176 V208 M238 174 L204 240" stroke-width="18"/>
      <path d="M214 218 Q214 208 224 208 Q234 208 234 217 Q234 225 214 238 H236" stroke-width="17"/>
    </g>
    <g stroke="url(#scritta)">
      <path d="M136 174 H184 L154 238" stroke-width="15"/>
      <path d="M197 182 L206 176 V208 M238 174 L204 240" stroke-width="6"/>
      <path d="M214 218 Q214 208 224 208 Q234 208 234 217 Q234 225 214 238 H236" stroke-width="6"/>
    </g>
  </g>
</svg>
"""


def rasterizza_svg(percorso, lato):
    """Renders the SVG eight times larger than needed and reduces it like the other pictures."""
    grande = lato * SOVRA
    dati = subprocess.run(
        ["rsvg-convert", "-w", str(grande), "-h", str(grande), "-f", "png", percorso],
        check=True,
        capture_output=True,
    ).stdout
    img = Image.open(io.BytesIO(dati)).convert("RGBA")
    arr = np.asarray(img, dtype=np.float32) / 255.0
    pre = arr.copy()
    pre[:, :, :3] *= arr[:, :, 3:4]
    return riduci(pre, lato, lato)


# ---------------------------------------------------------------------------------------------
# The list of pictures


def elenco():
    """(name, width, height, drawing) for every picture drawn at 1x and 2x."""
    voci = [
        ("nuova", 20, 20, icona_nuova),
        ("scoperta", 20, 20, icona_scoperta),
        ("coperta", 20, 20, icona_coperta),
        ("stop", 20, 20, icona_stop),
        ("monete", 135, 18, striscia_monete),
        ("turno", 48, 65, marcatore_turno),
    ]
    for posto, f in FACCE.items():
        for umore in ("felice", "triste"):
            voci.append((f"faccia_{posto}_{umore}", 34, 34, lambda c, s, f=f, u=umore: f(c, s, u)))
    for i, f in enumerate(PERSONAGGI):
        for umore in ("felice", "triste"):
            voci.append((f"personaggio_{i}_{umore}", 34, 34, lambda c, s, f=f, u=umore: f(c, s, u)))
    voci += [
        ("ok", 24, 24, icona_ok),
        ("annulla", 24, 24, icona_annulla),
        ("fine_gioco", 24, 24, icona_fine_gioco),
        ("altra_partita", 24, 24, icona_altra_partita),
        ("mano", 32, 32, puntatore_mano),
        ("decoro", 32, 32, icona_decoro),
    ]
    return voci


def scrivi_qrc(file):
    righe = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/immagini">']
    for nome in sorted(file):
        righe.append(f'    <file alias="{nome}">immagini/{nome}</file>')
    righe += ["</qresource>", "</RCC>", ""]
    testo = "\n".join(righe)
    with open(QRC, "w", encoding="utf-8", newline="\n") as f:
        f.write(testo)


def foglio_immagini(immagini, percorso):
    """A contact sheet: each picture enlarged x4 on the green cloth, then at 1x and at 2x."""
    verde = (0, 128, 0, 255)
    margine, ingr = 6, 4
    tessere = []
    for nome, uno, due in immagini:
        grande = uno.resize((uno.width * ingr, uno.height * ingr), Image.NEAREST)
        w = grande.width + uno.width + due.width + 4 * margine
        h = max(grande.height, due.height) + 2 * margine
        t = Image.new("RGBA", (w, h), verde)
        t.alpha_composite(grande, (margine, margine))
        t.alpha_composite(uno, (2 * margine + grande.width, margine))
        t.alpha_composite(due, (3 * margine + grande.width + uno.width, margine))
        tessere.append(t)
    # rows of tiles no wider than a screen
    larghezza_max = 1400
    righe, riga, lr = [], [], 0
    for t in tessere:
        if riga and lr + t.width > larghezza_max:
            righe.append(riga)
            riga, lr = [], 0
        riga.append(t)
        lr += t.width + 2
    if riga:
        righe.append(riga)
    foglio(righe, percorso, (40, 40, 40, 255), 2)


def main(argv):
    parser = argparse.ArgumentParser(description="Draws the pictures of the game's windows.")
    parser.add_argument("--foglio", help="also write a contact sheet PNG here")
    parser.add_argument("--solo", help="draw only the pictures whose name contains this text")
    args = parser.parse_args(argv)
    os.makedirs(CARTELLA, exist_ok=True)
    scritti, viste = [], []
    for nome, w, h, f in elenco():
        if args.solo and args.solo not in nome:
            continue
        uno = disegna(w, h, 1, f)
        due = disegna(w, h, 2, f)
        salva(uno, f"{nome}.png")
        salva(due, f"{nome}@2x.png")
        scritti += [f"{nome}.png", f"{nome}@2x.png"]
        viste.append((nome, uno, due))
    if not args.solo:
        svg = os.path.join(CARTELLA, "brivetta.svg")
        with open(svg, "w", encoding="utf-8", newline="\n") as f:
            f.write(icona_svg())
        scritti.append("brivetta.svg")
        icone = {}
        for lato in LATI_ICONA:
            icone[lato] = rasterizza_svg(svg, lato)
            salva(icone[lato], f"brivetta-{lato}.png")
            scritti.append(f"brivetta-{lato}.png")
        viste.append(("brivetta", icone[32], icone[64]))
        viste.append(("brivetta grande", icone[128], icone[256]))
        scrivi_qrc(scritti)
    if args.foglio:
        foglio_immagini(viste, args.foglio)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
