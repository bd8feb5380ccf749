#pragma once

#include <QHeaderView>
#include <QTableWidget>
#include <QWidget>

// The table of the window 標準容量の選定, read as a user reads it: by the
// caption of a row and the frequency of a column.
struct SelectionTable {
    explicit SelectionTable(QWidget* window)
        : table(window ? window->findChild<QTableWidget*>(QStringLiteral("results")) : nullptr)
    {
    }

    // The row whose caption begins with `caption`, -1 for none.
    int row(const QString& caption) const
    {
        for (int row = 0; table && row < table->rowCount(); ++row)
            if (table->verticalHeaderItem(row)->text().startsWith(caption))
                return row;
        return -1;
    }
    QString caption(const QString& begins) const
    {
        const int at = row(begins);
        return at < 0 ? QStringLiteral("<no row %1>").arg(begins) : table->verticalHeaderItem(at)->text();
    }
    // The cell of a row at 50 Hz (column 0) or 60 Hz (column 1).
    QString cell(const QString& caption, int column) const
    {
        const int at = row(caption);
        return at < 0 ? QStringLiteral("<no row %1>").arg(caption) : table->item(at, column)->text();
    }

    QTableWidget* table;
};
