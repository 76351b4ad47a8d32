#include "find_dialog.h"

#include "shell/main_window.h"
#include "text/editor_text_box.h"
#include "text/find.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantrel {

namespace {

std::u16string utf16Of(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

} // namespace

TextBox* activeTextBox(App& app)
{
    if (!app.main)
        return nullptr;
    QMdiSubWindow* active = app.main->mdiArea()->activeSubWindow();
    if (!active) {
        const auto windows = app.main->mdiArea()->subWindowList(QMdiArea::ActivationHistoryOrder);
        active = windows.isEmpty() ? nullptr : windows.constLast();
    }
    if (!active || !active->widget())
        return nullptr;
    return active->widget()->findChild<EditorTextBox*>(QStringLiteral("txtEdit"));
}

FindDialog::FindDialog(App& app, TextBox* target, QWidget* parent) : QDialog(parent), app_(app), target_(target)
{
    setWindowTitle(QStringLiteral("Find"));
    Label1 = new QLabel(QStringLiteral("Fi&nd:"), this);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Label1->setBuddy(Text1);
    Label2 = new QLabel(QStringLiteral("Replace with:"), this);
    txtReplace = new QLineEdit(this);
    txtReplace->setObjectName(QStringLiteral("txtReplace"));
    Label2->hide();
    txtReplace->hide();

    cmdFind = new QPushButton(QStringLiteral("&Find"), this);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdFind->setDefault(true);
    cmdFind->setEnabled(false);
    cmdReplace = new QPushButton(QStringLiteral("Replace >>"), this);
    cmdReplace->setObjectName(QStringLiteral("cmdReplace"));
    cmdcancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdcancel->setObjectName(QStringLiteral("cmdcancel"));

    chkCase = new QCheckBox(QStringLiteral("Match &Case"), this);
    chkCase->setObjectName(QStringLiteral("chkCase"));
    chkCase->setChecked(app_.textEditors.search.matchCase);

    Frame1 = new QGroupBox(QStringLiteral("Direction"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    optDirection[1] = new QRadioButton(QStringLiteral("&Down"), Frame1);
    optDirection[0] = new QRadioButton(QStringLiteral("&Up"), Frame1);
    auto* directions = new QHBoxLayout(Frame1);
    directions->addWidget(optDirection[1]);
    directions->addWidget(optDirection[0]);
    optDirection[app_.textEditors.search.direction == kFindUp ? 0 : 1]->setChecked(true);

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(Text1, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(txtReplace, 1, 1);
    auto* options = new QHBoxLayout;
    options->addWidget(chkCase);
    options->addStretch();
    options->addWidget(Frame1);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdFind);
    buttons->addWidget(cmdReplace);
    buttons->addWidget(cmdcancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(cmdFind, &QPushButton::clicked, this, [this] { cmdFind_Click(); });
    connect(cmdReplace, &QPushButton::clicked, this, [this] { cmdReplace_Click(); });
    connect(cmdcancel, &QPushButton::clicked, this, [this] { cmdcancel_Click(); });
    connect(chkCase, &QCheckBox::clicked, this, [this] { chkCase_Click(); });
    connect(optDirection[0], &QRadioButton::clicked, this, [this] { optDirection_Click(0); });
    connect(optDirection[1], &QRadioButton::clicked, this, [this] { optDirection_Click(1); });
    resize(420, sizeHint().height());
}

void FindDialog::Text1_Change()
{
    cmdFind->setEnabled(!Text1->text().isEmpty());
}

void FindDialog::showNotFound()
{
    app_.dialogs.message(this, QStringLiteral("Cannot find \"") + Text1->text() + QLatin1Char('"'));
}

void FindDialog::cmdFind_Click()
{
    SearchSettings& search = app_.textEditors.search;
    search.findText = utf16Of(Text1->text());
    if (!target_ || search.findText.empty())
        return;
    if (FindNext(*target_, search, search.findText) < 0)
        showNotFound();
}

void FindDialog::expand()
{
    cmdReplace->setText(QStringLiteral("Replace"));
    Label2->show();
    txtReplace->show();
    adjustSize();
}

void FindDialog::cmdReplace_Click()
{
    if (cmdReplace->text() == QLatin1String("Replace >>")) {
        expand();
        return;
    }
    SearchSettings& search = app_.textEditors.search;
    search.findText = utf16Of(Text1->text());
    if (!target_ || search.findText.empty())
        return;
    if (ReplaceNext(*target_, search, search.findText, utf16Of(txtReplace->text())) < 0)
        showNotFound();
}

void FindDialog::cmdcancel_Click()
{
    app_.textEditors.search.findText = utf16Of(Text1->text());
    app_.textEditors.search.matchCase = chkCase->isChecked();
    close();
}

void FindDialog::chkCase_Click()
{
    app_.textEditors.search.matchCase = chkCase->isChecked();
}

void FindDialog::optDirection_Click(int index)
{
    app_.textEditors.search.direction = index == 0 ? kFindUp : kFindDown;
}

} // namespace vantrel
