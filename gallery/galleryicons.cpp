#include "galleryicons.h"

#include <vireomodel/utils.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>

#include <functional>

namespace Vireo::Gallery {

namespace {

// Every icon is drawn on a 48 x 48 grid and scaled by the painter to the picture's size.
constexpr qreal Grid = 48;

const QColor Accent(0x2f, 0x8c, 0xff);
const QColor Paper(0xe8, 0xea, 0xee);
const QColor Ink(0x5d, 0x61, 0x6b);
const QColor Danger(0xe5, 0x48, 0x4d);
const QColor Positive(0x3f, 0xb9, 0x6a);

using Draw = std::function<void(QPainter&)>;

void folder(QPainter& p, const QColor& colour)
{
    const QPolygonF back({{4, 12}, {18, 12}, {22, 16}, {44, 16}, {44, 40}, {4, 40}});
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(125));
    p.drawPolygon(back);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(4, 19, 40, 21), 2, 2);
}

// A sheet with a folded corner; `mark` draws what the sheet carries.
void sheet(QPainter& p, const Draw& mark = {})
{
    const QPolygonF page({{10, 4}, {30, 4}, {40, 14}, {40, 44}, {10, 44}});
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(Paper);
    p.drawPolygon(page);
    const QPolygonF fold({{30, 4}, {30, 14}, {40, 14}});
    p.setBrush(Paper.darker(120));
    p.drawPolygon(fold);
    if (mark)
        mark(p);
}

void lettered(QPainter& p, const QColor& colour, const QString& letter)
{
    sheet(p, [&](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(4, 20, 26, 20), 3, 3);
        QFont font = painter.font();
        font.setPixelSize(15);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(4, 20, 26, 20), Qt::AlignCenter, letter);
    });
}

void textLines(QPainter& p)
{
    p.setPen(QPen(Ink, 2, Qt::SolidLine, Qt::RoundCap));
    for (int y = 22; y <= 38; y += 6)
        p.drawLine(QPointF(15, y), QPointF(35, y));
}

void picture(QPainter& p)
{
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(0x2a, 0x4e, 0x8a));
    p.drawRoundedRect(QRectF(4, 8, 40, 32), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf6, 0xc9, 0x4a));
    p.drawEllipse(QPointF(33, 17), 4, 4);
    QPolygonF hills;
    hills << QPointF(5, 39) << QPointF(17, 22) << QPointF(26, 32) << QPointF(31, 27) << QPointF(43, 39);
    p.setBrush(QColor(0x4c, 0xb0, 0x6a));
    p.drawPolygon(hills);
}

void video(QPainter& p)
{
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(0x3a, 0x3e, 0x47));
    p.drawRoundedRect(QRectF(4, 8, 40, 32), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Paper);
    for (int x = 8; x < 44; x += 8) {
        p.drawRect(QRectF(x, 10, 4, 3));
        p.drawRect(QRectF(x, 35, 4, 3));
    }
    QPolygonF play;
    play << QPointF(20, 17) << QPointF(32, 24) << QPointF(20, 31);
    p.setBrush(Accent);
    p.drawPolygon(play);
}

void arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour)
{
    p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QLineF shaft(to, from);
    QLineF wing = shaft;
    wing.setLength(10);
    wing.setAngle(shaft.angle() + 40);
    p.drawLine(wing);
    wing.setAngle(shaft.angle() - 40);
    p.drawLine(wing);
}

void badge(QPainter& p, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(24, 24), 20, 20);
}

void cross(QPainter& p, qreal reach)
{
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24 - reach, 24 - reach), QPointF(24 + reach, 24 + reach));
    p.drawLine(QPointF(24 + reach, 24 - reach), QPointF(24 - reach, 24 + reach));
}

void plus(QPainter& p, qreal reach)
{
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24 - reach, 24), QPointF(24 + reach, 24));
    p.drawLine(QPointF(24, 24 - reach), QPointF(24, 24 + reach));
}

