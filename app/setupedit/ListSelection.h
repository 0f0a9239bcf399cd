#pragma once
// The drop-down lists of the setup pages whose rows stand for the stored
// codes 0, 1, 2, ... in order. A stored code outside the list shows no
// selection, and a list with no selection keeps the stored code: nothing is
// written for it until the user picks a row.
#include <optional>

#include <QComboBox>

// Selects the row of code; no selection for a code outside the list.
inline void SetSelection(QComboBox* list, int code)
{
    list->setCurrentIndex(code >= 0 && code < list->count() ? code : -1);
}

// The selected row; none while the list shows no selection.
inline std::optional<int> SelectedRow(const QComboBox* list)
{
    const int row = list->currentIndex();
    return row >= 0 ? std::optional<int>(row) : std::nullopt;
}
