// SPDX-License-Identifier: GPL-3.0-or-later
#include "regles.h"

#include <QFontMetrics>
#include <QPalette>
#include <QResizeEvent>
#include <QTextBrowser>
#include <QTextDocument>
#include <algorithm>

#include "decor.h"
#include "fondcopie.h"
#include "hotlabel.h"
#include "image.h"
#include "imagegrille.h"
#include "look.h"
#include "shell.h"
#include "texts.h"

namespace {

// The commands' size on the rules and tips screens.
constexpr int CommandSize = 20;

}  // namespace

QString Tf_Regles::StyleSheet() {
  // Headings are classes of paragraphs: the HTML headings of the rich text
  // engine keep a size of their own whatever the style sheet says.
  QString css = QStringLiteral(
                    ".titre { font-family: '%1'; font-size: 22px; color: %2; margin-top: 0px; margin-bottom: 6px; }"
                    ".soustitre { font-family: '%1'; font-size: 19px; color: %2; margin-top: 0px; margin-bottom: 4px; }"
                    "p { margin-top: 0px; margin-bottom: 6px; }"
                    "ul { margin-top: 0px; margin-bottom: 6px; }"
                    "li { margin-top: 0px; margin-bottom: 1px; }")
                    .arg(Look::TitleFamily, Look::Colours().Hover.name());
  for (auto teinte : {TImageGrille::tt_Jaune, TImageGrille::tt_Bleu, TImageGrille::tt_Vert, TImageGrille::tt_Violet})
    css += QStringLiteral(".%1 { background-color: %2; }")
               .arg(TImageGrille::NomCouleur(teinte), TImageGrille::Couleur(teinte).name());
  return css;
}

QTextBrowser* Tf_Regles::NewTextBox(QWidget* Parent) {
  auto* box = new QTextBrowser(Parent);
  box->setFrameShape(QFrame::NoFrame);
  box->setReadOnly(true);
  box->setOpenLinks(false);
  box->setFocusPolicy(Qt::NoFocus);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QPalette palette = box->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, Look::Colours().Panel);
    palette.setColor(group, QPalette::Text, Look::Colours().Command);
  }
  box->setPalette(palette);
  box->setFont(Look::PixelFont(Look::GridFamily, 15));
  box->document()->setDocumentMargin(2);
  box->document()->setIndentWidth(18);
  box->document()->setDefaultStyleSheet(StyleSheet());
  return box;
}

void Tf_Regles::SetText(QTextBrowser& Box, const QString& Name) {
  Box.setProperty("Texte", Name);
  Box.setHtml(Texts::Load(Name));
}

Tf_Regles::Tf_Regles(QWidget* Parent) : QWidget(Parent) {
  setObjectName(QStringLiteral("f_Regles"));

  Image1 = AddBackground(*this, true);

  FondCopie1 = AddPanel(*this);
  FondCopie1->resize(PanelWidth, PanelHeight);

  // Top: the presentation and the grid with its regions; bottom: the filled
  // grid and the rules.
  Image3 = new TImageGrille(TImageGrille::dg_Regions, FondCopie1);
  Image3->setObjectName(QStringLiteral("Image3"));
  Image3->move(PanelWidth - 12 - Image3->width(), 12);
  RichEdit1 = NewTextBox(FondCopie1);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setGeometry(12, 12, Image3->x() - 12 - 12, Image3->height() + 4);

  const int bottom = Image3->y() + Image3->height() + 16;
  Image4 = new TImageGrille(TImageGrille::dg_Remplie, FondCopie1);
  Image4->setObjectName(QStringLiteral("Image4"));
  Image4->move(12, bottom);
  RichEdit2 = NewTextBox(FondCopie1);
  RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
  const int left2 = Image4->x() + Image4->width() + 12;
  RichEdit2->setGeometry(left2, bottom, PanelWidth - 12 - left2, PanelHeight - 12 - bottom);

  SetText(*RichEdit1, QStringLiteral("regles_presentation"));
  SetText(*RichEdit2, QStringLiteral("regles_regles"));

  hl_Retour = new THotLabel(tr("Retour au menu"), this);
  hl_Retour->setObjectName(QStringLiteral("hl_Retour"));
  Look::DressCommand(*hl_Retour, CommandSize);
  // Room for the bold caption the pointer gives it.
  QFont bold = hl_Retour->font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  hl_Retour->resize(metrics.horizontalAdvance(hl_Retour->text()) + 6, metrics.height() + 2);
  connect(hl_Retour, &THotLabel::clicked, this, &Tf_Regles::hl_RetourClick);
  LeaveOnEscape(*this, [this] { hl_RetourClick(); });

  FormResize();
}

void Tf_Regles::hl_RetourClick() {
  // The main window frees this screen later, outside this handler.
  if (Shell() != nullptr) Shell()->ShowMenu();
  close();
}

void Tf_Regles::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  FormResize();
}

void Tf_Regles::FormResize() {
  Image1->setGeometry(rect());
  FondCopie1->move(std::max(0, (width() - PanelWidth) / 2), std::max(0, (height() - PanelHeight) / 2));
  hl_Retour->move(FondCopie1->x() + RetourLeft, FondCopie1->y() + RetourTop);
}
