// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_Astuces: the tips screen ("Astuces" in the main menu). Four solving
// methods over eight pages, on a framed pale yellow panel centred over the
// background. Page 0 is the tips menu: an introduction and the four methods;
// a method opens its first page, "Suite ..." walks on through all eight
// pages, and the return label goes back to the tips menu, then to the main
// menu.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

class QTextBrowser;
class TFondCopie;
class THotLabel;
class TImage;
class TImageGrille;

class Tf_Astuces : public QWidget {
  Q_OBJECT

 public:
  explicit Tf_Astuces(QWidget* Parent = nullptr);

  // The panel's size; it stays centred in the screen.
  static constexpr int PanelWidth = 656;
  static constexpr int PanelHeight = 528;
  // Where the return label stands from the panel's top-left corner.
  static constexpr int RetourTop = 492;
  static constexpr int RetourLeft = 240;

  // One method page: the texts of its two boxes (the second one empty when the
  // page hides it), their sizes and the top of the second, and its picture
  // (0 for none, else 1 to 3 for im_Conseil1 to im_Conseil3).
  struct TPage {
    const char* Texte1;
    int Largeur1;
    int Hauteur1;
    const char* Texte2;
    int Largeur2;
    int Hauteur2;
    int Haut2;
    int Image;
  };
  static const TPage& PageInfo(int Page);

  // The page shown: 0 for the tips menu, 1 to 8 for the method pages.
  std::uint8_t Page = 0;
  // Shows Page.
  void ShowPage();

  TImage* Image1;
  TFondCopie* FondCopie1;
  // The tips menu.
  QWidget* Panel1;
  QTextBrowser* RichEdit3;
  THotLabel* hl_Methode1;
  THotLabel* hl_Methode2;
  THotLabel* hl_Methode3;
  THotLabel* HotLabel1;
  // The method pages.
  QTextBrowser* RichEdit1;
  QTextBrowser* RichEdit2;
  TImageGrille* im_Conseil1;
  TImageGrille* im_Conseil2;
  TImageGrille* im_Conseil3;
  THotLabel* hl_Suite;
  THotLabel* hl_retour;

 protected:
  void resizeEvent(QResizeEvent* Event) override;

 private:
  // A method label or "Suite ...": Page := its tag.
  void PageClick(THotLabel* Sender);
  void hl_retourClick();
  void FormResize();
};
