#pragma once
// The Problems window: what the checker finds in the open character, one
// finding a line ("file:line: severity: text"), and how many of each kind.
// The check reads the text the windows hold, saved or not, and runs again a
// moment after typing stops; Refresh checks at once. A double-click opens the
// finding's file at its line in the editor window that edits that file.

#include "check/character_check.h"

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QThread;
class QTimer;

namespace vantrel {

struct App;

class ProblemsWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ProblemsWindow(App& app, QWidget* parent = nullptr);
    ~ProblemsWindow() override;

    QListWidget* findingList() const { return list_; }
    QLabel* countLabel() const { return count_; }
    QPushButton* refreshButton() const { return refreshButton_; }
    const std::vector<Finding>& findings() const { return findings_; }
    // A check is running.
    bool checking() const { return worker_ != nullptr; }

public slots:
    // Checks the open character again. The check runs beside the windows;
    // the list fills when it is done (checked() then follows).
    void refresh();
    // Opens the file of the finding in that row at its line; nothing for a
    // file that no editor window shows.
    void showFinding(int row);

signals:
    void checked();

private:
    void showReport(const CheckReport& report);
    // The full path of the finding's file.
    QString pathOf(const Finding& finding) const;
    // The text views of the character's files underline what was found in them.
    void markInTextViews();

    App& app_;
    QListWidget* list_;
    QLabel* count_;
    QPushButton* refreshButton_;
    std::vector<Finding> findings_;
    std::string checkedDir_; // the folder the findings' file names are relative to
    QThread* worker_ = nullptr;
    QTimer* typingPause_ = nullptr;
    bool checkAgain_ = false; // asked for a check while one was running
};

} // namespace vantrel
