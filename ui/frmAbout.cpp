#include "frmAbout.h"

#include "QuorvaneVersion.h"
#include "io/InstallPaths.h"

#include <QColor>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace quorvane::ui {

namespace {

// The note paper colour of the usage text (red 255, green 255, blue 221).
const QColor MemoColour(255, 255, 221);

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
            "   Access (MDB) file; on Linux it can also open a SQLite database file.\n"
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
            "3. Select the UDL or MDB file. You can edit the supplied database.udl so that it\n"
            "   points at your own database, and then select it.\n"
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
            "   data module as a COM server. Then close it. If a \"Database.mdb\" file is\n"
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
    : QDialog(parent), Memo(new QPlainTextEdit(this)), OK_Btn(new QPushButton(this)) {
    setObjectName(QStringLiteral("About_Frm"));
    setWindowTitle(QStringLiteral("About Quorvane"));
    // Shown beside the main window, never over it as a modal box; the main window keeps it.
    setModal(false);

    Memo->setObjectName(QStringLiteral("Memo"));
    // The headings are underlined with "=" rows of the same length; they only line up in a
    // fixed-pitch font.
    Memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Base is the colour every style paints behind editable text, also when the window is not
    // active; a style sheet would switch the Fusion style's frame drawing off.
    QPalette memoPalette = Memo->palette();
    memoPalette.setColor(QPalette::Active, QPalette::Base, MemoColour);
    memoPalette.setColor(QPalette::Inactive, QPalette::Base, MemoColour);
    Memo->setPalette(memoPalette);
    Memo->setPlainText(UsageText());

    OK_Btn->setObjectName(QStringLiteral("OK_Btn"));
    OK_Btn->setText(QStringLiteral("&OK"));
    connect(OK_Btn, &QPushButton::clicked, this, &TAbout_Frm::OK_BtnClick);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(OK_Btn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo, 1);
    layout->addLayout(buttonRow);

    resize(680, 520);
}

void TAbout_Frm::OK_BtnClick() {
    close();
}

} // namespace quorvane::ui
