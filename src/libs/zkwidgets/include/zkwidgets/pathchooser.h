#pragma once

#include <zkwidgets/zkwidgets_export.h>

#include <QString>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace ZK::Utils {

// A line edit with a browse button. pathChanged is emitted when the path changes: set from code,
// chosen in the browse window, or typed and confirmed (Return or leaving the field).
// Object names: "PathChooserLineEdit", "PathChooserBrowseButton".
class ZKWIDGETS_EXPORT PathChooser : public QWidget
{
    Q_OBJECT
public:
    enum Kind {
        ExistingDirectory = 0,
        Directory = 1, // may not exist yet
        File = 2, // an existing file to open
        SaveFile = 3, // a file to write
        Any = 4,
    };
    Q_ENUM(Kind)

    explicit PathChooser(QWidget* parent = nullptr);
    ~PathChooser() override;

    void setExpectedKind(Kind kind);
    Kind expectedKind() const;
    void setPromptDialogFilter(const QString& filter);
    QString promptDialogFilter() const;
    void setPromptDialogTitle(const QString& title);
    QString promptDialogTitle() const;
    // Folder the browse window starts in when the field is empty.
    void setInitialBrowsePathBackup(const QString& path);

    QLineEdit* lineEdit() const;
    QToolButton* browseButton() const;
    QString path() const;

    void retranslateUi();

public slots:
    void setPath(const QString& path);
    // Opens the browse window; on the offscreen platform nobody could answer it, so it is refused.
    void browse();

signals:
    void pathChanged(const QString& path);

protected:
    void changeEvent(QEvent* event) override;

private:
    void commitPath(const QString& path);

    QLineEdit* m_pLineEdit = nullptr;
    QToolButton* m_pBrowseButton = nullptr;
    Kind m_kind = File;
    QString m_strFilter;
    QString m_strTitle;
    QString m_strInitialPath;
    QString m_strLastReported;
};

} // namespace ZK::Utils
