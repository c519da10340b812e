// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_Regles: the rules screen ("Règles du jeu" in the main menu). On a framed
// pale yellow panel centred over the background: the presentation of the grid
// beside a picture of its regions, rows and columns, and the rules beside a
// filled grid; "Retour au menu" below the panel.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class TFondCopie;
class THotLabel;
class TImage;
class TImageGrille;

class Tf_Regles : public QWidget {
  Q_OBJECT

 public:
  explicit Tf_Regles(QWidget* Parent = nullptr);

  // The panel's size; it stays centred in the screen.
  static constexpr int PanelWidth = 656;
  static constexpr int PanelHeight = 476;
  // Where "Retour au menu" stands from the panel's top-left corner.
  static constexpr int RetourTop = 486;
  static constexpr int RetourLeft = 392;

  // A borderless, read-only rich text box on the panel's colour, in the texts'
  // font and style sheet, as the rules and tips screens show them.
  static QTextBrowser* NewTextBox(QWidget* Parent);
  // Shows the text Name of the program's texts in Box.
  static void SetText(QTextBrowser& Box, const QString& Name);
  // The style sheet of the texts: the classes "titre" and "soustitre" of
  // their headings, paragraphs, lists, and the classes "jaune", "bleu", "vert"
  // and "violet" that give a phrase the colour of the picture's highlights it
  // talks about.
  static QString StyleSheet();

  TImage* Image1;
  TFondCopie* FondCopie1;
  QTextBrowser* RichEdit1;
  TImageGrille* Image3;
  QTextBrowser* RichEdit2;
  TImageGrille* Image4;
  THotLabel* hl_Retour;

 protected:
  void resizeEvent(QResizeEvent* Event) override;

 private:
  void hl_RetourClick();
  void FormResize();
};
