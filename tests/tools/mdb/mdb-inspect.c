/* mdb-inspect FILE.mdb
 *
 * Prints what libmdb reads from a database, one tab-separated line per item, so that
 * check-make-mdb.sh can compare it with what make-mdb was asked to write:
 *
 *   J <jet version>
 *   T <table> <definition page> <system 0/1> <rows> <columns>
 *   C <column> <type code> <col_size> <col_prec> <col_scale> <is_fixed> <is_long_auto>
 *     <is_uuid_auto>
 *
 * Build: cc mdb-inspect.c $(pkg-config --cflags --libs libmdb) -o mdb-inspect
 */

/* mdbtools.h uses locale_t, which strict ISO C modes only declare for POSIX 2008. */
#define _POSIX_C_SOURCE 200809L

#include <mdbtools.h>
#include <stdio.h>

static int PrintTable(MdbCatalogEntry* entry) {
    MdbTableDef* table = mdb_read_table(entry);
    if (!table || !mdb_read_columns(table)) {
        fprintf(stderr, "mdb-inspect: cannot read table %s\n", entry->object_name);
        return 0;
    }
    printf("T\t%s\t%lu\t%d\t%u\t%u\n", entry->object_name, entry->table_pg,
           mdb_is_system_table(entry), table->num_rows, table->num_cols);
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const MdbColumn* column = g_ptr_array_index(table->columns, i);
        printf("C\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t%d\n", column->name, column->col_type,
               column->col_size, column->col_prec, column->col_scale, column->is_fixed,
               column->is_long_auto, column->is_uuid_auto);
    }
    mdb_free_tabledef(table);
    return 1;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: mdb-inspect FILE.mdb\n");
        return 2;
    }
    MdbHandle* mdb = mdb_open(argv[1], MDB_NOFLAGS);
    if (!mdb) {
        fprintf(stderr, "mdb-inspect: cannot open %s\n", argv[1]);
        return 1;
    }
    int ok = mdb_read_catalog(mdb, MDB_TABLE) != NULL;
    if (ok) {
        printf("J\t%u\n", mdb->f->jet_version);
        for (unsigned i = 0; ok && i < mdb->num_catalog; ++i) {
            ok = PrintTable(g_ptr_array_index(mdb->catalog, i));
        }
    }
    mdb_close(mdb);
    return ok ? 0 : 1;
}
