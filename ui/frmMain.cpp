#include "frmMain.h"

#include "frmPreview.h"

#include "DataLinkEditor.h"
#include "Icons.h"
#include "QuorvaneVersion.h"
#include "datalink/DataLink.h"
#include "datalink/DatabaseFile.h"
#include "frmAbout.h"
#include "generate/OptionLimits.h"
#include "generate/RunSettings.h"
#include "generate/dmCodeGenerator.h"
#include "io/InstallPaths.h"
#include "schema/SchemaSnapshot.h"
#include "text/EngineErrors.h"
#include "text/ShownText.h"
#include "text/StringUtils.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <memory>

namespace quorvane::ui {

namespace {

const QString ApplicationTitle = QStringLiteral("Quorvane");
const QString TrimHint = QStringLiteral("e.g. the table Sales_Client is used as Client");

// The filters of the open dialog, counted from 1 as its filter index is. The map file's text files
// come first; the database kinds follow, each with the extensions the engine knows it by, those
// added later after "Any File" so that every filter keeps its number.
enum TOpenFilter : int {
    TextFilter = 1,
    DataLinkFilter,
    AccessFilter,
    AnyFileFilter,
    SqliteFilter,
    FirebirdFilter,
    AllDatabasesFilter,
};

QString ExtensionPatterns(std::initializer_list<TDatabaseFileKind> kinds) {
    QStringList patterns;
    for (const TDatabaseFileKind kind : kinds) {
        for (const std::string_view extension : DatabaseFileExtensions(kind)) {
            patterns << QLatin1Char('*') +
                            QString::fromLatin1(extension.data(),
                                                static_cast<qsizetype>(extension.size()));
        }
    }
    return patterns.join(QLatin1Char(' '));
}

// In TOpenFilter's order.
QStringList OpenDialogFilters() {
    using enum TDatabaseFileKind;
    return {QStringLiteral("Text File(*.txt)"),
            QStringLiteral("Data Link File(%1)").arg(ExtensionPatterns({DataLink})),
            QStringLiteral("Access Database(%1)").arg(ExtensionPatterns({Jet, Ace})),
            // "*.*" would hide a file without an extension, such as a SQLite database named
            // "orders", which the engine reads by what it holds.
            QStringLiteral("Any File(*)"),
            QStringLiteral("SQLite Database(%1)").arg(ExtensionPatterns({Sqlite})),
            QStringLiteral("Firebird Database(%1)").arg(ExtensionPatterns({Firebird})),
            QStringLiteral("All databases(%1)")
                .arg(ExtensionPatterns({DataLink, Jet, Ace, Sqlite, Firebird}))};
}

// The filter that shows the database input `path` by its name, so that the chooser opens with it
// in view: its kind's own, "Any File" for a name of no known kind, and every database kind for an
// empty field.
TOpenFilter DatabaseFilterFor(const QString& path) {
    if (path.trimmed().isEmpty()) {
        return AllDatabasesFilter;
    }
    switch (DatabaseFileKindOfName(path.toStdString())) {
    case TDatabaseFileKind::DataLink:
        return DataLinkFilter;
    case TDatabaseFileKind::Jet:
    case TDatabaseFileKind::Ace:
        return AccessFilter;
    case TDatabaseFileKind::Sqlite:
        return SqliteFilter;
    case TDatabaseFileKind::Firebird:
        return FirebirdFilter;
    case TDatabaseFileKind::Unknown:
        break;
    }
    return AnyFileFilter;
}

// How the question about a new data link names a database file of `kind`.
QString DatabaseFileDescription(TDatabaseFileKind kind) {
    switch (kind) {
    case TDatabaseFileKind::Sqlite:
        return QStringLiteral("a SQLite database");
    case TDatabaseFileKind::Jet:
    case TDatabaseFileKind::Ace:
        return QStringLiteral("an Access database");
    case TDatabaseFileKind::Firebird:
        return QStringLiteral("a Firebird or InterBase database");
    case TDatabaseFileKind::DataLink:
    case TDatabaseFileKind::Unknown:
        break;
    }
    return QStringLiteral("a database");
}

template <typename TWidget> TWidget* Named(TWidget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* NewEdit(const char* name, const QString& text = {}) {
    auto* edit = Named(new QLineEdit(text), name);
    edit->setMinimumWidth(160);
    return edit;
}

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

std::string ToStd(const QString& text) {
    return text.toStdString();
}

// A box or dialog waits for the user; a busy cursor over it would say the program does not
// listen. The cursors of a run are taken off while this lives and put back afterwards.
class TBusyCursorLifted {
public:
    TBusyCursorLifted() {
        while (const QCursor* cursor = QApplication::overrideCursor()) {
            FLifted.push_back(*cursor);
            QApplication::restoreOverrideCursor();
        }
    }
    ~TBusyCursorLifted() {
        for (auto cursor = FLifted.rbegin(); cursor != FLifted.rend(); ++cursor) {
            QApplication::setOverrideCursor(*cursor);
        }
    }
    TBusyCursorLifted(const TBusyCursorLifted&) = delete;
    TBusyCursorLifted& operator=(const TBusyCursorLifted&) = delete;

private:
    QList<QCursor> FLifted; // the top of the cursor stack first
};

// Where a directory chooser opens for the path in a field: the nearest folder of that path that
// exists (a relative path is taken from the current folder), and the rest of the path, which does
// not exist yet, relative to it. An empty field gives no folder, and the chooser its default.
struct TChooserStart {
    QString Folder;
    QString Typed;
};

TChooserStart ChooserStartOf(const QString& path) {
    if (path.trimmed().isEmpty()) {
        return {};
    }
    const QString wanted = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString folder = wanted;
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder) {
            break;
        }
        folder = parent;
    }
    const QString typed =
        QFileInfo::exists(wanted) ? QString() : QDir(folder).relativeFilePath(wanted);
    return {folder, typed};
}

// A directory chooser in which a directory can be typed that does not exist yet: it is created,
// with its missing parents, after the user agrees.
class TDirectoryChooser : public QFileDialog {
public:
    TDirectoryChooser(QWidget* parent, const QString& start, const QString& typed)
        : QFileDialog(parent, QStringLiteral("Select Directory"), start) {
        setFileMode(QFileDialog::Directory);
        setOption(QFileDialog::ShowDirsOnly);
        setOption(QFileDialog::DontUseNativeDialog);
        if (!typed.isEmpty()) {
            selectFile(typed);
        }
    }

