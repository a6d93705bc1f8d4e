#include "DfmReader.h"

#include <QChar>

#include <optional>

namespace quorvane::formpicture {

namespace {

struct TToken {
    enum class TKind { End, Identifier, Number, String, Binary, Symbol };
    TKind Kind = TKind::End;
    QString Text = {};
    int Line = 0;
};

[[noreturn]] void Fail(int line, const QString& message) {
    throw EDfmError(QStringLiteral("line %1: %2").arg(line).arg(message).toStdString());
}

bool IsIdentifierStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_');
}

bool IsIdentifierPart(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('.');
}

bool IsHexDigit(QChar c) {
    return c.isDigit() || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
}

// Splits the text form into tokens. A string token joins the quoted parts and character codes
// that follow each other without a space ('It''s'#13#10'done'), as Delphi writes one string;
// binary data ({...}) is one token, since its hexadecimal digits may look like anything.
class TScanner {
public:
    explicit TScanner(const QString& text) : FText(text) {}

    const TToken& Peek() {
        if (!FPeeked) {
            FPeeked = Scan();
        }
        return *FPeeked;
    }

    TToken Next() {
        TToken token = Peek();
        FPeeked.reset();
        return token;
    }

private:
    const QString& FText;
    qsizetype FPosition = 0;
    int FLine = 1;
    std::optional<TToken> FPeeked;

    bool AtEnd() const { return FPosition >= FText.size(); }
    QChar Current() const { return AtEnd() ? QChar() : FText[FPosition]; }
    QChar Following() const {
        return FPosition + 1 < FText.size() ? FText[FPosition + 1] : QChar();
    }

    void SkipSpace() {
        while (!AtEnd() && Current().isSpace()) {
            if (Current() == QLatin1Char('\n')) {
                ++FLine;
            }
            ++FPosition;
        }
    }

    QString Take(qsizetype start) const { return FText.mid(start, FPosition - start); }

    TToken Scan() {
        SkipSpace();
        TToken token;
        token.Line = FLine;
        if (AtEnd()) {
            return token;
        }
        const QChar c = Current();
        const qsizetype start = FPosition;
        if (IsIdentifierStart(c)) {
            while (!AtEnd() && IsIdentifierPart(Current())) {
                ++FPosition;
            }
            token.Kind = TToken::TKind::Identifier;
            token.Text = Take(start);
        } else if (c.isDigit() ||
                   ((c == QLatin1Char('-') || c == QLatin1Char('+')) && Following().isDigit()) ||
                   (c == QLatin1Char('$') && IsHexDigit(Following()))) {
            ScanNumber();
            token.Kind = TToken::TKind::Number;
            token.Text = Take(start);
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('#')) {
            token.Kind = TToken::TKind::String;
            token.Text = ScanString();
        } else if (c == QLatin1Char('{')) {
            token.Kind = TToken::TKind::Binary;
            token.Text = ScanBinary();
        } else {
            ++FPosition;
            token.Kind = TToken::TKind::Symbol;
            token.Text = c;
        }
        return token;
    }

    void ScanNumber() {
        if (Current() == QLatin1Char('$')) {
            ++FPosition;
            while (!AtEnd() && IsHexDigit(Current())) {
                ++FPosition;
            }
            return;
        }
        if (Current() == QLatin1Char('-') || Current() == QLatin1Char('+')) {
            ++FPosition;
        }
        while (!AtEnd() && (Current().isDigit() || Current() == QLatin1Char('.'))) {
            ++FPosition;
        }
        if (Current() == QLatin1Char('e') || Current() == QLatin1Char('E')) {
            ++FPosition;
            if (Current() == QLatin1Char('-') || Current() == QLatin1Char('+')) {
                ++FPosition;
            }
            while (!AtEnd() && Current().isDigit()) {
                ++FPosition;
            }
        }
    }

    QString ScanString() {
        QString value;
        for (;;) {
            if (Current() == QLatin1Char('\'')) {
                ++FPosition;
                for (;;) {
                    if (AtEnd() || Current() == QLatin1Char('\n') ||
                        Current() == QLatin1Char('\r')) {
                        Fail(FLine, QStringLiteral("a string is not closed on its line"));
                    }
                    if (Current() == QLatin1Char('\'')) {
                        ++FPosition;
                        if (Current() != QLatin1Char('\'')) {
                            break;
                        }
                    }
                    value += Current();
                    ++FPosition;
                }
            } else if (Current() == QLatin1Char('#')) {
                ++FPosition;
                value += ScanCharacterCode();
            } else {
                return value;
            }
        }
    }

