#include "common/testsupport.h"

#include <zkwidgets/filereader.h>
#include <zkwidgets/id.h>
#include <zkwidgets/vesa.h>
#include <zkwidgets/zkwidgets.h>

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <type_traits>

using ZK::Utils::FileReader;
using ZK::Utils::Id;

class tst_KitTypes : public QObject
{
    Q_OBJECT

private slots:
    void idIsATextValue();
    void idTravelsInVariantsAndHashes();
    void fetchQrcReadsResource_data();
    void fetchQrcReadsResource();
    void fetchQrcMissing_data();
    void fetchQrcMissing();
    void fetchQrcEmptyFileIsNotNull();
    void vesaRecordsAreZeroInitialised();
    void vesaRecordsAreCopyable();
    void vesaFieldTypes();
    void vesaMetaTypeByName();
};

void tst_KitTypes::idIsATextValue()
{
    const Id invalid;
    QVERIFY(!invalid.isValid());
    const Id screens("Vireo.Page.Screens");
    QVERIFY(screens.isValid());
    QCOMPARE(screens.toString(), QStringLiteral("Vireo.Page.Screens"));
    QCOMPARE(screens.name(), QByteArray("Vireo.Page.Screens"));

    Id copy = screens;
    QVERIFY(copy == screens);
    QVERIFY(!(copy != screens));
    QVERIFY(copy == Id::fromString(QStringLiteral("Vireo.Page.Screens")));
    QVERIFY(copy != Id("Vireo.Page.Inputs"));
    QVERIFY(Id("a") < Id("b"));
    QCOMPARE(Id("Page").withSuffix(3), Id("Page3"));
    QCOMPARE(Id("Page").withSuffix(QStringLiteral(".Edid")), Id("Page.Edid"));
    copy = Id("other");
    QCOMPARE(screens.toString(), QStringLiteral("Vireo.Page.Screens"));
}

void tst_KitTypes::idTravelsInVariantsAndHashes()
{
    const Id id("Vireo.Page.UserKeys");
    const QVariant variant = QVariant::fromValue(id);
    QVERIFY(variant.canConvert<Id>());
    QCOMPARE(variant.value<Id>(), id);
    QVERIFY(QMetaType::type("ZK::Utils::Id") != QMetaType::UnknownType);

    QSet<Id> ids {Id("a"), Id("b"), Id("a")};
    QCOMPARE(ids.size(), 2);
    QVERIFY(ids.contains(Id("b")));
}

void tst_KitTypes::fetchQrcReadsResource_data()
{
    QTest::addColumn<QString>("path");
    // A resource that Qt Widgets itself carries.
    QTest::newRow("colon path") << ":/qt-project.org/styles/commonstyle/images/up-16.png";
    QTest::newRow("qrc url") << "qrc:/qt-project.org/styles/commonstyle/images/up-16.png";
}

