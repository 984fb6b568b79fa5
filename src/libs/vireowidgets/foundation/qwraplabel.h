#pragma once

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
    // The last two fittings done, each for the text, width and font it was done for: lists set the
    // same texts again on every rebuild (some buttons set a label twice per update, a short form
    // and then their own), and measuring is the expensive part of showing them.
    struct Fitting
    {
        QString source;
        QString result;
        QFont font;
        int width = -1;
    };
    mutable Fitting m_fittings[2];
};

} // namespace Vireo::Widgets
