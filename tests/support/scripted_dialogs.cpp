#include "scripted_dialogs.h"

namespace vantrel::test {

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const auto& m : messages)
        texts << m.text;
    return texts;
}

void ScriptedDialogs::clear()
{
    answers.clear();
    choices.clear();
    files.clear();
    fileLists.clear();
    colours.clear();
    fonts.clear();
    texts.clear();
    messages.clear();
    fileDialogs.clear();
    opened.clear();
}

Answer ScriptedDialogs::message(QWidget*, const QString& text, const QString& title, Buttons buttons, Icon,
                                const QString& detail)
{
    messages.append({text, title, buttons, detail});
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Cancel;
}

int ScriptedDialogs::choose(QWidget*, const QString& text, const QStringList& options, const QString& title)
{
    messages.append({text, title, Buttons::Ok, {}});
    if (!choices.isEmpty())
        return choices.dequeue();
    return static_cast<int>(options.size()) - 1;
}

QString ScriptedDialogs::openFile(QWidget*, const FileDialogOptions& options)
{
    fileDialogs.append(options);
    return files.isEmpty() ? QString() : files.dequeue();
}

QStringList ScriptedDialogs::openFiles(QWidget*, const FileDialogOptions& options)
{
    fileDialogs.append(options);
    return fileLists.isEmpty() ? QStringList() : fileLists.dequeue();
}

QString ScriptedDialogs::saveFile(QWidget*, const FileDialogOptions& options)
{
    fileDialogs.append(options);
    return files.isEmpty() ? QString() : files.dequeue();
}

QString ScriptedDialogs::chooseFolder(QWidget*, const QString& title, const QString& directory)
{
    FileDialogOptions options;
    options.title = title;
    options.directory = directory;
    fileDialogs.append(options);
    return files.isEmpty() ? QString() : files.dequeue();
}

std::optional<QColor> ScriptedDialogs::chooseColour(QWidget*, const QColor&)
{
    return colours.isEmpty() ? std::nullopt : colours.dequeue();
}

std::optional<QFont> ScriptedDialogs::chooseFont(QWidget*, const QFont&)
{
    return fonts.isEmpty() ? std::nullopt : fonts.dequeue();
}

std::optional<QString> ScriptedDialogs::askText(QWidget*, const QString&, const QString&, const QString&)
{
    return texts.isEmpty() ? std::nullopt : texts.dequeue();
}

void ScriptedDialogs::setBusy(bool busy)
{
    busyDepth += busy ? 1 : -1;
}

bool ScriptedDialogs::shellOpen(const QString& path)
{
    opened << path;
    return true;
}

bool ScriptedDialogs::shellEdit(const QString& path)
{
    opened << path;
    return true;
}

} // namespace vantrel::test
