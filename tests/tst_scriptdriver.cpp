// The script commands that need no window: what each line prints, and what
// the program's next two questions for a file to save get.

#include "runtime/messages.h"
#include "scriptdriver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

class TestScriptDriver : public QObject {
    Q_OBJECT
private slots:
    void commands_data();
    void commands();
};

void TestScriptDriver::commands_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QStringList>("answers");

    const QString degree = QString::fromUtf8("\xc2\xb0");
    QTest::newRow("no file: cancelled") << QStringList{} << "" << QStringList{} << QStringList{"", ""};
    QTest::newRow("file answers once")
        << QStringList{"file out/a b.txt"} << "" << QStringList{} << QStringList{"out/a b.txt", ""};
    QTest::newRow("the last file answers")
        << QStringList{"file a", R"(file "b\tc")"} << "" << QStringList{} << QStringList{"b\tc", ""};
    QTest::newRow("file needs a path")
        << QStringList{"file", R"(file "")"} << ""
        << QStringList{"error 1: usage: file", R"(error 2: usage: file "")"} << QStringList{"", ""};
    QTest::newRow("clipboard") << QStringList{"clipboard", "clipboard x"} << "1\"" + degree + "\n"
                               << QStringList{R"(clipboard "1\")" + degree + R"(\n")",
                                              "error 2: usage: clipboard x"}
                               << QStringList{"", ""};
    QTest::newRow("clipboard empty") << QStringList{"clipboard"} << ""
                                     << QStringList{R"(clipboard "")"} << QStringList{"", ""};
}

void TestScriptDriver::commands()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, clipboard);
    QFETCH(QStringList, printed);
    QFETCH(QStringList, answers);

    QGuiApplication::clipboard()->setText(clipboard);
    QStringList output;
    script::Session session([&output](const QString &line) { output << line; });
    for (int i = 0; i < lines.size(); ++i)
        session.runLine(lines[i], i + 1);
    QCOMPARE(output, printed);
    QStringList got;
    for (int i = 0; i < 2; ++i)
        got << rt::askSaveFileName(QStringLiteral("Save"), QString(), QString());
    QCOMPARE(got, answers);
}

QTEST_MAIN(TestScriptDriver)
#include "tst_scriptdriver.moc"
