#include "ui/members/MemberFormScreen.h"

#include "core/base/AppState.h"
#include "core/base/DateText.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/base/Sql.h"
#include "core/members/MemberRecord.h"
#include "ui/base/NumberDelegate.h"
#include "ui/base/WindowPlacement.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QVBoxLayout>

namespace {

constexpr int BoxCount = 19;

// The bound text boxes and their columns; 3 (the password typed again) is
// unbound, 9 and 14 are hidden under the state and card-type combos.
struct Bound
{
    int index;
    const char* column;
};
const Bound BoundBoxes[] = {{0, "khao"}, {1, "yhm"},  {2, "mm"},    {4, "sfzh"},  {5, "csrc"}, {6, "zz"},
                            {7, "yk"},   {8, "js"},   {9, "zt"},    {10, "yxrc"}, {11, "zk"},  {12, "jbr"},
                            {13, "bz"},  {14, "klx"}, {15, "jelj"}, {18, "jslj"}};

// Chooses the stored value in a combo whose items carry it as data, keeping a
// value the list lacks so that saving does not silently change it.
void choose(QComboBox* combo, const QString& text)
{
    int index = combo->findData(text);
    if (index < 0 && !text.isEmpty()) {
        combo->addItem(text, text);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

MemberFormScreen::MemberFormScreen(AppState& state, const QString& editedCard, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("MemberFormScreen"));
    buildScreen();
    zzdset();
    if (!editedCard.isEmpty() && readMember(editedCard)) {
        setWindowTitle(tr("修改"));
        showMember();
        setButtons(true);
        m_command4->setEnabled(true);
    } else {
        startRow(QStringLiteral("优惠卡"));
    }
    centerOnScreen(this);
}

QLineEdit* MemberFormScreen::box(int index) const
{
    return m_boxes.at(index);
}

void MemberFormScreen::buildScreen()
{
    m_model = new QSqlQueryModel(this);
    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setModel(m_model);
    NumberDelegate::install(m_mapper);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(buildBoxes());
    auto* note = new QLabel(tr("注意:会员卡如果为【现金卡】或【现金优惠卡】结帐时,只有球费从卡中递减，"
                               "会员如购商品则另外付费。"),
                            this);
    note->setObjectName(QStringLiteral("Label_note"));
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #b00000;"));
    layout->addWidget(note);
    layout->addWidget(buildButtons());
    resize(640, sizeHint().height());
}

QWidget* MemberFormScreen::buildBoxes()
{
    auto* pane = new QWidget(this);
    auto* grid = new QGridLayout(pane);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(2, 16);

    for (int i = 0; i < BoxCount; ++i) {
        if (i == 16 || i == 17) {
            m_boxes.append(nullptr);
            continue;
        }
        auto* edit = new QLineEdit(pane);
        edit->setObjectName(QStringLiteral("Txtzzd_") + QString::number(i));
        edit->installEventFilter(this);
        m_boxes.append(edit);
    }
    box(0)->setMaxLength(MemberRecord::CardLength);
    box(4)->setMaxLength(MemberRecord::MobileLength);
    box(4)->setToolTip(tr("身份证号在15-18之间"));
    box(2)->setEchoMode(QLineEdit::Password);
    box(3)->setEchoMode(QLineEdit::Password);
    box(9)->setToolTip(tr("1为 正常；2为 禁用； 3为挂失；4为透支"));
    box(14)->setToolTip(tr("1为 现金卡； 2为机时卡；3为包月卡"));
    box(9)->hide();
    box(14)->hide();
    // The accumulations follow the balance and time; nobody types them.
    box(15)->setReadOnly(true);
    box(18)->setReadOnly(true);

    const auto combo = [this, pane](const char* name) {
        auto* c = new QComboBox(pane);
        c->setObjectName(QLatin1String(name));
        c->installEventFilter(this);
        return c;
    };
    m_combo1 = combo("Combo1");
    m_combozt = combo("Combozt");
    m_combklx = combo("Combklx");
    connect(m_combozt, &QComboBox::currentIndexChanged, box(9),
            [this] { box(9)->setText(m_combozt->currentData().toString()); });
    connect(m_combklx, &QComboBox::currentTextChanged, box(14), &QLineEdit::setText);
    m_check1 = new QCheckBox(tr("空为非会员"), pane);
    m_check1->setObjectName(QStringLiteral("Check1"));

    auto* cmddate = new QPushButton(QStringLiteral("..."), pane);
    cmddate->setObjectName(QStringLiteral("Cmddate"));
    cmddate->setAutoDefault(false);
    cmddate->setFixedWidth(32);
    m_monthView1 = new QCalendarWidget(pane);
    m_monthView1->setObjectName(QStringLiteral("MonthView1"));
    m_monthView1->hide();
    connect(cmddate, &QPushButton::clicked, this, [this] { m_monthView1->setVisible(!m_monthView1->isVisible()); });
    connect(m_monthView1, &QCalendarWidget::clicked, this, [this](QDate date) {
        box(10)->setText(DateText::date(date));
        m_monthView1->hide();
    });
    auto* validity = new QHBoxLayout;
    validity->setSpacing(4);
    validity->addWidget(box(10), 1);
    validity->addWidget(cmddate);

    const auto row = [grid, pane](int line, int column, const QString& label, QWidget* field,
                                  QLayout* fields = nullptr) {
        auto* caption = new QLabel(label, pane);
        grid->addWidget(caption, line, column);
        if (fields)
            grid->addLayout(fields, line, column + 1);
        else
            grid->addWidget(field, line, column + 1);
        caption->setBuddy(field);
    };
    row(0, 0, tr("卡  号"), box(0));
    row(1, 0, tr("姓  名"), box(1));
    row(2, 0, tr("密  码"), box(2));
    row(3, 0, tr("确认密码"), box(3));
    row(4, 0, tr("手机号"), box(4));
    row(5, 0, tr("出生日期"), box(5));
    row(6, 0, tr("性  别"), m_combo1);
    row(7, 0, tr("住  址"), box(6));
    row(8, 0, tr("会员类型"), m_check1);
    row(0, 3, tr("金  额"), box(7));
    row(1, 3, tr("时  长"), box(8));
    row(2, 3, tr("性  质"), m_combozt);
    row(3, 3, tr("有效日期"), box(10), validity);
    row(4, 3, tr("折  扣"), box(11));
    row(5, 3, tr("经办人"), box(12));
    row(6, 3, tr("备   注"), box(13));
    row(7, 3, tr("卡类型"), m_combklx);
    auto* totals = new QHBoxLayout;
    totals->addWidget(box(15));
    totals->addWidget(new QLabel(tr("累计机时"), pane));
    totals->addWidget(box(18));
    row(8, 3, tr("累计金额"), box(15), totals);
    grid->addWidget(m_monthView1, 9, 3, 1, 2);
    return pane;
}

QWidget* MemberFormScreen::buildButtons()
{
    auto* pane = new QWidget(this);
    auto* layout = new QHBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    const auto button = [pane, layout](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, pane);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        layout->addWidget(b);
        return b;
    };
    m_command2 = button("Command2", tr("保存(S)"));
    m_command3 = button("Command3", tr("取消(&E)"));
    m_command4 = button("Command4", tr("增加(&A)"));
    QPushButton* command5 = button("Command5", tr("退出(&Q)"));
    // Enter on "保存(S)", where the card type's Enter leads, saves.
    m_command2->setAutoDefault(true);
    connect(m_command2, &QPushButton::clicked, this, &MemberFormScreen::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &MemberFormScreen::Command3_Click);
    connect(m_command4, &QPushButton::clicked, this, &MemberFormScreen::Command4_Click);
    connect(command5, &QPushButton::clicked, this, &QDialog::reject);
    return pane;
}

void MemberFormScreen::zzdset()
{
    // Sex and state are stored in Chinese; the combos show them translated.
    m_combo1->addItem(tr("男"), QStringLiteral("男"));
    m_combo1->addItem(tr("女"), QStringLiteral("女"));
    m_combozt->addItem(tr("正常"), QStringLiteral("正常"));
    m_combozt->addItem(tr("禁用"), QStringLiteral("禁用"));
    m_combozt->addItem(tr("挂失"), QStringLiteral("挂失"));
    m_combozt->addItem(tr("透支"), QStringLiteral("透支"));
    QSqlQuery query(m_state.DbConn);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, QStringLiteral("select klx from klx"));
    if (!result)
        showError(result);
    while (query.next())
        m_combklx->addItem(query.value(0).toString(), query.value(0).toString());
}

