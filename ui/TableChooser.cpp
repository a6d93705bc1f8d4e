#include "TableChooser.h"

#include "schema/SchemaSnapshot.h"
#include "schema/TableSelection.h"
#include "text/ShownText.h"
#include "text/StringUtils.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <map>

namespace quorvane::ui {

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

std::vector<TChoosableTable> ChoosableTables(const std::vector<TCatalogRow>& rows,
                                             const std::vector<std::string>& qualifiers,
                                             const std::string& list) {
    // The matching ignores the case of A to Z: a name alone would choose every table that
    // spells it so.
    std::map<std::string, int> namesakes;
    for (const TCatalogRow& row : rows) {
        if (IsGeneratedTableType(row.TableType)) {
            ++namesakes[LowerCaseAscii(row.TableName)];
        }
    }
    const TTableSelection selection(list, "");
    std::vector<TChoosableTable> tables;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TCatalogRow& row = rows[i];
        if (!IsGeneratedTableType(row.TableType)) {
            continue;
        }
        const bool shared = namesakes[LowerCaseAscii(row.TableName)] > 1;
        const std::string item = shared && !row.Schema.empty()
                                     ? QualifiedTableName(row.Schema, row.TableName)
                                     : row.TableName;
        // A name's control characters are shown, not obeyed.
        tables.push_back({FromStd(ShownText(QualifiedTableName(qualifiers[i], row.TableName))),
                          FromStd(TablePatternOf(item)),
                          !selection.ChoosesAll() && selection.Chooses(row, qualifiers[i])});
    }
    return tables;
}

TTableChooser::TTableChooser(const std::vector<TChoosableTable>& tables, QWidget* parent)
    : QDialog(parent), FTables(tables) {
    setObjectName(QStringLiteral("TableChooser"));
    setWindowTitle(QStringLiteral("Tables"));

    Filter_Edt = new QLineEdit;
    Filter_Edt->setObjectName(QStringLiteral("Filter_Edt"));
    Filter_Edt->setPlaceholderText(QStringLiteral("Show the names that hold..."));
    Filter_Edt->setClearButtonEnabled(true);
    Tables_Lst = new QListWidget;
    Tables_Lst->setObjectName(QStringLiteral("Tables_Lst"));
    Tables_Lst->setMinimumSize(320, 360);
    for (const TChoosableTable& table : FTables) {
        auto* item = new QListWidgetItem(table.Shown, Tables_Lst);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(table.Checked ? Qt::Checked : Qt::Unchecked);
    }
    CheckShown_Btn = new QPushButton(QStringLiteral("Check Shown"));
    CheckShown_Btn->setObjectName(QStringLiteral("CheckShown_Btn"));
    UncheckShown_Btn = new QPushButton(QStringLiteral("Uncheck Shown"));
    UncheckShown_Btn->setObjectName(QStringLiteral("UncheckShown_Btn"));
    Count_Lab = new QLabel;
    Count_Lab->setObjectName(QStringLiteral("Count_Lab"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(QStringLiteral("Filter:")));
    filterRow->addWidget(Filter_Edt, 1);
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(CheckShown_Btn);
    checkRow->addWidget(UncheckShown_Btn);
    checkRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(Tables_Lst, 1);
    layout->addLayout(checkRow);
    layout->addWidget(Count_Lab);
    layout->addWidget(buttons);

    connect(Filter_Edt, &QLineEdit::textChanged, this, &TTableChooser::ApplyFilter);
    connect(CheckShown_Btn, &QPushButton::clicked, this, [this] { CheckShown(true); });
    connect(UncheckShown_Btn, &QPushButton::clicked, this, [this] { CheckShown(false); });
    connect(Tables_Lst, &QListWidget::itemChanged, this, &TTableChooser::UpdateCount);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    UpdateCount();
    Filter_Edt->setFocus();
}

QString TTableChooser::List() const {
    QStringList items;
    for (int row = 0; row < Tables_Lst->count(); ++row) {
        if (Tables_Lst->item(row)->checkState() == Qt::Checked) {
            items.push_back(FTables[static_cast<std::size_t>(row)].Item);
        }
    }
    return items.join(QStringLiteral(", "));
}

void TTableChooser::ApplyFilter() {
    const QString filter = Filter_Edt->text().trimmed();
    for (int row = 0; row < Tables_Lst->count(); ++row) {
        QListWidgetItem* item = Tables_Lst->item(row);
        item->setHidden(!item->text().contains(filter, Qt::CaseInsensitive));
    }
}

void TTableChooser::CheckShown(bool checked) {
    // One count for the whole change, not one for every row.
    const QSignalBlocker blocker(Tables_Lst);
    for (int row = 0; row < Tables_Lst->count(); ++row) {
        QListWidgetItem* item = Tables_Lst->item(row);
        if (!item->isHidden()) {
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        }
    }
    UpdateCount();
}

void TTableChooser::UpdateCount() {
    int checked = 0;
    for (int row = 0; row < Tables_Lst->count(); ++row) {
        checked += Tables_Lst->item(row)->checkState() == Qt::Checked ? 1 : 0;
    }
    Count_Lab->setText(
        checked == 0 ? QStringLiteral("None checked: every table is generated.")
                     : QStringLiteral("%1 of %2 checked.").arg(checked).arg(Tables_Lst->count()));
}

} // namespace quorvane::ui
