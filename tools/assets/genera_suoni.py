#!/usr/bin/python3
"""Synthesise the game's sound effects into data/.

Every sound is built from sine waves, filtered noise and a small formant
synthesiser, with fixed seeds, so two runs write byte-identical files.

    /usr/bin/python3 tools/assets/genera_suoni.py [output folder] [--spettri folder]

Output: 16-bit PCM mono WAV at 44100 Hz, peak at -3 dBFS, faded in and out so
that the first and the last sample are exactly zero (no click when the game
starts or stops a sound). With --spettri a spectrogram PNG of each sound is
written too (needs python3-pil), to check by eye what each one is.
"""

import math
import sys
import wave
from pathlib import Path

import numpy as np

FREQ = 44100
PICCO_DBFS = -3.0
# Fades long enough to kill a click, short enough not to blunt a snap.
DISSOLVENZA_INIZIO = 0.002
DISSOLVENZA_FINE = 0.008


def tempi(durata):
    return np.arange(int(round(durata * FREQ))) / FREQ


def rumore(n, seme):
    return np.random.default_rng(seme).standard_normal(n)


# ---------------------------------------------------------------- filters


def risonatore(x, freq, banda):
    """Two-pole resonator with unit gain at DC; freq and banda may vary per sample."""
    n = len(x)
    freq = np.broadcast_to(np.asarray(freq, dtype=float), (n,))
    banda = np.broadcast_to(np.asarray(banda, dtype=float), (n,))
    r = np.exp(-math.pi * banda / FREQ)
    c = -(r * r)
    b = 2.0 * r * np.cos(2.0 * math.pi * freq / FREQ)
    a = 1.0 - b - c
    y = np.zeros(n)
    y1 = y2 = 0.0
    for i in range(n):
        v = a[i] * x[i] + b[i] * y1 + c[i] * y2
        y[i] = v
        y2, y1 = y1, v
    return y


def passa_banda(x, freq, q):
    """Band-pass biquad, 0 dB at the centre; freq may vary per sample."""
    n = len(x)
    w0 = 2.0 * math.pi * np.broadcast_to(np.asarray(freq, dtype=float), (n,)) / FREQ
    alfa = np.sin(w0) / (2.0 * q)
    a0 = 1.0 + alfa
    b0 = alfa / a0
    a1 = -2.0 * np.cos(w0) / a0
    a2 = (1.0 - alfa) / a0
    y = np.zeros(n)
    x1 = x2 = y1 = y2 = 0.0
    for i in range(n):
        v = b0[i] * (x[i] - x2) - a1[i] * y1 - a2[i] * y2
        x2, x1 = x1, x[i]
        y2, y1 = y1, v
        y[i] = v
    return y


def passa_alto(x, taglio):
    """One-pole high-pass: removes DC and rumble."""
    k = math.exp(-2.0 * math.pi * taglio / FREQ)
    y = np.zeros(len(x))
    prec_x = prec_y = 0.0
    for i, v in enumerate(x):
        prec_y = k * (prec_y + v - prec_x)
        prec_x = v
        y[i] = prec_y
    return y


def passa_basso(x, taglio):
    k = math.exp(-2.0 * math.pi * taglio / FREQ)
    y = np.zeros(len(x))
    s = 0.0
    for i, v in enumerate(x):
        s = (1.0 - k) * v + k * s
        y[i] = s
    return y


# ------------------------------------------------------------ voice model


def curva(t, punti):
    """Piecewise-linear contour through (time, value) points."""
    tt, vv = zip(*punti)
    return np.interp(t, tt, vv)


def sorgente_glottale(f0, seme, respiro=0.04, tremolio=0.006):
    """Glottal flow derivative driven by a varying pitch contour.

    The flow is a Rosenberg pulse (open phase 40 %, closing 16 %); its
    derivative is what the lips radiate. A little jitter and breath noise keep
    it from sounding like a buzzer.
    """
    gen = np.random.default_rng(seme)
    n = len(f0)
    jitter = passa_basso(gen.standard_normal(n), 30.0) * 8.0 * tremolio
    fase = np.cumsum(f0 * (1.0 + jitter) / FREQ) % 1.0
    aperta, chiusura = 0.40, 0.16
    flusso = np.where(
        fase < aperta,
        0.5 * (1.0 - np.cos(math.pi * fase / aperta)),
        np.where(
            fase < aperta + chiusura,
            np.cos(0.5 * math.pi * (fase - aperta) / chiusura),
            0.0,
        ),
    )
    derivata = np.diff(flusso, prepend=0.0) * FREQ / 200.0
    return derivata + respiro * gen.standard_normal(n)


