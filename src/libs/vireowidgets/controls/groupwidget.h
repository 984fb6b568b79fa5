#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QFrame>
#include <QIcon>
#include <QScopedPointer>

namespace Vireo::Widgets {

class GroupWidgetPrivate;

// Header row of a settings group: a title, an optional tip text and an optional icon button, all
// styled through dynamic properties.
class VIREOWIDGETS_EXPORT GroupWidget : public QFrame
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(GroupWidget)
public:
    explicit GroupWidget(QWidget* parent = nullptr);
    ~GroupWidget() override;

    void setTitle(QString title);
    QString title() const;
    void setTip(QString tip);
    QString tip() const;

    void setTitleVisible(bool visible);
    bool isTitleVisible() const;
    void setTipVisible(bool visible);
    bool isTipVisible() const;
    void setBtnTipVisible(bool visible);
    void setBtnTipIcon(QIcon icon);
    QRect tipRect() const;

signals:
    void signalIconClicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QScopedPointer<GroupWidgetPrivate> d_ptr;
};

} // namespace Vireo::Widgets
