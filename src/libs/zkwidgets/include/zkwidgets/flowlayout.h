#pragma once

#include <zkwidgets/zkwidgets_export.h>

#include <QLayout>
#include <QList>
#include <QStyle>

namespace ZK::Utils {

// Places its items left to right and starts a new row when the next item would pass the right edge.
// Hidden widgets take no room. A spacing of -1 follows the style of the parent widget.
// Subclasses (paged variants and the like) may override doLayout() to arrange the same items otherwise.
class ZKWIDGETS_EXPORT FlowLayout : public QLayout
{
    Q_OBJECT
public:
    explicit FlowLayout(QWidget* parent, int margin = -1, int hSpacing = -1, int vSpacing = -1);
    explicit FlowLayout(int margin = -1, int hSpacing = -1, int vSpacing = -1);
    ~FlowLayout() override;

    int horizontalSpacing() const;
    int verticalSpacing() const;
    void setHorizontalSpacing(int spacing);
    void setVerticalSpacing(int spacing);

    // Inserts a widget at a position among the items (appends when index is out of range).
    void insertWidget(int index, QWidget* widget);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

protected:
    // Arranges the items inside rect (when testOnly is false) and returns the height used.
    virtual int doLayout(const QRect& rect, bool testOnly) const;
    int smartSpacing(QStyle::PixelMetric metric) const;

    QList<QLayoutItem*> m_itemList;

private:
    int m_hSpace = -1;
    int m_vSpace = -1;
};

} // namespace ZK::Utils
