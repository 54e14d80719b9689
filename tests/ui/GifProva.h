#pragma once
// Tiny pictures built by the tests themselves: Qt reads GIF but does not write it.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>

namespace brivetta::test {

// A 1 x 1 GIF whose two palette entries are both `colore`.
inline QByteArray GifProva(QColor colore) {
    QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    for (int i = 0; i < 2; ++i) {
        gif.append(static_cast<char>(colore.red()));
        gif.append(static_cast<char>(colore.green()));
        gif.append(static_cast<char>(colore.blue()));
    }
    gif.append("\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b", 16);
    return gif;
}

inline bool ScriviGif(const QString& file, QColor colore) {
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(GifProva(colore)) > 0;
}

// A valid picture that is not a GIF.
inline QByteArray PngProva() {
    QImage immagine(1, 1, QImage::Format_RGB32);
    immagine.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    immagine.save(&buffer, "PNG");
    return png;
}

} // namespace brivetta::test
