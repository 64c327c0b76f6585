#include "platform/qt/form_list_model.h"

#include "platform/qt/qt_text.h"

namespace kestrum {

FormListModel::FormListModel(const Control& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list), shownRows_(list.rowCount()) {}

int FormListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int FormListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.columnCount();
}

QVariant FormListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
        case Qt::DisplayRole:
            return toQString(list_.cell(index.row(), index.column()));
        case Qt::ForegroundRole:
            if (list_.listTextColour())
                return toQColor(*list_.listTextColour());
            return {};
        case Qt::BackgroundRole:
            if (list_.listTextBackground())
                return toQColor(*list_.listTextBackground());
            return {};
        default:
            return {};
    }
}

void FormListModel::follow(ControlChange change, int row, int column) {
    switch (change) {
        case ControlChange::RowAppended:
            // The form appends one row at a time, at the end.
            beginInsertRows({}, shownRows_, row);
            shownRows_ = row + 1;
            endInsertRows();
            break;
        case ControlChange::RowsCleared:
            beginResetModel();
            shownRows_ = list_.rowCount();
            endResetModel();
            break;
        case ControlChange::CellText:
            emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
            break;
        case ControlChange::ListColours:
            if (shownRows_ > 0)
                emit dataChanged(index(0, 0), index(shownRows_ - 1, columnCount() - 1),
                                 {Qt::ForegroundRole, Qt::BackgroundRole});
            break;
        default:
            break;
    }
}

}  // namespace kestrum