void MemberFormScreen::zzdlock(bool lockbj)
{
    for (int i = 0; i <= 14; ++i)
        box(i)->setReadOnly(lockbj);
}

bool MemberFormScreen::readMember(const QString& card)
{
    QSqlQuery query(m_state.DbConn);
    Result result = Sql::exec(query, QStringLiteral("select * from user_lb where khao=?"), {card});
    if (result) {
        m_model->setQuery(std::move(query));
        if (m_model->lastError().isValid())
            result = Result::fromSqlError(m_model->lastError());
    }
    if (!result) {
        showError(result);
        return false;
    }
    if (m_model->rowCount() == 0) {
        Messages::critical(tr("会员卡号 %1 已不在会员名单中。").arg(card));
        return false;
    }
    m_originalCard = card;
    m_mapper->clearMapping();
    for (const Bound& bound : BoundBoxes)
        m_mapper->addMapping(box(bound.index), m_model->record().indexOf(QLatin1String(bound.column)));
    m_mapper->addMapping(m_check1, m_model->record().indexOf(QStringLiteral("hybj")));
    return true;
}

void MemberFormScreen::showMember()
{
    m_mapper->toFirst();
    m_mapper->revert();
    box(3)->clear();
    choose(m_combo1, m_model->record(0).value(QStringLiteral("xb")).toString());
    choose(m_combozt, box(9)->text());
    choose(m_combklx, box(14)->text());
    zzdlock(false);
    // Balance and time change only through top-ups and checkouts.
    box(7)->setReadOnly(true);
    box(8)->setReadOnly(true);
}