    QString Chosen;

protected:
    void accept() override {
        const QStringList files = selectedFiles();
        if (files.isEmpty()) {
            return;
        }
        const QString path = files.first();
        if (!QDir(path).exists()) {
            const auto answer = QMessageBox::question(
                this, ApplicationTitle,
                QStringLiteral("The specified directory does not exist. Create it?"));
            if (answer != QMessageBox::Yes) {
                return;
            }
            if (!QDir().mkpath(path)) {
                QMessageBox::critical(
                    this, ApplicationTitle,
                    QStringLiteral("Cannot create the directory \"%1\".").arg(path));
                return;
            }
        }
        Chosen = path;
        QDialog::accept();
    }
};

} // namespace

TMain_Frm::TMain_Frm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Main_Frm"));
    setWindowTitle(QString::fromUtf8(ProgramTitle));
    setWindowIcon(ApplicationIcon());

    OpenDialog = Named(new QFileDialog(this), "OpenDialog");
    OpenDialog->setFileMode(QFileDialog::ExistingFile);
    OpenDialog->setNameFilters(OpenDialogFilters());

    Help_Btn = Named(new QToolButton, "Help_Btn");
    Help_Btn->setAutoRaise(true);
    Help_Btn->setIcon(HelpIcon());
    Help_Btn->setIconSize(QSize(24, 24));
    Help_Btn->setToolTip(QStringLiteral("About Quorvane (F1)"));
    // Flat and without a caption, it would hold the focus with no visible mark; it is reached
    // by the mouse and by F1 instead of by Tab.
    Help_Btn->setFocusPolicy(Qt::NoFocus);
    Help_Btn->setShortcut(QKeySequence(Qt::Key_F1));
    connect(Help_Btn, &QToolButton::clicked, this, &TMain_Frm::Help_BtnClick);

    Gen_Btn = Named(new QPushButton(QStringLiteral("Generate Project Source Code")), "Gen_Btn");
    Gen_Btn->setMinimumHeight(32);
    connect(Gen_Btn, &QPushButton::clicked, this, &TMain_Frm::Gen_BtnClick);
    Preview_Btn = Named(new QPushButton(QStringLiteral("Preview...")), "Preview_Btn");
    Preview_Btn->setMinimumHeight(32);
    Preview_Btn->setToolTip(
        QStringLiteral("List the files a run would write and what it would change, writing "
                       "nothing"));
    connect(Preview_Btn, &QPushButton::clicked, this, &TMain_Frm::Preview_BtnClick);
    Cancel_Btn = Named(new QPushButton(QStringLiteral("Cancel")), "Cancel_Btn");
    Cancel_Btn->setMinimumHeight(32);
    Cancel_Btn->setToolTip(QStringLiteral("Stop the run before its next file"));
    Cancel_Btn->hide();
    connect(Cancel_Btn, &QPushButton::clicked, this, &TMain_Frm::Cancel_BtnClick);

    OpenSettings_Btn =
        Named(new QPushButton(QStringLiteral("Open Settings...")), "OpenSettings_Btn");
    OpenSettings_Btn->setShortcut(QKeySequence::Open);
    OpenSettings_Btn->setToolTip(QStringLiteral("Fill every field from a settings file"));
    connect(OpenSettings_Btn, &QPushButton::clicked, this, &TMain_Frm::OpenSettings_BtnClick);
    SaveSettings_Btn =
        Named(new QPushButton(QStringLiteral("Save Settings As...")), "SaveSettings_Btn");
    SaveSettings_Btn->setShortcut(QKeySequence::SaveAs);
    SaveSettings_Btn->setToolTip(QStringLiteral("Save every field to a settings file"));
    connect(SaveSettings_Btn, &QPushButton::clicked, this, &TMain_Frm::SaveSettings_BtnClick);

    auto* helpRow = new QHBoxLayout;
    helpRow->addWidget(OpenSettings_Btn);
    helpRow->addWidget(SaveSettings_Btn);
    helpRow->addStretch();
    helpRow->addWidget(Help_Btn);

    // The two client groups share the width the window gains.
    auto* clientRow = new QHBoxLayout;
    clientRow->addWidget(BuildClientDataModuleGroup(), 1);
    clientRow->addWidget(BuildClientFormsGroup(), 1);

    auto* generateRow = new QHBoxLayout;
    generateRow->addStretch();
    generateRow->addWidget(Gen_Btn);
    generateRow->addWidget(Preview_Btn);
    generateRow->addWidget(Cancel_Btn);
    generateRow->addStretch();

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(helpRow);
    layout->addWidget(BuildProjectDirectoryGroup());
    layout->addWidget(BuildDatabaseGroup());
    layout->addWidget(BuildServerGroup());
    layout->addLayout(clientRow);
    layout->addWidget(BuildSchemaGroup());
    // A taller window gives its height to this stretch, not to the groups: they keep the height
    // of their fields, and the buttons of a run stay above the status bar.
    layout->addStretch(1);
    layout->addLayout(generateRow);
    setCentralWidget(central);

    StatusBar = Named(new QStatusBar, "StatusBar");
    StatusBar->setSizeGripEnabled(false);
    FStatusLabel = Named(new QLabel, "StatusBar_Text");
    StatusBar->addWidget(FStatusLabel, 1);
    Progress_Bar = Named(new QProgressBar, "Progress_Bar");
    Progress_Bar->setFixedWidth(220);
    Progress_Bar->setTextVisible(true);
    Progress_Bar->hide();
    StatusBar->addPermanentWidget(Progress_Bar);
    setStatusBar(StatusBar);

    SetTabOrder();
    // The first stop of the tab order, so that typing at start-up lands in a field.
    DBConnectionName_Edt->setFocus();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TMain_Frm::~TMain_Frm() {
    // The reading holds no part of the window, but it must not outlive the program.
    if (FTableReader != nullptr) {
        FTableReader->wait();
    }
    // A run uses the engine, which the window does not own: it stops before its next file, and
    // the engine outlives it.
    if (FRunner != nullptr) {
        DM->Cancel();
        FRunner->wait();
    }
}

