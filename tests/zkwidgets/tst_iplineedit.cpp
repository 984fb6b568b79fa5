#include "common/testsupport.h"

#include <zkwidgets/iplineedit.h>

#include <QtTest>

using ZK::Widgets::IPLineEdit;

class tst_IPLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void setTextAcceptsAddresses_data();
    void setTextAcceptsAddresses();
    void wholeTextIsTheAddress_data();
    void wholeTextIsTheAddress();
    void setTextRefusesOthers_data();
    void setTextRefusesOthers();
    void clearEmpties();
    void typingIsLimited_data();
    void typingIsLimited();
};

void tst_IPLineEdit::setTextAcceptsAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("private") << QStringLiteral("192.168.0.10") << QStringLiteral("192.168.0.10");
    QTest::newRow("zeros") << QStringLiteral("0.0.0.0") << QStringLiteral("0.0.0.0");
    QTest::newRow("broadcast") << QStringLiteral("255.255.255.255") << QStringLiteral("255.255.255.255");
    QTest::newRow("surrounding blanks") << QStringLiteral(" 10.1.2.3 ") << QStringLiteral("10.1.2.3");
    QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("");
}

void tst_IPLineEdit::setTextAcceptsAddresses()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    IPLineEdit edit;
    edit.setText(QStringLiteral("1.1.1.1"));
    QVERIFY(edit.setText(text));
    QCOMPARE(edit.text(), expected);
    QCOMPARE(edit.isValidAddress(), !expected.isEmpty());
}

void tst_IPLineEdit::wholeTextIsTheAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("final newline") << "8.2.8.0\n";
    QTest::newRow("final carriage return and newline") << "8.2.8.0\r\n";
    QTest::newRow("leading newline") << "\n8.2.8.0";
    QTest::newRow("newline inside") << "8.2.8\n.0";
    QTest::newRow("final space") << "8.2.8.0 ";
    QTest::newRow("final nul") << QStringLiteral("8.2.8.0") + QChar(0);
}

// Nothing may follow or precede the address, not even a line end.
void tst_IPLineEdit::wholeTextIsTheAddress()
{
    QFETCH(QString, text);
    QVERIFY(!IPLineEdit::isValidAddress(text));
    QVERIFY(IPLineEdit::isValidAddress(text.trimmed().remove(QChar(0)).remove(QLatin1Char('\n'))));
}

void tst_IPLineEdit::setTextRefusesOthers_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("octet too large") << "192.168.0.256";
    QTest::newRow("three parts") << "192.168.0";
    QTest::newRow("five parts") << "1.2.3.4.5";
    QTest::newRow("letters") << "abc.def.ghi.jkl";
    QTest::newRow("leading zero") << "192.168.01.1";
    QTest::newRow("negative") << "-1.2.3.4";
    QTest::newRow("host name") << "device.local";
}

void tst_IPLineEdit::setTextRefusesOthers()
{
    QFETCH(QString, text);
    IPLineEdit edit;
    QVERIFY(edit.setText(QStringLiteral("10.0.0.1")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^IPLineEdit: refused a text")));
    QVERIFY(!edit.setText(text));
    QCOMPARE(edit.text(), QStringLiteral("10.0.0.1"));
    QVERIFY(!IPLineEdit::isValidAddress(text));
}

void tst_IPLineEdit::clearEmpties()
{
    IPLineEdit edit;
    edit.setText(QStringLiteral("172.16.5.4"));
    edit.clear();
    QCOMPARE(edit.text(), QString());
    QVERIFY(!edit.isValidAddress());
}

void tst_IPLineEdit::typingIsLimited_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("complete");
    QTest::newRow("address") << QStringLiteral("192.168.1.20") << QStringLiteral("192.168.1.20") << true;
    QTest::newRow("octet over 255 refused") << QStringLiteral("256") << QStringLiteral("25") << false;
    QTest::newRow("letters refused") << QStringLiteral("1a.2b") << QStringLiteral("1.2") << false;
    QTest::newRow("too many dots") << QStringLiteral("1.2.3.4.5") << QStringLiteral("1.2.3.45") << true;
}

void tst_IPLineEdit::typingIsLimited()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(bool, complete);
    IPLineEdit edit;
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), expected);
    QCOMPARE(edit.hasAcceptableInput(), complete);
}

QTEST_MAIN(tst_IPLineEdit)
#include "tst_iplineedit.moc"
