// SPDX-License-Identifier: GPL-3.0-or-later
// Writes PNG pictures of the rules screen, the tips menu and the eight tips
// pages, at the smallest window size and at full HD, into the folder given on
// the command line (the build folder's "snapshots" by default). With a second
// argument, that picture is the background.
//
//   orvalis-snapshots-astuces [folder [background]]
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "astuces.h"
#include "dessin.h"
#include "fonts.h"
#include "image.h"
#include "imagegrille.h"
#include "regles.h"
#include "shell.h"

namespace {

class TSnapshotShell : public TShell {
 public:
  explicit TSnapshotShell(QString Background) : Background_(std::move(Background)) {}
  void LoadBackground(TImage& Image) override {
    if (!Background_.isEmpty()) Image.SetPicture(Background_);
    if (!Image.HasPicture()) Image.SetCouleur(QColor(214, 190, 150));
  }

 private:
  QString Background_;
};

bool Save(QWidget& Widget, const QDir& Folder, const QString& Name) {
  const QString path = Folder.filePath(Name);
  if (!Widget.grab().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallFontSubstitutions();
  const QStringList args = QApplication::arguments();
  QDir folder(args.size() > 1 ? args[1] : QDir(QApplication::applicationDirPath()).filePath("snapshots"));
  if (!folder.mkpath(".")) return 1;
  TSnapshotShell shell(args.size() > 2 ? args[2] : QString());
  SetShell(&shell);
  Tf_Dessin dessin;

  bool ok = true;
  for (const QSize size : {QSize(697, 570), QSize(1920, 1080)}) {
    const QString suffix = QStringLiteral("_%1x%2.png").arg(size.width()).arg(size.height());
    Tf_Regles regles;
    regles.resize(size);
    regles.show();
    ok = Save(regles, folder, "regles" + suffix) && ok;
    Tf_Astuces astuces;
    astuces.resize(size);
    astuces.show();
    for (int page = 0; page <= 8; ++page) {
      astuces.Page = static_cast<std::uint8_t>(page);
      astuces.ShowPage();
      ok = Save(astuces, folder, QStringLiteral("astuces_page%1").arg(page) + suffix) && ok;
    }
  }
  // The pictures alone, at 2x, to look at them closely.
  for (int d = TImageGrille::dg_Regions; d <= TImageGrille::dg_Conseil3; ++d) {
    const QImage image = TImageGrille::Render(TImageGrille::TDessin(d), 2.0);
    const QString path = folder.filePath(QStringLiteral("imagegrille%1_2x.png").arg(d));
    ok = image.save(path) && ok;
    std::printf("%s\n", qPrintable(path));
  }
  SetShell(nullptr);
  return ok ? 0 : 1;
}