QGroupBox* TMain_Frm::BuildProjectDirectoryGroup() {
    auto* group = Named(new QGroupBox(QStringLiteral("Project Directory")), "ProjectDirectory_Grp");
    auto* grid = new QGridLayout(group);
    ProjectTemplateDir_Edt = NewEdit("ProjectTemplateDir_Edt");
    TempDir_Btn = Named(new QPushButton(QStringLiteral("Select...")), "TempDir_Btn");
    ProjectTargetDirectory_Edt = NewEdit("ProjectTargetDirectory_Edt");
    TarDir_Btn = Named(new QPushButton(QStringLiteral("Select...")), "TarDir_Btn");
    grid->addWidget(new QLabel(QStringLiteral("Project Template Directory:")), 0, 0);
    grid->addWidget(ProjectTemplateDir_Edt, 0, 1);
    grid->addWidget(TempDir_Btn, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Project Output Directory:")), 1, 0);
    grid->addWidget(ProjectTargetDirectory_Edt, 1, 1);
    grid->addWidget(TarDir_Btn, 1, 2);
    grid->setColumnStretch(1, 1);
    connect(TempDir_Btn, &QPushButton::clicked, this, &TMain_Frm::TempDir_BtnClick);
    connect(TarDir_Btn, &QPushButton::clicked, this, &TMain_Frm::TarDir_BtnClick);
    return group;
}

QGroupBox* TMain_Frm::BuildDatabaseGroup() {
    auto* group = Named(new QGroupBox(QStringLiteral("Database")), "Database_Grp");
    auto* grid = new QGridLayout(group);
    UDL_Edt = NewEdit("UDL_Edt");
    OpenUDL_Bnt = Named(new QPushButton(QStringLiteral("Open...")), "OpenUDL_Bnt");
    EditUDL_Btn = Named(new QPushButton(QStringLiteral("Edit....")), "EditUDL_Btn");
    CollumName_Edt = NewEdit("CollumName_Edt");
    OpenList_Btn = Named(new QPushButton(QStringLiteral("Open...")), "OpenList_Btn");
    ListFormat_Rdo =
        Named(new QRadioButton(QStringLiteral("FieldName=DisplayText (with space in DisplayText)")),
              "ListFormat_Rdo");
    ListFormat_Rdo->setChecked(true);
    ListFormat_Rdo->setToolTip(QStringLiteral("e.g.                    ClientName=Client Name"));
    NameCodeOrder_Rdo =
        Named(new QRadioButton(QStringLiteral(
                  "DisplayText FieldName and other data(without space in DisplayText)")),
              "NameCodeOrder_Rdo");
    NameCodeOrder_Rdo->setToolTip(
        QStringLiteral("For example, the DataItem list of PowerDesigner,             e.g.      "
                       "           ClientFirstNameLastName   ClientName"));

    grid->addWidget(new QLabel(QStringLiteral("Universal Data Link File: ")), 0, 0);
    grid->addWidget(UDL_Edt, 0, 1);
    auto* udlButtons = new QHBoxLayout;
    udlButtons->addWidget(OpenUDL_Bnt);
    udlButtons->addWidget(EditUDL_Btn);
    grid->addLayout(udlButtons, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("FieldName and DisplayText Map File:")), 1, 0);
    grid->addWidget(CollumName_Edt, 1, 1);
    grid->addWidget(OpenList_Btn, 1, 2, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("Map File List Format:")), 2, 0);
    grid->addWidget(ListFormat_Rdo, 2, 1, 1, 2);
    grid->addWidget(NameCodeOrder_Rdo, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(OpenUDL_Bnt, &QPushButton::clicked, this, &TMain_Frm::OpenUDL_BntClick);
    connect(EditUDL_Btn, &QPushButton::clicked, this, &TMain_Frm::EditUDL_BtnClick);
    connect(OpenList_Btn, &QPushButton::clicked, this, &TMain_Frm::OpenList_BtnClick);
    return group;
}

QGroupBox* TMain_Frm::BuildServerGroup() {
    auto* group = Named(new QGroupBox(QStringLiteral("Server: Remote Data Module")), "Server_Grp");
    auto* grid = new QGridLayout(group);
    DBConnectionName_Edt = NewEdit("DBConnectionName_Edt", QStringLiteral("DBConnection"));
    DBConnectionName_Edt->setToolTip(QStringLiteral("TADOConnection or TSQLConnection etc"));
    TableType_Edt = NewEdit("TableType_Edt", QStringLiteral("TADOQuery"));
    TrimPrefix_Chk =
        Named(new QCheckBox(QStringLiteral("Trim Table Name Prefix Before _:")), "TrimPrefix_Chk");
    TrimPrefix_Chk->setToolTip(TrimHint);
    IsRDM_Lab = Named(new QLabel(QStringLiteral("Is Remote Data Module:")), "IsRDM_Lab");
    IsRDM_Chk = Named(new QCheckBox, "IsRDM_Chk");
    IsRDM_Chk->setChecked(true);
    // Kept, hidden, from the options of old: every server gets providers.
    IsRDM_Lab->hide();
    IsRDM_Chk->hide();
    ProviderOptions_Lab =
        Named(new QLabel(QStringLiteral("DataSet Provider Options:")), "ProviderOptions_Lab");
    ProviderOptions_Cbo = Named(new QComboBox, "ProviderOptions_Cbo");
    ProviderOptions_Cbo->setEditable(true);
    ProviderOptions_Cbo->addItems({QString(), QStringLiteral("poAllowCommandText"),
                                   QStringLiteral("poFetchBlobsOnDemand, poAllowCommandText")});
    ProviderOptions_Cbo->setCurrentIndex(0);
    ProviderOptions_Cbo->setMinimumWidth(260);
    NewGuids_Chk = Named(new QCheckBox(QStringLiteral("New COM identity (GUIDs) for the server")),
                         "NewGuids_Chk");
    NewGuids_Chk->setToolTip(QStringLiteral(
        "Fresh type-library, interface and class GUIDs instead of the template's, so that servers "
        "generated from one template can be registered side by side"));

    grid->addWidget(new QLabel(QStringLiteral("DBConnection  Name in Template:")), 0, 0);
    grid->addWidget(DBConnectionName_Edt, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("DataSet Component Type:")), 0, 2);
    grid->addWidget(TableType_Edt, 0, 3);
    grid->addWidget(TrimPrefix_Chk, 1, 0, 1, 2);
    grid->addWidget(IsRDM_Lab, 1, 2);
    grid->addWidget(IsRDM_Chk, 1, 3);
    grid->addWidget(ProviderOptions_Lab, 2, 0);
    grid->addWidget(ProviderOptions_Cbo, 2, 1, 1, 3);
    grid->addWidget(NewGuids_Chk, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    connect(IsRDM_Chk, &QCheckBox::clicked, this, &TMain_Frm::IsRDM_ChkClick);
    return group;
}

