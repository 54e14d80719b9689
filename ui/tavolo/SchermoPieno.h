#pragma once
// The table window fills the screen; the window manager maximises it some time after it is
// shown, so whatever counts the seats waits until the size has settled.

#include <QObject>
#include <QRect>
#include <functional>

class QWidget;

namespace brivetta {

class SchermoPieno : public QObject {
    Q_OBJECT
  public:
    explicit SchermoPieno(QWidget& finestra);

    // Maximises the window if it fills neither the screen nor its work area, then runs `poi` once
    // its size has settled (at once when it already has).
    void Poi(std::function<void()> poi);
    bool InAttesa() const { return inAttesa_; }

    // The size and place the window takes when it is not maximised: the one kept, when it is no
    // smaller than `minima` and still on the screen's `area`, cut to the area and moved wholly
    // onto it; otherwise a comfortable size in its middle.
    static QRect GeometriaNormale(const QRect& salvata, const QRect& area,
                                  QSize minima = QSize(800, 600));

  private:
    QWidget& finestra_;
    bool inAttesa_ = false;
};

} // namespace brivetta
