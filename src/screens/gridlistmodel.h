// SPDX-License-Identifier: GPL-3.0-or-later
// The grids of a saved-grid file as the list "Nom de la grille" shows them.
// Each entry is read from the file's record when the list draws it, so a file
// of a million grids costs the list no more than the file itself.
#pragma once

#include <QAbstractListModel>

class TFichier;

class TGridListModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  // The grids of the file; none, an empty list. The list holds on to the
  // file until it shows another.
  void Show(const TFichier* file);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  const TFichier* file_ = nullptr;
};
