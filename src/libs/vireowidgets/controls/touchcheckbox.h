#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QCheckBox>

namespace Vireo::Widgets {

// A check box for touch panels: the whole widget is the hit area, not only the indicator and the
// text, and it never asks for less than a finger's height.
class VIREOWIDGETS_EXPORT TouchCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    // Smallest height a finger hits reliably.
    static constexpr int MinimumTouchHeight = 32;

    explicit TouchCheckBox(QWidget* parent = nullptr);
    explicit TouchCheckBox(const QString& text, QWidget* parent = nullptr);
    ~TouchCheckBox() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool hitButton(const QPoint& pos) const override;
};

} // namespace Vireo::Widgets