def tratto_vocale(sorgente, formanti, t):
    """Cascade of formant resonators, as a vocal tract filters the voice.

    formanti: list of (frequency contour, bandwidth contour), each a list of
    (time, value) points. A cascade gives the formants their natural relative
    levels by itself.
    """
    uscita = sorgente
    for freq, banda in formanti:
        uscita = risonatore(uscita, curva(t, freq), curva(t, banda))
    return uscita


# ------------------------------------------------------------- the sounds


def carta_sbattuta():
    """A card snapped down on the table: a bright crack and a low thump."""
    t = tempi(0.18)
    n = len(t)
    crack = rumore(n, 112)
    crack = crack - passa_basso(crack, 1800.0)  # keep the papery top
    crack *= np.exp(-t / 0.012) * (1.0 - np.exp(-t / 0.0006))
    # The table's thump: a sine whose pitch sinks, as a struck board does.
    f = 140.0 * np.exp(-t / 0.05) + 70.0
    tonfo = np.sin(2.0 * math.pi * np.cumsum(f) / FREQ)
    tonfo *= np.exp(-t / 0.045) * (1.0 - np.exp(-t / 0.002))
    legno = risonatore(rumore(n, 113), 420.0, 60.0) * np.exp(-t / 0.03)
    legno /= np.max(np.abs(legno))
    return 0.9 * crack / np.max(np.abs(crack)) + 1.0 * tonfo + 0.25 * legno


def carta_strisciata():
    """A card slid face down across the felt: a soft swish."""
    durata = 0.34
    t = tempi(durata)
    n = len(t)
    fruscio = rumore(n, 7)
    # The band of the friction noise rises as the card speeds up and falls
    # back as it settles.
    centro = curva(t, [(0.0, 1200.0), (0.16, 3200.0), (durata, 1600.0)])
    voce = passa_banda(passa_banda(fruscio, centro, 1.2), centro, 1.2)
    voce += 0.08 * (fruscio - passa_basso(fruscio, 6000.0))
    inviluppo = np.sin(math.pi * np.clip(t / durata, 0.0, 1.0)) ** 1.5
    inviluppo *= curva(t, [(0.0, 0.6), (0.15, 1.0), (durata, 0.7)])
    # Felt fibres: slow irregular flutter of the loudness.
    flutter = 1.0 + 0.25 * passa_basso(rumore(n, 8), 40.0) * 10.0
    return voce * inviluppo * np.clip(flutter, 0.3, 2.0)


def campanella():
    """Two-tone chime: high note, then a third lower."""
    durata = 0.22
    t = tempi(durata)
    suono = np.zeros(len(t))
    for inizio, freq in ((0.0, 1568.0), (0.075, 1318.5)):
        dt = t - inizio
        attivo = dt >= 0.0
        dt = np.where(attivo, dt, 0.0)
        attacco = 1.0 - np.exp(-dt / 0.0015)
        # A bell's partials: the fundamental rings, the inharmonic ones die fast.
        nota = (
            np.sin(2 * math.pi * freq * dt) * np.exp(-dt / 0.07)
            + 0.35 * np.sin(2 * math.pi * freq * 2.76 * dt) * np.exp(-dt / 0.025)
            + 0.15 * np.sin(2 * math.pi * freq * 5.4 * dt) * np.exp(-dt / 0.012)
        )
        suono += np.where(attivo, attacco * nota, 0.0)
    return suono


