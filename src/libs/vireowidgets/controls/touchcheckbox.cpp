#include "touchcheckbox.h"

namespace Vireo::Widgets {

TouchCheckBox::TouchCheckBox(QWidget* parent)
    : TouchCheckBox(QString(), parent)
{ }

TouchCheckBox::TouchCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent)
{
    setObjectName(QStringLiteral("TouchCheckBox"));
    setAttribute(Qt::WA_AcceptTouchEvents);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

TouchCheckBox::~TouchCheckBox() = default;

QSize TouchCheckBox::sizeHint() const
{
    QSize size = QCheckBox::sizeHint();
    size.setHeight(qMax(size.height(), int(MinimumTouchHeight)));
    return size;
}

QSize TouchCheckBox::minimumSizeHint() const
{
    QSize size = QCheckBox::minimumSizeHint();
    size.setHeight(qMax(size.height(), int(MinimumTouchHeight)));
    return size;
}

// A fingertip lands anywhere around the small indicator; the style's hit rectangle is only the
// indicator and the text.
bool TouchCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

} // namespace Vireo::Widgets
