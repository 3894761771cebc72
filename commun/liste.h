#pragma once
// A list box with one selected line that only another line replaces: a click below the
// last line, or Ctrl with a click on the selected one, leaves the selection as it was.
// `Liste` holds its lines; `ListeVue` shows the lines of a model, which builds each one
// only when it is painted.

#include <QListView>
#include <QListWidget>

template<class Vue>
class ListeChoix : public Vue
{
public:
    using Vue::Vue;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index, const QEvent *event = nullptr) const override
    {
        if (!index.isValid())
            return QItemSelectionModel::NoUpdate;
        return Vue::selectionCommand(index, event) == QItemSelectionModel::NoUpdate ? QItemSelectionModel::NoUpdate
                                                                                    : QItemSelectionModel::ClearAndSelect;
    }
};

using Liste = ListeChoix<QListWidget>;
using ListeVue = ListeChoix<QListView>;
