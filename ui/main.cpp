#include <QApplication>

#include "FinestraTavolo.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    brivetta::FinestraTavolo tavolo;
    tavolo.Avvia();
    return app.exec();
}
