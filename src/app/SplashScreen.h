#pragma once

#include <QWidget>

class QLabel;

// The splash shown while the program starts; closed by the first tick of the
// login screen's or the main window's timer.
class SplashScreen : public QWidget
{
    Q_OBJECT

public:
    explicit SplashScreen(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};
