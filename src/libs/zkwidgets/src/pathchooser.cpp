#include <zkwidgets/pathchooser.h>

#include "headless.h"

#include <QDebug>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

namespace ZK::Utils {

PathChooser::PathChooser(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PathChooser"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    m_pLineEdit = new QLineEdit(this);
    m_pLineEdit->setObjectName(QStringLiteral("PathChooserLineEdit"));
    layout->addWidget(m_pLineEdit, 1);

    m_pBrowseButton = new QToolButton(this);
    m_pBrowseButton->setObjectName(QStringLiteral("PathChooserBrowseButton"));
    m_pBrowseButton->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_pBrowseButton);

    connect(m_pLineEdit, &QLineEdit::editingFinished, this, [this] { commitPath(m_pLineEdit->text()); });
    connect(m_pBrowseButton, &QToolButton::clicked, this, &PathChooser::browse);
    retranslateUi();
}

PathChooser::~PathChooser() = default;

void PathChooser::setExpectedKind(Kind kind)
{
    m_kind = kind;
}

PathChooser::Kind PathChooser::expectedKind() const
{
    return m_kind;
}

void PathChooser::setPromptDialogFilter(const QString& filter)
{
    m_strFilter = filter;
}

QString PathChooser::promptDialogFilter() const
{
    return m_strFilter;
}

void PathChooser::setPromptDialogTitle(const QString& title)
{
    m_strTitle = title;
}

QString PathChooser::promptDialogTitle() const
{
    return m_strTitle;
}

void PathChooser::setInitialBrowsePathBackup(const QString& path)
{
    m_strInitialPath = path;
}

QLineEdit* PathChooser::lineEdit() const
{
    return m_pLineEdit;
}

QToolButton* PathChooser::browseButton() const
{
    return m_pBrowseButton;
}

QString PathChooser::path() const
{
    return m_pLineEdit->text();
}

void PathChooser::setPath(const QString& path)
{
    const bool shownChanged = m_pLineEdit->text() != path;
    if (shownChanged)
        m_pLineEdit->setText(path);
    // Also when only the reported path is stale, e.g. after the line edit was cleared directly.
    if (shownChanged || path != m_strLastReported) {
        m_strLastReported = path;
        emit pathChanged(path);
    }
}

void PathChooser::commitPath(const QString& path)
{
    if (path == m_strLastReported)
        return;
    m_strLastReported = path;
    emit pathChanged(path);
}

void PathChooser::browse()
{
    if (ZK::Internal::isHeadless()) {
        qWarning() << "PathChooser: no browse window on a headless platform";
        return;
    }
    QString start = path();
    if (start.isEmpty())
        start = m_strInitialPath;
    const QString title = m_strTitle.isEmpty() ? tr("Choose...") : m_strTitle;

    // The chooser may be deleted while the modal window runs.
    QPointer<PathChooser> self(this);
    QString chosen;
    switch (m_kind) {
    case ExistingDirectory:
    case Directory:
        chosen = QFileDialog::getExistingDirectory(this, title, start);
        break;
    case SaveFile:
        chosen = QFileDialog::getSaveFileName(this, title, start, m_strFilter);
        break;
    case File:
    case Any:
        chosen = QFileDialog::getOpenFileName(this, title, start, m_strFilter);
        break;
    }
    if (!self || chosen.isEmpty())
        return;
    setPath(chosen);
}

void PathChooser::retranslateUi()
{
    m_pBrowseButton->setText(tr("Browse..."));
    m_pBrowseButton->setToolTip(tr("Choose a path"));
}

void PathChooser::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

} // namespace ZK::Utils
