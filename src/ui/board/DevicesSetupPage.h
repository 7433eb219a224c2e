#pragma once

#include "ui/board/HallSetupPage.h"

#include <QPointer>

struct AppState;
class CardReader;
class LightController;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTimer;

// Whether a light controller and a card reader are attached, and on which
// ports, each tried on the spot: the controller must echo a lamp command, the
// reader must read a card within some seconds. A trial that fails is told
// and the operator may still save. The ports are read when the program starts.
class DevicesSetupPage : public HallSetupPage
{
    Q_OBJECT

public:
    DevicesSetupPage(AppState& state, QWidget* parent);

    void initializePage() override;

    // How long the reader trial waits for a card.
    static constexpr int SwipeSeconds = 15;

protected:
    HallSetup::Step apply() override;

private:
    void tryLights();
    void tryReader();
    // The port typed, or nothing with the reason shown in `status`.
    bool portUsable(const QLineEdit* box, QLabel* status);

    AppState& m_state;
    QCheckBox* m_lightsBox;
    QLineEdit* m_lightsPortBox;
    QLabel* m_lightsStatus;
    QCheckBox* m_readerBox;
    QLineEdit* m_readerPortBox;
    QLabel* m_readerStatus;
    QTimer* m_swipeWait;
    // A trial's device, made afresh for each so that its port is closed after.
    QPointer<LightController> m_trialLights;
    QPointer<CardReader> m_trialReader;
    int m_lightsAnswered = 0;
};
