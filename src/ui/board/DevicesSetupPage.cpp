#include "ui/board/DevicesSetupPage.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/devices/CardReader.h"
#include "core/devices/LightController.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The lamp of table 1 is switched on and off again: two echoes.
constexpr int TrialCommands = 2;

QLabel* statusLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QPushButton* trialButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

DevicesSetupPage::DevicesSetupPage(AppState& state, QWidget* parent)
    : HallSetupPage(tr("第 4 步：灯光控制器和读卡器"),
                    tr("端口填串口号（1 即 COM1）或设备路径（如 /dev/ttyUSB0）。保存前可先测试。"), parent)
    , m_state(state)
    , m_lightsBox(new QCheckBox(tr("接有灯光控制器"), this))
    , m_lightsPortBox(new QLineEdit(this))
    , m_lightsStatus(statusLabel(QStringLiteral("lightsStatus"), this))
    , m_readerBox(new QCheckBox(tr("接有读卡器"), this))
    , m_readerPortBox(new QLineEdit(this))
    , m_readerStatus(statusLabel(QStringLiteral("readerStatus"), this))
    , m_swipeWait(new QTimer(this))
{
    setObjectName(QStringLiteral("DevicesSetupPage"));
    m_lightsBox->setObjectName(QStringLiteral("lightsBox"));
    m_lightsPortBox->setObjectName(QStringLiteral("lightsPortBox"));
    m_readerBox->setObjectName(QStringLiteral("readerBox"));
    m_readerPortBox->setObjectName(QStringLiteral("readerPortBox"));
    m_swipeWait->setSingleShot(true);
    m_swipeWait->setInterval(SwipeSeconds * 1000);
    connect(m_swipeWait, &QTimer::timeout, this, [this] {
        m_readerStatus->setText(tr("%1 秒内没有读到卡：请检查读卡器的端口和接线。").arg(SwipeSeconds));
        delete m_trialReader;
    });
    QPushButton* lightsTrial = trialButton(QStringLiteral("lightsTrialButton"), tr("测试灯光"), this);
    QPushButton* readerTrial = trialButton(QStringLiteral("readerTrialButton"), tr("测试刷卡"), this);
    connect(lightsTrial, &QPushButton::clicked, this, &DevicesSetupPage::tryLights);
    connect(readerTrial, &QPushButton::clicked, this, &DevicesSetupPage::tryReader);

    auto* grid = new QGridLayout;
    grid->addWidget(m_lightsBox, 0, 0, 1, 3);
    grid->addWidget(new QLabel(tr("端口："), this), 1, 0);
    grid->addWidget(m_lightsPortBox, 1, 1);
    grid->addWidget(lightsTrial, 1, 2);
    grid->addWidget(m_lightsStatus, 2, 1, 1, 3);
    grid->setRowMinimumHeight(3, 16);
    grid->addWidget(m_readerBox, 4, 0, 1, 3);
    grid->addWidget(new QLabel(tr("端口："), this), 5, 0);
    grid->addWidget(m_readerPortBox, 5, 1);
    grid->addWidget(readerTrial, 5, 2);
    grid->addWidget(m_readerStatus, 6, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    auto* note = new QLabel(tr("灯光控制器和读卡器的设置在下次启动程序时生效。"), this);
    note->setObjectName(QStringLiteral("restartNote"));
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(note);
}

void DevicesSetupPage::initializePage()
{
    const ResultOf<HallSetup::Devices> stored = HallSetup::storedDevices(m_state.DbConn);
    if (!stored) {
        showError(stored.result());
        return;
    }
    m_lightsBox->setChecked(stored->lights.used);
    m_lightsPortBox->setText(stored->lights.port);
    m_readerBox->setChecked(stored->reader.used);
    m_readerPortBox->setText(stored->reader.port);
}

bool DevicesSetupPage::portUsable(const QLineEdit* box, QLabel* status)
{
    const QString refusal = HallSetup::portRefusal(box->text());
    status->setText(refusal);
    return refusal.isEmpty();
}

void DevicesSetupPage::tryLights()
{
    delete m_trialLights;
    if (!portUsable(m_lightsPortBox, m_lightsStatus))
        return;
    // The line settings stay as stored; only the port is the one typed.
    const ResultOf<SerialSettings> stored = LightController::storedSettings(m_state.DbConn);
    SerialSettings settings = stored ? *stored : SerialSettings();
    if (const Result port = settings.setPort(tr("端口"), m_lightsPortBox->text()); !port) {
        m_lightsStatus->setText(port.message());
        return;
    }
    auto* lights = new LightController(this);
    m_trialLights = lights;
    if (!lights->openPort(settings)) {
        m_lightsStatus->setText(tr("打不开端口：%1").arg(lights->lastError()));
        delete lights;
        return;
    }
    m_lightsAnswered = 0;
    connect(lights, &LightController::answered, this, [this, lights] {
        if (++m_lightsAnswered < TrialCommands)
            return;
        m_lightsStatus->setText(tr("灯光控制器有回应：1 号台的灯开过又关了。"));
        lights->deleteLater();
    });
    connect(lights, &LightController::notice, this, [this, lights](const QString& text) {
        m_lightsStatus->setText(tr("测试没有通过：%1").arg(text));
        lights->deleteLater();
    });
    m_lightsStatus->setText(tr("正在测试：打开 1 号台的灯，再关上……"));
    lights->sendTable(1, QStringLiteral("1"));
    lights->sendTable(0, QStringLiteral("1"));
}

void DevicesSetupPage::tryReader()
{
    delete m_trialReader;
    m_swipeWait->stop();
    if (!portUsable(m_readerPortBox, m_readerStatus))
        return;
    const ResultOf<SerialSettings> stored = CardReader::storedSettings(m_state.DbConn);
    SerialSettings settings = stored ? *stored : SerialSettings();
    if (const Result port = settings.setPort(tr("端口"), m_readerPortBox->text()); !port) {
        m_readerStatus->setText(port.message());
        return;
    }
    auto* reader = new CardReader(this);
    m_trialReader = reader;
    reader->setCardLength(m_state.params.cardNumberLength);
    if (!reader->openPort(settings)) {
        m_readerStatus->setText(tr("打不开端口：%1").arg(reader->lastError()));
        delete reader;
        return;
    }
    connect(reader, &CardReader::swiped, this, [this, reader](const QString& card) {
        m_swipeWait->stop();
        m_readerStatus->setText(tr("读到卡号：%1").arg(card));
        reader->deleteLater();
    });
    connect(reader, &CardReader::notice, this, [this](const QString& text) { m_readerStatus->setText(text); });
    m_readerStatus->setText(tr("请在 %1 秒内刷一张卡……").arg(SwipeSeconds));
    m_swipeWait->start();
}

HallSetup::Step DevicesSetupPage::apply()
{
    return HallSetup::saveDevices(m_state.DbConn, {{m_lightsBox->isChecked(), m_lightsPortBox->text()},
                                                   {m_readerBox->isChecked(), m_readerPortBox->text()}});
}
