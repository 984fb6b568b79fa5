#pragma once

// Answers the USB file dialog from code: the static entry points run it modally, so a test
// arranges its answer before the call and the answer runs inside the dialog's event loop.

#include <vireowidgets/media/filedialogex.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace Vireo::Test {

// The dialog's drive list has checked a drive and listed it.
inline bool waitForDrive(Vireo::Widgets::FileDialogEx* dialog, int timeoutMs = 5000)
{
    auto* list = dialog->findChild<Vireo::Widgets::UDiskListWidget*>(QStringLiteral("frameUDiskList"));
    return list && QTest::qWaitFor([list] { return list->activatedUDiskListWidgetItem() != nullptr; }, timeoutMs);
}

// Runs `answer` once on the next FileDialogEx that becomes the active modal widget. The answer
// must end the dialog (accept, reject, done) or the call under test never returns; a dialog still
// open 10 s after it was answered is rejected, so that a broken answer fails instead of hanging.
inline void answerFileDialog(std::function<void(Vireo::Widgets::FileDialogEx*)> answer)
{
    auto* timer = new QTimer(qApp);
    timer->setObjectName(QStringLiteral("fileDialogAnswer"));
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer]() {
        auto* dialog = qobject_cast<Vireo::Widgets::FileDialogEx*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        QPointer<Vireo::Widgets::FileDialogEx> guard(dialog);
        QTimer::singleShot(10000, dialog, [guard]() {
            if (guard && guard->isVisible())
                guard->reject();
        });
        answer(dialog);
    });
    timer->start();
}

// Drops the answers that no dialog took (a test whose call never opened one).
inline void cancelFileDialogAnswers()
{
    qDeleteAll(qApp->findChildren<QTimer*>(QStringLiteral("fileDialogAnswer"), Qt::FindDirectChildrenOnly));
}

// Double-clicks an entry of the dialog's folder view, as the operator would.
inline void doubleClickEntry(QAbstractItemView* view, const QModelIndex& index)
{
    const QPoint pos = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, pos);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, pos);
}

// Types a name into the dialog's name line (as the operator would) and presses its OK button.
inline void chooseTypedName(Vireo::Widgets::FileDialogEx* dialog, const QString& name)
{
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, name);
    dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
}

} // namespace Vireo::Test
