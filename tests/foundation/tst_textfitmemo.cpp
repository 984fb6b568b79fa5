#include "common/testsupport.h"

#include <vireowidgets/foundation/textfitmemo.h>

#include <QFontMetrics>
#include <QtTest>

using namespace Vireo::Widgets::Internal;

class tst_TextFitMemo : public QObject
{
    Q_OBJECT

private slots:
    void remembersTwoAndForgetsTheOldest();
    void everyKeyPartCounts();
    void elision_data();
    void elision();
};

namespace {

// A memo whose fitting function records what it was asked for.
struct Probe
{
    TextFitMemo memo;
    QStringList computed;

    QString fit(const QFont& font, const QString& text, int width)
    {
        return memo.fitted(font, text, width, [&] {
            computed.append(text);
            return QStringLiteral("%1@%2").arg(text).arg(width);
        });
    }
};

} // namespace

void tst_TextFitMemo::remembersTwoAndForgetsTheOldest()
{
    const QFont font;
    Probe probe;
    // A button that sets a short form and then its own text, update after update.
    for (int update = 0; update < 3; ++update) {
        QCOMPARE(probe.fit(font, QStringLiteral("Front"), 100), QStringLiteral("Front@100"));
        QCOMPARE(probe.fit(font, QStringLiteral("Front-PGM"), 100), QStringLiteral("Front-PGM@100"));
    }
    QCOMPARE(probe.computed, (QStringList {QStringLiteral("Front"), QStringLiteral("Front-PGM")}));

    // A third text replaces the one used least recently (Front), not the one just used.
    probe.computed.clear();
    probe.fit(font, QStringLiteral("Rear"), 100);
    probe.fit(font, QStringLiteral("Front-PGM"), 100);
    probe.fit(font, QStringLiteral("Rear"), 100);
    QCOMPARE(probe.computed, QStringList {QStringLiteral("Rear")});
    probe.fit(font, QStringLiteral("Front"), 100);
    QCOMPARE(probe.computed, (QStringList {QStringLiteral("Rear"), QStringLiteral("Front")}));
}

void tst_TextFitMemo::everyKeyPartCounts()
{
    QFont font;
    Probe probe;
    const QString text = QStringLiteral("Camera 1");
    probe.fit(font, text, 100);
    QCOMPARE(probe.fit(font, text, 90), QStringLiteral("Camera 1@90"));
    QCOMPARE(probe.computed.size(), 2);
    font.setPointSize(font.pointSize() + 4);
    probe.fit(font, text, 90);
    QCOMPARE(probe.computed.size(), 3);
    probe.fit(font, QStringLiteral("Camera 2"), 90);
    QCOMPARE(probe.computed.size(), 4);
}

void tst_TextFitMemo::elision_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("extra"); // the width given, relative to the text's own width
    QTest::addColumn<bool>("whole");
    QTest::newRow("wider than the text") << "Camera 12" << 5 << true;
    QTest::newRow("exactly the text's width") << "Camera 12" << 0 << false;
    QTest::newRow("narrower") << "The main LED wall over the stage" << -60 << false;
}

void tst_TextFitMemo::elision()
{
    QFETCH(QString, text);
    QFETCH(int, extra);
    QFETCH(bool, whole);
    const QFont font;
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text) + extra;
    const QString shown = elidedToWidth(font, text, width);
    if (whole) {
        QCOMPARE(shown, text);
    } else {
        // At exactly its own width a text already takes the eliding path.
        QCOMPARE(shown, metrics.elidedText(text, Qt::ElideRight, width));
        QVERIFY(extra == 0 || shown != text);
        QVERIFY(metrics.horizontalAdvance(shown) <= width);
    }
}

QTEST_MAIN(tst_TextFitMemo)
#include "tst_textfitmemo.moc"
