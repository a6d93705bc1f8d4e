#pragma once

#include "schema/SchemaSource.h"

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvane::ui {

/// One table or view as the chooser offers it.
struct TChoosableTable {
    QString Shown;        ///< as the run names it: "Orders", or "sales.Orders" in another schema
    QString Item;         ///< the item of a table list that names it, for the field
    bool Checked = false; ///< chosen by the field's list as it stands
};

/// The tables and views among `rows` (a catalogue, each row with its qualifier at the same place
/// of `qualifiers`) as the chooser offers them, in catalogue order; those the table list `list`
/// chooses are checked. A name that two of them share without regard to letter case is written
/// with its schema.
std::vector<TChoosableTable> ChoosableTables(const std::vector<TCatalogRow>& rows,
                                             const std::vector<std::string>& qualifiers,
                                             const std::string& list);

/// "Tables...": the database's tables and views with check boxes, and a filter field that shows
/// those whose names hold its text. The checked ones go back into the field as a comma list.
class TTableChooser : public QDialog {
    Q_OBJECT

public:
    explicit TTableChooser(const std::vector<TChoosableTable>& tables, QWidget* parent = nullptr);

    /// The checked tables' items, in catalogue order, separated by ", "; "" when none is.
    QString List() const;

    QLineEdit* Filter_Edt;
    QListWidget* Tables_Lst;
    QPushButton* CheckShown_Btn;
    QPushButton* UncheckShown_Btn;
    /// How many are checked, or that none is and every table is then generated.
    QLabel* Count_Lab;

private:
    std::vector<TChoosableTable> FTables;

    void ApplyFilter();
    void CheckShown(bool checked);
    void UpdateCount();
};

} // namespace quorvane::ui