QGroupBox* TMain_Frm::BuildClientDataModuleGroup() {
    auto* group = Named(new QGroupBox(QStringLiteral("Client: Data Module")), "ClientDM_Grp");
    auto* grid = new QGridLayout(group);
    ConnectionBrokerName_Edt =
        NewEdit("ConnectionBrokerName_Edt", QStringLiteral("DBConnectionBroker"));
    ClientDataSetType_Edt = NewEdit("ClientDataSetType_Edt", QStringLiteral("TClientDataSet"));
    ClientTrimTableName_Chk =
        Named(new QCheckBox(QStringLiteral("Trim Table Name Prefix Before _:")),
              "ClientTrimTableName_Chk");
    ClientTrimTableName_Chk->setToolTip(TrimHint);
    FloatFormat_Edt = NewEdit("FloatFormat_Edt", QStringLiteral("#.00,"));
    CurrencyFormat_Edt = NewEdit("CurrencyFormat_Edt", QStringLiteral("$#.00,"));
    DateFormat_Edt = NewEdit("DateFormat_Edt", QStringLiteral("MM/DD/YYYY"));

    auto* brokerLabel = new QLabel(QStringLiteral("ConnectionBroker Component Name:"));
    brokerLabel->setToolTip(QStringLiteral("ConnectionBroker Component Name in Template"));
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    grid->addWidget(brokerLabel, 0, 0);
    grid->addWidget(ConnectionBrokerName_Edt, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("ClientDataSet  Type:")), 1, 0);
    grid->addWidget(ClientDataSetType_Edt, 1, 1);
    grid->addWidget(ClientTrimTableName_Chk, 2, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Field Display Format")), 3, 0);
    grid->addWidget(rule, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Float Field:")), 4, 0);
    grid->addWidget(FloatFormat_Edt, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Currency Field:")), 5, 0);
    grid->addWidget(CurrencyFormat_Edt, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("Date/DateTime Field:")), 6, 0);
    grid->addWidget(DateFormat_Edt, 6, 1);
    grid->setColumnStretch(1, 1);
    // Beside the taller forms group, the fields stay together at the top.
    grid->setRowStretch(7, 1);
    return group;
}

QGroupBox* TMain_Frm::BuildClientFormsGroup() {
    auto* group = Named(new QGroupBox(QStringLiteral("Client: Forms")), "ClientForms_Grp");
    auto* grid = new QGridLayout(group);
    DMName_Edt = NewEdit("DMName_Edt", QStringLiteral("DM"));
    DBNvgType_Edt = NewEdit("DBNvgType_Edt", QStringLiteral("TDBNavigator"));
    DBGridType_Edt = NewEdit("DBGridType_Edt", QStringLiteral("TDBGrid"));
    Space_Edt = NewEdit("Space_Edt", QStringLiteral("4"));
    OnlyTable_Edt = NewEdit("OnlyTable_Edt");
    OnlyTable_Edt->setToolTip(
        QStringLiteral("Names or patterns, comma-separated (Orders, Sales_*); empty for all"));
    Tables_Btn = Named(new QPushButton(QStringLiteral("Tables...")), "Tables_Btn");
    UITrimTableName_Chk = Named(new QCheckBox(QStringLiteral("Trim Table Name Prefix Before _:")),
                                "UITrimTableName_Chk");
    UITrimTableName_Chk->setToolTip(TrimHint);
    WithColon_Chk = Named(new QCheckBox(QStringLiteral("With Colon")), "WithColon_Chk");
    AutoSize_Chk = Named(new QCheckBox(QStringLiteral("AutoSize")), "AutoSize_Chk");
    LeftJustify_Chk = Named(new QCheckBox(QStringLiteral("LeftJustify")), "LeftJustify_Chk");

    grid->addWidget(new QLabel(QStringLiteral("Data Module Name in Template:")), 0, 0);
    grid->addWidget(DMName_Edt, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("DBNavigator Type:")), 1, 0);
    grid->addWidget(DBNvgType_Edt, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("DBGrid Type:")), 2, 0);
    grid->addWidget(DBGridType_Edt, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Space between Label and DBEdit:")), 3, 0);
    grid->addWidget(Space_Edt, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Only Generate For This Table:")), 4, 0);
    auto* onlyTableRow = new QHBoxLayout;
    onlyTableRow->addWidget(OnlyTable_Edt, 1);
    onlyTableRow->addWidget(Tables_Btn);
    grid->addLayout(onlyTableRow, 4, 1);
    grid->addWidget(UITrimTableName_Chk, 5, 0, 1, 2);
    auto* labelRow = new QHBoxLayout;
    labelRow->addWidget(WithColon_Chk);
    labelRow->addWidget(AutoSize_Chk);
    labelRow->addWidget(LeftJustify_Chk);
    labelRow->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("Field Label Properties:")), 6, 0);
    grid->addLayout(labelRow, 6, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);
    connect(Tables_Btn, &QPushButton::clicked, this, &TMain_Frm::Tables_BtnClick);
    return group;
}

QGroupBox* TMain_Frm::BuildSchemaGroup() {
    auto* group = Named(new QGroupBox(QStringLiteral("From the Database Schema")), "Schema_Grp");
    auto* row = new QHBoxLayout(group);
    SchemaKeys_Chk = Named(new QCheckBox(QStringLiteral("Keys from the Schema")), "SchemaKeys_Chk");
    SchemaKeys_Chk->setToolTip(
        QStringLiteral("Mark the primary-key columns as the provider's key, not the first field"));
    RequiredFields_Chk =
        Named(new QCheckBox(QStringLiteral("Required Fields")), "RequiredFields_Chk");
    RequiredFields_Chk->setToolTip(
        QStringLiteral("Fields of NOT NULL columns without default or counter are Required"));
    FkLookups_Chk =
        Named(new QCheckBox(QStringLiteral("Lookups from Foreign Keys")), "FkLookups_Chk");
    FkLookups_Chk->setToolTip(QStringLiteral(
        "Lookup combo boxes on the foreign keys, wired to the tables they refer to"));
    CommentLabels_Chk =
        Named(new QCheckBox(QStringLiteral("Labels from Comments")), "CommentLabels_Chk");
    CommentLabels_Chk->setToolTip(
        QStringLiteral("Field labels from the column comments where the map file gives none"));
    row->addWidget(SchemaKeys_Chk);
    row->addWidget(RequiredFields_Chk);
    row->addWidget(FkLookups_Chk);
    row->addWidget(CommentLabels_Chk);
    row->addStretch();
    return group;
}

