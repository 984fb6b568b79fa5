// The look record of the list buttons: which property changes make a button's children stale,
// and when a refresh really re-polishes them.

#include <vireowidgets/foundation/stylelookmemo.h>

#include <QEvent>
#include <QLabel>
#include <QTest>
#include <QWidget>

using Vireo::Widgets::Internal::StyleLookMemo;

namespace {

// A button-like owner: filters its two labels' events into the record.
class Owner : public QWidget
{
public:
    Owner()
    {
        first->setProperty("isName", true);
        second->setProperty("isSlot", true);
        StyleLookMemo::watch(this, labels());
    }
    QList<QWidget*> labels() const { return {first, second}; }

    QLabel* first = new QLabel(this);
    QLabel* second = new QLabel(this);
    StyleLookMemo look;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        look.noteEvent(watched, event);
        return QWidget::eventFilter(watched, event);
    }
};

// Counts the palette changes of a label: a re-polish under a style sheet resets and sets it again.
class PaletteCounter : public QObject
{
public:
    explicit PaletteCounter(QWidget* watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class tst_StyleLookMemo : public QObject
{
    Q_OBJECT
private slots:
    void fingerprintFollowsTheLook_data();
    void fingerprintFollowsTheLook();
    void refreshOnlyWhenTheLookChanged_data();
    void refreshOnlyWhenTheLookChanged();
};

void tst_StyleLookMemo::fingerprintFollowsTheLook_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("onSecond");
    QTest::addColumn<bool>("differs");

    QTest::newRow("same value again") << QByteArray("isName") << QVariant(true) << false << false;
    QTest::newRow("value changed") << QByteArray("isName") << QVariant(false) << false << true;
    QTest::newRow("string value changed") << QByteArray("isSignalStatus") << QVariant("signal") << false << true;
    QTest::newRow("new property") << QByteArray("isChecked") << QVariant(false) << false << true;
    QTest::newRow("property of the other label") << QByteArray("isName") << QVariant(true) << true << true;
    QTest::newRow("Qt's own record") << QByteArray("_q_stylesheet_minw") << QVariant(12) << false << false;
}

void tst_StyleLookMemo::fingerprintFollowsTheLook()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QFETCH(bool, onSecond);
    QFETCH(bool, differs);

    Owner owner;
    const quint64 before = StyleLookMemo::fingerprint(owner.labels());
    (onSecond ? owner.second : owner.first)->setProperty(property.constData(), value);
    QCOMPARE(StyleLookMemo::fingerprint(owner.labels()) != before, differs);
}

void tst_StyleLookMemo::refreshOnlyWhenTheLookChanged_data()
{
    QTest::addColumn<QVariantList>("values"); // "isSlot" of the second label, set in turn
    QTest::addColumn<bool>("stale");
    QTest::addColumn<bool>("repolished");
    QTest::addColumn<QString>("colour");

    QTest::newRow("nothing set") << QVariantList {} << false << false << "#ff0000";
    QTest::newRow("set to what it is") << QVariantList {true} << false << false << "#ff0000";
    QTest::newRow("changed") << QVariantList {false} << true << true << "#00ff00";
    QTest::newRow("changed and set back") << QVariantList {false, true} << true << false << "#ff0000";
}

void tst_StyleLookMemo::refreshOnlyWhenTheLookChanged()
{
    QFETCH(QVariantList, values);
    QFETCH(bool, stale);
    QFETCH(bool, repolished);
    QFETCH(QString, colour);

    Owner owner;
    owner.setStyleSheet(QStringLiteral("QLabel[isSlot=\"true\"] { color: #ff0000; }"
                                       "QLabel[isSlot=\"false\"] { color: #00ff00; }"));
    // Properties set before the children's first polish are what that polish shows: nothing is
    // stale, and a refresh does nothing.
    owner.second->setProperty("isSlot", false);
    owner.second->setProperty("isSlot", true);
    owner.show();
    QVERIFY(!owner.look.isStale());
    QVERIFY(!owner.look.repolishIfChanged(owner.labels()));
    QCOMPARE(owner.second->palette().color(QPalette::WindowText).name(), QStringLiteral("#ff0000"));
    owner.look.repolish(owner.labels()); // records the look shown

    PaletteCounter palettes(owner.second);
    for (const QVariant& value : values)
        owner.second->setProperty("isSlot", value);
    QCOMPARE(owner.look.isStale(), stale);
    QCOMPARE(owner.look.repolishIfChanged(owner.labels()), repolished);
    QVERIFY(!owner.look.isStale());
    QCOMPARE(owner.second->palette().color(QPalette::WindowText).name(), colour);
    if (!repolished)
        QCOMPARE(palettes.count, 0);
}

QTEST_MAIN(tst_StyleLookMemo)
#include "tst_stylelookmemo.moc"
