#pragma once

#include <vireowidgets/foundation/textfitmemo.h>
#include <vireowidgets/vireowidgets_export.h>

#include <QLabel>

namespace Vireo::Widgets {

// A one-line label that shows its text shortened with "..." to fit its width; getText() keeps the
// full text.
class VIREOWIDGETS_EXPORT QWrapLabel : public QLabel
{
    Q_OBJECT
public:
    explicit QWrapLabel(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());

    void setText(const QString& text);
    QString getText() const { return strPlainText_; }
    // The full text when it fits the width less one pixel, else the longest prefix followed by
    // "..." that fits, else the empty string.
    QString detectWrapText() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString fitText() const;

    QString strPlainText_;
    mutable Internal::TextFitMemo m_fittings;
};

} // namespace Vireo::Widgets
