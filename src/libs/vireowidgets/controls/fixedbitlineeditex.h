#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <QLineEdit>

namespace Vireo::Widgets {

// Line edit for the names of stored items. The device stores names in a fixed number of bytes,
// so the length is limited by a weighted count: a character that is one byte in UTF-8 counts 1,
// every other character counts 2. Only letters, digits, white space, underscores, hyphens and
// CJK ideographs are accepted.
class VIREOWIDGETS_EXPORT FixedBitLineEditEx : public QLineEdit
{
    Q_OBJECT
public:
    explicit FixedBitLineEditEx(QWidget* parent = nullptr);
    ~FixedBitLineEditEx() override;

    void setMaxBitLength(int nMaxBit);
    int getMaxBitLength() const;

    void setEditText(const QString& text);

    // Switches the "isFixedBitLineEditEx" style selector from "old" to "new".
    void setStyle();

    // Weight of one code point in the length count.
    static int characterWeight(uint codePoint);
    // Weighted length of a whole text, counted by code point.
    static int weightedLength(const QString& text);
    // The longest prefix of `text` made of whole code points whose weighted length is at most
    // `maxWeight`.
    static QString cutToWeight(const QString& text, int maxWeight);

public slots:
    void slot_textEdited(const QString& text);
    void slot_TextEnd();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void trimText();

    int m_nMaxBitLen = 15;
    QString m_strName;
    bool m_bIsNeedSelectedAll = true;
};

} // namespace Vireo::Widgets
