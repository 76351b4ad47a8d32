#include "ui/dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace vantrel {

QString qtFilter(const QString& pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // A description that already shows its patterns is not followed by them again.
        const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
        filters << (parts[i].contains(shown, Qt::CaseInsensitive) ? parts[i] : parts[i] + QLatin1Char(' ') + shown);
    }
    return filters.join(QStringLiteral(";;"));
}

int QtDialogs::choose(QWidget* parent, const QString& text, const QStringList& choices, const QString& title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices) {
        const bool last = buttons.size() == choices.size() - 1;
        buttons << box.addButton(choice, last ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    }
    if (!buttons.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
        box.setEscapeButton(buttons.last());
    }
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

Answer QtDialogs::message(QWidget* parent, const QString& text, const QString& title, Buttons buttons, Icon icon,
                          const QString& detail)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setInformativeText(detail);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNoDiscard:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Discard);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    // The busy pointer must not hide that the program waits for an answer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    switch (result) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Discard: return Answer::Discard;
    default: return buttons == Buttons::OkCancel && result != QMessageBox::Ok ? Answer::Cancel : Answer::Ok;
    }
}

namespace {

QString startPath(const FileDialogOptions& o)
{
    if (o.fileName.isEmpty())
        return o.directory;
    return o.directory.isEmpty() ? o.fileName : o.directory + QLatin1Char('/') + o.fileName;
}

} // namespace

QString QtDialogs::openFile(QWidget* parent, const FileDialogOptions& o)
{
    return QFileDialog::getOpenFileName(parent, o.title, startPath(o), qtFilter(o.filter));
}

QStringList QtDialogs::openFiles(QWidget* parent, const FileDialogOptions& o)
{
    return QFileDialog::getOpenFileNames(parent, o.title, startPath(o), qtFilter(o.filter));
}

QString QtDialogs::saveFile(QWidget* parent, const FileDialogOptions& o)
{
    return QFileDialog::getSaveFileName(parent, o.title, startPath(o), qtFilter(o.filter));
}

QString QtDialogs::chooseFolder(QWidget* parent, const QString& title, const QString& directory)
{
    return QFileDialog::getExistingDirectory(parent, title, directory);
}

std::optional<QString> QtDialogs::askText(QWidget* parent, const QString& title, const QString& label,
                                          const QString& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QColor> QtDialogs::chooseColour(QWidget* parent, const QColor& initial)
{
    const QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> QtDialogs::chooseFont(QWidget* parent, const QFont& initial)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return f;
}

void QtDialogs::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool QtDialogs::shellOpen(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDialogs::shellEdit(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool askToSaveChanges(Dialogs& dialogs, QWidget* parent, const QString& question, const QString& title,
                      const std::function<bool()>& save)
{
    switch (dialogs.message(parent, question, title, Buttons::YesNoCancel, Icon::Question)) {
    case Answer::Yes: return save();
    case Answer::No: return true;
    default: return false;
    }
}

} // namespace vantrel