void TMain_Frm::SetTabOrder() {
    const QList<QWidget*> order = {DBConnectionName_Edt,
                                   TableType_Edt,
                                   TrimPrefix_Chk,
                                   IsRDM_Chk,
                                   ProviderOptions_Cbo,
                                   NewGuids_Chk,
                                   ConnectionBrokerName_Edt,
                                   ClientDataSetType_Edt,
                                   ClientTrimTableName_Chk,
                                   FloatFormat_Edt,
                                   CurrencyFormat_Edt,
                                   DateFormat_Edt,
                                   DMName_Edt,
                                   DBNvgType_Edt,
                                   DBGridType_Edt,
                                   Space_Edt,
                                   OnlyTable_Edt,
                                   Tables_Btn,
                                   UITrimTableName_Chk,
                                   WithColon_Chk,
                                   AutoSize_Chk,
                                   LeftJustify_Chk,
                                   SchemaKeys_Chk,
                                   RequiredFields_Chk,
                                   FkLookups_Chk,
                                   CommentLabels_Chk,
                                   UDL_Edt,
                                   OpenUDL_Bnt,
                                   EditUDL_Btn,
                                   CollumName_Edt,
                                   OpenList_Btn,
                                   ListFormat_Rdo,
                                   NameCodeOrder_Rdo,
                                   ProjectTemplateDir_Edt,
                                   TempDir_Btn,
                                   ProjectTargetDirectory_Edt,
                                   TarDir_Btn,
                                   Gen_Btn,
                                   Preview_Btn,
                                   OpenSettings_Btn,
                                   SaveSettings_Btn};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void TMain_Frm::GetOptions(TProjectParam& options) const {
    options.Directories.TemplateDir = ToStd(ProjectTemplateDir_Edt->text());
    options.Directories.OutputDir = ToStd(ProjectTargetDirectory_Edt->text());
    options.Database.UDLFile = ToStd(UDL_Edt->text());
    options.Database.MapFile = ToStd(CollumName_Edt->text());
    options.Database.NameCodeOrder = NameCodeOrder_Rdo->isChecked();
    options.ServerOptions.DataSetType = ToStd(TableType_Edt->text());
    options.ServerOptions.DataSetKind = ToStd(TableType_Edt->text());
    options.ServerOptions.TrimPrefix = TrimPrefix_Chk->isChecked();
    options.ServerOptions.IsRDM = IsRDM_Chk->isChecked();
    options.ServerOptions.ProviderOptions = ToStd(ProviderOptions_Cbo->currentText());
    options.ServerOptions.ConnectionName = ToStd(DBConnectionName_Edt->text());
    options.ServerOptions.ProjectGuids =
        NewGuids_Chk->isChecked() ? TProjectGuids::New : TProjectGuids::Template;
    options.ClientDMOptions.ClientDataSetType = ToStd(ClientDataSetType_Edt->text());
    options.ClientDMOptions.ConnectionBrokerName = ToStd(ConnectionBrokerName_Edt->text());
    options.ClientDMOptions.TrimTableName = ClientTrimTableName_Chk->isChecked();
    options.ClientDMOptions.DisplayFormat.FloatFormat = ToStd(FloatFormat_Edt->text());
    options.ClientDMOptions.DisplayFormat.CurrencyFormat = ToStd(CurrencyFormat_Edt->text());
    options.ClientDMOptions.DisplayFormat.DateFormat = ToStd(DateFormat_Edt->text());
    options.ClientUIOptions.DMName = ToStd(DMName_Edt->text());
    options.ClientUIOptions.DBNavigatorType = ToStd(DBNvgType_Edt->text());
    options.ClientUIOptions.DBGridType = ToStd(DBGridType_Edt->text());
    options.ClientUIOptions.Space = SpaceFromText(ToStd(Space_Edt->text()));
    options.ClientUIOptions.OnlyTable = ToStd(OnlyTable_Edt->text());
    options.ClientUIOptions.WithColon = WithColon_Chk->isChecked();
    options.ClientUIOptions.LeftJustify = LeftJustify_Chk->isChecked();
    options.ClientUIOptions.AutoSize = AutoSize_Chk->isChecked();
    options.ClientUIOptions.TrimTableName = UITrimTableName_Chk->isChecked();
    options.SchemaOptions.SchemaKeys = SchemaKeys_Chk->isChecked();
    options.SchemaOptions.RequiredFields = RequiredFields_Chk->isChecked();
    options.SchemaOptions.FkLookups = FkLookups_Chk->isChecked();
    options.SchemaOptions.CommentLabels = CommentLabels_Chk->isChecked();
    options.ClientUIOptions.ExcludeTables = FExcludeTables;
}

void TMain_Frm::SetOptions(const TProjectParam& options) {
    ProjectTemplateDir_Edt->setText(FromStd(options.Directories.TemplateDir));
    ProjectTargetDirectory_Edt->setText(FromStd(options.Directories.OutputDir));
    UDL_Edt->setText(FromStd(options.Database.UDLFile));
    CollumName_Edt->setText(FromStd(options.Database.MapFile));
    (options.Database.NameCodeOrder ? NameCodeOrder_Rdo : ListFormat_Rdo)->setChecked(true);
    // The run builds from DataSetKind; the window keeps both in the one field.
    TableType_Edt->setText(FromStd(options.ServerOptions.DataSetKind));
    TrimPrefix_Chk->setChecked(options.ServerOptions.TrimPrefix);
    IsRDM_Chk->setChecked(options.ServerOptions.IsRDM);
    IsRDM_ChkClick();
    ProviderOptions_Cbo->setEditText(FromStd(options.ServerOptions.ProviderOptions));
    DBConnectionName_Edt->setText(FromStd(options.ServerOptions.ConnectionName));
    NewGuids_Chk->setChecked(options.ServerOptions.ProjectGuids == TProjectGuids::New);
    ClientDataSetType_Edt->setText(FromStd(options.ClientDMOptions.ClientDataSetType));
    ConnectionBrokerName_Edt->setText(FromStd(options.ClientDMOptions.ConnectionBrokerName));
    ClientTrimTableName_Chk->setChecked(options.ClientDMOptions.TrimTableName);
    FloatFormat_Edt->setText(FromStd(options.ClientDMOptions.DisplayFormat.FloatFormat));
    CurrencyFormat_Edt->setText(FromStd(options.ClientDMOptions.DisplayFormat.CurrencyFormat));
    DateFormat_Edt->setText(FromStd(options.ClientDMOptions.DisplayFormat.DateFormat));
    DMName_Edt->setText(FromStd(options.ClientUIOptions.DMName));
    DBNvgType_Edt->setText(FromStd(options.ClientUIOptions.DBNavigatorType));
    DBGridType_Edt->setText(FromStd(options.ClientUIOptions.DBGridType));
    Space_Edt->setText(QString::number(options.ClientUIOptions.Space));
    OnlyTable_Edt->setText(FromStd(options.ClientUIOptions.OnlyTable));
    FExcludeTables = options.ClientUIOptions.ExcludeTables;
    WithColon_Chk->setChecked(options.ClientUIOptions.WithColon);
    LeftJustify_Chk->setChecked(options.ClientUIOptions.LeftJustify);
    AutoSize_Chk->setChecked(options.ClientUIOptions.AutoSize);
    UITrimTableName_Chk->setChecked(options.ClientUIOptions.TrimTableName);
    SchemaKeys_Chk->setChecked(options.SchemaOptions.SchemaKeys);
    RequiredFields_Chk->setChecked(options.SchemaOptions.RequiredFields);
    FkLookups_Chk->setChecked(options.SchemaOptions.FkLookups);
    CommentLabels_Chk->setChecked(options.SchemaOptions.CommentLabels);
}

void TMain_Frm::UseInstalledTemplate(const TInstallLayout& layout) {
    if (!ProjectTemplateDir_Edt->text().isEmpty()) {
        return;
    }
    if (const std::optional<std::string> folder = FindSampleTemplate(layout)) {
        ProjectTemplateDir_Edt->setText(FromStd(*folder));
    }
}

void TMain_Frm::OpenSettings_BtnClick() {
    // A chooser opened from a status report would hold the run until it closes.
    if (Running()) {
        QApplication::beep();
        return;
    }
    QString path;
    {
        const TBusyCursorLifted lifted;
        path = ChooseSettingsFile(false, FSettingsFile);
    }
    if (path.isEmpty()) {
        return;
    }
    // Keys the file lacks take their defaults, as in the batch tool: the file alone says the run.
    TProjectParam options;
    try {
        ReadRunSettings(ToStd(path), options);
    } catch (const std::exception& error) {
        Tell(QMessageBox::Critical, FromStd(ShownText(error.what())));
        return;
    }
    SetOptions(options);
    FSettingsFile = path;
    FStatusLabel->setText(QStringLiteral("Settings read from \"%1\".").arg(path));
}

void TMain_Frm::SaveSettings_BtnClick() {
    if (Running()) {
        QApplication::beep();
        return;
    }
    // What cannot be saved is told before a file name is asked for.
    TProjectParam options;
    try {
        GetOptions(options);
        CheckOptionNames(options);
    } catch (const std::exception& error) {
        Tell(QMessageBox::Critical, FromStd(ShownText(error.what())));
        return;
    }
    QString path;
    {
        const TBusyCursorLifted lifted;
        path = ChooseSettingsFile(true, FSettingsFile);
    }
    if (path.isEmpty()) {
        return;
    }
    try {
        WriteRunSettings(ToStd(path), options);
    } catch (const std::exception& error) {
        Tell(QMessageBox::Critical, FromStd(ShownText(error.what())));
        return;
    }
    FSettingsFile = path;
    FStatusLabel->setText(QStringLiteral("Settings saved to \"%1\".").arg(path));
}

void TMain_Frm::StatusFromRun(TDM& sender, const std::string& text) {
    QMetaObject::invokeMethod(
        this, [this, &sender, text] { DMStatus(sender, text); }, Qt::QueuedConnection);
}

void TMain_Frm::DMStatus(TDM&, const std::string& text) {
    // A name's control characters are shown, not obeyed: a CR or ESC would garble the bar.
    FStatusLabel->setText(FromStd(ShownText(text)));
}

QString TMain_Frm::StatusText() const {
    return FStatusLabel->text();
}

void TMain_Frm::DMProgress(std::size_t done, std::size_t total) {
    // A database without tables still has stages; its bar shows them done rather than busy.
    Progress_Bar->setRange(0, total == 0 ? 1 : static_cast<int>(total));
    Progress_Bar->setValue(total == 0 ? 1 : static_cast<int>(done));
    Progress_Bar->setFormat(QStringLiteral("%1 of %2 tables").arg(done).arg(total));
    Progress_Bar->show();
}

void TMain_Frm::Gen_BtnClick() {
    RunEngine(false);
}

void TMain_Frm::Preview_BtnClick() {
    RunEngine(true);
}

void TMain_Frm::ShowPreview(std::vector<TPreviewEntry> entries) {
    TPreview_Frm preview(std::move(entries), this);
    preview.exec();
}

void TMain_Frm::RunEngine(bool preview) {
    // A second run beside the first would share the engine, its table list and the output
    // files, so the click is refused. So is a run while the table list is read: its chooser
    // would open in the middle of the run.
    if (Running() || DM == nullptr || ReadingTables()) {
        QApplication::beep();
        return;
    }
    TProjectParam options;
    try {
        GetOptions(options);
    } catch (const std::exception& error) {
        Tell(QMessageBox::Critical, FromStd(error.what()));
        return;
    }
    // The question comes before the run: the run itself goes on on another thread, which must
    // not wait for the user.
    if (!preview) {
        const std::string earlier = DM->EarlierCopyOf(options);
        if (!earlier.empty() &&
            !Ask(QStringLiteral("The output directory already holds \"%1\" from an earlier run.\n"
                                "Replace its files with a new copy of the template?")
                     .arg(FromStd(ShownText(earlier))))) {
            FStatusLabel->setText(QStringLiteral("Generation cancelled; nothing was changed."));
            return;
        }
    }
    // Status texts and progress come from the run's thread; the window shows them on its own.
    DM->OnStatus = [this](TDM& sender, const std::string& text) { StatusFromRun(sender, text); };
    DM->OnProgress = [this](std::size_t done, std::size_t total) {
        QMetaObject::invokeMethod(
            this, [this, done, total] { DMProgress(done, total); }, Qt::QueuedConnection);
    };
    // Asked only when an earlier copy came between the question and the run: what the user
    // answered covers the copy the question named.
    DM->OnConfirmReplace = [](const std::string&) { return true; };

    struct TOutcome {
        std::vector<TPreviewEntry> Entries;
        std::string Failure;
        bool Cancelled = false;
    };
    auto outcome = std::make_shared<TOutcome>();
    TDM* const dm = DM;
    // Busy until the engine tells how far the stages are: connecting and reading the database
    // come first.
    ShowBusyBar();
    Cancel_Btn->setEnabled(true);
    Cancel_Btn->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StartThread(
        FRunner,
        [dm, options, preview, outcome] {
            try {
                if (preview) {
                    outcome->Entries = dm->Preview(options, true);
                } else {
                    dm->Generate(options);
                }
            } catch (const ECancelledError&) {
                outcome->Cancelled = true;
            } catch (const std::exception& error) {
                outcome->Failure = error.what();
            }
        },
        [this, preview, outcome] {
            RunEnded(preview, outcome->Cancelled, outcome->Failure, std::move(outcome->Entries));
        });
}

void TMain_Frm::StartThread(QThread*& thread, std::function<void()> work,
                            std::function<void()> ended) {
    thread = QThread::create(std::move(work));
    thread->setParent(this);
    // The slot empties before `ended` runs: the window is free again when it takes the end.
    connect(thread, &QThread::finished, this, [&thread, ended = std::move(ended)] {
        thread->deleteLater();
        thread = nullptr;
        ended();
    });
    thread->start();
}

void TMain_Frm::ShowBusyBar() {
    Progress_Bar->setRange(0, 0);
    Progress_Bar->setFormat(QString());
    Progress_Bar->show();
}

void TMain_Frm::closeEvent(QCloseEvent* event) {
    if (FRunner != nullptr) {
        DM->Cancel();
        WaitForRun();
    }
    QMainWindow::closeEvent(event);
}

void TMain_Frm::Cancel_BtnClick() {
    if (!Running() || DM == nullptr) {
        return;
    }
    DM->Cancel();
    Cancel_Btn->setEnabled(false);
    FStatusLabel->setText(QStringLiteral("Cancelling after the file being written..."));
}

void TMain_Frm::WaitForRun() {
    if (FRunner != nullptr) {
        FRunner->wait();
        // Deliver what the run said before it ended, and its end, in the order they came.
        QCoreApplication::sendPostedEvents(this);
    }
}

void TMain_Frm::RunEnded(bool preview, bool cancelled, const std::string& failure,
                         std::vector<TPreviewEntry> entries) {
    QApplication::restoreOverrideCursor();
    Progress_Bar->hide();
    Cancel_Btn->hide();
    if (cancelled) {
        FStatusLabel->setText(preview ? QStringLiteral("Preview cancelled; nothing was written.")
                                      : QStringLiteral("Generation cancelled; the files written "
                                                       "so far stay, each whole."));
        return;
    }
    // A failed run is reported as the failure it is, never as a finished generation.
    if (failure.empty() && preview) {
        ShowPreview(std::move(entries));
    } else if (failure.empty()) {
        Tell(QMessageBox::Information,
             QStringLiteral("Generation Finished! See Output Directory."));
    } else {
        Tell(QMessageBox::Critical, FromStd(ShownText(failure)));
    }
    ShowWarnings(DM->Warnings());
}

void TMain_Frm::ShowWarnings(const std::vector<std::string>& warnings) {
    if (warnings.empty()) {
        return;
    }
    // A box cannot show thousands of lines; the first ones tell what to change.
    constexpr std::size_t ShownWarnings = 20;
    QString text = QStringLiteral("The run went past these problems, each told with the file it "
                                  "concerns (the database, or a generated file whose references "
                                  "the options or the template break):\n");
    for (std::size_t index = 0; index < warnings.size() && index < ShownWarnings; ++index) {
        text += QStringLiteral("\n") + FromStd(ShownText(warnings[index]));
    }
    if (warnings.size() > ShownWarnings) {
        text += QStringLiteral("\n\n... and %1 more.").arg(warnings.size() - ShownWarnings);
    }
    Tell(QMessageBox::Warning, text);
}

void TMain_Frm::Help_BtnClick() {
    if (About_Frm == nullptr) {
        return;
    }
    About_Frm->show();
    About_Frm->raise();
    About_Frm->activateWindow();
}

void TMain_Frm::OpenUDL_BntClick() {
    const TBusyCursorLifted lifted;
    const QString path = ChooseOpenFile(DatabaseFilterFor(UDL_Edt->text()), UDL_Edt->text());
    if (!path.isEmpty()) {
        UDL_Edt->setText(path);
    }
}

void TMain_Frm::OpenList_BtnClick() {
    const TBusyCursorLifted lifted;
    const QString path = ChooseOpenFile(TextFilter, QString());
    if (!path.isEmpty()) {
        CollumName_Edt->setText(path);
    }
}

void TMain_Frm::EditUDL_BtnClick() {
    const QString path = UDL_Edt->text();
    const TDatabaseFileKind kind =
        path.isEmpty() ? TDatabaseFileKind::DataLink : DatabaseFileKindOf(ToStd(path));
    if (kind == TDatabaseFileKind::DataLink) {
        TDataLinkEditor editor(path, this);
        const TBusyCursorLifted lifted;
        const QString saved = ShowDataLinkEditor(editor);
        if (!saved.isEmpty() && UDL_Edt->text().isEmpty()) {
            UDL_Edt->setText(saved);
        }
        return;
    }
    if (kind == TDatabaseFileKind::Unknown) {
        Tell(QMessageBox::Information,
             QStringLiteral("\"%1\" is neither a data-link (.udl) file nor a database file of a "
                            "known kind; Edit.... opens data-link files, and makes new ones for "
                            "SQLite, Access and Firebird database files.")
                 .arg(path));
        return;
    }
    if (!Ask(QStringLiteral("\"%1\" is %2, not a data-link (.udl) file.\n"
                            "Make a new data link for it? You choose where it is saved.")
                 .arg(path, DatabaseFileDescription(kind)))) {
        return;
    }
    // The provider a run would connect to the file with, and the file by its full path: the link
    // reads a relative path from its own folder, which the user has yet to choose.
    const std::string provider =
        TConnectionProperties::Parse(ConnectionStringForDatabase(ToStd(path))).Get("Provider");
    TDataLinkEditor editor(QString(), this);
    editor.PresetDatabaseFile(FromStd(provider), QFileInfo(path).absoluteFilePath());
    const TBusyCursorLifted lifted;
    const QString saved = ShowDataLinkEditor(editor);
    if (!saved.isEmpty()) {
        UDL_Edt->setText(saved);
    }
}

void TMain_Frm::TempDir_BtnClick() {
    ChooseDirectoryInto(ProjectTemplateDir_Edt);
}

void TMain_Frm::TarDir_BtnClick() {
    ChooseDirectoryInto(ProjectTargetDirectory_Edt);
}

void TMain_Frm::ChooseDirectoryInto(QLineEdit* edit) {
    // Left to itself the chooser would open a path that does not exist yet in the folder it
    // used last, with only the path's last part typed in.
    const TChooserStart start = ChooserStartOf(edit->text());
    const TBusyCursorLifted lifted;
    const QString directory = ChooseDirectory(start.Folder, start.Typed);
    if (!directory.isEmpty()) {
        edit->setText(directory);
    }
}

void TMain_Frm::Tables_BtnClick() {
    if (Running() || ReadingTables()) {
        QApplication::beep();
        return;
    }
    const std::string database = ToStd(UDL_Edt->text());
    if (Trim(database).empty()) {
        Tell(QMessageBox::Information,
             QStringLiteral("Choose the database first: the tables are read from it."));
        return;
    }
    // A server may take its time to answer (up to its time-outs): the window stays usable
    // while a thread of its own reads the list.
    struct TListing {
        std::vector<TCatalogRow> Rows;
        std::vector<std::string> Qualifiers;
        std::string Error;
    };
    auto listing = std::make_shared<TListing>();
    Tables_Btn->setEnabled(false);
    FStatusLabel->setText(QStringLiteral("Reading the tables of the database..."));
    ShowBusyBar();
    StartThread(
        FTableReader,
        [listing, database] {
            try {
                const std::unique_ptr<ISchemaSource> source =
                    OpenSchemaSource(ConnectionStringForDatabase(database));
                listing->Rows = source->ReadCatalogue();
                for (const TCatalogRow& row : listing->Rows) {
                    listing->Qualifiers.push_back(source->QualifierOf(row));
                }
            } catch (const std::exception& error) {
                listing->Error = error.what();
            }
        },
        [this, listing] { TablesRead(listing->Rows, listing->Qualifiers, listing->Error); });
}

void TMain_Frm::TablesRead(const std::vector<TCatalogRow>& rows,
                           const std::vector<std::string>& qualifiers, const std::string& error) {
    Tables_Btn->setEnabled(true);
    Progress_Bar->hide();
    FStatusLabel->clear();
    if (!error.empty()) {
        Tell(QMessageBox::Critical, FromStd(ShownText(error)));
        return;
    }
    const std::optional<QString> list =
        ChooseTables(ChoosableTables(rows, qualifiers, ToStd(OnlyTable_Edt->text())));
    if (list) {
        OnlyTable_Edt->setText(*list);
    }
}

void TMain_Frm::IsRDM_ChkClick() {
    const bool providers = IsRDM_Chk->isChecked();
    ProviderOptions_Lab->setVisible(providers);
    ProviderOptions_Cbo->setVisible(providers);
}

void TMain_Frm::Tell(QMessageBox::Icon icon, const QString& text) {
    const TBusyCursorLifted lifted;
    ShowMessage(icon, text);
}

bool TMain_Frm::Ask(const QString& text) {
    const TBusyCursorLifted lifted;
    return AskQuestion(text);
}

void TMain_Frm::ShowMessage(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, ApplicationTitle, text, QMessageBox::Ok, this);
    box.exec();
}

