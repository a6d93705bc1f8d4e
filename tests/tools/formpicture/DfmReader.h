#pragma once

// Delphi form files in text form, read into a tree of objects and their property values: what
// the form picture needs to place and label each control.

#include <QString>
#include <QStringView>

#include <stdexcept>
#include <vector>

namespace quorvane::formpicture {

struct TDfmObject;

/// One property value as the text form writes it.
struct TDfmValue {
    enum class TKind { Number, String, Identifier, Set, List, Collection, Binary };
    TKind Kind = TKind::Identifier;
    /// The number as written, the string's characters (quotes and character codes resolved),
    /// the identifier, or the hexadecimal digits of binary data.
    QString Text = {};
    /// The members of a set, or the values of a list.
    std::vector<TDfmValue> Elements = {};
    /// The items of a collection (a grid's Columns), each with its properties and no name.
    std::vector<TDfmObject> Items = {};
};

/// A property and its value; the name is dotted for nested properties ("Title.Caption").
struct TDfmProperty {
    QString Name = {};
    TDfmValue Value = {};
};

/// An object of a form file with its properties and the objects it owns, in file order.
struct TDfmObject {
    QString Name = {};
    QString ClassName = {};
    std::vector<TDfmProperty> Properties = {};
    std::vector<TDfmObject> Children = {};

    /// The value of a property, the name compared without regard to case as Delphi compares
    /// it; nullptr when the form file leaves the property out (it has its default then).
    const TDfmValue* Find(QStringView name) const;
    /// A whole-number property, or `otherwise` when it is missing or not a whole number.
    int Integer(QStringView name, int otherwise) const;
    /// The text of a string or identifier property, or `otherwise` when it is missing.
    QString Text(QStringView name, const QString& otherwise = {}) const;
    /// A True/False property, or `otherwise` when it is missing.
    bool Boolean(QStringView name, bool otherwise) const;
};

/// A form file that is not in Delphi's text form; the message names the line.
class EDfmError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Reads the text of a form file: one top-level object ("object", "inherited" or "inline"),
/// its properties and the objects it owns. Throws EDfmError at the first fault.
TDfmObject ReadDfm(const QString& text);

} // namespace quorvane::formpicture
