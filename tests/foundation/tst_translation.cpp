#include "common/testsupport.h"

#include <vireowidgets/controls/waitingdialog.h>
#include <vireowidgets/edid/edidsupplementadvanced.h>
#include <vireowidgets/edid/polaritywidget.h>
#include <vireowidgets/edid/resolutionwidget.h>
#include <vireowidgets/foundation/translation.h>
#include <vireowidgets/media/galleryflowcontainerframe.h>
#include <vireowidgets/picture/hdrwidget.h>
#include <vireowidgets/picture/supplememtcolorwidget.h>
#include <vireowidgets/picture/testpictureframes.h>
#include <vireowidgets/userkeys/userkeyframe.h>

#include <QAbstractButton>
#include <QDomDocument>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <memory>

using namespace Vireo::Widgets;

namespace {

using PanelFactory = std::function<QWidget*()>;

// The shipped catalogue, read from the source tree.
QDomDocument shippedCatalogue()
{
    QDomDocument document;
    QFile file(QFINDTESTDATA("../../translations/vireowidgets_zh_CN.ts"));
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file);
    return document;
}

// The placeholders of a text (%1, %2, ...), sorted: a translation may reorder them, never drop
// or invent one.
QStringList placeholders(const QString& text)
{
    QStringList found;
    auto it = QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

bool hasHan(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x3400 && c.unicode() <= 0x9FFF)
            return true;
    }
    return false;
}

} // namespace

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

    // Every message of the shipped catalogue is translated, keeps its placeholders and line
    // breaks, and is the one the library serves once the catalogue is installed (the compiled
    // catalogue in the library is current).
    void catalogueComplete_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<bool>("finished");
        const QDomDocument document = shippedCatalogue();
        QVERIFY2(!document.isNull(), "the catalogue in the source tree cannot be read");
        int rows = 0;
        for (QDomElement context = document.documentElement().firstChildElement(QStringLiteral("context"));
             !context.isNull(); context = context.nextSiblingElement(QStringLiteral("context"))) {
            const QString name = context.firstChildElement(QStringLiteral("name")).text();
            for (QDomElement message = context.firstChildElement(QStringLiteral("message")); !message.isNull();
                 message = message.nextSiblingElement(QStringLiteral("message"))) {
                const QDomElement translation = message.firstChildElement(QStringLiteral("translation"));
                const QString source = message.firstChildElement(QStringLiteral("source")).text();
                QTest::addRow("%s: %s", qPrintable(name), qPrintable(source.simplified().left(40)))
                    << name << source << translation.text()
                    << (translation.attribute(QStringLiteral("type")).isEmpty() && !translation.text().isEmpty());
                ++rows;
            }
        }
        // Every subsystem has texts; a catalogue of a few messages is a stale one.
        QVERIFY2(rows > 200, qPrintable(QStringLiteral("only %1 messages").arg(rows)));
    }
    void catalogueComplete()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(bool, finished);
        QVERIFY2(finished, "untranslated");
        QCOMPARE(placeholders(translation), placeholders(source));
        QCOMPARE(translation.count(QLatin1Char('\n')), source.count(QLatin1Char('\n')));
        QCOMPARE(translation.count(QStringLiteral("&&")), source.count(QStringLiteral("&&")));
        QVERIFY(Translation::install(QLocale(QStringLiteral("zh_CN"))));
        QCOMPARE(QCoreApplication::translate(context.toUtf8().constData(), source.toUtf8().constData()), translation);
    }

    // In Chinese, the texts of widgets that have a fixed width fit in it (labels that wrap are
    // left out). Each panel here has such widgets.
    void fixedWidthTextsFit_data()
    {
        QTest::addColumn<PanelFactory>("make");
        QTest::addRow("edid advanced") << PanelFactory([] { return new EdidSupplementAdvanced; });
        QTest::addRow("polarity") << PanelFactory([] { return new PolarityWidget; });
        QTest::addRow("resolution") << PanelFactory([] { return new ResolutionWidget; });
        QTest::addRow("gallery") << PanelFactory([] { return new GalleryFlowContainerFrame; });
        QTest::addRow("hdr") << PanelFactory([] {
            auto* hdr = new HDRWidget;
            hdr->initWidget();
            return hdr;
        });
        QTest::addRow("colour") << PanelFactory([] { return new SupplememtColorWidget; });
        QTest::addRow("test patterns") << PanelFactory([] { return new TestPictureFrames; });
        QTest::addRow("user keys") << PanelFactory([] { return new UserKeyContainerFrame; });
    }
    void fixedWidthTextsFit()
    {
        QFETCH(PanelFactory, make);
        QVERIFY(Translation::install(QLocale(QStringLiteral("zh_CN"))));
        std::unique_ptr<QWidget> panel(make());
        panel->ensurePolished();
        int checked = 0;
        for (QWidget* child : panel->findChildren<QWidget*>()) {
            if (child->minimumWidth() != child->maximumWidth() || child->maximumWidth() <= 0)
                continue;
            child->ensurePolished();
            QString text;
            int needed = 0;
            if (auto* label = qobject_cast<QLabel*>(child)) {
                if (label->wordWrap())
                    continue;
                text = label->text();
                needed = label->sizeHint().width();
            } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
                // A button made of an icon and a label of its own shows the label's text.
                // Otherwise the text, its icon and a few pixels of the frame must fit (the size
                // hint would not do: the style widens every push button to 80 pixels).
                text = button->text();
                if (text.isEmpty()) {
                    for (const QLabel* part : button->findChildren<QLabel*>())
                        text += part->text();
                    needed = button->sizeHint().width();
                } else {
                    needed = button->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&'))) + 8 +
                        (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
                }
            }
            if (!hasHan(text))
                continue;
            ++checked;
            QVERIFY2(needed <= child->maximumWidth(),
                qPrintable(QStringLiteral("\"%1\" (%2) needs %3 px of %4")
                               .arg(text, child->objectName())
                               .arg(needed)
                               .arg(child->maximumWidth())));
        }
        QVERIFY2(checked > 0, "no fixed-width widget shows a Chinese text");
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

Q_DECLARE_METATYPE(PanelFactory)

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