    // #65 or #$41: a character by its code, which Delphi 2009 and later write as a UTF-16 code
    // and Delphi 7 as a code of the form's code page; both agree below 128, where the
    // generated forms stay.
    QString ScanCharacterCode() {
        const bool hex = Current() == QLatin1Char('$');
        if (hex) {
            ++FPosition;
        }
        const qsizetype start = FPosition;
        while (!AtEnd() && (hex ? IsHexDigit(Current()) : Current().isDigit())) {
            ++FPosition;
        }
        bool ok = false;
        const char32_t code = Take(start).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code > 0x10FFFF) {
            Fail(FLine, QStringLiteral("a character code after # is not a number"));
        }
        return QString::fromUcs4(&code, 1);
    }

    QString ScanBinary() {
        const int line = FLine;
        ++FPosition;
        QString digits;
        while (!AtEnd() && Current() != QLatin1Char('}')) {
            if (Current() == QLatin1Char('\n')) {
                ++FLine;
            }
            if (!Current().isSpace()) {
                digits += Current();
            }
            ++FPosition;
        }
        if (AtEnd()) {
            Fail(line, QStringLiteral("binary data that starts here has no closing }"));
        }
        ++FPosition;
        return digits;
    }
};

bool IsWord(const TToken& token, const char* word) {
    return token.Kind == TToken::TKind::Identifier &&
           token.Text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool IsObjectStart(const TToken& token) {
    return IsWord(token, "object") || IsWord(token, "inherited") || IsWord(token, "inline");
}

QString Shown(const TToken& token) {
    return token.Kind == TToken::TKind::End ? QStringLiteral("the end of the file")
                                            : QLatin1Char('"') + token.Text + QLatin1Char('"');
}

class TParser {
public:
    explicit TParser(const QString& text) : FScanner(text) {}

    TDfmObject ReadForm() {
        TDfmObject form = ReadObject();
        const TToken& rest = FScanner.Peek();
        if (rest.Kind != TToken::TKind::End) {
            Fail(rest.Line, QStringLiteral("%1 after the end of the form").arg(Shown(rest)));
        }
        return form;
    }

private:
    TScanner FScanner;

    bool NextIsSymbol(char symbol) {
        const TToken& token = FScanner.Peek();
        return token.Kind == TToken::TKind::Symbol && token.Text == QLatin1Char(symbol);
    }

    TToken Expect(TToken::TKind kind, const QString& what) {
        TToken token = FScanner.Next();
        if (token.Kind != kind) {
            Fail(token.Line, QStringLiteral("%1 expected, found %2").arg(what, Shown(token)));
        }
        return token;
    }

    void ExpectSymbol(char symbol) {
        TToken token = FScanner.Next();
        if (token.Kind != TToken::TKind::Symbol || token.Text != QLatin1Char(symbol)) {
            Fail(token.Line, QStringLiteral("\"%1\" expected, found %2")
                                 .arg(QLatin1Char(symbol))
                                 .arg(Shown(token)));
        }
    }

    // An index after a name ("item [2]", "object Button1: TButton [3]") orders inherited
    // components; the picture has no use for it.
    void SkipIndex() {
        if (NextIsSymbol('[')) {
            FScanner.Next();
            Expect(TToken::TKind::Number, QStringLiteral("an index"));
            ExpectSymbol(']');
        }
    }

    TDfmObject ReadObject() {
        const TToken start = FScanner.Next();
        if (!IsObjectStart(start)) {
            Fail(start.Line, QStringLiteral("\"object\" expected, found %1").arg(Shown(start)));
        }
        TDfmObject object;
        const TToken first = Expect(TToken::TKind::Identifier, QStringLiteral("a name"));
        if (NextIsSymbol(':')) {
            FScanner.Next();
            object.Name = first.Text;
            object.ClassName =
                Expect(TToken::TKind::Identifier, QStringLiteral("a class name")).Text;
        } else {
            object.ClassName = first.Text; // an object without a name
        }
        SkipIndex();
        for (;;) {
            const TToken& token = FScanner.Peek();
            if (token.Kind == TToken::TKind::End) {
                Fail(token.Line, QStringLiteral("the file ends before the end of %1 (line %2)")
                                     .arg(object.Name.isEmpty() ? object.ClassName : object.Name)
                                     .arg(start.Line));
            }
            if (IsWord(token, "end")) {
                FScanner.Next();
                return object;
            }
            if (IsObjectStart(token)) {
                object.Children.push_back(ReadObject());
            } else {
                object.Properties.push_back(ReadProperty());
            }
        }
    }

    TDfmProperty ReadProperty() {
        const TToken name = Expect(TToken::TKind::Identifier, QStringLiteral("a property name"));
        ExpectSymbol('=');
        return {name.Text, ReadValue()};
    }

    TDfmValue ReadValue() {
        const TToken token = FScanner.Next();
        TDfmValue value;
        value.Text = token.Text;
        switch (token.Kind) {
        case TToken::TKind::Number:
            value.Kind = TDfmValue::TKind::Number;
            return value;
        case TToken::TKind::Identifier:
            value.Kind = TDfmValue::TKind::Identifier;
            return value;
        case TToken::TKind::Binary:
            value.Kind = TDfmValue::TKind::Binary;
            return value;
        case TToken::TKind::String:
            // A long string is written in parts joined by "+" across lines.
            value.Kind = TDfmValue::TKind::String;
            while (NextIsSymbol('+')) {
                FScanner.Next();
                value.Text +=
                    Expect(TToken::TKind::String, QStringLiteral("a string after \"+\"")).Text;
            }
            return value;
        case TToken::TKind::Symbol:
            if (token.Text == QLatin1Char('[')) {
                return ReadSet();
            }
            if (token.Text == QLatin1Char('(')) {
                return ReadList();
            }
            if (token.Text == QLatin1Char('<')) {
                return ReadCollection();
            }
            break;
        case TToken::TKind::End:
            break;
        }
        Fail(token.Line, QStringLiteral("a value expected, found %1").arg(Shown(token)));
    }

    TDfmValue ReadSet() {
        TDfmValue set;
        set.Kind = TDfmValue::TKind::Set;
        while (!NextIsSymbol(']')) {
            const TToken member = FScanner.Next();
            if (member.Kind != TToken::TKind::Identifier && member.Kind != TToken::TKind::Number) {
                Fail(member.Line,
                     QStringLiteral("a member of a set expected, found %1").arg(Shown(member)));
            }
            set.Elements.push_back({member.Kind == TToken::TKind::Number
                                        ? TDfmValue::TKind::Number
                                        : TDfmValue::TKind::Identifier,
                                    member.Text,
                                    {},
                                    {}});
            if (!NextIsSymbol(']')) {
                ExpectSymbol(',');
            }
        }
        FScanner.Next();
        return set;
    }

    TDfmValue ReadList() {
        TDfmValue list;
        list.Kind = TDfmValue::TKind::List;
        while (!NextIsSymbol(')')) {
            list.Elements.push_back(ReadValue());
        }
        FScanner.Next();
        return list;
    }

    TDfmValue ReadCollection() {
        TDfmValue collection;
        collection.Kind = TDfmValue::TKind::Collection;
        while (!NextIsSymbol('>')) {
            const TToken item = FScanner.Next();
            if (!IsWord(item, "item")) {
                Fail(item.Line, QStringLiteral("\"item\" expected, found %1").arg(Shown(item)));
            }
            SkipIndex();
            TDfmObject properties;
            while (!IsWord(FScanner.Peek(), "end")) {
                if (FScanner.Peek().Kind == TToken::TKind::End) {
                    Fail(item.Line, QStringLiteral("the item that starts here has no end"));
                }
                properties.Properties.push_back(ReadProperty());
            }
            FScanner.Next();
            collection.Items.push_back(std::move(properties));
        }
        FScanner.Next();
        return collection;
    }
};

} // namespace