void MemberFormScreen::startRow(const QString& cardType)
{
    m_originalCard.clear();
    m_mapper->clearMapping();
    setWindowTitle(tr("增加"));
    for (QLineEdit* edit : std::as_const(m_boxes))
        if (edit)
            edit->clear();
    m_check1->setChecked(false);
    choose(m_combo1, QStringLiteral("男"));
    choose(m_combozt, QStringLiteral("正常"));
    choose(m_combklx, cardType);
    zzdlock(false);
    setButtons(true);
    box(0)->setFocus();
}

void MemberFormScreen::setButtons(bool editing)
{
    m_command2->setEnabled(editing);
    m_command3->setEnabled(editing);
    m_command4->setEnabled(!editing);
}

void MemberFormScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    box(0)->setFocus();
}

bool MemberFormScreen::card_check(const QString& kahao)
{
    bool free = false;
    const Result result = MemberRecord::isCardFree(m_state.DbConn, kahao, m_originalCard, &free);
    if (!result)
        showError(result);
    return free;
}

bool MemberFormScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (!isEnter(event))
        return QDialog::eventFilter(watched, event);
    if (watched == m_combklx)
        m_command2->setFocus();
    else if (watched == m_combo1)
        box(6)->setFocus();
    else if (watched == m_combozt)
        box(10)->setFocus();
    else if (auto* edit = qobject_cast<QLineEdit*>(watched))
        enterIn(int(m_boxes.indexOf(edit)));
    else
        return QDialog::eventFilter(watched, event);
    return true;
}

void MemberFormScreen::enterIn(int index)
{
    const QString text = box(index)->text();
    switch (index) {
    case 0:
        if (text.trimmed().isEmpty())
            return;
        if (card_check(text))
            box(1)->setFocus();
        else
            Messages::critical(tr("卡号重复,请重新输入！"));
        return;
    case 1:
        if (text.trimmed().isEmpty())
            Messages::critical(tr("用户姓名不能为空!"));
        else
            box(2)->setFocus();
        return;
    case 3:
        if (box(2)->text().isEmpty() || text.isEmpty())
            return;
        if (box(2)->text() != text)
            Messages::critical(tr("密码输入错误，请重新输入！"));
        else
            box(4)->setFocus();
        return;
    case 5:
        m_combo1->setFocus();
        return;
    case 7:
        box(15)->setText(text);
        box(8)->setFocus();
        return;
    case 8:
        box(18)->setText(text);
        m_combozt->setFocus();
        return;
    case 10:
        if (MemberRecord::isFutureDate(text))
            box(11)->setFocus();
        else
            Messages::critical(tr("日期必须大天当前日期"));
        return;
    case 13:
        m_combklx->setFocus();
        return;
    case 2:
    case 4:
    case 6:
    case 11:
    case 12:
        box(index + 1)->setFocus();
        return;
    default:
        return;
    }
}

void MemberFormScreen::Command2_Click()
{
    MemberRecord::Typed typed;
    typed.khao = box(0)->text();
    typed.yhm = box(1)->text();
    typed.mm = box(2)->text();
    typed.sfzh = box(4)->text();
    typed.csrc = box(5)->text();
    typed.xb = m_combo1->currentData().toString();
    typed.zz = box(6)->text();
    typed.yk = box(7)->text();
    typed.js = box(8)->text();
    typed.zt = m_combozt->currentData().toString();
    typed.yxrc = box(10)->text();
    typed.zk = box(11)->text();
    typed.jbr = box(12)->text();
    typed.bz = box(13)->text();
    typed.klx = m_combklx->currentText();
    typed.hybj = m_check1->isChecked();
    const MemberRecord::Saved saved =
        MemberRecord::save(m_state.DbConn, {m_state.BusinessDate, m_state.OperatorName}, typed, m_originalCard);
    if (!saved.result) {
        showError(saved.result);
        return;
    }
    if (!saved.refusal.isEmpty()) {
        Messages::tell(saved.refusal);
        if (saved.clearBox)
            box(saved.box)->clear();
        box(saved.box)->setFocus();
        return;
    }
    startRow(QStringLiteral("机时卡"));
}

void MemberFormScreen::Command3_Click()
{
    // A new row is dropped: nothing is left to save until "增加(&A)".
    if (m_originalCard.isEmpty()) {
        for (QLineEdit* edit : std::as_const(m_boxes))
            if (edit)
                edit->clear();
        m_check1->setChecked(false);
        setButtons(false);
        return;
    }
    showMember();
    m_command3->setEnabled(false);
    m_command4->setEnabled(true);
}

void MemberFormScreen::Command4_Click()
{
    startRow(QStringLiteral("机时卡"));
}
