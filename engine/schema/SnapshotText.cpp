#include "schema/SnapshotText.h"

#include "text/ShownText.h"
#include "text/StringUtils.h"
#include "text/TextEncoding.h"

namespace quorvane {

namespace {

const char* TrueFalse(bool value) {
    return value ? "True" : "False";
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + ShownText(name);
    }
    return text;
}

} // namespace

std::string SnapshotText(const TSchemaSnapshot& snapshot) {
    // Appended piece by piece: GCC 12 at -O3 takes a literal + a temporary for an overlapping
    // copy (a false -Wrestrict).
    std::string text;
    for (const TSnapshotTable& table : snapshot.Tables) {
        text += ShownText(table.QualifiedName());
        text += '\n';
        for (const TFieldDescriptor& field : table.Fields) {
            text += Concat({"\t", ShownText(field.FieldName), "\t", FieldTypeName(field.DataType),
                            "\tSize=", std::to_string(field.Size)});
            if (field.DataType == TFieldType::ftBCD || field.DataType == TFieldType::ftFMTBcd) {
                text += Concat({"\tPrecision=", std::to_string(field.Precision)});
            }
            text += Concat({"\tFixedChar=", TrueFalse(field.FixedChar),
                            "\tAutoIncrement=", TrueFalse(field.AutoIncrement)});
            if (field.Facts.NotNull) {
                text += Concat({"\tNotNull=", TrueFalse(*field.Facts.NotNull)});
            }
            if (field.Facts.HasDefault) {
                text += Concat({"\tDefault=", TrueFalse(*field.Facts.HasDefault)});
            }
            if (field.Facts.Comment && !field.Facts.Comment->empty()) {
                text += Concat({"\tComment=", ShownText(*field.Facts.Comment)});
            }
            text += '\n';
        }
        if (table.Keys.PrimaryKey) {
            text += Concat({"\tPrimaryKey=", Joined(*table.Keys.PrimaryKey), "\n"});
        }
        if (table.Keys.ForeignKeys) {
            for (const TForeignKey& key : *table.Keys.ForeignKeys) {
                const std::string referenced =
                    QualifiedTableName(key.ReferencedSchema, key.ReferencedTable);
                text += Concat({"\tForeignKey=", Joined(key.Columns), " -> ", ShownText(referenced),
                                "(", Joined(key.ReferencedColumns), ")\n"});
            }
        }
    }
    return text;
}

namespace {

std::string JsonString(std::string_view text) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string json = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const auto code = static_cast<unsigned char>(text[at]);
        const std::size_t length = Utf8SequenceLength(text, at);
        if (length == 0) {
            json += "\\ufffd"; // a byte of another encoding: JSON text is Unicode
            ++at;
            continue;
        }
        if (length > 1) {
            json.append(text.substr(at, length));
        } else if (code == '"' || code == '\\') {
            json += '\\';
            json += static_cast<char>(code);
        } else if (code == '\n') {
            json += "\\n";
        } else if (code == '\t') {
            json += "\\t";
        } else if (code == '\r') {
            json += "\\r";
        } else if (code < 0x20 || code == 0x7F) {
            json += "\\u00";
            json += Digits[code >> 4];
            json += Digits[code & 0x0F];
        } else {
            json += static_cast<char>(code);
        }
        at += length;
    }
    return json + "\"";
}

std::string JsonNames(const std::vector<std::string>& names) {
    std::string json = "[";
    for (const std::string& name : names) {
        json += (json.size() > 1 ? ", " : "") + JsonString(name);
    }
    return json + "]";
}

std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

std::string JsonOptional(const std::optional<bool>& value) {
    return value ? JsonBool(*value) : "null";
}

std::string JsonField(const TFieldDescriptor& field) {
    return "{\"name\": " + JsonString(field.FieldName) +
           ", \"kind\": " + JsonString(FieldTypeName(field.DataType)) +
           ", \"size\": " + std::to_string(field.Size) +
           ", \"precision\": " + std::to_string(field.Precision) +
           ", \"fixedChar\": " + JsonBool(field.FixedChar) +
           ", \"autoIncrement\": " + JsonBool(field.AutoIncrement) +
           ", \"notNull\": " + JsonOptional(field.Facts.NotNull) +
           ", \"hasDefault\": " + JsonOptional(field.Facts.HasDefault) + ", \"comment\": " +
           (field.Facts.Comment ? JsonString(*field.Facts.Comment) : std::string("null")) + "}";
}

std::string JsonForeignKey(const TForeignKey& key) {
    return "{\"columns\": " + JsonNames(key.Columns) +
           ", \"referencedSchema\": " + JsonString(key.ReferencedSchema) +
           ", \"referencedTable\": " + JsonString(key.ReferencedTable) +
           ", \"referencedColumns\": " + JsonNames(key.ReferencedColumns) + "}";
}

} // namespace

std::string SnapshotJson(const TSchemaSnapshot& snapshot) {
    std::string json = "{\n  \"tables\": [";
    bool firstTable = true;
    for (const TSnapshotTable& table : snapshot.Tables) {
        json += firstTable ? "\n" : ",\n";
        firstTable = false;
        json += "    {\"name\": " + JsonString(table.Name) +
                ", \"schema\": " + JsonString(table.Schema) +
                ", \"qualifier\": " + JsonString(table.Qualifier) +
                ", \"type\": " + JsonString(table.Type) + ",\n     \"primaryKey\": " +
                (table.Keys.PrimaryKey ? JsonNames(*table.Keys.PrimaryKey) : "null") +
                ",\n     \"foreignKeys\": ";
        if (table.Keys.ForeignKeys) {
            json += "[";
            for (std::size_t i = 0; i < table.Keys.ForeignKeys->size(); ++i) {
                json += (i == 0 ? "" : ", ") + JsonForeignKey((*table.Keys.ForeignKeys)[i]);
            }
            json += "]";
        } else {
            json += "null";
        }
        json += ",\n     \"fields\": [";
        for (std::size_t i = 0; i < table.Fields.size(); ++i) {
            json += (i == 0 ? "\n       " : ",\n       ") + JsonField(table.Fields[i]);
        }
        json += table.Fields.empty() ? "]}" : "\n     ]}";
    }
    json += firstTable ? "],\n" : "\n  ],\n";
    json += "  \"warnings\": " + JsonNames(snapshot.Warnings) + "\n}\n";
    return json;
}

} // namespace quorvane
