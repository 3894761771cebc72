#pragma once
// A list box with one selected line that only another line replaces: a click below the
// last line, or Ctrl with a click on the selected one, leaves the selection as it was.

#include <QListWidget>

class Liste : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index, const QEvent *event = nullptr) const override
    {
        if (!index.isValid())
            return QItemSelectionModel::NoUpdate;
        return QListWidget::selectionCommand(index, event) == QItemSelectionModel::NoUpdate
                   ? QItemSelectionModel::NoUpdate
                   : QItemSelectionModel::ClearAndSelect;
    }
};
