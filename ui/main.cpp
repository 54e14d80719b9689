#include <QApplication>

#include "Form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    brivetta::Form1 tavolo;
    tavolo.Form_Load();
    return app.exec();
}
