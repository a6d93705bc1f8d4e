#pragma once

// Which persistent field class each dataset family makes of a column, and what a field object
// of that class must say for the dataset to open. Delphi compares every persistent field with
// the field its data-access layer makes of the column when the dataset opens: another class, or
// another Size, and the open fails. Both the builders and the plan's checks read this one table.

#include "schema/FieldTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

/// The data-access layers whose field mapping differs.
enum class TDataSetFamily : std::uint8_t {
    Ado,       ///< TADOQuery, TADODataSet, TADOTable, TADOStoredProc
    DbExpress, ///< TSQLDataSet, TSQLQuery, TSQLTable, TSQLStoredProc
};

/// What the generated code knows of a dataset class the user may choose.
struct TDataSetClass {
    std::string_view Name;
    std::string_view ConnectionProperty;
    std::string_view ConnectionClass;
    std::string_view Unit;
    TDataSetFamily Family;
};

/// The known dataset class of that name (any letter case), or null.
const TDataSetClass* KnownDataSetClass(const std::string& name);

/// The family of the server's dataset class. The client's persistent fields follow it too: the
/// provider passes the server's field types through to the client dataset. A class this table
/// does not know is taken for an ADO one, the layer the descriptors are made for.
TDataSetFamily DataSetFamilyOf(const std::string& dataSetKind);

/// A persistent field's class and the properties its object carries.
struct TFieldClass {
    std::string_view ClassName;   ///< "TBCDField"
    std::string_view Unit;        ///< the unit that declares it ("DB", "FMTBcd", "SqlTimSt")
    bool WritesFixedChar = false; ///< "FixedChar = True" when the column is fixed-length
    bool WritesPrecision = false; ///< "Precision = n"
    bool WritesSize = false;      ///< "Size = n": characters, bytes, or a decimal's scale
    bool MemoBlobType = false;    ///< "BlobType = ftMemo"
    /// Which of the client's display formats it takes.
    enum class TFormat : std::uint8_t { None, Float, Currency, Date } DisplayFormat = TFormat::None;
};

/// The class `family`'s layer makes of `field`.
TFieldClass FieldClassOf(TDataSetFamily family, const TFieldDescriptor& field);

} // namespace quorvane
