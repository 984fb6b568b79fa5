#include "common/testsupport.h"

#include <vireowidgets/controls/fixedbitlineeditex.h>

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QRegExpValidator>
#include <QSignalSpy>
#include <QTest>

using namespace Vireo::Widgets;

namespace {

// Types text one character at a time as a keyboard (or an input method handing over one
// character per key) would, including characters outside the Basic Multilingual Plane.
void typeText(QWidget* widget, const QString& text)
{
    const QVector<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints) {
        const QString character = QString::fromUcs4(&cp, 1);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, character, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, character, Qt::NoModifier);
    }
}

// Commits a composed string the way a CJK input method does.
void commitComposition(QWidget* widget, const QString& text)
{
    QInputMethodEvent preedit(text, {});
    QApplication::sendEvent(widget, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(widget, &commit);
}

struct Host
{
    QWidget window;
    FixedBitLineEditEx* edit = nullptr;
    QLineEdit* elsewhere = nullptr;

    Host()
    {
        auto* layout = new QHBoxLayout(&window);
        edit = new FixedBitLineEditEx(&window);
        elsewhere = new QLineEdit(&window);
        layout->addWidget(edit);
        layout->addWidget(elsewhere);
    }

    bool show()
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        edit->setFocus(Qt::MouseFocusReason);
        return edit->hasFocus();
    }
};

const QString Ideograph = QStringLiteral("\u4e2d");
const QString Emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // U+1F600, a surrogate pair in UTF-16

} // namespace

class TestFixedBitLineEditEx : public QObject
{
    Q_OBJECT

private slots:
    void construction();
    void weightedCut_data();
    void weightedCut();
    void typedTextIsKept_data();
    void typedTextIsKept();
    void inputMethodCommitIsCut();
    void cutKeepsCursor();
    void neverSplitsSurrogatePairs();
    void pasteOutsideTheSetIsRefused();
    void returnReportsTrimmedOnce();
    void focusLossReportsAlsoUnacceptableText();
    void slotTextEndTrimsAndReports();
    void firstClickSelectsAll();
    void setMaxBitLength_data();
    void setMaxBitLength();
    void setStyleSwitchesSelector();
};

void TestFixedBitLineEditEx::construction()
{
    FixedBitLineEditEx edit;
    QCOMPARE(edit.getMaxBitLength(), 15);
    QCOMPARE(edit.maxLength(), 15);
    QCOMPARE(edit.property("isFixedBitLineEditEx").toString(), QStringLiteral("old"));
    const auto* validator = qobject_cast<const QRegExpValidator*>(edit.validator());
    QVERIFY(validator);
    QCOMPARE(validator->regExp().pattern(), QStringLiteral("[0-9a-zA-Z\\s_\\-\\x4e00-\\x9fa5]+"));
    int at = 0;
    for (QString text : {QStringLiteral("PGM_main-wall 1"), QStringLiteral("\u6f14\u64ad\u5ba4\u3000A")}) {
        QCOMPARE(validator->validate(text, at), QValidator::Acceptable);
    }
    for (QString text : {QStringLiteral("a.b"), QStringLiteral("caf\u00e9"), QStringLiteral("\u30ab")}) {
        QCOMPARE(validator->validate(text, at), QValidator::Invalid);
    }
}

void TestFixedBitLineEditEx::weightedCut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("kept");

    QTest::newRow("fits") << QStringLiteral("abc") << 15 << QStringLiteral("abc");
    QTest::newRow("ascii over") << QStringLiteral("abcdefghijklmnop") << 15 << QStringLiteral("abcdefghijklmno");
    QTest::newRow("ideographs") << QString(Ideograph).repeated(8) << 15 << QString(Ideograph).repeated(7);
    QTest::newRow("mixed stops before a 2") << QStringLiteral("a") + QString(Ideograph).repeated(8) << 15
                                            << QStringLiteral("a") + QString(Ideograph).repeated(7);
    QTest::newRow("accented counts 2") << QStringLiteral("\u00e9\u00e9\u00e9") << 5 << QStringLiteral("\u00e9\u00e9");
    QTest::newRow("emoji whole") << QStringLiteral("ab") + Emoji << 4 << QStringLiteral("ab") + Emoji;
    QTest::newRow("emoji dropped whole") << QStringLiteral("abc") + Emoji << 4 << QStringLiteral("abc");
    QTest::newRow("lone surrogate") << QStringLiteral("a") + Emoji.left(1) << 15 << QStringLiteral("a") + Emoji.left(1);
    QTest::newRow("empty") << QString() << 15 << QString();
}

