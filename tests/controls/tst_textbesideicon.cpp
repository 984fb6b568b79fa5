#include "common/testsupport.h"

#include <vireowidgets/controls/textbesideicon.h>

#include <QBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace Vireo::Widgets;

namespace {

QToolButton* iconPart(TextBesideIcon* button)
{
    return Vireo::Test::childWith<QToolButton>(button, "isSaveIcon");
}

QPixmap swatch(const QColor& color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return pixmap;
}

} // namespace

class TestTextBesideIcon : public QObject
{
    Q_OBJECT

private slots:
    void layoutByOrientation_data();
    void layoutByOrientation();
    void clickClicksOnce_data();
    void clickClicksOnce();
    void checkableTogether();
    void iconSizeFixesIconButton();
    void onlyHCenterAligns_data();
    void onlyHCenterAligns();
    void hostData();
};

void TestTextBesideIcon::layoutByOrientation_data()
{
    QTest::addColumn<int>("orientation");
    QTest::newRow("horizontal") << int(Qt::Horizontal);
    QTest::newRow("vertical") << int(Qt::Vertical);
}

void TestTextBesideIcon::layoutByOrientation()
{
    QFETCH(int, orientation);
    TextBesideIcon button(nullptr, Qt::Orientation(orientation));
    button.setText(QStringLiteral("Save"));
    button.setIcon(QIcon(swatch(Qt::green)));
    button.setIconSize(QSize(24, 24));
    button.resize(button.sizeHint().expandedTo(QSize(160, 90)));
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));

    QToolButton* icon = iconPart(&button);
    auto* text = button.findChild<QLabel*>();
    QVERIFY(icon && text);
    QCOMPARE(text->text(), QStringLiteral("Save"));
    QCOMPARE(text->alignment(), Qt::AlignCenter);
    QCOMPARE(button.orientation(), Qt::Orientation(orientation));
    if (orientation == Qt::Horizontal) {
        QVERIFY(icon->geometry().right() <= text->geometry().left());
    } else {
        QVERIFY(icon->geometry().bottom() <= text->geometry().top());
        QVERIFY(qAbs(icon->geometry().center().x() - button.rect().center().x()) <= 1);
    }
    // Text is set on the label, never painted by the tool button itself.
    QCOMPARE(button.QToolButton::text(), QString());
}

void TestTextBesideIcon::clickClicksOnce_data()
{
    QTest::addColumn<bool>("onIcon");
    QTest::newRow("on the icon") << true;
    // The label takes no clicks: the press reaches the button underneath.
    QTest::newRow("on the text") << false;
}

void TestTextBesideIcon::clickClicksOnce()
{
    QFETCH(bool, onIcon);
    TextBesideIcon button(nullptr, Qt::Horizontal);
    button.setText(QStringLiteral("Clear"));
    button.setIconSize(QSize(20, 20));
    button.resize(140, 40);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy clicked(&button, &QAbstractButton::clicked);

    QToolButton* icon = iconPart(&button);
    if (onIcon)
        QTest::mouseClick(icon, Qt::LeftButton, Qt::NoModifier, icon->rect().center());
    else
        QTest::mouseClick(button.findChild<QLabel*>(), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

void TestTextBesideIcon::checkableTogether()
{
    TextBesideIcon button;
    button.setWidgetCheckable(true);
    QVERIFY(button.isCheckable());
    QVERIFY(iconPart(&button)->isCheckable());
    button.resize(120, 40);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy toggled(&button, &QAbstractButton::toggled);
    QTest::mouseClick(iconPart(&button), Qt::LeftButton);
    QVERIFY(button.isChecked());
    QCOMPARE(toggled.count(), 1);

    button.setWidgetCheckable(false);
    QVERIFY(!button.isCheckable());
    QVERIFY(!iconPart(&button)->isCheckable());
}

void TestTextBesideIcon::iconSizeFixesIconButton()
{
    TextBesideIcon button;
    button.setIconSize(QSize(24, 24));
    QToolButton* icon = iconPart(&button);
    QCOMPARE(icon->iconSize(), QSize(24, 24));
    QCOMPARE(icon->minimumSize(), QSize(24, 24));
    QCOMPARE(icon->maximumSize(), QSize(24, 24));
    QCOMPARE(icon->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(icon->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
}

void TestTextBesideIcon::onlyHCenterAligns_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("centred");
    QTest::newRow("left") << int(Qt::AlignLeft) << false;
    QTest::newRow("right") << int(Qt::AlignRight) << false;
    QTest::newRow("center (both ways)") << int(Qt::AlignCenter) << false;
    QTest::newRow("hcenter") << int(Qt::AlignHCenter) << true;
}

void TestTextBesideIcon::onlyHCenterAligns()
{
    QFETCH(int, alignment);
    QFETCH(bool, centred);

    TextBesideIcon button(nullptr, Qt::Horizontal);
    button.setText(QStringLiteral("OK"));
    button.setIconSize(QSize(16, 16));
    auto* text = button.findChild<QLabel*>();
    auto* layout = qobject_cast<QBoxLayout*>(button.layout());
    const int itemsBefore = layout->count();
    button.setIconTextAlignment(Qt::Alignment(alignment));
    QCOMPARE(layout->count(), itemsBefore + (centred ? 2 : 0));

    button.resize(300, 40);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QToolButton* icon = iconPart(&button);
    const int left = icon->geometry().left();
    const int right = button.width() - text->geometry().right() - 1;
    if (centred)
        QVERIFY2(qAbs(left - right) <= 1, qPrintable(QStringLiteral("%1 vs %2").arg(left).arg(right)));
    else
        QCOMPARE(left, 0);
}

void TestTextBesideIcon::hostData()
{
    TextBesideIcon button;
    QVERIFY(!button.hasMenu());
    QVERIFY(!button.buttonData().isValid());
    button.setHasMenu(true);
    button.setButtonData(QVariant(7));
    QVERIFY(button.hasMenu());
    QCOMPARE(button.buttonData().toInt(), 7);

    QVERIFY(button.icons().isEmpty());
    button.setIcons({{TextBesideIcon::Normal, QIcon(swatch(Qt::white))}, {TextBesideIcon::Hover, QIcon()}});
    QCOMPARE(button.icons().size(), 2);
    QCOMPARE(button.icons().at(1).first, TextBesideIcon::Hover);

    button.setMainSpacing(5);
    button.setMainContentsMargins(1, 2, 3, 4);
    QCOMPARE(button.layout()->spacing(), 5);
    QCOMPARE(button.layout()->contentsMargins(), QMargins(1, 2, 3, 4));
    button.setMainContentsMargins(QMargins(6, 6, 6, 6));
    QCOMPARE(button.layout()->contentsMargins(), QMargins(6, 6, 6, 6));
}

QTEST_MAIN(TestTextBesideIcon)
#include "tst_textbesideicon.moc"