const TDfmValue* TDfmObject::Find(QStringView name) const {
    for (const TDfmProperty& property : Properties) {
        if (property.Name.compare(name, Qt::CaseInsensitive) == 0) {
            return &property.Value;
        }
    }
    return nullptr;
}

int TDfmObject::Integer(QStringView name, int otherwise) const {
    const TDfmValue* value = Find(name);
    if (value == nullptr || value->Kind != TDfmValue::TKind::Number) {
        return otherwise;
    }
    bool ok = false;
    const int number = value->Text.startsWith(QLatin1Char('$')) ? value->Text.mid(1).toInt(&ok, 16)
                                                                : value->Text.toInt(&ok);
    return ok ? number : otherwise;
}

QString TDfmObject::Text(QStringView name, const QString& otherwise) const {
    const TDfmValue* value = Find(name);
    if (value == nullptr ||
        (value->Kind != TDfmValue::TKind::String && value->Kind != TDfmValue::TKind::Identifier)) {
        return otherwise;
    }
    return value->Text;
}

bool TDfmObject::Boolean(QStringView name, bool otherwise) const {
    const TDfmValue* value = Find(name);
    if (value == nullptr || value->Kind != TDfmValue::TKind::Identifier) {
        return otherwise;
    }
    if (value->Text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (value->Text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return otherwise;
}

TDfmObject ReadDfm(const QString& text) {
    return TParser(text).ReadForm();
}

} // namespace quorvane::formpicture
