#include "Form1.h"

namespace brivetta {

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Brivetta 2002"));
    QPalette tavolo = palette();
    tavolo.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(tavolo);
    setAutoFillBackground(true);
}

} // namespace brivetta
