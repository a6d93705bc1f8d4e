// The table chooser on the offscreen platform: what it offers of a catalogue, its filter, and
// the round trip of a table list through its check boxes and back.

#include "TableChooser.h"
#include "schema/SchemaSnapshot.h"
#include "schema/TableSelection.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

namespace quorvane::ui {

namespace {

// A server's catalogue: two tables of one name in two schemas, two names that differ by letter
// case alone, names with a list's and a pattern's characters, and what a run leaves out.
const std::vector<TCatalogRow> Rows = {
    {"orders", "TABLE", "public"},
    {"orders", "TABLE", "archive"},
    {"Sales_Client", "TABLE", "public"},
    {"SALES_CLIENT", "TABLE", "other"},
    {"Sales_Region", "TABLE", "public"},
    {"a,b*", "TABLE", "public"},
    {"pg_class", "SYSTEM TABLE", "pg_catalog"},
    {"remote", "FOREIGN TABLE", "public"},
    {"Sales Totals", "VIEW", "public"},
};
const std::vector<std::string> Qualifiers = {"", "archive",    "", "other", "",
                                             "", "pg_catalog", "", ""};

QStringList Shown(const std::vector<TChoosableTable>& tables) {
    QStringList names;
    for (const TChoosableTable& table : tables) {
        names.push_back(table.Shown);
    }
    return names;
}

QStringList Checked(const std::vector<TChoosableTable>& tables) {
    QStringList names;
    for (const TChoosableTable& table : tables) {
        if (table.Checked) {
            names.push_back(table.Shown);
        }
    }
    return names;
}

QStringList VisibleRows(const TTableChooser& chooser) {
    QStringList names;
    for (int row = 0; row < chooser.Tables_Lst->count(); ++row) {
        if (!chooser.Tables_Lst->item(row)->isHidden()) {
            names.push_back(chooser.Tables_Lst->item(row)->text());
        }
    }
    return names;
}

} // namespace

class TableChooserTest : public QObject {
    Q_OBJECT

private slots:
    void OffersTheTablesAndViewsEachByAnItemThatChoosesItAlone() {
        const std::vector<TChoosableTable> tables =
            ChoosableTables(Rows, Qualifiers, "sales_*, archive.orders");
        QCOMPARE(Shown(tables),
                 (QStringList{"orders", "archive.orders", "Sales_Client", "other.SALES_CLIENT",
                              "Sales_Region", "a,b*", "Sales Totals"}));
        QCOMPARE(Checked(tables), (QStringList{"archive.orders", "Sales_Client",
                                               "other.SALES_CLIENT", "Sales_Region"}));
        // Each item chooses its own table and no other.
        std::vector<TCatalogRow> offered;
        std::vector<std::string> qualifiers;
        for (std::size_t i = 0; i < Rows.size(); ++i) {
            if (IsGeneratedTableType(Rows[i].TableType)) {
                offered.push_back(Rows[i]);
                qualifiers.push_back(Qualifiers[i]);
            }
        }
        QCOMPARE(offered.size(), tables.size());
        for (std::size_t i = 0; i < tables.size(); ++i) {
            const TTableSelection selection(tables[i].Item.toStdString(), "");
            const std::vector<std::size_t> chosen = selection.Choose(offered, qualifiers);
            QCOMPARE(chosen, std::vector<std::size_t>{i});
        }
        QCOMPARE(tables[1].Item, QStringLiteral("archive.orders"));
        QCOMPARE(tables[5].Item, QStringLiteral("a\\,b\\*"));
        // An empty field means every table, but checks none.
        QVERIFY(Checked(ChoosableTables(Rows, Qualifiers, "")).isEmpty());
    }

    void TheFilterShowsTheNamesThatHoldItAndKeepsTheChecks() {
        TTableChooser chooser(ChoosableTables(Rows, Qualifiers, "orders"));
        QCOMPARE(chooser.Tables_Lst->count(), 7);
        QCOMPARE(chooser.Count_Lab->text(), QStringLiteral("2 of 7 checked."));

        QTest::keyClicks(chooser.Filter_Edt, "SALES");
        QCOMPARE(VisibleRows(chooser), (QStringList{"Sales_Client", "other.SALES_CLIENT",
                                                    "Sales_Region", "Sales Totals"}));
        chooser.CheckShown_Btn->click();
        QCOMPARE(chooser.Count_Lab->text(), QStringLiteral("6 of 7 checked."));
        chooser.Filter_Edt->setText(QStringLiteral("region"));
        chooser.UncheckShown_Btn->click();
        chooser.Filter_Edt->clear();
        QCOMPARE(VisibleRows(chooser).size(), 7);
        // In catalogue order; a name two tables share goes with its schema.
        QCOMPARE(chooser.List(), QStringLiteral("public.orders, archive.orders, "
                                                "public.Sales_Client, other.SALES_CLIENT, "
                                                "Sales Totals"));

        // A click on a box counts at once; none checked says what that means.
        chooser.Filter_Edt->setText(QStringLiteral("a,b"));
        QCOMPARE(VisibleRows(chooser), QStringList{"a,b*"});
        chooser.Filter_Edt->clear();
        chooser.UncheckShown_Btn->click();
        QCOMPARE(chooser.Count_Lab->text(),
                 QStringLiteral("None checked: every table is generated."));
        chooser.Tables_Lst->item(5)->setCheckState(Qt::Checked);
        QCOMPARE(chooser.Count_Lab->text(), QStringLiteral("1 of 7 checked."));
        QCOMPARE(chooser.List(), QStringLiteral("a\\,b\\*"));
    }

    // What the chooser writes into the field checks the same tables when it is opened again, and
    // a table unchecked stays so.
    void CheckedTablesMakeTheRoundTripThroughTheField() {
        TTableChooser first(ChoosableTables(Rows, Qualifiers, ""));
        for (const int row : {1, 3, 5, 6}) {
            first.Tables_Lst->item(row)->setCheckState(Qt::Checked);
        }
        const QString list = first.List();
        TTableChooser second(ChoosableTables(Rows, Qualifiers, list.toStdString()));
        QCOMPARE(second.List(), list);
        QCOMPARE(second.Count_Lab->text(), QStringLiteral("4 of 7 checked."));
        second.Tables_Lst->item(3)->setCheckState(Qt::Unchecked);
        const std::vector<TChoosableTable> third =
            ChoosableTables(Rows, Qualifiers, second.List().toStdString());
        QCOMPARE(Checked(third), (QStringList{"archive.orders", "a,b*", "Sales Totals"}));
    }
};

} // namespace quorvane::ui

QTEST_MAIN(quorvane::ui::TableChooserTest)
#include "TableChooserTest.moc"
