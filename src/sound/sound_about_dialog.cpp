#include "sound_about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrel {

SoundAboutDialog::SoundAboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("Sondrel"), this);
    name->setObjectName(QStringLiteral("nameLabel"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(versionText(), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
}

QString SoundAboutDialog::versionText()
{
    return tr("Version %1.%2.%3").arg(VANTREL_VERSION_MAJOR).arg(VANTREL_VERSION_MINOR).arg(VANTREL_VERSION_REVISION);
}

} // namespace vantrel
