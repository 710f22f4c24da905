#include "app/widgets/SaveFileDialog.h"

#include "app/widgets/SaveFileName.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

namespace {

QString systemDialog(QWidget* parent, const SaveFileKind& kind, const QString& suggested)
{
    QFileDialog dialog(parent, QString::fromUtf8(kind.caption), suggested, QString::fromUtf8(kind.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds it itself to a name without one, and so asks before
    // replacing the file that name really means.
    dialog.setDefaultSuffix(QString::fromUtf8(kind.extension));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

SaveDialog& installedDialog()
{
    static SaveDialog dialog;
    return dialog;
}

QString folderKey(const SaveFileKind& kind)
{
    return QStringLiteral("lastFolder/%1").arg(QString::fromUtf8(kind.extension));
}

QString startFolder(const SaveFileKind& kind, const QSettings* settings)
{
    if (settings) {
        const QString last = settings->value(folderKey(kind)).toString();
        if (!last.isEmpty() && QFileInfo(last).isDir())
            return last;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

SaveDialog setSaveDialog(SaveDialog dialog)
{
    return std::exchange(installedDialog(), std::move(dialog));
}

QString askSaveFileName(QWidget* parent, const SaveFileKind& kind, QSettings* settings)
{
    const SaveDialog ask = installedDialog() ? installedDialog() : SaveDialog(systemDialog);
    const QString extension = QString::fromUtf8(kind.extension);
    QString suggested = QDir(startFolder(kind, settings))
                            .filePath(datedFileName(QString::fromUtf8(kind.stem), QDateTime::currentDateTime(), extension));
    for (;;) {
        const QString chosen = ask(parent, kind, suggested);
        if (chosen.isEmpty())
            return {};
        const QString file = withExtension(chosen, extension);
        // A file the added extension would replace is the user's to
        // confirm: the dialog asks again with the whole name.
        if (file != chosen && QFileInfo::exists(file)) {
            suggested = file;
            continue;
        }
        if (settings)
            settings->setValue(folderKey(kind), QFileInfo(file).absolutePath());
        return file;
    }
}
