// SPDX-License-Identifier: GPL-3.0-or-later
#include "astuces.h"

#include <QFontMetrics>
#include <QResizeEvent>
#include <QTextBrowser>
#include <algorithm>
#include <array>
#include <initializer_list>

#include "decor.h"
#include "dessin.h"
#include "fond.h"
#include "fondcopie.h"
#include "hotlabel.h"
#include "image.h"
#include "imagegrille.h"
#include "look.h"
#include "regles.h"
#include "shell.h"

namespace {

constexpr int CommandSize = 20;
// The method pages' boxes start here in the panel; the pictures stand right of
// the first box.
constexpr int Left = 12;
constexpr int Top = 12;
constexpr int PictureLeft = 430;

const char* const Tag = "Tag";

// clang-format off
constexpr std::array<Tf_Astuces::TPage, 8> Pages = {{
    // Method 1: by a band of rows, then of columns; rows and columns together.
    {"astuces_page1", 409, 281, "astuces_page1_bas", 613, 153, 315, 1},
    {"astuces_page2", 409, 281, "", 0, 0, 0, 1},
    // Method 2: completing a row, then a column and a block; several missing.
    {"astuces_page3", 409, 281, "astuces_page3_bas", 613, 153, 280, 2},
    {"astuces_page4", 409, 361, "", 0, 0, 0, 2},
    // Method 3: the one place of a digit, with an example on one row; ruling
    // positions out by deduction.
    {"astuces_page5", 409, 221, "astuces_page5_bas", 613, 250, 222, 3},
    {"astuces_page6", 409, 491, "", 0, 0, 0, 3},
    // Method 4: the candidates; pairs and triples.
    {"astuces_page7", 613, 461, "", 0, 0, 0, 0},
    {"astuces_page8", 613, 461, "", 0, 0, 0, 0},
}};
// clang-format on

// Sizes a command for the widest of its captions in the bold the pointer
// gives it.
void FitCommand(THotLabel& Label, std::initializer_list<QString> Captions) {
  QFont bold = Label.font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  int widest = 0;
  for (const QString& caption : Captions) widest = std::max(widest, metrics.horizontalAdvance(caption));
  Label.resize(widest + 6, metrics.height() + 2);
}

}  // namespace

const Tf_Astuces::TPage& Tf_Astuces::PageInfo(int Page) { return Pages[std::size_t(std::clamp(Page, 1, 8) - 1)]; }

