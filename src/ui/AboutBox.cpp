#include "ui/AboutBox.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/SystemInfo.h"
#include "core/app/Version.h"
#include "ui/Placement.h"
#include "ui/SplashScreen.h"

namespace dk::ui {

AboutBox::AboutBox(Prompter& prompter, const std::vector<std::string>& ownCatalogues,
                   QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setObjectName("frmAbout");
  setModal(true);
  setWindowTitle(QString("About ") + QString::fromUtf8(kAppTitle));

  auto* pic = new QLabel(this);
  pic->setObjectName("picIcon");
  pic->setPixmap(programPicture(64));
  pic->setAlignment(Qt::AlignTop);

  auto* title = new QLabel(QString::fromUtf8(kAppTitle), this);
  title->setObjectName("lblTitle");
  QFont f = title->font();
  f.setPointSize(f.pointSize() + 4);
  f.setBold(true);
  title->setFont(f);
  auto* version = new QLabel(QString::fromStdString(versionText()), this);
  version->setObjectName("lblVersion");
  auto* description = new QLabel("Please send any bugs/suggestions/comments/etc to:", this);
  description->setObjectName("lblDescription");
  auto* contact = new QLabel("support@drakkenfold-games.example", this);
  contact->setObjectName("lblContact");
  contact->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* disclaimer = new QLabel(
      "Copyright \u00a9 Drakkenfold Games.  All rights reserved.  This program is provided as "
      "is, without warranty of any kind.",
      this);
  disclaimer->setObjectName("lblDisclaimer");
  disclaimer->setWordWrap(true);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  auto* sysInfo = new QPushButton("&System Info...", this);
  sysInfo->setObjectName("cmdSysInfo");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(sysInfo, &QPushButton::clicked, this, &AboutBox::startSystemInfo);

  auto* text = new QVBoxLayout;
  text->addWidget(title);
  text->addWidget(version);
  text->addSpacing(10);
  text->addWidget(description);
  text->addWidget(contact);
  if (!ownCatalogues.empty()) {
    QString files = "Catalogues of your own in use beside the shipped ones:";
    for (const std::string& file : ownCatalogues) files += "\n" + QString::fromStdString(file);
    auto* catalogues = new QLabel(files, this);
    catalogues->setObjectName("lblCatalogues");
    catalogues->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->addSpacing(10);
    text->addWidget(catalogues);
  }
  text->addStretch();

  auto* top = new QHBoxLayout;
  top->setSpacing(16);
  top->addWidget(pic);
  top->addLayout(text, 1);

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(sysInfo);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(disclaimer, 1);
  bottom->addSpacing(12);
  bottom->addLayout(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->addLayout(top);
  layout->addWidget(line);
  layout->addLayout(bottom);

  setMinimumWidth(460);
  adjustSize();
  centerOnScreen(this);
}

void AboutBox::startSystemInfo() {
  const auto tool =
      findSystemInfoTool(qEnvironmentVariable("PATH").toStdString(), [](const std::string& path) {
        const QFileInfo info(QString::fromStdString(path));
        return info.isFile() && info.isExecutable();
      });
  // Started directly (no shell); a program that cannot be started counts as unavailable.
  if (tool && QProcess::startDetached(QString::fromStdString(*tool), {})) return;
  prompter_.showMessage(kSystemInfoUnavailable, MessageIcon::None);
}

}  // namespace dk::ui
