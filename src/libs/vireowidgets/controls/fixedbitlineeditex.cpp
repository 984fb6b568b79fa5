#include "fixedbitlineeditex.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegExpValidator>
#include <QStyle>
#include <QTimer>

namespace Vireo::Widgets {

namespace {

constexpr int DefaultMaxBitLength = 15;

} // namespace

FixedBitLineEditEx::FixedBitLineEditEx(QWidget* parent)
    : QLineEdit(parent)
{
    // QRegExp reads "\x4e00" as one character and "\s" as any white space (also the ideographic
    // space of Chinese input methods).
    setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9a-zA-Z\\s_\\-\\x4e00-\\x9fa5]+")), this));
    setMaxLength(DefaultMaxBitLength);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    QLineEdit::setProperty("isFixedBitLineEditEx", QStringLiteral("old"));
    connect(this, &QLineEdit::textEdited, this, &FixedBitLineEditEx::slot_textEdited);
}

FixedBitLineEditEx::~FixedBitLineEditEx() = default;

void FixedBitLineEditEx::setMaxBitLength(int nMaxBit)
{
    m_nMaxBitLen = nMaxBit < 1 ? DefaultMaxBitLength : nMaxBit;
}

int FixedBitLineEditEx::getMaxBitLength() const
{
    return m_nMaxBitLen;
}

void FixedBitLineEditEx::setEditText(const QString& text)
{
    setText(cutToWeight(text, m_nMaxBitLen));
    end(false);
}

void FixedBitLineEditEx::setStyle()
{
    QLineEdit::setProperty("isFixedBitLineEditEx", QStringLiteral("new"));
    style()->unpolish(this);
    style()->polish(this);
    update();
}

int FixedBitLineEditEx::characterWeight(uint codePoint)
{
    return codePoint < 0x80 ? 1 : 2;
}

int FixedBitLineEditEx::weightedLength(const QString& text)
{
    int sum = 0;
    const QVector<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints)
        sum += characterWeight(cp);
    return sum;
}

QString FixedBitLineEditEx::cutToWeight(const QString& text, int maxWeight)
{
    // Walk UTF-16 units but step over surrogate pairs as one character, so a character outside the
    // Basic Multilingual Plane is either kept whole or dropped whole.
    int sum = 0;
    int i = 0;
    const int n = text.size();
    while (i < n) {
        int units = 1;
        uint cp = text.at(i).unicode();
        if (text.at(i).isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            units = 2;
        }
        const int weight = characterWeight(cp);
        if (sum + weight > maxWeight)
            break;
        sum += weight;
        i += units;
    }
    return i == n ? text : text.left(i);
}

void FixedBitLineEditEx::slot_textEdited(const QString& text)
{
    const int pos = cursorPosition();
    const QString kept = cutToWeight(text, m_nMaxBitLen);
    if (kept == text)
        return;
    setText(kept);
    setCursorPosition(qMin(pos, kept.size()));
}

void FixedBitLineEditEx::trimText()
{
    const QString current = text();
    const QString trimmed = current.trimmed();
    if (trimmed != current)
        setText(trimmed);
}

void FixedBitLineEditEx::slot_TextEnd()
{
    trimText();
    emit editingFinished();
}

void FixedBitLineEditEx::keyPressEvent(QKeyEvent* event)
{
    const bool isEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!isEnter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Trim before the base class reports, so every listener sees the final name; the base class
    // reports only acceptable text, the rest is reported here.
    trimText();
    const bool reportedByBase = hasAcceptableInput();
    QLineEdit::keyPressEvent(event);
    if (!reportedByBase)
        emit editingFinished();
}

void FixedBitLineEditEx::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
}

void FixedBitLineEditEx::focusInEvent(QFocusEvent* event)
{
    m_strName = text();
    QLineEdit::focusInEvent(event);
}

void FixedBitLineEditEx::focusOutEvent(QFocusEvent* event)
{
    // Same condition as the base class uses for its own report, which covers acceptable text only.
    const QWidget* popup = QApplication::activePopupWidget();
    const bool toOwnPopup = event->reason() == Qt::PopupFocusReason && popup && popup->parentWidget() == this;
    // Acceptable text is reported by the base class as it stands; other text is trimmed first.
    if (!toOwnPopup && !hasAcceptableInput())
        trimText();
    const bool reportedByBase = hasAcceptableInput();
    QLineEdit::focusOutEvent(event);
    if (!toOwnPopup && !reportedByBase)
        emit editingFinished();
    m_bIsNeedSelectedAll = true;
    deselect();
}

void FixedBitLineEditEx::mousePressEvent(QMouseEvent* event)
{
    if (m_bIsNeedSelectedAll) {
        // Deferred so that the base class's own cursor placement for this press does not undo it.
        QTimer::singleShot(0, this, [this] {
            selectAll();
            m_bIsNeedSelectedAll = false;
        });
    }
    setFocus(Qt::MouseFocusReason);
    QLineEdit::mousePressEvent(event);
}

} // namespace Vireo::Widgets
