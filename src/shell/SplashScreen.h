#pragma once

#include <QImage>
#include <QWidget>

// The borderless picture shown while the game table is being built.
class SplashScreen : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 415;
    static constexpr int kDesignHeight = 181;

    explicit SplashScreen(QSize screen, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};