def oh_no():
    """A groan of dismay: "oh ... no-o", sliding down in pitch."""
    durata = 1.12
    t = tempi(durata)
    # Pitch: a sighing "oh" falling, a short pause, then a long sinking "no".
    f0 = curva(
        t,
        [(0.0, 230.0), (0.30, 185.0), (0.42, 185.0), (0.46, 215.0),
         (0.70, 170.0), (durata, 105.0)],
    )
    sorgente = sorgente_glottale(f0, seme=55, respiro=0.05)
    # Vowel /o/: F1 ~ 450, F2 ~ 850. The /n/ closes the mouth: F1 drops to
    # the nasal murmur near 250 Hz and the upper formants are damped by the
    # wide bandwidths of the nasal cavity.
    formanti = [
        ([(0.0, 540.0), (0.30, 440.0), (0.43, 250.0), (0.51, 250.0),
          (0.59, 480.0), (durata, 430.0)],
         [(0.0, 80.0), (0.43, 100.0), (0.51, 100.0), (0.59, 80.0), (durata, 90.0)]),
        ([(0.0, 920.0), (0.30, 820.0), (0.43, 1500.0), (0.51, 1500.0),
          (0.61, 900.0), (durata, 800.0)],
         [(0.0, 90.0), (0.40, 90.0), (0.43, 500.0), (0.51, 500.0), (0.57, 90.0),
          (durata, 100.0)]),
        ([(0.0, 2600.0), (durata, 2500.0)],
         [(0.0, 160.0), (0.40, 160.0), (0.43, 700.0), (0.51, 700.0), (0.57, 160.0),
          (durata, 180.0)]),
        ([(0.0, 3300.0), (durata, 3200.0)], [(0.0, 250.0), (durata, 250.0)]),
        ([(0.0, 4200.0), (durata, 4100.0)], [(0.0, 300.0), (durata, 300.0)]),
    ]
    voce = tratto_vocale(sorgente, formanti, t)
    # Loudness: "oh" swells and dips into the pause, the /n/ hums softly,
    # "no" rises and then trails off as the voice sinks.
    volume = curva(
        t,
        [(0.0, 0.0), (0.05, 1.0), (0.26, 0.85), (0.36, 0.25), (0.42, 0.25),
         (0.48, 0.35), (0.56, 1.0), (0.80, 0.85), (durata, 0.0)],
    )
    return passa_alto(voce * volume, 60.0)


def risata():
    """A laugh: "ha-ha-ha-ha", each burst breathy then voiced /a/."""
    durata = 1.04
    t = tempi(durata)
    n = len(t)
    # Start times of the bursts; the laugh slows down as it runs out of air.
    colpi = [0.02, 0.22, 0.42, 0.63, 0.86]
    lunghezza = 0.15
    f0 = curva(t, [(0.0, 300.0), (0.5, 280.0), (durata, 220.0)])
    # Each burst starts a little high and drops, like a chuckle.
    for inizio in colpi:
        dentro = (t >= inizio) & (t < inizio + lunghezza)
        f0 = np.where(dentro, f0 * (1.12 - 0.12 * (t - inizio) / lunghezza), f0)
    voce_sorgente = sorgente_glottale(f0, seme=77, respiro=0.03, tremolio=0.01)
    soffio = rumore(n, 78) * 0.5
    sonoro = np.zeros(n)
    aspirato = np.zeros(n)
    for inizio in colpi:
        dt = t - inizio
        # /h/: 35 ms of breath, then the vowel starts and fades out.
        h = np.exp(-(((dt - 0.02) / 0.015) ** 2))
        a = np.clip(dt / 0.03, 0.0, 1.0) * np.clip((lunghezza - dt) / 0.06, 0.0, 1.0)
        a *= (dt >= 0.025)
        sonoro += np.clip(a, 0.0, 1.0)
        aspirato += h
    # Vowel /a/: open mouth, F1 ~ 800, F2 ~ 1250.
    formanti = [
        ([(0.0, 820.0), (durata, 760.0)], [(0.0, 90.0), (durata, 90.0)]),
        ([(0.0, 1280.0), (durata, 1200.0)], [(0.0, 100.0), (durata, 100.0)]),
        ([(0.0, 2600.0), (durata, 2550.0)], [(0.0, 160.0), (durata, 160.0)]),
        ([(0.0, 3400.0), (durata, 3400.0)], [(0.0, 250.0), (durata, 250.0)]),
        ([(0.0, 4300.0), (durata, 4300.0)], [(0.0, 300.0), (durata, 300.0)]),
    ]
    eccitazione = voce_sorgente * sonoro + soffio * (aspirato + 0.15 * sonoro)
    voce = tratto_vocale(eccitazione, formanti, t)
    # Later bursts a little weaker.
    calo = curva(t, [(0.0, 1.0), (durata, 0.6)])
    return passa_alto(voce * calo, 80.0)


