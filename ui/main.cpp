#include <QApplication>

#include "FinestraTavolo.h"
#include "Lingua.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    brivetta::InstallaTraduzioni(app, brivetta::LinguaDelDesktop());
    brivetta::FinestraTavolo tavolo;
    QObject::connect(&tavolo, &brivetta::FinestraTavolo::uscita, &app, &QCoreApplication::quit);
    tavolo.Avvia();
    return app.exec();
}
