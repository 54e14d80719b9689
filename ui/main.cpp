#include <QApplication>
#include <QDir>

#include "Form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Every file of the game is relative to the program's own folder.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    brivetta::Form1 tavolo;
    tavolo.showMaximized();
    return app.exec();
}
