#include "common/testsupport.h"

#include <vireomodel/utils.h>
#include <vireowidgets/foundation/theming.h>

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

using Vireo::Widgets::Theming;

namespace {

QStringList g_debugLines;
QtMessageHandler g_previousHandler = nullptr;

void collectDebug(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg)
        g_debugLines.append(message);
    else if (g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

class tst_Theming : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    // Must run first: the cache is filled once per process.
    void themeIsCachedOnceFilled();
    void replaceColors_data();
    void replaceColors();
    void replaceColorsLongSheet();
    void replaceImages_data();
    void replaceImages();
    void colorsThenImages();

private:
    QTemporaryDir m_dir;
    QString m_existingImage;
};

void tst_Theming::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_existingImage = m_dir.filePath(QStringLiteral("arrow.png"));
    QFile file(m_existingImage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("png");
    file.close();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
    g_previousHandler = qInstallMessageHandler(collectDebug);
}

void tst_Theming::cleanupTestCase()
{
    qInstallMessageHandler(g_previousHandler);
    Vireo::Utils::Theme::instance()->clear();
}

void tst_Theming::init()
{
    g_debugLines.clear();
}

void tst_Theming::themeIsCachedOnceFilled()
{
    auto* theme = Vireo::Utils::Theme::instance();
    theme->clear();
    QVERIFY(Theming::theme().isEmpty());
    QVERIFY(Theming::replaceCssColors(QStringLiteral("color: orloTheme.color.fg;")) == QStringLiteral("color: ;"));

    QMap<QString, QVariant> values;
    values.insert(QStringLiteral("fg"), QStringLiteral("#ffffff"));
    values.insert(QStringLiteral("bg"), QStringLiteral("#000"));
    values.insert(QStringLiteral("short"), QStringLiteral("red"));
    values.insert(QStringLiteral("bg_2"), QStringLiteral("#123456"));
    values.insert(QStringLiteral("qcolor"), QColor(0x10, 0x20, 0x30));
    values.insert(QStringLiteral("loop"), QStringLiteral("orloTheme.color.fg;"));
    values.insert(QStringLiteral("absolute"), m_existingImage);
    values.insert(QStringLiteral("parent"), QStringLiteral("./../share/icons/./next.png"));
    values.insert(QStringLiteral("twice"), QStringLiteral("./../a/./../b.png"));
    values.insert(QStringLiteral("relative"), QStringLiteral("images//plain.png"));
    theme->setValues(values);
    QCOMPARE(Theming::theme(), values);

    // Later changes of the outside theme are not seen any more.
    theme->setValue(QStringLiteral("fg"), QStringLiteral("#999999"));
    QCOMPARE(Theming::theme().value(QStringLiteral("fg")).toString(), QStringLiteral("#ffffff"));
    theme->setValues(values);
}

void tst_Theming::replaceColors_data()
{
    QTest::addColumn<QString>("css");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* css, const char* expected) {
        QTest::newRow(name) << QString::fromUtf8(css) << QString::fromUtf8(expected);
    };
    row("one token, the semicolon stays", "color: orloTheme.color.fg;", "color: #ffffff;");
    row("two tokens close together, short values", "a{color:orloTheme.color.short;background:orloTheme.color.bg;}",
        "a{color:red;background:#000;}");
    row("adjacent tokens", "orloTheme.color.fg;orloTheme.color.bg;orloTheme.color.short;", "#ffffff;#000;red;");
    row("no terminator", "color: orloTheme.color.fg", "color: orloTheme.color.fg");
    row("no terminator before a space", "color: orloTheme.color.fg ;", "color: orloTheme.color.fg ;");
    row("missing key leaves the semicolon", "color: orloTheme.color.nope; x", "color: ; x");
    row("empty key", "color: orloTheme.color.;", "color: orloTheme.color.;");
    row("underscore and digits", "b: orloTheme.color.bg_2;", "b: #123456;");
    row("colour variant", "c: orloTheme.color.qcolor;", "c: #102030;");
    row("replacement is not searched again", "x: orloTheme.color.loop;", "x: orloTheme.color.fg;;");
    row("any character after the theme name", "c: orloTheme_color.fg;", "c: #ffffff;");
    row("token after a false start", "orloThemeorloTheme.color.fg;", "orloTheme#ffffff;");
    row("image token untouched", "url(orloTheme.image.absolute)", "url(orloTheme.image.absolute)");
    row("empty sheet", "", "");
    row("no tokens", "QLabel { color: red; }", "QLabel { color: red; }");
    row("prefix at the end", "a orloTheme", "a orloTheme");
}

