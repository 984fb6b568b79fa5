#pragma once

#include <zkwidgets/zkwidgets_export.h>

#include <QLineEdit>

namespace ZK::Widgets {

// Entry of a dotted IPv4 address ("192.168.0.10"). Typing is limited to what can still become an
// address; setText() refuses anything that is not empty or a whole address and keeps the old text.
class ZKWIDGETS_EXPORT IPLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit IPLineEdit(QWidget* parent = nullptr);
    ~IPLineEdit() override;

    // Returns false (and logs) when the text was refused.
    bool setText(const QString& text);
    using QLineEdit::text;

    // True when the field holds a whole address.
    bool isValidAddress() const;
    static bool isValidAddress(const QString& text);
};

} // namespace ZK::Widgets