void tst_KitTypes::fetchQrcReadsResource()
{
    QFETCH(QString, path);
    QFile file(QStringLiteral(":/qt-project.org/styles/commonstyle/images/up-16.png"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray expected = file.readAll();

    const QByteArray bytes = FileReader::fetchQrc(path);
    QVERIFY(!bytes.isNull());
    QVERIFY(bytes.startsWith("\x89PNG"));
    QCOMPARE(bytes, expected);
}

void tst_KitTypes::fetchQrcMissing_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing resource") << ":/darkstyle/navisliderframe.css";
    QTest::newRow("empty path") << "";
    QTest::newRow("resource folder") << ":/qt-project.org";
}

void tst_KitTypes::fetchQrcMissing()
{
    QFETCH(QString, path);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^FileReader::fetchQrc: ")));
    const QByteArray bytes = FileReader::fetchQrc(path);
    QVERIFY(bytes.isNull());
}

void tst_KitTypes::fetchQrcEmptyFileIsNotNull()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("empty.css"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QByteArray bytes = FileReader::fetchQrc(path);
    QVERIFY(!bytes.isNull());
    QVERIFY(bytes.isEmpty());
}

void tst_KitTypes::vesaRecordsAreZeroInitialised()
{
    const ZK::VESA::s_DMTSchemaData record;
    for (const ZK::VESA::s_FrameTiming& timing : {record.HorFrameTiming, record.VerFrameTiming}) {
        QCOMPARE(timing.totalTime, 0u);
        QCOMPARE(timing.backProch, 0u);
        QCOMPARE(int(timing.SyncPolarity), 0);
        QCOMPARE(timing.AddrTime, 0u);
        QCOMPARE(int(timing.RightBorder), 0);
        QCOMPARE(int(timing.FrontPorch), 0);
        QCOMPARE(int(timing.Sync), 0);
        QCOMPARE(int(timing.LeftBorder), 0);
    }
    QCOMPARE(record.refreshRate, 0.0f);
    QCOMPARE(record.pixelClock, 0.0f);
    QCOMPARE(int(ZK::VESA::PositivePolarity), 0);
    QCOMPARE(int(ZK::VESA::NegativePolarity), 1);
}

void tst_KitTypes::vesaRecordsAreCopyable()
{
    ZK::VESA::DMTSchemaData record;
    record.HorFrameTiming.AddrTime = 1920;
    record.HorFrameTiming.totalTime = 2200;
    record.HorFrameTiming.FrontPorch = 88;
    record.HorFrameTiming.Sync = 44;
    record.HorFrameTiming.backProch = 148;
    record.VerFrameTiming.AddrTime = 1080;
    record.VerFrameTiming.SyncPolarity = static_cast<ZK::VESA::SyncPolarityType>(1);
    record.refreshRate = 60.0f;
    record.pixelClock = 148.5f;

    ZK::VESA::s_DMTSchemaData copy = record;
    record.HorFrameTiming.AddrTime = 1280;
    QCOMPARE(copy.HorFrameTiming.AddrTime, 1920u);
    QCOMPARE(copy.HorFrameTiming.totalTime, 2200u);
    QCOMPARE(int(copy.HorFrameTiming.Sync), 44);
    QCOMPARE(copy.VerFrameTiming.SyncPolarity, ZK::VESA::NegativePolarity);
    QCOMPARE(copy.refreshRate, 60.0f);
    QCOMPARE(copy.pixelClock, 148.5f);
}

void tst_KitTypes::vesaFieldTypes()
{
    using ZK::VESA::s_FrameTiming;
    static_assert(std::is_same_v<ZK::VESA::DMTSchemaData, ZK::VESA::s_DMTSchemaData>);
    static_assert(std::is_same_v<decltype(s_FrameTiming::totalTime), quint32>);
    static_assert(std::is_same_v<decltype(s_FrameTiming::backProch), quint32>);
    static_assert(std::is_same_v<decltype(s_FrameTiming::AddrTime), quint32>);
    static_assert(std::is_same_v<decltype(s_FrameTiming::SyncPolarity), ZK::VESA::SyncPolarityType>);
    static_assert(std::is_same_v<decltype(s_FrameTiming::RightBorder), quint16>);
    static_assert(std::is_same_v<decltype(s_FrameTiming::FrontPorch), quint16>);
    static_assert(std::is_same_v<decltype(s_FrameTiming::Sync), quint16>);
    static_assert(std::is_same_v<decltype(s_FrameTiming::LeftBorder), quint16>);
    static_assert(std::is_same_v<decltype(ZK::VESA::s_DMTSchemaData::refreshRate), float>);
    static_assert(std::is_trivially_copyable_v<ZK::VESA::s_DMTSchemaData>);
    QCOMPARE(sizeof(ZK::VESA::DMTSchemaData), sizeof(ZK::VESA::s_DMTSchemaData));
}

void tst_KitTypes::vesaMetaTypeByName()
{
    // Looked up by name before any QVariant of the type was made in this test.
    const int byName = QMetaType::type("ZK::VESA::DMTSchemaData");
    QVERIFY(byName != QMetaType::UnknownType);
    QCOMPARE(byName, qMetaTypeId<ZK::VESA::DMTSchemaData>());
    QCOMPARE(QMetaType::type("ZK::VESA::s_DMTSchemaData"), byName);
    QCOMPARE(QByteArray(QMetaType::typeName(byName)), QByteArray("ZK::VESA::DMTSchemaData"));

    ZK::VESA::s_DMTSchemaData record;
    record.VerFrameTiming.AddrTime = 2160;
    record.refreshRate = 59.94f;
    const QVariant variant = QVariant::fromValue(record);
    QCOMPARE(variant.userType(), byName);
    const auto back = variant.value<ZK::VESA::DMTSchemaData>();
    QCOMPARE(back.VerFrameTiming.AddrTime, 2160u);
    QCOMPARE(back.refreshRate, 59.94f);
}

QTEST_MAIN(tst_KitTypes)
#include "tst_kittypes.moc"
