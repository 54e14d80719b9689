#include <QApplication>

#include "FinestraTavolo.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    brivetta::FinestraTavolo tavolo;
    QObject::connect(&tavolo, &brivetta::FinestraTavolo::uscita, &app, &QCoreApplication::quit);
    tavolo.Avvia();
    return app.exec();
}
