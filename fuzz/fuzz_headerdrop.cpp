// Drops on the screen header: whatever the payload bytes, the header accepts a drop only when both
// keys are decimal numbers of a screen it shows, keeps the same tabs (it may reorder them), and
// sends nothing to the device (the order is written by the drag that ends there).

#include "fuzzsupport.h"

#include <vireowidgets/foundation/constants.h>
#include <vireowidgets/resources/screenheaderlistwidget.h>

#include <vireomodel/fixture.h>

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSet>

namespace {

using namespace Vireo::BizModel;

QSet<QString> shownScreens(Vireo::Widgets::ScreenHeaderListWidget& list)
{
    QSet<QString> out;
    for (QAbstractButton* button : list.getContentButtons()) {
        auto* item = qobject_cast<Vireo::Widgets::ScreenHeaderItem*>(button);
        if (item && item->isVisibleTo(&list))
            out.insert(QStringLiteral("%1/%2").arg(item->screenKeyNo()).arg(item->screenType()));
    }
    return out;
}

// The screen a payload names by the rule the header documents: decimal text of 0-255.
bool namesShownScreen(const QByteArray& key, const QByteArray& type, const QSet<QString>& shown)
{
    bool keyOk = false;
    bool typeOk = false;
    const uint k = key.toUInt(&keyOk);
    const uint t = type.toUInt(&typeOk);
    return keyOk && typeOk && k <= 255 && t <= 255 && shown.contains(QStringLiteral("%1/%2").arg(k).arg(t));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Vireo::Fuzz::ensureApplication();
    static Vireo::Widgets::ScreenHeaderListWidget* list = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        Vireo::Fixture::reset();
        auto device = Vireo::Fixture::makeActiveDevice();
        for (quint8 id = 1; id <= 3; ++id)
            Vireo::Fixture::activeDevice()->addScreen(Enum::Screen::RegularScreen, id);
        Vireo::Fixture::activeDevice()->addScreen(Enum::Screen::AUXScreen, 1);
        auto* header = new Vireo::Widgets::ScreenHeaderListWidget;
        header->resize(900, 60);
        header->show();
        header->initListWidgetItem(device, Enum::Screen::RegularScreen | Enum::Screen::AUXScreen, true, false);
        return header;
    }();
    Vireo::Fixture::clearCommandLog();

    // Payload: key bytes, a 0xFF separator, type bytes, a 0xFF separator, then x and y of the drop.
    const QByteArray bytes = Vireo::Fuzz::bytes(data, size);
    const QList<QByteArray> fields = bytes.split('\xff');
    const QByteArray key = fields.value(0);
    const QByteArray type = fields.value(1);
    const QByteArray where = fields.value(2);
    const QPoint pos(
        where.size() > 0 ? quint8(where.at(0)) * 4 - 100 : 10, where.size() > 1 ? quint8(where.at(1)) / 2 - 20 : 10);

    const QSet<QString> before = shownScreens(*list);
    QMimeData mime;
    if (!fields.isEmpty())
        mime.setData(QString::fromLatin1(Vireo::Constants::MimeTypeScreenKeyNo), key);
    if (fields.size() > 1)
        mime.setData(QString::fromLatin1(Vireo::Constants::MimeTypeScreenTypeKeyNo), type);

    QDragEnterEvent enter(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &enter);
    QDragMoveEvent move(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &move);
    QDropEvent drop(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &drop);

    const bool valid = fields.size() > 1 && namesShownScreen(key, type, before);
    VIREO_FUZZ_CHECK(drop.isAccepted() == valid, QString::fromLatin1(bytes.toHex()));
    VIREO_FUZZ_CHECK(shownScreens(*list) == before, QString::fromLatin1(bytes.toHex()));
    VIREO_FUZZ_CHECK(Vireo::Fixture::commandLog().isEmpty(), Vireo::Fixture::commandNames().join(QLatin1Char(' ')));
    return 0;
}
