#pragma once
// The References window: every place in the character's files (the
// constants, command and state files, and the AIR) that names a state, an
// action or a command, one a line ("kfm.cns:158: value = 0"). The files are
// read as the windows hold them, saved or not. A double click or Enter opens
// the place in the window that edits its file.

#include "text/definitions.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace vantrel {

struct App;
class DocumentManager;

// The text of a file of the character as its document holds it (saved or
// not), else as it is on disk; nothing when it cannot be read.
std::optional<std::string> characterText(const DocumentManager* documents, const std::string& path);

// The text files of the character in which states, actions and commands are
// named: the constants, the commands, the state files, the common states and
// the AIR, each once.
std::vector<std::string> characterTextFiles(const DocumentManager& documents);

class ReferencesWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ReferencesWindow(App& app, QWidget* parent = nullptr);

    QListWidget* referenceList() const { return list_; }
    QLabel* summaryLabel() const { return summary_; }

    // Lists the places that name it in every file of the open character.
    void search(const DefinitionName& name);

public slots:
    // Opens the place of that row in the window that edits its file.
    void showReference(int row);

private:
    App& app_;
    QLabel* summary_;
    QListWidget* list_;
};

// What a definition is called in a sentence: "state 200", "command \"QCF_x\"".
QString definitionText(const DefinitionName& name);

} // namespace vantrel
