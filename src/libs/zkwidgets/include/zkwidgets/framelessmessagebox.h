#pragma once

#include <zkwidgets/framelessdialog.h>
#include <zkwidgets/zkwidgets_export.h>

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <functional>

class QDialogButtonBox;
class QAbstractButton;

namespace ZK::Widgets {

// One request for a message box, as the test seam records it.
struct ZKWIDGETS_EXPORT MessageBoxCall
{
    enum Kind { Warning = 0, Question = 1, Information = 2, Critical = 3 };

    Kind kind = Warning;
    QPointer<QWidget> parent;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::NoButton;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    // The answer given (by the person, the responder or the headless fallback).
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
};

// A modal message box in the frameless look: an icon, a text and a row of standard buttons.
//
// The static functions show it modally and return the button pressed (Escape and the close button
// give Cancel, else No, else the only button). Every call is recorded (recordedCalls()).
//
// Test seam: with setTestResponder() set, the static functions show nothing and do not block; the
// responder's answer is returned. Without a responder on the offscreen platform (QT_QPA_PLATFORM
// "offscreen"), nothing is shown either: a warning is logged and the default button (or the first of
// the given buttons) is answered, so a headless run never hangs.
//
// Object names: "FramelessMessageBox" (the box), "FramelessMessageBoxIcon", "FramelessMessageBoxText",
// "FramelessMessageBoxButtonBox"; each button carries the property "standardButton" (int).
class ZKWIDGETS_EXPORT FramelessMessageBox : public FramelessDialog
{
    Q_OBJECT
public:
    using Responder = std::function<QMessageBox::StandardButton(const MessageBoxCall&)>;

    FramelessMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok, QWidget* parent = nullptr);
    ~FramelessMessageBox() override;

    void setText(const QString& text);
    QString text() const;
    void setDefaultButton(QMessageBox::StandardButton button);
    QMessageBox::StandardButtons standardButtons() const;
    // The button that ended the box, or NoButton while it is open.
    QMessageBox::StandardButton clickedButton() const;
    // The answer to Escape and the close button.
    QMessageBox::StandardButton escapeButton() const;

    void reTranslateUI() override;

    static QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton information(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Test seam. An empty responder removes it.
    static void setTestResponder(Responder responder);
    static void clearTestResponder();
    static bool hasTestResponder();
    static QList<MessageBoxCall> recordedCalls();
    static void clearRecordedCalls();

public slots:
    void reject() override;

private:
    static QMessageBox::StandardButton showBox(MessageBoxCall call);
    void onButtonClicked(QAbstractButton* button);

    QLabel* m_pIconLabel = nullptr;
    QLabel* m_pTextLabel = nullptr;
    QDialogButtonBox* m_pButtonBox = nullptr;
    QMessageBox::StandardButton m_clickedButton = QMessageBox::NoButton;
};

} // namespace ZK::Widgets
