#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QIcon>
#include <QPair>
#include <QToolButton>
#include <QVariant>
#include <QVector>

class QBoxLayout;
class QLabel;

namespace Vireo::Widgets {

// A tool button made of a separate icon button and a text label, so that a style sheet can style
// the icon and the text independently. A click on the icon part clicks the whole button.
class VIREOWIDGETS_EXPORT TextBesideIcon : public QToolButton
{
    Q_OBJECT
public:
    enum MouseState { Normal = 0, Pressed = 1, Hover = 2 };
    Q_ENUM(MouseState)

    explicit TextBesideIcon(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Horizontal);
    ~TextBesideIcon() override;

    void setText(QString text);
    void setTextAlignment(Qt::Alignment alignment);
    void setIcon(QIcon icon);
    void setIconSize(QSize size);
    void setIconTextAlignment(Qt::Alignment alignment);
    void setWidgetCheckable(bool checkable);
    void setIcons(QVector<QPair<MouseState, QIcon>> icons);
    QVector<QPair<MouseState, QIcon>> icons() const;

    void setButtonData(QVariant data);
    QVariant buttonData() const;
    void setHasMenu(bool hasMenu);
    bool hasMenu() const;

    void setMainContentsMargins(const QMargins& margins);
    void setMainContentsMargins(int left, int top, int right, int bottom);
    void setMainSpacing(int spacing);

    Qt::Orientation orientation() const;

    // A tool button sizes itself from its own text and icon; this one is sized by its children.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void createWidgets();

    bool m_hasMenu = false;
    QLabel* m_pText = nullptr;
    QToolButton* m_pIcon = nullptr;
    QVector<QPair<MouseState, QIcon>> m_icons;
    bool m_isChecked = false;
    QVariant m_userData;
    Qt::Orientation m_orientation;
    QBoxLayout* m_pMainLayout = nullptr;
};

} // namespace Vireo::Widgets
