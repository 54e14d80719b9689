#pragma once

#include <QMainWindow>

namespace brivetta {

// The card table.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
};

} // namespace brivetta
