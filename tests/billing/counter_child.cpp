// One counter of a hall shared with others: for a given time it runs the
// board's commands through the core, as the screens call them, on random
// tables and members, and writes to its journal each command the core
// reported done, right after it returned. Refusals are counted; any other
// failure is journalled as unexpected. Prints "ready" once the database is
// open and its counts at the end.
//
// counter_child PLACE JOURNAL SEED SECONDS START_MS [settles-shift]
// START_MS is the moment (ms since the epoch) the hall's clock reads 12:00;
// every counter runs its clock from it a minute a second, so that the
// visits of one counter are priced alike by another.

#include "core/base/Clock.h"
#include "core/base/Database.h"
#include "core/billing/Checkout.h"
#include "core/billing/OpenVisit.h"
#include "core/board/TableMove.h"
#include "core/board/TableOpening.h"
#include "core/goods/GoodsDocument.h"
#include "core/members/MemberTopUp.h"
#include "core/reports/DayTakings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>

#include <cstdio>

namespace {

class HallClock : public Clock
{
public:
    explicit HallClock(qint64 startMs)
        : m_startMs(startMs)
    {}

protected:
    QDateTime currentDateTime() const override
    {
        const qint64 elapsed = QDateTime::currentMSecsSinceEpoch() - m_startMs;
        return QDateTime(QDate(2026, 12, 6), QTime(12, 0)).addMSecs(elapsed * 60);
    }

private:
    qint64 m_startMs;
};

constexpr int Tables = 12;
constexpr int Members = 6;

QString now()
{
    return QString::number(QDateTime::currentMSecsSinceEpoch());
}

QString joined(const QList<qint64>& ids)
{
    QStringList texts;
    for (qint64 id : ids)
        texts << QString::number(id);
    return texts.isEmpty() ? QStringLiteral("-") : texts.join(QLatin1Char(','));
}

class Counter
{
public:
    Counter(AppState& state, QFile& journal, quint32 seed)
        : m_state(state)
        , m_journal(journal)
        , m_random(seed)
    {}

    void runOne()
    {
        const int pick = m_random.bounded(100);
        if (pick < 28)
            open();
        else if (pick < 48)
            sell();
        else if (pick < 56)
            transfer();
        else if (pick < 61)
            swap();
        else if (pick < 88)
            settle();
        else
            topUp();
    }

    void settleShift()
    {
        const QString started = now();
        const Result result = DayTakings::settleShift(m_state.DbConn, m_state.OperatorName);
        // The night's checks need the settle, so even a busy store is a fault.
        if (result)
            write(QStringLiteral("shift %1 %2").arg(started, now()));
        else
            write(QStringLiteral("unexpected shift settle: ") +
                  QString(result.message()).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }

    QString counts() const
    {
        QStringList texts;
        for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it)
            texts << it.key() + QLatin1Char('=') + QString::number(it.value());
        return texts.join(QStringLiteral("; "));
    }

private:
    QString table() { return QString::number(m_random.bounded(1, Tables + 1)); }
    QString member() { return QStringLiteral("M%1").arg(m_random.bounded(1, Members + 1)); }
    // Half the parties are guests without a card.
    QString cardOrGuest() { return m_random.bounded(2) ? member() : QString(); }

    void write(const QString& line)
    {
        const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
        // Unbuffered: a kill loses at most the line of the command it cut.
        if (m_journal.write(bytes) != bytes.size() || !m_journal.flush())
            std::fprintf(stderr, "counter_child: journal: %s\n", qUtf8Printable(m_journal.errorString()));
    }

    void count(const QString& what) { ++m_counts[what]; }

