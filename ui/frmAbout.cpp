#include "frmAbout.h"

#include "QuorvaneVersion.h"
#include "io/InstallPaths.h"

#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include <vector>

namespace quorvane::ui {

namespace {

// A heading and its underline; the underline is measured, so rewording a heading keeps the two
// the same length.
QString Heading(const QString& title) {
    return title + QLatin1Char('\n') + QString(title.size(), QLatin1Char('='));
}

// Where NameFormat.ini is looked for, as this program looks: one line per folder, first to last.
QString NameFormatFolderLines() {
    QString lines;
    for (const std::string& folder : NameFormatFolders(CurrentInstallLayout())) {
        lines += QStringLiteral("     ") + QString::fromStdString(folder) +
                 QStringLiteral("NameFormat.ini\n");
    }
    return lines;
}

// A piece of the usage text as the window sets it.
struct TUsageBlock {
    enum class TKind { Paragraph, Heading, Point, Folder };
    TKind Kind = TKind::Paragraph;
    QString Text = {};
    bool AfterGap = false; // an empty line stood before it
};

// The usage text is written as a fixed-pitch box shows it: lines broken by hand, headings
// underlined, numbered points continued by lines indented under their text, and folder names
// on lines of their own, indented further. The window joins the broken lines into paragraphs,
// so that they wrap to its width in its own font.
std::vector<TUsageBlock> UsageBlocks(const QString& text) {
    using TKind = TUsageBlock::TKind;
    static const QRegularExpression Point(QStringLiteral("^\\d+\\. "));
    static const QRegularExpression Underline(QStringLiteral("^=+$"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    std::vector<TUsageBlock> blocks;
    bool open = false; // the last block takes the lines that continue it
    bool gap = false;
    for (qsizetype at = 0; at < lines.size(); ++at) {
        const QString& line = lines[at];
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            open = false;
            gap = !blocks.empty();
            continue;
        }
        if (at + 1 < lines.size() && Underline.match(lines[at + 1]).hasMatch() &&
            lines[at + 1].size() == line.size()) {
            blocks.push_back({TKind::Heading, trimmed, gap});
            ++at;
            open = false;
        } else if (Point.match(line).hasMatch()) {
            blocks.push_back({TKind::Point, trimmed, gap});
            open = true;
        } else if (line.startsWith(QLatin1String("     "))) {
            blocks.push_back({TKind::Folder, trimmed, gap});
            open = false;
        } else if (open && (blocks.back().Kind != TKind::Point || line.startsWith(' '))) {
            blocks.back().Text += QLatin1Char(' ') + trimmed;
        } else {
            blocks.push_back({TKind::Paragraph, trimmed, gap});
            open = true;
        }
        gap = false;
    }
    return blocks;
}

// Writes the usage text into `memo` as a page: the title left out (the window's heading shows
// it), headings in bold, numbered points with their number hanging in the margin.
void SetUsagePage(QTextEdit& memo, const QString& text) {
    QString body = text;
    const QString title = QString::fromUtf8(ProgramTitle);
    if (body.startsWith(title + QLatin1Char('\n'))) {
        body.remove(0, title.size() + 1);
    }
    const QFontMetrics metrics(memo.font());
    const qreal gap = metrics.lineSpacing() * 0.6;
    const qreal hanging = metrics.horizontalAdvance(QStringLiteral("0. "));

    memo.clear();
    memo.setUndoRedoEnabled(false);
    QTextCursor cursor(memo.document());
    bool first = true;
    for (const TUsageBlock& block : UsageBlocks(body)) {
        QTextBlockFormat paragraph;
        QTextCharFormat characters;
        paragraph.setTopMargin(block.AfterGap ? gap : 0);
        switch (block.Kind) {
        case TUsageBlock::TKind::Heading:
            paragraph.setTopMargin(2 * gap);
            paragraph.setBottomMargin(gap / 2);
            characters.setFontWeight(QFont::Bold);
            characters.setFontPointSize(memo.font().pointSizeF() * 1.15);
            break;
        case TUsageBlock::TKind::Point:
            paragraph.setLeftMargin(hanging);
            paragraph.setTextIndent(-hanging);
            break;
        case TUsageBlock::TKind::Folder:
            paragraph.setLeftMargin(2 * hanging);
            break;
        case TUsageBlock::TKind::Paragraph:
            break;
        }
        if (first) {
            cursor.setBlockFormat(paragraph);
            cursor.setBlockCharFormat(characters);
            first = false;
        } else {
            cursor.insertBlock(paragraph, characters);
        }
        cursor.insertText(block.Text, characters);
    }
    memo.setUndoRedoEnabled(true);
    memo.moveCursor(QTextCursor::Start);
}

} // namespace

QString UsageText() {
    const QStringList paragraphs{
        QString::fromUtf8(ProgramTitle) + QLatin1Char('\n'),

        QStringLiteral(
            "Quorvane is a free code generator for Delphi developers, under the MIT licence.\n"
            "\n"
            "A MIDAS (multi-tier) project is made of two programs: an application server and a\n"
            "client application. The server needs a dataset and a provider component for every\n"
            "table. The client needs a client dataset and a data source for every table, and\n"
            "data-aware controls for every table and every field. Each of these components\n"
            "should carry a readable name made from the name of its table or field.\n"
            "With many tables, setting all of this up by hand takes days. Quorvane does it in\n"
            "minutes, and the more tables a database has, the more time it saves.\n"),

        Heading(QStringLiteral("How does Quorvane work?")),
        QStringLiteral(
            "1. It copies the template directory into the output directory.\n"
            "2. It connects to the database through a data-link (UDL) file, or directly to an\n"
            "   Access (MDB) file; on Linux it can also open a SQLite or a Firebird (FDB)\n"
            "   database file.\n"
            "3. It replaces the variable blocks of the template files and inserts the generated\n"
            "   code blocks.\n"
            "4. Server side: every table gets a dataset and a dataset provider component in the\n"
            "   remote data module, and every dataset gets persistent field components. The\n"
            "   first field of a table is taken as its primary key.\n"
            "5. Client side: every client dataset gets persistent field components, with the\n"
            "   same primary key rule. A field whose name holds \"ID\" is taken as a foreign key\n"
            "   and gets a lookup combo box. Every table gets a form with a grid, and an edit\n"
            "   control and a label for each field; one more form holds the grids of all tables.\n"
            "   All components are named from their table or field name, for example\n"
            "   Client_Frm, Client_DBGrid, Client_DBEdt and Client_Lab. Every name format can\n"
            "   be changed in the file NameFormat.ini. Quorvane reads the first of these files\n"
            "   that exists, and only that one (a format it lacks takes its default):\n") +
            NameFormatFolderLines(),

        Heading(QStringLiteral("How to Use the Quorvane?")),
        QStringLiteral(
            "1. Select the template directory. The default template directory, MidasProject,\n"
            "   can be chosen, and you may extend the code in the template directory to suit\n"
            "   your own projects.\n"
            "2. Select the output directory.\n"
            "3. Select the UDL, MDB, SQLite or FDB file. You can edit the supplied database.udl\n"
            "   so that it points at your own database, and then select it.\n"
            "4. Optionally, select the FieldName and DisplayText map file. It is a text file; if\n"
            "   you work with PowerDesigner, you can make it by copying the field names and\n"
            "   codes from its data item list.\n"
            "5. Optionally, change the other options.\n"
            "6. Click \"Generate Project Source Code\".\n"),

        Heading(QStringLiteral("How to Use the output projects?")),
        QStringLiteral(
            "The output directory holds two projects: the application server and the client\n"
            "application.\n"
            "1. Open the application server project and run it once; this registers its remote\n"
            "   data module as a COM server. Then close it. Servers generated from one template\n"
            "   share its COM identity, and replace each other when registered, unless \"New\n"
            "   COM identity (GUIDs) for the server\" was checked. If a \"Database.mdb\" file is\n"
            "   present, the server uses it as its database; otherwise it uses \"DataBase.udl\"\n"
            "   as its data connection file.\n"
            "2. Open the client project and its data module, and pick the server name of the\n"
            "   DCOM connection from its combo box. By default the connection broker uses the\n"
            "   DCOM connection, which is handy while debugging; you may use the other\n"
            "   connections as well. A Config.ini file in the executable's folder tells the\n"
            "   client at run time which connection to use (DCOM, socket or web connection).\n"
            "3. Run the client: the data of every table can be edited and posted.\n"
            "4. Redesign the forms as you like, or copy their components into your own forms.\n"),
    };
    return paragraphs.join(QLatin1Char('\n'));
}

TAbout_Frm::TAbout_Frm(QWidget* parent)
    : QDialog(parent), Title_Lab(new QLabel(QString::fromUtf8(ProgramTitle), this)),
      Memo(new QTextEdit(this)), Close_Btn(new QPushButton(QStringLiteral("&Close"), this)) {
    setObjectName(QStringLiteral("About_Frm"));
    setWindowTitle(QStringLiteral("About Quorvane"));
    // Shown beside the main window, never over it as a modal box; the main window keeps it.
    setModal(false);

    Title_Lab->setObjectName(QStringLiteral("Title_Lab"));
    QFont titleFont = Title_Lab->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    Title_Lab->setFont(titleFont);

    Memo->setObjectName(QStringLiteral("Memo"));
    // What the user types or pastes stays plain text, as the usage text is.
    Memo->setAcceptRichText(false);
    Memo->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SetUsagePage(*Memo, UsageText());

    Close_Btn->setObjectName(QStringLiteral("Close_Btn"));
    Close_Btn->setDefault(true);
    connect(Close_Btn, &QPushButton::clicked, this, &TAbout_Frm::Close_BtnClick);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(Close_Btn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Title_Lab);
    layout->addWidget(Memo, 1);
    layout->addLayout(buttonRow);

    resize(640, 600);
}

void TAbout_Frm::Close_BtnClick() {
    close();
}

} // namespace quorvane::ui
