// A report-style list control of a Form as a Qt table model: the rows stay in the form, the
// model only follows the form's row changes, so lists of thousands of rows cost no widgets.
#pragma once

#include <QAbstractTableModel>

#include "common/form/form.h"

namespace kestrum {

class FormListModel : public QAbstractTableModel {
  public:
    explicit FormListModel(const Control& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Called by the view for every change of the list control.
    void follow(ControlChange change, int row, int column);

  private:
    const Control& list_;
    int shownRows_ = 0;
};

}  // namespace kestrum
