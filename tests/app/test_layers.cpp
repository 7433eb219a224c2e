#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>

namespace {

// The floors of README.md's layer table, lowest first: "src/core/base" → 1.
QHash<QString, int> floorsOf(const QString& readme)
{
    QFile file(readme);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    static const QRegularExpression row(QStringLiteral("^\\|\\s*(\\d+)\\s*\\|\\s*`src/([^`]+)`"));
    QHash<QString, int> floors;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = row.match(line);
        if (match.hasMatch())
            floors.insert(match.captured(2), match.captured(1).toInt());
    }
    return floors;
}

// Every include of the product that goes below its own floor, or into a
// folder the table does not know, as "file: include (why)".
QStringList wrongIncludes(const QString& sourceDir, const QHash<QString, int>& floors)
{
    static const QRegularExpression include(QStringLiteral("^#include \"([^\"]+)/[^/\"]+\""),
                                            QRegularExpression::MultilineOption);
    QStringList wrong;
    const QDir root(sourceDir);
    QDirIterator it(sourceDir, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString file = root.relativeFilePath(path);
        const QString folder = QFileInfo(file).path();
        if (!floors.contains(folder)) {
            wrong << file + QStringLiteral(": its folder is not in the layer table");
            continue;
        }
        QFile source(path);
        if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
            wrong << file + QStringLiteral(": cannot be read");
            continue;
        }
        for (const QRegularExpressionMatch& match : include.globalMatch(QString::fromUtf8(source.readAll()))) {
            const QString target = match.captured(1);
            if (!floors.contains(target))
                wrong << file + QStringLiteral(": ") + match.captured(0) +
                             QStringLiteral(" (a folder not in the table)");
            else if (floors.value(target) > floors.value(folder))
                wrong << file + QStringLiteral(": ") + match.captured(0) +
                             QStringLiteral(" (floor %1 includes floor %2)")
                                 .arg(floors.value(folder))
                                 .arg(floors.value(target));
        }
    }
    wrong.sort();
    return wrong;
}

} // namespace

class TestLayers : public QObject
{
    Q_OBJECT

private slots:
    // A strict order of floors leaves no room for a cycle between folders:
    // one include against it is what every cycle needs.
    void everyIncludeGoesDownOrAcross()
    {
        const QHash<QString, int> floors = floorsOf(QStringLiteral(TAVORO_SOURCE_DIR "/README.md"));
        QVERIFY2(floors.size() > 10, "README.md has no layer table");
        QCOMPARE(QSet<int>(floors.cbegin(), floors.cend()).size(), floors.size());
        const QStringList wrong = wrongIncludes(QStringLiteral(TAVORO_SOURCE_DIR "/src"), floors);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestLayers)
#include "test_layers.moc"