void TestFixedBitLineEditEx::weightedCut()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(QString, kept);

    QCOMPARE(FixedBitLineEditEx::cutToWeight(text, limit), kept);

    FixedBitLineEditEx edit;
    edit.setMaxBitLength(limit);
    edit.setEditText(text);
    QCOMPARE(edit.text(), kept);
    QCOMPARE(edit.cursorPosition(), kept.size());
    QVERIFY(FixedBitLineEditEx::weightedLength(edit.text()) <= limit);
}

void TestFixedBitLineEditEx::typedTextIsKept_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("sixteen letters") << QStringLiteral("abcdefghijklmnop") << QStringLiteral("abcdefghijklmno");
    QTest::newRow("eight ideographs") << QString(Ideograph).repeated(8) << QString(Ideograph).repeated(7);
    QTest::newRow("names with spaces") << QStringLiteral("cam 1_a-b") << QStringLiteral("cam 1_a-b");
    QTest::newRow("ideographs then letter") << QString(Ideograph).repeated(7) + QStringLiteral("xy")
                                            << QString(Ideograph).repeated(7) + QStringLiteral("x");
    // Characters outside the set are refused one by one; the rest is kept.
    QTest::newRow("punctuation") << QStringLiteral("a.b!c") << QStringLiteral("abc");
    QTest::newRow("emoji") << QStringLiteral("a") + Emoji + QStringLiteral("b") << QStringLiteral("ab");
    QTest::newRow("hiragana") << QStringLiteral("x\u3042y") << QStringLiteral("xy");
    QTest::newRow("edge ideographs") << QStringLiteral("\u4e00\u9fa5\u9fa6") << QStringLiteral("\u4e00\u9fa5");
    QTest::newRow("slash") << QStringLiteral("a/b\\c") << QStringLiteral("abc");
}

void TestFixedBitLineEditEx::typedTextIsKept()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    Host host;
    QVERIFY(host.show());
    QSignalSpy edited(host.edit, &QLineEdit::textEdited);
    typeText(host.edit, typed);
    QCOMPARE(host.edit->text(), kept);
    QVERIFY(!edited.isEmpty());
}

void TestFixedBitLineEditEx::inputMethodCommitIsCut()
{
    Host host;
    QVERIFY(host.show());
    typeText(host.edit, QStringLiteral("ab"));
    // "ab" (2) + seven ideographs (14) would be 16.
    commitComposition(host.edit, QString(Ideograph).repeated(7));
    QCOMPARE(host.edit->text(), QStringLiteral("ab") + QString(Ideograph).repeated(6));
}

void TestFixedBitLineEditEx::cutKeepsCursor()
{
    Host host;
    QVERIFY(host.show());
    typeText(host.edit, QStringLiteral("abcdefghijklmn")); // 14
    host.edit->setCursorPosition(2);
    typeText(host.edit, Ideograph); // would make 16: the tail is cut, the cursor stays after the insert
    QCOMPARE(host.edit->text(), QStringLiteral("ab") + Ideograph + QStringLiteral("cdefghijklm"));
    QCOMPARE(host.edit->cursorPosition(), 3);
}

void TestFixedBitLineEditEx::neverSplitsSurrogatePairs()
{
    FixedBitLineEditEx edit;
    for (int limit = 1; limit <= 8; ++limit) {
        edit.setMaxBitLength(limit);
        edit.setEditText(Emoji + QStringLiteral("a") + Emoji + Emoji + QStringLiteral("bc"));
        const QString text = edit.text();
        QVERIFY2(text.isEmpty() || !text.back().isHighSurrogate(), qPrintable(QString::number(limit)));
        for (int i = 0; i < text.size(); ++i) {
            if (text.at(i).isHighSurrogate())
                QVERIFY(i + 1 < text.size() && text.at(i + 1).isLowSurrogate());
        }
        QVERIFY(FixedBitLineEditEx::weightedLength(text) <= limit);
    }
    edit.setMaxBitLength(3);
    edit.setEditText(Emoji + Emoji);
    QCOMPARE(edit.text(), Emoji);
}

void TestFixedBitLineEditEx::pasteOutsideTheSetIsRefused()
{
    Host host;
    QVERIFY(host.show());
    typeText(host.edit, QStringLiteral("cam"));
    const QPair<QString, QString> pastes[] = {{QStringLiteral("<script>"), QStringLiteral("cam")},
        {QStringLiteral(" 2") + Emoji, QStringLiteral("cam")},
        {QStringLiteral("_\u4e2d\u6587"), QStringLiteral("cam_\u4e2d\u6587")}};
    for (const auto& [pasted, kept] : pastes) {
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(host.edit, Qt::Key_V, Qt::ControlModifier);
        QVERIFY2(host.edit->text() == kept, qPrintable(pasted));
    }
}