bool TMain_Frm::AskQuestion(const QString& text) {
    return QMessageBox::question(this, ApplicationTitle, text) == QMessageBox::Yes;
}

QString TMain_Frm::ChooseOpenFile(int filterIndex, const QString& fileName) {
    const QStringList filters = OpenDialog->nameFilters();
    OpenDialog->selectNameFilter(filters.value(filterIndex - 1));
    if (!fileName.isEmpty()) {
        OpenDialog->selectFile(fileName);
    }
    if (OpenDialog->exec() != QDialog::Accepted || OpenDialog->selectedFiles().isEmpty()) {
        return {};
    }
    return OpenDialog->selectedFiles().first();
}

QString TMain_Frm::ChooseDirectory(const QString& start, const QString& typed) {
    TDirectoryChooser chooser(this, start, typed);
    return chooser.exec() == QDialog::Accepted ? chooser.Chosen : QString();
}

QString TMain_Frm::ChooseSettingsFile(bool forSaving, const QString& fileName) {
    QFileDialog dialog(this, forSaving ? QStringLiteral("Save Settings As")
                                       : QStringLiteral("Open Settings"));
    dialog.setNameFilters({QStringLiteral("Settings File(*.ini)"), QStringLiteral("Any File(*)")});
    if (forSaving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("ini"));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!fileName.isEmpty()) {
        dialog.selectFile(fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

std::optional<QString> TMain_Frm::ChooseTables(const std::vector<TChoosableTable>& tables) {
    TTableChooser chooser(tables, this);
    if (chooser.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return chooser.List();
}

QString TMain_Frm::ShowDataLinkEditor(TDataLinkEditor& editor) {
    return editor.exec() == QDialog::Accepted ? editor.Path() : QString();
}

} // namespace quorvane::ui
