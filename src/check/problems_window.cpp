#include "problems_window.h"
#include "ui/app.h"

#include "documents/document_manager.h"
#include "ui/document_view.h"
#include "ui/translations.h"
#include "ui/workbench.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <filesystem>
#include <map>
#include <memory>

namespace vantrel {

namespace {

namespace fs = std::filesystem;

// How long after the last keystroke the character is checked again.
constexpr int kTypingPauseMs = 600;

QString countText(const std::vector<Finding>& findings)
{
    int errors = 0;
    int warnings = 0;
    for (const Finding& f : findings)
        (f.severity == Severity::Error ? errors : warnings) += 1;
    if (errors == 0 && warnings == 0)
        return ProblemsWindow::tr("No problems found");
    const QString errorText = errors == 1 ? ProblemsWindow::tr("%1 error") : ProblemsWindow::tr("%1 errors");
    const QString warningText = warnings == 1 ? ProblemsWindow::tr("%1 warning") : ProblemsWindow::tr("%1 warnings");
    //: the count of errors, then the count of warnings ("2 errors, 1 warning")
    return ProblemsWindow::tr("%1, %2").arg(errorText.arg(errors), warningText.arg(warnings));
}

// A finding's message in the user's language.
QString shownMessage(const Finding& f)
{
    return translatedOr(f.text, f.message);
}

// "file:line: error: message", in the user's language but for the file.
QString shownFinding(const Finding& f)
{
    const QString severity = f.severity == Severity::Error ? ProblemsWindow::tr("error")
        : f.severity == Severity::Warning                  ? ProblemsWindow::tr("warning")
                                                           : ProblemsWindow::tr("note");
    QString where = QString::fromStdString(f.file);
    if (f.line > 0)
        where += QLatin1Char(':') + QString::number(f.line);
    //: A problem the checker found: its file and line, "error" or "warning", and what is wrong.
    return ProblemsWindow::tr("%1: %2: %3").arg(where, severity, shownMessage(f));
}

// The documents the checker reads as text.
bool isCharacterText(DocumentKind kind)
{
    return kind == DocumentKind::Definition || kind == DocumentKind::Constants || kind == DocumentKind::Commands
        || kind == DocumentKind::States || kind == DocumentKind::Animations;
}

// A path as the file system knows it, for matching the checker's paths with the documents'.
std::string samePlace(const std::string& path)
{
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved.string();
}

} // namespace

ProblemsWindow::ProblemsWindow(App& app, QWidget* parent)
        : QWidget(parent), app_(app), list_(new QListWidget(this)), count_(new QLabel(this)),
          refreshButton_(new QPushButton(tr("&Refresh"), this))
{
    setWindowTitle(tr("Problems"));
    list_->setObjectName(QStringLiteral("findingList"));
    count_->setObjectName(QStringLiteral("countLabel"));
    refreshButton_->setObjectName(QStringLiteral("refreshButton"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(count_, 1);
    row->addWidget(refreshButton_);
    layout->addLayout(row);
    resize(640, 320);

    connect(refreshButton_, &QPushButton::clicked, this, &ProblemsWindow::refresh);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { showFinding(list_->row(item)); });

    // What is typed is checked a moment after the typing stops, saved or not.
    typingPause_ = new QTimer(this);
    typingPause_->setSingleShot(true);
    typingPause_->setInterval(kTypingPauseMs);
    connect(typingPause_, &QTimer::timeout, this, &ProblemsWindow::refresh);
    if (DocumentManager* documents = app_.documents) {
        const auto follow = [this](Document* document) {
            if (isCharacterText(document->kind()))
                connect(document, &Document::changed, typingPause_, qOverload<>(&QTimer::start));
        };
        for (Document* document : documents->documents())
            follow(document);
        connect(documents, &DocumentManager::documentAdded, this, follow);
    }
    refresh();
}

ProblemsWindow::~ProblemsWindow()
{
    if (worker_) {
        worker_->disconnect(this);
        worker_->wait();
        delete worker_;
    }
}

void ProblemsWindow::refresh()
{
    if (worker_) {
        checkAgain_ = true;
        return;
    }
    const CharacterFiles& files = app_.documents ? app_.documents->character() : CharacterFiles{};
    const std::string def = files.defFile;
    if (def.empty()) {
        findings_.clear();
        list_->clear();
        count_->setText(tr("No character is open"));
        emit checked();
        return;
    }
    refreshButton_->setEnabled(false);
    count_->setText(tr("Checking..."));
    // The text the windows hold where it differs from the file's.
    auto unsaved = std::make_shared<std::map<std::string, std::string>>();
    if (app_.documents) {
        for (const Document* document : app_.documents->documents()) {
            if (isCharacterText(document->kind()) && document->isModified() && !document->fileName().isEmpty())
                (*unsaved)[samePlace(document->fileName().toStdString())] = document->recoveryBytes();
        }
    }
    CheckOptions options;
    // The engine the run settings name holds the common states.
    if (app_.workbench)
        options.engineFolder = app_.workbench->engineFolder().toStdString();
    if (!unsaved->empty()) {
        options.readText = [unsaved](const std::string& path) -> std::optional<std::string> {
            const auto found = unsaved->find(samePlace(path));
            return found == unsaved->end() ? std::nullopt : std::optional<std::string>(found->second);
        };
    }
    auto report = std::make_shared<CheckReport>();
    worker_ = QThread::create([def, report, options] { *report = checkCharacter(def, options); });
    connect(worker_, &QThread::finished, this, [this, report, dir = files.characterDir] {
        worker_->deleteLater();
        worker_ = nullptr;
        refreshButton_->setEnabled(true);
        if (checkAgain_) {
            checkAgain_ = false;
            refresh();
            return;
        }
        checkedDir_ = dir;
        showReport(*report);
    });
    worker_->start();
}

QString ProblemsWindow::pathOf(const Finding& finding) const
{
    const fs::path file(finding.file);
    const std::string path = file.is_absolute() ? finding.file : (fs::path(checkedDir_) / file).string();
    return QString::fromStdString(fs::path(path).lexically_normal().string());
}

void ProblemsWindow::markInTextViews()
{
    if (!app_.workbench)
        return;
    std::vector<LineProblem> problems;
    for (const Finding& finding : findings_) {
        if (finding.severity == Severity::Note)
            continue;
        problems.push_back({pathOf(finding), finding.line, QString::fromStdString(finding.message),
                            shownMessage(finding), finding.severity == Severity::Error});
    }
    for (const WindowKind kind : {WindowKind::Definition, WindowKind::Constants, WindowKind::Commands,
                                  WindowKind::States, WindowKind::AnimationText}) {
        if (auto* view = dynamic_cast<DocumentView*>(app_.workbench->loadedWindow(kind)))
            view->showProblems(problems);
    }
}

void ProblemsWindow::showReport(const CheckReport& report)
{
    findings_ = report.findings;
    markInTextViews();
    list_->clear();
    for (const Finding& finding : findings_) {
        const QStyle::StandardPixmap icon = finding.severity == Severity::Error ? QStyle::SP_MessageBoxCritical
            : finding.severity == Severity::Warning                             ? QStyle::SP_MessageBoxWarning
                                                                                : QStyle::SP_MessageBoxInformation;
        new QListWidgetItem(style()->standardIcon(icon), shownFinding(finding), list_);
    }
    count_->setText(countText(findings_));
    emit checked();
}

void ProblemsWindow::showFinding(int row)
{
    if (!app_.workbench || row < 0 || row >= static_cast<int>(findings_.size()))
        return;
    const Finding& finding = findings_[static_cast<std::size_t>(row)];
    app_.workbench->showFileLine(pathOf(finding), finding.line);
}

} // namespace vantrel