void tst_Theming::replaceColors()
{
    QFETCH(QString, css);
    QFETCH(QString, expected);
    QCOMPARE(Theming::replaceCssColors(css), expected);
    QVERIFY(g_debugLines.isEmpty());
}

void tst_Theming::replaceColorsLongSheet()
{
    QString css;
    QString expected;
    for (int i = 0; i < 20000; ++i) {
        css += QStringLiteral("w%1{color:orloTheme.color.fg;background:orloTheme.color.nope;}").arg(i);
        expected += QStringLiteral("w%1{color:#ffffff;background:;}").arg(i);
    }
    QCOMPARE(Theming::replaceCssColors(css), expected);
}

void tst_Theming::replaceImages_data()
{
    const QString appParent = QCoreApplication::applicationDirPath() + QStringLiteral("/../");
    QTest::addColumn<QString>("css");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("debugLines");
    const auto row = [](const char* name, const QString& css, const QString& expected, const QStringList& lines) {
        QTest::newRow(name) << css << expected << lines;
    };

    row("absolute existing file", "image: url(orloTheme.image.absolute);",
        QStringLiteral("image: url(%1);").arg(m_existingImage), {});
    const QString parentPath = QDir::cleanPath(appParent + QStringLiteral("share/icons/./next.png"));
    row("below the application's parent", "url(orloTheme.image.parent)", QStringLiteral("url(%1)").arg(parentPath),
        {QStringLiteral("parent\t%1 is not exist!").arg(parentPath)});
    const QString twicePath = QDir::cleanPath(appParent + QStringLiteral("a/") + appParent + QStringLiteral("b.png"));
    row("every ./../ replaced", "url(orloTheme.image.twice)", QStringLiteral("url(%1)").arg(twicePath),
        {QStringLiteral("twice\t%1 is not exist!").arg(twicePath)});
    const QString relativeMissing = QStringLiteral("relative\timages//plain.png is not exist!");
    row("relative path kept as it is", "url(orloTheme.image.relative)", "url(images//plain.png)", {relativeMissing});
    row("missing key", "url(orloTheme.image.nokey)", "url()", {QStringLiteral("nokey\t is not exist!")});
    row("missing file named twice: one notice each", "a:url(orloTheme.image.relative);b:url(orloTheme.image.relative)",
        "a:url(images//plain.png);b:url(images//plain.png)", {relativeMissing, relativeMissing});
    row("two tokens", "a:orloTheme.image.absolute;b:orloTheme.image.absolute",
        QStringLiteral("a:%1;b:%1").arg(m_existingImage), {});
    row("no key", "url(orloTheme.image.)", "url(orloTheme.image.)", {});
    row("escaped dots", "url(orloTheme_image.absolute)", "url(orloTheme_image.absolute)", {});
    row("empty sheet", "", "", {});
}

void tst_Theming::replaceImages()
{
    QFETCH(QString, css);
    QFETCH(QString, expected);
    QFETCH(QStringList, debugLines);
    QCOMPARE(Theming::replaceCssImages(css), expected);
    QCOMPARE(g_debugLines, debugLines);
}

void tst_Theming::colorsThenImages()
{
    const QString sheet =
        QStringLiteral("QToolButton { color: orloTheme.color.fg; image: url(orloTheme.image.absolute); }");
    const QString result = Theming::replaceCssImages(Theming::replaceCssColors(sheet));
    QCOMPARE(result, QStringLiteral("QToolButton { color: #ffffff; image: url(%1); }").arg(m_existingImage));
}

QTEST_MAIN(tst_Theming)
#include "tst_theming.moc"
