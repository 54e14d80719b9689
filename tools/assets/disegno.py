"""Drawing helpers shared by the picture generators in this folder.

A colour is a tuple of floats from 0 to 1, RGB or RGBA; wherever a colour is filled or stroked a
cairo pattern may stand instead. Pictures are drawn with cairo on an ARGB surface, read back as
pixels and, where they are drawn larger than needed, reduced with a Lanczos filter.

Needs the Debian packages python3-cairo, python3-pil and python3-numpy.
"""

import math

import cairo
import numpy as np
from PIL import Image

# ---------------------------------------------------------------------------------------------
# Colour, fill and stroke


def sorgente(ctx, colore):
    """Makes a colour (RGB or RGBA) or a cairo pattern the source of what is drawn next."""
    if isinstance(colore, cairo.Pattern):
        ctx.set_source(colore)
    elif len(colore) == 3:
        ctx.set_source_rgb(*colore)
    else:
        ctx.set_source_rgba(*colore)


_COME_LA_PENNA = object()  # riempi's outline when the caller names none


class Pennello:
    """Fills and strokes with an outline of its own: the colour (None: no outline) and width that
    riempi and traccia use when the caller names none. With schermo the widths are device pixels,
    so an outline keeps its weight in a scaled or turned frame."""

    def __init__(self, contorno=None, spessore=1.0, schermo=False):
        self.contorno, self.spessore, self.schermo = contorno, spessore, schermo

    def traccia(self, ctx, colore, spessore=None, conserva=False):
        """Strokes the current path; with conserva the path stays for another fill or stroke."""
        sorgente(ctx, colore)
        ctx.set_line_width(self.spessore if spessore is None else spessore)
        if self.schermo:
            matrice = ctx.get_matrix()
            ctx.identity_matrix()
        ctx.stroke_preserve() if conserva else ctx.stroke()
        if self.schermo:
            ctx.set_matrix(matrice)

    def riempi(self, ctx, colore, contorno=_COME_LA_PENNA, spessore=None, conserva=False):
        """Fills the current path, then strokes its outline unless contorno is None."""
        sorgente(ctx, colore)
        if contorno is _COME_LA_PENNA:
            contorno = self.contorno
        if contorno is None:
            ctx.fill_preserve() if conserva else ctx.fill()
            return
        ctx.fill_preserve()
        self.traccia(ctx, contorno, spessore, conserva)


_SEMPLICE = Pennello()
riempi = _SEMPLICE.riempi  # fill, no outline unless one is given; widths in user units
traccia = _SEMPLICE.traccia  # stroke, width in user units


def gradiente_lineare(x0, y0, x1, y1, fermate):
    """Linear gradient from (x0, y0) to (x1, y1); fermate lists (position, colour)."""
    return _con_fermate(cairo.LinearGradient(x0, y0, x1, y1), fermate)


def gradiente_radiale(cx, cy, r, fermate, fx=None, fy=None, r0=0.0):
    """Radial gradient out to the circle (cx, cy, r), from a circle of radius r0 at the focus
    (fx, fy), by default the centre; fermate lists (position, colour)."""
    g = cairo.RadialGradient(cx if fx is None else fx, cy if fy is None else fy, r0, cx, cy, r)
    return _con_fermate(g, fermate)


def _con_fermate(g, fermate):
    for pos, colore in fermate:
        if len(colore) == 3:
            g.add_color_stop_rgb(pos, *colore)
        else:
            g.add_color_stop_rgba(pos, *colore)
    return g


# ---------------------------------------------------------------------------------------------
# Paths


def poligono(ctx, punti):
    """Closed path through the points in order."""
    ctx.move_to(*punti[0])
    for p in punti[1:]:
        ctx.line_to(*p)
    ctx.close_path()


def ellisse(ctx, cx, cy, rx, ry, angolo=0.0):
    """Ellipse centred on (cx, cy) with radii rx, ry, turned by angolo radians, as a new sub-path."""
    ctx.save()
    ctx.translate(cx, cy)
    ctx.rotate(angolo)
    ctx.scale(rx, ry)
    ctx.new_sub_path()
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()


def rettangolo_tondo(ctx, x, y, w, h, r):
    """Rectangle with corners rounded to radius r, as a new sub-path."""
    ctx.new_sub_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    ctx.close_path()


# ---------------------------------------------------------------------------------------------
# Pixels


def tela(larghezza, altezza):
    """A transparent ARGB surface of that many pixels and its context, with round joins and caps."""
    sup = cairo.ImageSurface(cairo.FORMAT_ARGB32, larghezza, altezza)
    ctx = cairo.Context(sup)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    return sup, ctx


def pixel(sup):
    """The surface's pixels as a height x width x 4 array of bytes R, G, B, A, colour premultiplied
    by alpha as cairo keeps it."""
    sup.flush()
    grezzo = np.ndarray((sup.get_height(), sup.get_width(), 4), np.uint8, sup.get_data(), 0,
                        (sup.get_stride(), 4, 1))
    return grezzo[:, :, [2, 1, 0, 3]]  # cairo's ARGB32 lies in memory as B, G, R, A


def riduci(pre, larghezza, altezza):
    """Lanczos reduction of a premultiplied float RGBA array (0 to 1) to an RGBA picture."""
    canali = []
    for c in range(4):
        img = Image.fromarray(np.ascontiguousarray(pre[:, :, c]), mode="F")
        img = img.resize((larghezza, altezza), Image.LANCZOS)
        canali.append(np.asarray(img, dtype=np.float32))
    out = np.stack(canali, axis=2)
    out = np.clip(out, 0.0, 1.0)
    alfa = out[:, :, 3:4]
    # Premultiplied colour cannot exceed its alpha; ringing may push it over.
    out[:, :, :3] = np.minimum(out[:, :, :3], alfa)
    rgb = np.where(alfa > 1e-6, out[:, :, :3] / np.maximum(alfa, 1e-6), 0.0)
    rgba = np.concatenate([rgb, alfa], axis=2)
    return Image.fromarray(np.round(rgba * 255.0).astype(np.uint8), mode="RGBA")


def foglio(righe, percorso, sfondo, spazio, margine=0, ottimizza=False):
    """Writes a contact sheet PNG: rows of RGBA pictures, top-aligned, spazio pixels apart and
    margine from the top-left corner, on the colour sfondo (0 to 255)."""
    larghezza = margine + max(sum(p.width + spazio for p in riga) for riga in righe)
    altezza = margine + sum(max(p.height for p in riga) + spazio for riga in righe)
    sheet = Image.new("RGBA", (larghezza, altezza), sfondo)
    y = margine
    for riga in righe:
        x = margine
        for p in riga:
            sheet.alpha_composite(p, (x, y))
            x += p.width + spazio
        y += max(p.height for p in riga) + spazio
    sheet.convert("RGB").save(percorso, optimize=ottimizza)