SUONI = {
    # name: (maker, longest duration in seconds)
    "SOUND112.wav": (carta_sbattuta, 0.4),
    "laser.wav": (carta_strisciata, 0.4),
    "dindin.wav": (campanella, 0.25),
    "oh_no.wav": (oh_no, 1.2),
    "Risata.wav": (risata, 1.2),
}


# ------------------------------------------------------------ finishing


def rifinisci(x):
    """Fade in and out to exact zero and set the peak to -3 dBFS."""
    x = np.array(x, dtype=float)
    x -= np.mean(x)
    n_in = max(2, int(DISSOLVENZA_INIZIO * FREQ))
    n_out = max(2, int(DISSOLVENZA_FINE * FREQ))
    x[:n_in] *= 0.5 - 0.5 * np.cos(np.linspace(0.0, math.pi, n_in))
    x[-n_out:] *= 0.5 + 0.5 * np.cos(np.linspace(0.0, math.pi, n_out))
    picco = 10.0 ** (PICCO_DBFS / 20.0) * 32767.0
    x *= picco / np.max(np.abs(x))
    campioni = np.round(x).astype("<i2")
    campioni[0] = campioni[-1] = 0
    return campioni


def scrivi_wav(percorso, campioni):
    with wave.open(str(percorso), "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(FREQ)
        f.writeframes(campioni.tobytes())


def spettrogramma(percorso, campioni):
    """Waveform strip above a log-magnitude spectrogram of 0..11 kHz."""
    from PIL import Image

    x = campioni.astype(float) / 32768.0
    finestra = 1024
    passo = 128
    imbottito = np.concatenate([np.zeros(finestra // 2), x, np.zeros(finestra)])
    hann = np.hanning(finestra)
    colonne = []
    for i in range(0, len(imbottito) - finestra, passo):
        colonne.append(np.abs(np.fft.rfft(imbottito[i:i + finestra] * hann)))
    s = np.array(colonne).T[: finestra // 4]  # up to FREQ / 4
    db = 20.0 * np.log10(s + 1e-9)
    db = np.clip((db - db.max() + 70.0) / 70.0, 0.0, 1.0)
    spettro = (255 * db[::-1]).astype(np.uint8)
    larghezza = spettro.shape[1]
    # Waveform: per column, the min..max of the samples it covers.
    onda = np.zeros((64, larghezza), dtype=np.uint8)
    for c in range(larghezza):
        pezzo = x[c * passo:(c + 1) * passo]
        if len(pezzo) == 0:
            continue
        alto = int(round(31.5 - 31.5 * pezzo.max()))
        basso = int(round(31.5 - 31.5 * pezzo.min()))
        onda[alto:basso + 1, c] = 255
    onda[32, :] = np.maximum(onda[32, :], 80)
    img = np.vstack([onda, np.full((4, larghezza), 128, np.uint8), spettro])
    Image.fromarray(img).resize((larghezza * 2, img.shape[0] * 2)).save(percorso)


def main(argv):
    radice = Path(__file__).resolve().parent.parent.parent
    uscita = radice / "data"
    spettri = None
    argomenti = list(argv)
    if "--spettri" in argomenti:
        k = argomenti.index("--spettri")
        spettri = Path(argomenti[k + 1])
        del argomenti[k:k + 2]
    if argomenti:
        uscita = Path(argomenti[0])
    uscita.mkdir(parents=True, exist_ok=True)
    for nome, (fabbrica, massimo) in SUONI.items():
        campioni = rifinisci(fabbrica())
        durata = len(campioni) / FREQ
        if durata > massimo:
            raise SystemExit(f"{nome}: {durata:.3f} s is longer than {massimo} s")
        scrivi_wav(uscita / nome, campioni)
        picco = 20.0 * math.log10(np.max(np.abs(campioni.astype(float))) / 32768.0)
        print(f"{nome:14s} {durata:6.3f} s  peak {picco:6.2f} dBFS")
        if spettri is not None:
            spettri.mkdir(parents=True, exist_ok=True)
            spettrogramma(spettri / (Path(nome).stem + ".png"), campioni)


if __name__ == "__main__":
    main(sys.argv[1:])
