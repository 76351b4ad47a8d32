#include "find_dialog.h"
#include "ui/app.h"

#include "text/editor_text_box.h"
#include "text/find.h"
#include "text/text_editor_window.h"
#include "ui/workbench.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantrel {

TextBox* activeTextBox(App& app)
{
    auto* active = qobject_cast<TextEditorWindow*>(app.workbench ? app.workbench->activeWindow() : nullptr);
    return active ? active->editor() : nullptr;
}

FindDialog::FindDialog(App& app, TextBox* target, QWidget* parent) : QDialog(parent), app_(app), target_(target)
{
    setWindowTitle(tr("Find"));
    findLabel = new QLabel(tr("Fi&nd:"), this);
    findEdit = new QLineEdit(this);
    findEdit->setObjectName(QStringLiteral("findEdit"));
    findLabel->setBuddy(findEdit);
    replaceLabel = new QLabel(tr("Replace with:"), this);
    replaceEdit = new QLineEdit(this);
    replaceEdit->setObjectName(QStringLiteral("replaceEdit"));
    replaceLabel->hide();
    replaceEdit->hide();

    findButton = new QPushButton(tr("&Find"), this);
    findButton->setObjectName(QStringLiteral("findButton"));
    findButton->setDefault(true);
    findButton->setEnabled(false);
    replaceButton = new QPushButton(tr("Replace >>"), this);
    replaceButton->setObjectName(QStringLiteral("replaceButton"));
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    matchCaseBox = new QCheckBox(tr("Match &Case"), this);
    matchCaseBox->setObjectName(QStringLiteral("matchCaseBox"));
    matchCaseBox->setChecked(app_.search.matchCase);

    directionBox = new QGroupBox(tr("Direction"), this);
    directionBox->setObjectName(QStringLiteral("directionBox"));
    downButton = new QRadioButton(tr("&Down"), directionBox);
    upButton = new QRadioButton(tr("&Up"), directionBox);
    auto* directions = new QHBoxLayout(directionBox);
    directions->addWidget(downButton);
    directions->addWidget(upButton);
    (app_.search.direction == kFindUp ? upButton : downButton)->setChecked(true);

    auto* fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(findEdit, 0, 1);
    fields->addWidget(replaceLabel, 1, 0);
    fields->addWidget(replaceEdit, 1, 1);
    auto* options = new QHBoxLayout;
    options->addWidget(matchCaseBox);
    options->addStretch();
    options->addWidget(directionBox);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findButton);
    buttons->addWidget(replaceButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(findEdit, &QLineEdit::textChanged, this, &FindDialog::updateFindButton);
    connect(findButton, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(replaceButton, &QPushButton::clicked, this, &FindDialog::replaceNext);
    connect(cancelButton, &QPushButton::clicked, this, &FindDialog::rememberAndClose);
    connect(matchCaseBox, &QCheckBox::clicked, this, &FindDialog::setMatchCase);
    connect(upButton, &QRadioButton::clicked, this, [this] { setDirection(kFindUp); });
    connect(downButton, &QRadioButton::clicked, this, [this] { setDirection(kFindDown); });
    resize(420, sizeHint().height());
}

void FindDialog::updateFindButton()
{
    findButton->setEnabled(!findEdit->text().isEmpty());
}

void FindDialog::showNotFound()
{
    app_.dialogs.message(this, tr("Cannot find \"%1\"").arg(findEdit->text()));
}

void FindDialog::findNext()
{
    SearchSettings& search = app_.search;
    search.findText = toUtf16(findEdit->text());
    if (!target_ || search.findText.empty())
        return;
    if (vantrel::findNext(*target_, search, search.findText) < 0)
        showNotFound();
}

void FindDialog::showReplaceBox()
{
    replaceButton->setText(tr("Replace"));
    replaceLabel->show();
    replaceEdit->show();
    adjustSize();
}

void FindDialog::replaceNext()
{
    if (replaceEdit->isHidden()) {
        showReplaceBox();
        return;
    }
    SearchSettings& search = app_.search;
    search.findText = toUtf16(findEdit->text());
    if (!target_ || search.findText.empty())
        return;
    if (vantrel::replaceNext(*target_, search, search.findText, toUtf16(replaceEdit->text())) < 0)
        showNotFound();
}

void FindDialog::rememberAndClose()
{
    app_.search.findText = toUtf16(findEdit->text());
    app_.search.matchCase = matchCaseBox->isChecked();
    close();
}

void FindDialog::setMatchCase(bool matchCase)
{
    app_.search.matchCase = matchCase;
}

void FindDialog::setDirection(int direction)
{
    app_.search.direction = direction;
}

} // namespace vantrel
