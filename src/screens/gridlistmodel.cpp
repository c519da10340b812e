// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridlistmodel.h"

#include "fichier.h"
#include "textfields.h"

void TGridListModel::Show(const TFichier* file) {
  beginResetModel();
  file_ = file;
  endResetModel();
}

int TGridListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || file_ == nullptr ? 0 : file_->Count();
}

QVariant TGridListModel::data(const QModelIndex& index, int role) const {
  if (file_ == nullptr || !index.isValid() || index.column() != 0) return {};
  if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::AccessibleTextRole) return {};
  return Abridged(file_->Entry(index.row()), MaxShownEntry);
}
