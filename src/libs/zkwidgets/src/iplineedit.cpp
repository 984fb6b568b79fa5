#include <zkwidgets/iplineedit.h>

#include <QDebug>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace ZK::Widgets {

namespace {

// An octet is 0-255 written without leading zeros.
const QString octet = QStringLiteral("(?:25[0-5]|2[0-4][0-9]|1[0-9]{2}|[1-9]?[0-9])");

const QRegularExpression& addressExpression()
{
    // \A and \z: "$" would also match before a final newline.
    static const QRegularExpression expression(QStringLiteral("\\A%1\\.%1\\.%1\\.%1\\z").arg(octet));
    return expression;
}

} // namespace

IPLineEdit::IPLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("IPLineEdit"));
    // The validator's partial matching lets "192.168." stand while typing and refuses "192.300".
    setValidator(new QRegularExpressionValidator(addressExpression(), this));
    setMaxLength(15);
    setInputMethodHints(Qt::ImhPreferNumbers);
}

IPLineEdit::~IPLineEdit() = default;

bool IPLineEdit::setText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (!trimmed.isEmpty() && !isValidAddress(trimmed)) {
        qWarning() << "IPLineEdit: refused a text that is not an IPv4 address:" << text;
        return false;
    }
    QLineEdit::setText(trimmed);
    return true;
}

bool IPLineEdit::isValidAddress() const
{
    return isValidAddress(text());
}

bool IPLineEdit::isValidAddress(const QString& text)
{
    return addressExpression().match(text).hasMatch();
}

} // namespace ZK::Widgets
