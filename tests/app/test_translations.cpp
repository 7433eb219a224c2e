#include "core/base/SettingsStore.h"
#include "support/BoardBench.h"
#include "ui/admin/LoginScreen.h"
#include "ui/program/Language.h"
#include "ui/program/LanguageChoice.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QRegularExpression Chinese(QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
// Names of the hall's own data may be quoted in an English message.
const QRegularExpression Quoted(QStringLiteral("\"[^\"]*\"|“[^”]*”"));
const QRegularExpression Placeholder(QStringLiteral("%\\d"));

QStringList placeholders(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& match : Placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// What is wrong with one translated message; empty when nothing is.
QString fault(const QString& source, const QString& translation, bool unfinished)
{
    if (unfinished || translation.trimmed().isEmpty())
        return QStringLiteral("untranslated");
    if (placeholders(source) != placeholders(translation))
        return QStringLiteral("placeholders differ: ") + translation;
    if (QString(translation).remove(Quoted).contains(Chinese))
        return QStringLiteral("Chinese in the English: ") + translation;
    return {};
}

// Every text a screen shows of its own, outside the rows of its grids.
QStringList shownTexts(const QWidget& screen)
{
    QStringList texts{screen.windowTitle()};
    for (const QWidget* widget : screen.findChildren<QWidget*>()) {
        texts << widget->toolTip();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            texts << box->title();
        else if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            texts << edit->placeholderText();
        else if (const auto* menu = qobject_cast<const QMenu*>(widget))
            texts << menu->title();
        else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget); view && view->model())
            for (int column = 0; column < view->model()->columnCount(); ++column)
                texts << view->model()->headerData(column, Qt::Horizontal).toString();
    }
    for (const QAction* action : screen.findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    return texts;
}

} // namespace

// The English catalogue covers every text of the program, and with it the
// login and the board read wholly in English.
class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogueIsComplete();
    void languageChoice_data();
    void languageChoice();
    void choiceIsKept();
    void screensInEnglish();
};

void TestTranslations::catalogueIsComplete()
{
    QTemporaryDir folder;
    const QString ts = folder.filePath(QStringLiteral("tavoro_en.ts"));
    QVERIFY(QFile::copy(QStringLiteral(TAVORO_SOURCE_DIR "/translations/tavoro_en.ts"), ts));
    QProcess lupdate;
    lupdate.start(QStringLiteral(TAVORO_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                   QStringLiteral("-I"), QStringLiteral(TAVORO_SOURCE_DIR "/src"),
                   QStringLiteral(TAVORO_SOURCE_DIR "/src"), QStringLiteral("-ts"), ts});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    // A text lupdate cannot read (tr() where it finds no class) is silently
    // left out of the catalogue; it says so only here.
    QCOMPARE(QString::fromUtf8(lupdate.readAllStandardError()), QString());

    QFile file(ts);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList faults;
    int messages = 0;
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString problem = fault(source, xml.readElementText(), unfinished);
            ++messages;
            if (!problem.isEmpty())
                faults << context + QStringLiteral(" \"") + source + QStringLiteral("\": ") + problem;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 0);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(QLatin1Char('\n'))));
}

void TestTranslations::languageChoice_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("system");
    QTest::addColumn<bool>("english");

    QTest::newRow("English system") << QString() << QStringLiteral("en_GB") << true;
    QTest::newRow("Chinese system") << QString() << QStringLiteral("zh_CN") << false;
    QTest::newRow("other languages get the default") << QString() << QStringLiteral("de_DE") << false;
    QTest::newRow("no language at all") << QString() << QStringLiteral("C") << false;
    QTest::newRow("setting English on a Chinese system") << QStringLiteral("en") << QStringLiteral("zh_CN") << true;
    QTest::newRow("setting Chinese on an English system")
        << QStringLiteral("zh_CN") << QStringLiteral("en_US") << false;
}

void TestTranslations::languageChoice()
{
    QFETCH(QString, setting);
    QFETCH(QString, system);
    QTEST(chooseLanguage(setting, QLocale(system)) == Language::English, "english");
}

void TestTranslations::choiceIsKept()
{
    QTemporaryDir folder;
    QSettings file(folder.filePath(QStringLiteral("Tavoro.conf")), QSettings::IniFormat);
    SettingsStore settings(&file);
    LanguageChoice choice(settings);
    QVERIFY(control<QRadioButton>(&choice, QStringLiteral("optSystem"))->isChecked());
    control<QRadioButton>(&choice, QStringLiteral("opt_en"))->setChecked(true);
    choice.accept();
    QCOMPARE(chooseLanguage(SettingsStore(&file).language(), QLocale(QLocale::Chinese)), Language::English);
}

void TestTranslations::screensInEnglish()
{
    QVERIFY(installLanguage(*qApp, Language::English));
    BoardBench f;
    QVERIFY2(f.ready() && f.addTables(3), qPrintable(f.error()));
    QVERIFY(f.openVisit(2, today("19:00:00")));

    LoginScreen login(f.hall.state);
    login.show();
    QStringList chinese;
    for (const QWidget* screen : {static_cast<QWidget*>(&login), static_cast<QWidget*>(&f.board())})
        for (const QString& text : shownTexts(*screen))
            if (text.contains(Chinese))
                chinese << QLatin1String(screen->metaObject()->className()) + QStringLiteral(": ") + text;
    QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