void chevron(QPainter& p, bool down)
{
    p.setPen(QPen(Paper, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal tip = down ? 32 : 16;
    const qreal ends = down ? 18 : 30;
    p.drawPolyline(QPolygonF(QVector<QPointF> {QPointF(12, ends), QPointF(24, tip), QPointF(36, ends)}));
}

void floppy(QPainter& p)
{
    const QPolygonF body({{6, 6}, {36, 6}, {42, 12}, {42, 42}, {6, 42}});
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawPolygon(body);
    p.setBrush(Paper);
    p.drawRect(QRectF(13, 6, 20, 12));
    p.setBrush(Accent.darker(140));
    p.drawRect(QRectF(27, 8, 4, 8));
    p.setBrush(Paper);
    p.drawRoundedRect(QRectF(11, 25, 26, 14), 2, 2);
}

void trash(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Danger);
    p.drawRoundedRect(QRectF(8, 10, 32, 5), 2, 2);
    p.drawRect(QRectF(19, 6, 10, 5));
    const QPolygonF bin({{11, 17}, {37, 17}, {34, 43}, {14, 43}});
    p.drawPolygon(bin);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {19.0, 24.0, 29.0})
        p.drawLine(QPointF(x, 22), QPointF(x, 38));
}

void forbidden(QPainter& p)
{
    p.setPen(QPen(Danger, 6));
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(QPointF(24, 24), 18, 18);
    p.drawLine(QPointF(11.3, 11.3), QPointF(36.7, 36.7));
}

struct Icon
{
    const char* name;
    int size;
    Draw draw;
};

} // namespace

void registerThemePicture(const QString& name, const QImage& image)
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        return;
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (image.save(path))
        Vireo::Utils::Theme::instance()->setValue(name, path);
}

void installGalleryIcons()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;

    const QColor folderColour(0xf0, 0xb4, 0x5a);
    const QList<Icon> icons {
        {"icon_setting_u_file_normal", 96, [&](QPainter& p) { folder(p, folderColour); }},
        {"icon_setting_u_file_path", 48, [&](QPainter& p) { folder(p, folderColour); }},
        {"icon_setting_u_return_normal_2x", 96,
            [](QPainter& p) {
                folder(p, QColor(0x6c, 0x71, 0x7c));
                arrow(p, QPointF(34, 30), QPointF(14, 30), Paper);
            }},
        {"icon_setting_u_image_normal_2x", 96, picture},
        {"icon_setting_u_video_normal_2x", 96, video},
        {"icon_setting_u_word_normal_2x", 96, [](QPainter& p) { lettered(p, QColor(0x2b, 0x57, 0x97), "W"); }},
        {"icon_setting_u_execl_normal_2x", 96, [](QPainter& p) { lettered(p, QColor(0x21, 0x73, 0x46), "X"); }},
        {"icon_setting_u_ppt_normal_2x", 96, [](QPainter& p) { lettered(p, QColor(0xd2, 0x47, 0x26), "P"); }},
        {"icon_setting_u_zip_normal_2x", 96,
            [](QPainter& p) {
                sheet(p, [](QPainter& painter) {
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(Ink);
                    for (int y = 6; y < 34; y += 4)
                        painter.drawRect(QRectF(y % 8 ? 21 : 25, y, 4, 2));
                    painter.drawRoundedRect(QRectF(20, 33, 10, 9), 2, 2);
                });
            }},
        {"icon_setting_u_up_2x", 96,
            [](QPainter& p) {
                sheet(p);
                arrow(p, QPointF(25, 40), QPointF(25, 20), Positive);
            }},
        {"icon_setting_u_orther_2x", 96, [](QPainter& p) { sheet(p, textLines); }},
        {"icon_setting_u_vireo_2x", 96, [](QPainter& p) { lettered(p, Accent, "V"); }},
        {"icon_saveData_normal", 48, floppy},
        {"userKey_clear", 48,
            [](QPainter& p) {
                badge(p, QColor(0x6c, 0x71, 0x7c));
                cross(p, 8);
            }},
        {"picture_used_normal", 48,
            [](QPainter& p) {
                badge(p, Positive);
                p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawPolyline(QPolygonF(QVector<QPointF> {QPointF(14, 25), QPointF(21, 32), QPointF(34, 17)}));
            }},
        {"toolbutton_layer_remove_normal", 48,
            [](QPainter& p) {
                badge(p, Danger);
                cross(p, 8);
            }},
        {"add_screen_normal", 48,
            [](QPainter& p) {
                badge(p, Positive);
                plus(p, 10);
            }},
        {"icon_clean_normal", 48, trash},
        {"arrow_more_show", 48, [](QPainter& p) { chevron(p, false); }},
        {"arrow_more_hide", 48, [](QPainter& p) { chevron(p, true); }},
        {"icon_forbidden", 48, forbidden},
    };
    for (const Icon& icon : icons) {
        QImage image(icon.size, icon.size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(icon.size / Grid, icon.size / Grid);
            icon.draw(painter);
        }
        registerThemePicture(QString::fromLatin1(icon.name), image);
    }
}

} // namespace Vireo::Gallery