    // A store that cannot take the write now (the other counter holds it)
    // is an answer a counter gets; anything else is a fault.
    void failed(const QString& command, const Result& result)
    {
        if (result.number() == Result::DatabaseLocked || result.number() == Result::WriteConflict) {
            count(QStringLiteral("refused: database busy"));
            return;
        }
        count(QStringLiteral("unexpected"));
        write(QStringLiteral("unexpected %1: %2")
                  .arg(command, QString(result.message()).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    }

    void open()
    {
        const TableOpening::Request request{table(), cardOrGuest(), QString(), QStringLiteral("0"),
                                            QStringLiteral("0")};
        const ResultOf<TableOpening::Opened> opened = TableOpening::openTable(m_state, request);
        if (!opened)
            return failed(QStringLiteral("open"), opened.result());
        if (opened->outcome == TableOpening::Outcome::AlreadyOpen)
            return count(QStringLiteral("refused: table taken"));
        if (opened->outcome != TableOpening::Outcome::Opened)
            return failed(QStringLiteral("open"),
                          Result::failure(QStringLiteral("outcome %1").arg(int(opened->outcome))));
        count(QStringLiteral("opened"));
    }

    void sell()
    {
        GoodsDocument::Typed typed;
        typed.date = QStringLiteral("2026-12-06");
        typed.goods = QStringLiteral("可乐");
        typed.count = QString::number(m_random.bounded(1, 4));
        typed.price = QStringLiteral("5");
        typed.amount = QString::number(typed.count.toInt() * 5);
        typed.preparer = m_state.OperatorName;
        typed.table = table();
        const GoodsDocument::Saved saved = GoodsDocument::save(m_state.DbConn, GoodsDocument::Kind::Sale, typed, 0,
                                                               {m_state.BusinessDate, m_state.OperatorName});
        if (!saved.result)
            return failed(QStringLiteral("sale"), saved.result);
        if (!saved.refusal.isEmpty())
            return count(QStringLiteral("refused: table not open"));
        count(QStringLiteral("sold"));
    }

    void transfer()
    {
        const qint16 source = qint16(table().toInt());
        const qint16 target = qint16(table().toInt());
        if (source == target)
            return;
        const ResultOf<TableMove::Transfer> moved = TableMove::transfer(m_state.DbConn, source, target);
        if (!moved)
            return failed(QStringLiteral("transfer"), moved.result());
        if (*moved == TableMove::Transfer::SourceClosed)
            return count(QStringLiteral("refused: source closed"));
        if (*moved == TableMove::Transfer::TargetTaken)
            return count(QStringLiteral("refused: table taken"));
        count(QStringLiteral("transferred"));
    }

    void swap()
    {
        const qint16 first = qint16(table().toInt());
        const qint16 second = qint16(table().toInt());
        if (first == second)
            return;
        const ResultOf<bool> swapped = TableMove::swap(m_state.DbConn, first, second);
        if (!swapped)
            return failed(QStringLiteral("swap"), swapped.result());
        count(*swapped ? QStringLiteral("swapped") : QStringLiteral("refused: not both open"));
    }

    // Selecting the table puts its visit's card into the card box, as the
    // board does: a member's visit is settled by its card, a guest's in cash.
    void settle()
    {
        const QString number = table();
        const QString started = now();
        const ResultOf<std::optional<OpenVisit>> visit = findOpenVisit(m_state.DbConn, qint16(number.toInt()));
        if (!visit)
            return failed(QStringLiteral("checkout"), visit.result());
        const QString card = *visit ? (*visit)->card : QString();
        const Checkout::Bill bill = Checkout::settle(m_state, {number, card, QString(), QStringLiteral("0")});
        switch (bill.outcome) {
        case Checkout::Outcome::Settled: {
            QList<qint64> goods;
            for (const SettledGoods& row : bill.goods)
                goods << row.id;
            const bool byCard = bill.paymentMethod == QStringLiteral("刷卡");
            write(QStringLiteral("checkout %1 %2 %3 %4 %5 %6")
                      .arg(started, now(), byCard ? bill.card : QStringLiteral("-"),
                           QString::number(byCard ? bill.timeCharge() : 0, 'f', 2), joined(bill.visitIds),
                           joined(goods)));
            return count(QStringLiteral("settled"));
        }
        case Checkout::Outcome::NoOpenVisit:
        case Checkout::Outcome::SettledMeanwhile:
            return count(QStringLiteral("refused: no open visit"));
        case Checkout::Outcome::ShortBalance:
            return count(QStringLiteral("refused: balance too low"));
        case Checkout::Outcome::Failed:
            return failed(QStringLiteral("checkout"), bill.error);
        default:
            return failed(QStringLiteral("checkout"),
                          Result::failure(QStringLiteral("outcome %1").arg(int(bill.outcome))));
        }
    }

    void topUp()
    {
        const QString card = member();
        const QString amount = QString::number(m_random.bounded(1, 9) * 5);
        const QString started = now();
        const MemberTopUp::Outcome outcome = MemberTopUp::topUp(m_state, {card, amount, amount});
        if (!outcome.result)
            return failed(QStringLiteral("top-up"), outcome.result);
        if (!outcome.refusal.isEmpty())
            return failed(QStringLiteral("top-up"), Result::failure(outcome.refusal.text));
        write(QStringLiteral("topup %1 %2 %3 %4").arg(started, now(), card, amount));
        count(QStringLiteral("topped up"));
    }

    AppState& m_state;
    QFile& m_journal;
    QRandomGenerator m_random;
    QMap<QString, int> m_counts;
};

int fail(const QString& text)
{
    std::fprintf(stderr, "counter_child: %s\n", qUtf8Printable(text));
    return 3;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 6)
        return fail(QStringLiteral("usage: counter_child PLACE JOURNAL SEED SECONDS START_MS [settles-shift]"));
    const qint64 startMs = args.at(5).toLongLong();
    HallClock clock(startMs);
    Clock::install(&clock);
    QFile journal(args.at(2));
    if (!journal.open(QIODevice::Append | QIODevice::Unbuffered))
        return fail(journal.errorString());
    AppState state;
    const Result opened = Database::openNamed(args.at(1), QStringLiteral("counter"), &state.DbConn);
    if (!opened)
        return fail(opened.message());
    state.OperatorName = QStringLiteral("system");
    state.CounterName = QStringLiteral("counter ") + args.at(3);
    state.BusinessDate = QDate(2026, 12, 6);
    state.IsSystemOperator = true;
    std::printf("ready\n");
    std::fflush(stdout);

    Counter counter(state, journal, args.at(3).toUInt());
    const qint64 endMs = startMs + args.at(4).toLongLong() * 1000;
    bool settlesShift = args.value(6) == QStringLiteral("settles-shift");
    const qint64 shiftMs = startMs + args.at(4).toLongLong() * 500;
    while (QDateTime::currentMSecsSinceEpoch() < endMs) {
        if (settlesShift && QDateTime::currentMSecsSinceEpoch() >= shiftMs) {
            counter.settleShift();
            settlesShift = false;
        }
        counter.runOne();
    }
    std::printf("%s\n", qUtf8Printable(counter.counts()));
    std::fflush(stdout);
    Clock::install(nullptr);
    return 0;
}
