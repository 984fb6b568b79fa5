#include "common/testsupport.h"

#include <vireowidgets/controls/waitingdialog.h>
#include <vireowidgets/foundation/translation.h>

#include <QPushButton>
#include <QTest>

using namespace Vireo::Widgets;

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Translation::remove(); }

    void carriesSimplifiedChinese() { QVERIFY(Translation::availableLanguages().contains(QStringLiteral("zh_CN"))); }

    void install_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("language");
        QTest::newRow("zh_CN") << "zh_CN" << true << "zh_CN";
        // A Chinese locale of another region falls back to the language's catalogue only when one
        // matches its UI languages; Taiwan's traditional script is not Simplified Chinese.
        QTest::newRow("zh_TW") << "zh_TW" << false << "";
        QTest::newRow("fr_FR") << "fr_FR" << false << "";
        QTest::newRow("en_US") << "en_US" << false << "";
    }
    void install()
    {
        QFETCH(QString, locale);
        QFETCH(bool, installed);
        QFETCH(QString, language);
        QCOMPARE(Translation::install(QLocale(locale)), installed);
        QCOMPARE(Translation::installedLanguage(), language);
        const QString cancel = QCoreApplication::translate("Vireo::Widgets::WaitingDialog", "Cancel");
        QCOMPARE(cancel != QStringLiteral("Cancel"), installed);
    }

    // A panel that is already up follows the language on the change event, and goes back to
    // English when the catalogue is removed.
    void shownPanelFollows()
    {
        WaitingDialog* dialog = WaitingDialog::instance();
        auto* cancel = dialog->findChild<QPushButton*>();
        QVERIFY(cancel);
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        QVERIFY(Translation::install(QLocale(QStringLiteral("zh_CN"))));
        QTRY_COMPARE(cancel->text(), QStringLiteral("取消"));
        Translation::remove();
        QTRY_COMPARE(cancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(Translation::installedLanguage(), QString());
        WaitingDialog::deleteInstance();
    }

    // Installing twice keeps one translator: removing it once restores English.
    void installReplaces()
    {
        QVERIFY(Translation::install(QLocale(QStringLiteral("zh_CN"))));
        QVERIFY(Translation::install(QLocale(QStringLiteral("zh_CN"))));
        Translation::remove();
        QCOMPARE(QCoreApplication::translate("Vireo::Widgets::WaitingDialog", "Cancel"), QStringLiteral("Cancel"));
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