void TestFixedBitLineEditEx::returnReportsTrimmedOnce()
{
    QStringList reported; // outlives the edit, which reports once more when its window goes
    Host host;
    QVERIFY(host.show());
    connect(host.edit, &QLineEdit::editingFinished, host.edit, [&] { reported << host.edit->text(); });

    typeText(host.edit, QStringLiteral("  name  "));
    QTest::keyClick(host.edit, Qt::Key_Return);
    QCOMPARE(reported, QStringList {QStringLiteral("name")});
    QCOMPARE(host.edit->text(), QStringLiteral("name"));

    // Enter on the keypad too; an already trimmed text is left as it is.
    QTest::keyClick(host.edit, Qt::Key_Enter);
    QCOMPARE(reported.size(), 2);
    QCOMPARE(reported.last(), QStringLiteral("name"));

    // Empty text is not acceptable to the validator: still reported.
    host.edit->clear();
    QTest::keyClick(host.edit, Qt::Key_Return);
    QCOMPARE(reported.size(), 3);
    QCOMPARE(reported.last(), QString());
}

void TestFixedBitLineEditEx::focusLossReportsAlsoUnacceptableText()
{
    Host host;
    QVERIFY(host.show());
    QSignalSpy finished(host.edit, &QLineEdit::editingFinished);

    host.elsewhere->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(host.edit->text(), QString());

    // Acceptable text is reported as it stands, surrounding spaces and all.
    host.edit->setFocus(Qt::TabFocusReason);
    typeText(host.edit, QStringLiteral(" studio "));
    host.elsewhere->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(host.edit->text(), QStringLiteral(" studio "));
}

void TestFixedBitLineEditEx::slotTextEndTrimsAndReports()
{
    FixedBitLineEditEx edit;
    edit.setEditText(QStringLiteral("\tpvw 2 "));
    QSignalSpy finished(&edit, &QLineEdit::editingFinished);
    edit.slot_TextEnd();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(edit.text(), QStringLiteral("pvw 2"));
}

void TestFixedBitLineEditEx::firstClickSelectsAll()
{
    Host host;
    host.edit->setEditText(QStringLiteral("camera"));
    QVERIFY(host.show());
    host.elsewhere->setFocus(Qt::TabFocusReason);

    const QPoint inside(host.edit->width() / 2, host.edit->height() / 2);
    QTest::mouseClick(host.edit, Qt::LeftButton, Qt::NoModifier, inside);
    QTRY_COMPARE(host.edit->selectedText(), QStringLiteral("camera"));
    QVERIFY(host.edit->hasFocus());

    // The second click places the cursor instead.
    QTest::mouseClick(host.edit, Qt::LeftButton, Qt::NoModifier, QPoint(2, inside.y()));
    QApplication::processEvents();
    QCOMPARE(host.edit->selectedText(), QString());
    QCOMPARE(host.edit->cursorPosition(), 0);

    // Leaving clears the selection and arms select-all again.
    host.edit->selectAll();
    host.elsewhere->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!host.edit->hasSelectedText());
    QTest::mouseClick(host.edit, Qt::LeftButton, Qt::NoModifier, inside);
    QTRY_COMPARE(host.edit->selectedText(), QStringLiteral("camera"));
}

void TestFixedBitLineEditEx::setMaxBitLength_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("limit");
    QTest::newRow("zero") << 0 << 15;
    QTest::newRow("negative") << -4 << 15;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("thirty-two") << 32 << 32;
}

void TestFixedBitLineEditEx::setMaxBitLength()
{
    QFETCH(int, requested);
    QFETCH(int, limit);
    FixedBitLineEditEx edit;
    edit.setMaxBitLength(requested);
    QCOMPARE(edit.getMaxBitLength(), limit);
    QCOMPARE(edit.maxLength(), 15);
}

void TestFixedBitLineEditEx::setStyleSwitchesSelector()
{
    FixedBitLineEditEx edit;
    edit.setStyleSheet(QStringLiteral("QLineEdit[isFixedBitLineEditEx=\"new\"] { color: rgb(1, 2, 3); }"));
    edit.ensurePolished();
    QVERIFY(edit.palette().color(QPalette::Text) != QColor(1, 2, 3));
    edit.setStyle();
    QCOMPARE(edit.property("isFixedBitLineEditEx").toString(), QStringLiteral("new"));
    QCOMPARE(edit.palette().color(QPalette::Text), QColor(1, 2, 3));
}

QTEST_MAIN(TestFixedBitLineEditEx)
#include "tst_fixedbitlineeditex.moc"