Tf_Astuces::Tf_Astuces(QWidget* Parent) : QWidget(Parent) {
  setObjectName(QStringLiteral("f_Astuces"));

  Image1 = AddBackground(*this, true);

  FondCopie1 = AddPanel(*this);
  FondCopie1->resize(PanelWidth, PanelHeight);

  // The tips menu: the introduction, then the four methods.
  Panel1 = new QWidget(FondCopie1);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(Left, Top, PanelWidth - 2 * Left, RetourTop - Top - 8);
  RichEdit3 = Tf_Regles::NewTextBox(Panel1);
  RichEdit3->setObjectName(QStringLiteral("RichEdit3"));
  RichEdit3->setGeometry(0, 0, Panel1->width(), 196);
  Tf_Regles::SetText(*RichEdit3, QStringLiteral("astuces_intro"));

  auto method = [this](const QString& Name, const QString& Caption, int PageTag, int Index) {
    auto* label = new THotLabel(Caption, Panel1);
    label->setObjectName(Name);
    label->setProperty(Tag, PageTag);
    Look::DressCommand(*label, CommandSize, false);
    FitCommand(*label, {Caption});
    label->move(24, RichEdit3->height() + 16 + 48 * Index);
    connect(label, &THotLabel::clicked, this, [this, label] { PageClick(label); });
    return label;
  };
  hl_Methode1 =
      method(QStringLiteral("hl_Methode1"), tr("Méthode 1: Repérage par bloc de lignes et/ou colonnes"), 1, 0);
  hl_Methode2 = method(QStringLiteral("hl_Methode2"), tr("Méthode 2: Completer les lignes, colonnes et blocs"), 3, 1);
  hl_Methode3 = method(QStringLiteral("hl_Methode3"), tr("Méthode 3: Repérage par position unique d'un chiffre"), 5, 2);
  HotLabel1 = method(QStringLiteral("HotLabel1"), tr("Méthode 4: Etudier les possibilités"), 7, 3);

  // The method pages: two text boxes, the three pictures at one place right of
  // the first box, "Suite ..." at the bottom right.
  RichEdit1 = Tf_Regles::NewTextBox(FondCopie1);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->move(Left, Top);
  RichEdit2 = Tf_Regles::NewTextBox(FondCopie1);
  RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
  auto picture = [this](TImageGrille::TDessin Dessin, const QString& Name) {
    auto* image = new TImageGrille(Dessin, FondCopie1);
    image->setObjectName(Name);
    image->move(PictureLeft, Top);
    return image;
  };
  im_Conseil1 = picture(TImageGrille::dg_Conseil1, QStringLiteral("im_Conseil1"));
  im_Conseil2 = picture(TImageGrille::dg_Conseil2, QStringLiteral("im_Conseil2"));
  im_Conseil3 = picture(TImageGrille::dg_Conseil3, QStringLiteral("im_Conseil3"));

  hl_Suite = new THotLabel(tr("Suite ..."), FondCopie1);
  hl_Suite->setObjectName(QStringLiteral("hl_Suite"));
  Look::DressCommand(*hl_Suite, CommandSize);
  FitCommand(*hl_Suite, {hl_Suite->text()});
  hl_Suite->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  hl_Suite->move(PanelWidth - 16 - hl_Suite->width(), RetourTop);
  connect(hl_Suite, &THotLabel::clicked, this, [this] { PageClick(hl_Suite); });

  // The return label keeps its left edge; its caption is set against its
  // right edge, wide enough for the longer of its two captions.
  hl_retour = new THotLabel(this);
  hl_retour->setObjectName(QStringLiteral("hl_retour"));
  Look::DressCommand(*hl_retour, CommandSize);
  FitCommand(*hl_retour, {tr("Retour au menu principal"), tr("Retour au menu des astuces")});
  hl_retour->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  connect(hl_retour, &THotLabel::clicked, this, &Tf_Astuces::hl_retourClick);
  // Échap as the return label: a page of tips back to their menu, the menu
  // of tips back to the main menu.
  LeaveOnEscape(*this, [this] { hl_retourClick(); });

  Page = 0;
  ShowPage();
  FormResize();
}

void Tf_Astuces::ShowPage() {
  im_Conseil1->hide();
  im_Conseil2->hide();
  im_Conseil3->hide();
  if (Page == 0) {
    Panel1->show();
    RichEdit1->hide();
    RichEdit2->hide();
    hl_retour->setText(tr("Retour au menu principal"));
    hl_Suite->hide();
    return;
  }
  Panel1->hide();
  RichEdit1->show();
  RichEdit2->show();
  hl_retour->setText(tr("Retour au menu des astuces"));
  if (Page < 8) {
    hl_Suite->setProperty(Tag, Page + 1);
    hl_Suite->show();
  } else {
    hl_Suite->hide();
  }

  const TPage& page = PageInfo(Page);
  TImageGrille* const pictures[] = {nullptr, im_Conseil1, im_Conseil2, im_Conseil3};
  if (page.Image > 0) pictures[page.Image]->show();
  RichEdit1->resize(page.Largeur1, page.Hauteur1);
  Tf_Regles::SetText(*RichEdit1, QString::fromLatin1(page.Texte1));
  if (*page.Texte2 == '\0') {
    RichEdit2->hide();
    RichEdit2->clear();
  } else {
    RichEdit2->setGeometry(Left, page.Haut2, page.Largeur2, page.Hauteur2);
    Tf_Regles::SetText(*RichEdit2, QString::fromLatin1(page.Texte2));
  }
}

void Tf_Astuces::PageClick(THotLabel* Sender) {
  Page = static_cast<std::uint8_t>(Sender->property(Tag).toInt());
  ShowPage();
}

void Tf_Astuces::hl_retourClick() {
  if (Page != 0) {
    Page = 0;
    ShowPage();
    return;
  }
  // The main window frees this screen later, outside this handler.
  if (Shell() != nullptr) Shell()->ShowMenu();
  close();
}

void Tf_Astuces::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  FormResize();
}

void Tf_Astuces::FormResize() {
  Image1->setGeometry(rect());
  FondCopie1->move(std::max(0, (width() - PanelWidth) / 2), std::max(0, (height() - PanelHeight) / 2));
  hl_retour->move(FondCopie1->x() + RetourLeft, FondCopie1->y() + RetourTop);
}
