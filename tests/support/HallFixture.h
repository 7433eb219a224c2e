#pragma once

#include "core/goods/GoodsDocument.h"
#include "support/MessageRecorder.h"
#include "support/TestClock.h"
#include "support/TestHall.h"

#include <QDateTime>
#include <QObject>
#include <QVariant>

// A time of the tests' day, 6 December 2026, written "HH:mm:ss".
QDateTime today(const char* time);

// The hall the tests start from: a fresh database with the shipped rows, the
// clock stopped at 20:00 of the tests' day, every message recorded, and the
// system operator logged in. The helpers add what a test needs on top; each
// returns false (with hall.error()) when a statement fails.
class HallFixture
{
public:
    explicit HallFixture(const QDateTime& now = today("20:00:00"));

    bool ready() const { return m_ready; }
    QString error() const { return hall.error(); }

    // Bands from a text such as "08:00:00-18:00:00=8/10;18:00:00-23:59:00=12/15"
    // (member/non-member rate per hour); "7@" before a band gives it the id 7.
    bool addBands(int zhao, const QString& bands);
    // Tables 1..count named "N号台", free, each with the given bands.
    bool addTables(int count, const QString& bands = QStringLiteral("00:00:00-23:59:59=20/30"));
    bool addMember(const QString& card, const QVariant& password, const QString& cardType, const QVariant& zk = 0,
                   double yk = 0);
    // The table marked in use (reminder tx, deposit fwfl) with an open visit
    // started at `start`, as an opening leaves it.
    bool openVisit(int zhao, const QDateTime& start, const QString& card = QString(), double dj1 = 30, double tx = 0,
                   double fwfl = 50);
    bool addGoods(int zhao, const QString& wlcode, double count, double amount);
    QVariant value(const QString& sql, const QVariantList& values = {});

    TestClock clock;
    MessageRecorder messages;
    TestHall hall;

private:
    bool m_ready = false;
};

// A document as the goods screens take it, dated the business day and made
// out by the logged-in operator: `count` of `goods` at `price` for `amount`,
// sold to `table` or over the counter.
GoodsDocument::Typed typedDocument(const AppState& state, const QString& goods, const QString& count,
                                   const QString& price, const QString& amount, const QString& table = {});
// Saves it as that operator on the business day, as the screens' Save does.
GoodsDocument::Saved saveDocument(AppState& state, GoodsDocument::Kind kind, const GoodsDocument::Typed& typed,
                                  qint64 editedId = 0);

// A control of a screen by its object name; a missing one ends the test run,
// since every later step would only report the same thing less clearly.
template <typename T>
T* control(const QObject* screen, const QString& name)
{
    T* found = screen->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}
