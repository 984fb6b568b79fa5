#include <zkwidgets/framelessmessagebox.h>

#include "headless.h"

#include <QDebug>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace ZK::Widgets {

namespace {

// Older calls are dropped past this count, so a long-running host does not grow without end.
constexpr int kMaxRecordedCalls = 1000;

struct Seam
{
    FramelessMessageBox::Responder responder;
    QList<MessageBoxCall> calls;
};

Seam& seam()
{
    static Seam instance;
    return instance;
}

QMessageBox::Icon iconOf(MessageBoxCall::Kind kind)
{
    switch (kind) {
    case MessageBoxCall::Warning:
        return QMessageBox::Warning;
    case MessageBoxCall::Question:
        return QMessageBox::Question;
    case MessageBoxCall::Information:
        return QMessageBox::Information;
    case MessageBoxCall::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QStyle::StandardPixmap pixmapOf(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Warning:
        return QStyle::SP_MessageBoxWarning;
    case QMessageBox::Question:
        return QStyle::SP_MessageBoxQuestion;
    case QMessageBox::Critical:
        return QStyle::SP_MessageBoxCritical;
    case QMessageBox::Information:
    case QMessageBox::NoIcon:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

// Standard buttons in the order of their flag values, which is the order QMessageBox lists them.
QList<QMessageBox::StandardButton> buttonList(QMessageBox::StandardButtons buttons)
{
    QList<QMessageBox::StandardButton> list;
    for (uint flag = QMessageBox::FirstButton; flag <= QMessageBox::LastButton; flag <<= 1) {
        if (buttons.testFlag(QMessageBox::StandardButton(flag)))
            list.append(QMessageBox::StandardButton(flag));
    }
    return list;
}

// The answer when nobody can be asked: the default button when it is one of the offered buttons,
// otherwise the first offered button.
QMessageBox::StandardButton fallbackAnswer(const MessageBoxCall& call)
{
    if (call.defaultButton != QMessageBox::NoButton && call.buttons.testFlag(call.defaultButton))
        return call.defaultButton;
    const QList<QMessageBox::StandardButton> list = buttonList(call.buttons);
    return list.isEmpty() ? QMessageBox::NoButton : list.first();
}

void record(const MessageBoxCall& call)
{
    QList<MessageBoxCall>& calls = seam().calls;
    if (calls.size() >= kMaxRecordedCalls)
        calls.removeFirst();
    calls.append(call);
}

} // namespace

FramelessMessageBox::FramelessMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, QWidget* parent)
    : FramelessDialog(parent)
{
    setObjectName(QStringLiteral("FramelessMessageBox"));
    setModal(true);
    setMinButtonVisible(false);
    setMaxButtonVisible(false);
    // The box brings its own button row, so it can offer any set of standard buttons.
    setBottomBarVisible(false);
    setDialogMovable(true);
    setDialogResizable(false);
    setWindowTitle(title);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(16);
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    m_pIconLabel = new QLabel(this);
    m_pIconLabel->setObjectName(QStringLiteral("FramelessMessageBoxIcon"));
    m_pIconLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    if (icon != QMessageBox::NoIcon)
        m_pIconLabel->setPixmap(style()->standardIcon(pixmapOf(icon), nullptr, this).pixmap(iconSize, iconSize));
    m_pIconLabel->setVisible(icon != QMessageBox::NoIcon);
    row->addWidget(m_pIconLabel);
    m_pTextLabel = new QLabel(text, this);
    m_pTextLabel->setObjectName(QStringLiteral("FramelessMessageBoxText"));
    m_pTextLabel->setWordWrap(true);
    m_pTextLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pTextLabel->setMinimumWidth(280);
    row->addWidget(m_pTextLabel, 1);
    layout->addLayout(row, 1);

    m_pButtonBox = new QDialogButtonBox(this);
    m_pButtonBox->setObjectName(QStringLiteral("FramelessMessageBoxButtonBox"));
    m_pButtonBox->setStandardButtons(QDialogButtonBox::StandardButtons(int(buttons)));
    for (QAbstractButton* button : m_pButtonBox->buttons()) {
        button->setProperty("standardButton", int(m_pButtonBox->standardButton(button)));
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);
    }
    layout->addWidget(m_pButtonBox);
    // Return presses the first button until a default is chosen, as the headless answer does.
    const QList<QMessageBox::StandardButton> offered = buttonList(buttons);
    if (!offered.isEmpty())
        setDefaultButton(offered.first());
    connect(m_pButtonBox, &QDialogButtonBox::clicked, this, &FramelessMessageBox::onButtonClicked);
}

FramelessMessageBox::~FramelessMessageBox() = default;

void FramelessMessageBox::setText(const QString& text)
{
    m_pTextLabel->setText(text);
}

QString FramelessMessageBox::text() const
{
    return m_pTextLabel->text();
}

void FramelessMessageBox::setDefaultButton(QMessageBox::StandardButton button)
{
    auto* push = qobject_cast<QPushButton*>(m_pButtonBox->button(QDialogButtonBox::StandardButton(int(button))));
    if (!push)
        return;
    for (QAbstractButton* other : m_pButtonBox->buttons()) {
        if (auto* otherPush = qobject_cast<QPushButton*>(other))
            otherPush->setDefault(false);
    }
    push->setDefault(true);
    push->setFocus();
}

QMessageBox::StandardButtons FramelessMessageBox::standardButtons() const
{
    return QMessageBox::StandardButtons(int(m_pButtonBox->standardButtons()));
}

QMessageBox::StandardButton FramelessMessageBox::clickedButton() const
{
    return m_clickedButton;
}

QMessageBox::StandardButton FramelessMessageBox::escapeButton() const
{
    const QMessageBox::StandardButtons buttons = standardButtons();
    if (buttons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    if (buttons.testFlag(QMessageBox::No))
        return QMessageBox::No;
    const QList<QMessageBox::StandardButton> list = buttonList(buttons);
    if (list.size() == 1)
        return list.first();
    return QMessageBox::NoButton;
}

void FramelessMessageBox::reTranslateUI()
{
    FramelessDialog::reTranslateUI();
    // The standard buttons translate themselves through Qt's own catalogue.
}

void FramelessMessageBox::reject()
{
    m_clickedButton = escapeButton();
    done(int(m_clickedButton));
}

void FramelessMessageBox::onButtonClicked(QAbstractButton* button)
{
    m_clickedButton = QMessageBox::StandardButton(int(m_pButtonBox->standardButton(button)));
    done(int(m_clickedButton));
}

QMessageBox::StandardButton FramelessMessageBox::warning(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return showBox({MessageBoxCall::Warning, parent, title, text, buttons, defaultButton, QMessageBox::NoButton});
}

QMessageBox::StandardButton FramelessMessageBox::question(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return showBox({MessageBoxCall::Question, parent, title, text, buttons, defaultButton, QMessageBox::NoButton});
}

QMessageBox::StandardButton FramelessMessageBox::information(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return showBox({MessageBoxCall::Information, parent, title, text, buttons, defaultButton, QMessageBox::NoButton});
}

QMessageBox::StandardButton FramelessMessageBox::critical(QWidget* parent, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    return showBox({MessageBoxCall::Critical, parent, title, text, buttons, defaultButton, QMessageBox::NoButton});
}

void FramelessMessageBox::setTestResponder(Responder responder)
{
    seam().responder = std::move(responder);
}

void FramelessMessageBox::clearTestResponder()
{
    seam().responder = nullptr;
}

bool FramelessMessageBox::hasTestResponder()
{
    return bool(seam().responder);
}

QList<MessageBoxCall> FramelessMessageBox::recordedCalls()
{
    return seam().calls;
}

void FramelessMessageBox::clearRecordedCalls()
{
    seam().calls.clear();
}

QMessageBox::StandardButton FramelessMessageBox::showBox(MessageBoxCall call)
{
    // A copy: the responder may replace itself or open another box.
    const Responder responder = seam().responder;
    if (responder) {
        call.answer = responder(call);
        record(call);
        return call.answer;
    }
    if (ZK::Internal::isHeadless()) {
        call.answer = fallbackAnswer(call);
        qWarning().noquote() << QStringLiteral("FramelessMessageBox: nobody can answer \"%1\" on a headless "
                                               "platform; answering button 0x%2")
                                    .arg(call.title)
                                    .arg(uint(call.answer), 0, 16);
        record(call);
        return call.answer;
    }

    // The parent may be deleted while the box runs; the box must not be deleted with it mid-exec.
    QPointer<FramelessMessageBox> box =
        new FramelessMessageBox(iconOf(call.kind), call.title, call.text, call.buttons, call.parent.data());
    if (call.defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(call.defaultButton);
    const int result = box->exec();
    call.answer = box ? box->clickedButton() : QMessageBox::StandardButton(result);
    if (call.answer == QMessageBox::NoButton)
        call.answer = box ? box->escapeButton() : fallbackAnswer(call);
    delete box.data();
    record(call);
    return call.answer;
}

} // namespace ZK::Widgets
