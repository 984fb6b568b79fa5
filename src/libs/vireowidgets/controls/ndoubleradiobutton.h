#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QWidget>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace Vireo::Widgets {

// A title and a choice of two, as two radio buttons: value 0 is the first, 1 the second.
class VIREOWIDGETS_EXPORT NDoubleRadioButton : public QWidget
{
    Q_OBJECT
public:
    explicit NDoubleRadioButton(QWidget* parent = nullptr);
    ~NDoubleRadioButton() override;

    void setTitle(const QString& title);
    QString title() const;
    void setButtonTexts(const QString& first, const QString& second);
    // Values other than 0 and 1 are refused.
    void setValue(int value);
    int value() const;

signals:
    // The operator changed the choice (not emitted by setValue).
    void valueChanged(int value);

private:
    QLabel* m_pTitle = nullptr;
    QRadioButton* m_pFirst = nullptr;
    QRadioButton* m_pSecond = nullptr;
    QButtonGroup* m_pGroup = nullptr;
};

} // namespace Vireo::Widgets
